// One card's rotated blit: a 53 x 73 card turned about the y axis, projected
// and filled into a 640 x 480 8-bit target, at the angles of a whole flip
// (flat, half turned, near edge-on) and turned about all three axes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "mz/CardFlip.h"

namespace {

constexpr int kCardWidth = 53;
constexpr int kCardHeight = 73;

struct Bitmap {
  Bitmap(int width, int height) : pixels(static_cast<std::size_t>(width) * height) {
    rows = {pixels.data(), width, height, width, 8};
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7);
  }
  std::vector<std::uint8_t> pixels;
  mz::PixelRows rows;
};

void OneCard(benchmark::State& state, int angle1, int angle2, int angle3) {
  mz::BuildSineTables();
  Bitmap picture(640, 840);
  Bitmap target(640, 480);
  mz::Quad quad{};
  mz::Box box{};
  for (auto _ : state) {
    mz::ProjectRotatedQuad(picture.rows, target.rows, 293, 243, 106, 548, kCardWidth, kCardHeight, angle1, angle2,
                           angle3, &quad);
    mz::FillTexturedQuad(picture.rows, quad, target.rows, &box);
    benchmark::DoNotOptimize(target.pixels.data());
    benchmark::DoNotOptimize(box);
  }
}

void Flat(benchmark::State& state) { OneCard(state, 0, 0, 0); }
void HalfTurned(benchmark::State& state) { OneCard(state, 0, 128, 0); }
void NearlyEdgeOn(benchmark::State& state) { OneCard(state, 0, 240, 0); }
void AllThreeAxes(benchmark::State& state) { OneCard(state, 100, 160, 60); }

}  // namespace

BENCHMARK(Flat);
BENCHMARK(HalfTurned);
BENCHMARK(NearlyEdgeOn);
BENCHMARK(AllThreeAxes);
