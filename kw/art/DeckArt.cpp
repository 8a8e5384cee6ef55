#include "kw/art/DeckArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "artwork/Card.h"
#include "artwork/StandardColours.h"
#include "kw/PaiGowTableLayout.h"

namespace kw::art {

using namespace artwork;

namespace {

// The colours of each back design: the field and the lines across it.
struct BackColours {
  std::uint8_t field;
  std::uint8_t lines;
};
constexpr BackColours kBackColours[] = {{kDarkBlue, kBlue}, {kDarkRed, kRed}};
static_assert(std::size(kBackColours) == kDeckDesigns, "colours for every design");

}  // namespace

void DrawBack(IndexedImage& image, const SheetItem& item) {
  DrawCardBack(image, item.area, kBackColours[item.value].field, kBackColours[item.value].lines);
}

// A back seen turning in flight: the design's back turned by the frame's
// angle and made small enough to fit the frame. value: design * 16 + frame.
void DrawFlyingBack(IndexedImage& image, const SheetItem& item) {
  constexpr double kAngles[] = {70.0, 45.0, 20.0};  // degrees, by frame
  const int design = item.value / 16;
  const double angle = kAngles[item.value % 16] * 3.14159265358979 / 180.0;
  IndexedImage back;
  back.Resize(kCardWidth, kCardHeight, kKey);
  DrawCardBack(back, {0, 0, kCardWidth, kCardHeight}, kBackColours[design].field, kBackColours[design].lines);

  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double turnedWidth = kCardWidth * c + kCardHeight * s;
  const double turnedHeight = kCardWidth * s + kCardHeight * c;
  const double scale = std::min({1.0, item.area.w / turnedWidth, item.area.h / turnedHeight});
  for (int y = 0; y < item.area.h; ++y) {
    for (int x = 0; x < item.area.w; ++x) {
      const double u = (x + 0.5 - item.area.w / 2.0) / scale;
      const double v = (y + 0.5 - item.area.h / 2.0) / scale;
      const int bx = static_cast<int>(std::floor(u * c + v * s + kCardWidth / 2.0));
      const int by = static_cast<int>(std::floor(-u * s + v * c + kCardHeight / 2.0));
      if (bx < 0 || by < 0 || bx >= kCardWidth || by >= kCardHeight) continue;
      const std::uint8_t colour = back.At(bx, by);
      if (colour != kKey) Plot(image, item.area.x + x, item.area.y + y, colour);
    }
  }
}

}  // namespace kw::art
