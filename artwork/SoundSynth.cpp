#include "artwork/SoundSynth.h"

#include <algorithm>
#include <cmath>

#include "artwork/Wave.h"

namespace artwork {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Deterministic noise in [-1, 1].
class CNoise {
 public:
  explicit CNoise(std::uint32_t seed) : state_(seed | 1u) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Fades in over 3 ms and out over the last 10 ms, so no sound starts or
// ends with a click.
double Envelope(int i, int count) {
  const double in = std::min(1.0, i / (0.003 * kSampleRate));
  const double out = std::min(1.0, (count - i) / (0.010 * kSampleRate));
  return std::max(0.0, std::min(in, out));
}

std::int16_t ToSample(double v) {
  return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 30000.0));
}

}  // namespace

std::vector<std::int16_t> Synthesize(const SoundRecipe& recipe) {
  const int count = std::max(1, recipe.milliseconds * kSampleRate / 1000);
  std::vector<std::int16_t> out(static_cast<std::size_t>(count), 0);
  CNoise noise(static_cast<std::uint32_t>(recipe.frequency * 7919 + recipe.frequency2 * 31 + recipe.milliseconds));
  double phase = 0.0;
  double filtered = 0.0;
  const double brightness = std::clamp(recipe.frequency / 8000.0, 0.05, 1.0);
  int nextClick = 0;
  int clickAge = 1 << 30;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    double v = 0.0;
    switch (recipe.kind) {
      case SoundKind::kSilence:
        break;
      case SoundKind::kTone:
        phase += kTwoPi * recipe.frequency / kSampleRate;
        v = 0.5 * std::sin(phase);
        break;
      case SoundKind::kSweep:
        phase += kTwoPi * (recipe.frequency + (recipe.frequency2 - recipe.frequency) * t) / kSampleRate;
        v = 0.5 * std::sin(phase);
        break;
      case SoundKind::kNoise:
        filtered += brightness * (noise.Next() - filtered);
        v = 0.8 * filtered * std::exp(-3.0 * t);
        break;
      case SoundKind::kRattle:
        if (i >= nextClick) {
          clickAge = 0;
          nextClick = i + static_cast<int>((0.02 + 0.03 * (noise.Next() + 1.0)) * kSampleRate);
        }
        v = 0.7 * noise.Next() * std::exp(-clickAge / (0.002 * kSampleRate)) * (1.0 - 0.6 * t);
        ++clickAge;
        break;
      case SoundKind::kClick:
        phase += kTwoPi * recipe.frequency / kSampleRate;
        v = (0.6 * std::sin(phase) + 0.3 * noise.Next()) * std::exp(-8.0 * t);
        break;
      case SoundKind::kChime: {
        const int f = t < 0.5 ? recipe.frequency : recipe.frequency2;
        phase += kTwoPi * f / kSampleRate;
        const double local = t < 0.5 ? t * 2.0 : (t - 0.5) * 2.0;
        v = 0.5 * std::sin(phase) * std::exp(-2.5 * local);
        break;
      }
    }
    out[static_cast<std::size_t>(i)] = ToSample(v * Envelope(i, count));
  }
  return out;
}

}  // namespace artwork
