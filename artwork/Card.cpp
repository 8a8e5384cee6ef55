#include "artwork/Card.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "artwork/StandardColours.h"
#include "artwork/Text.h"

namespace artwork {

namespace {

bool InCircle(double u, double v, double cu, double cv, double radius) {
  return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= radius * radius;
}

bool InStem(double u, double v) { return v >= 0.3 && v <= 1.0 && std::abs(u) <= 0.1 + (v - 0.3) * 0.5; }

// Whether the point (u, v) of the square [-1, 1] x [-1, 1] is inked.
bool InSuit(int suit, double u, double v) {
  switch (suit) {
    case kDiamond:
      return std::abs(u) / 0.8 + std::abs(v) <= 1.0;
    case kHeart:
      return InCircle(u, v, -0.48, -0.35, 0.5) || InCircle(u, v, 0.48, -0.35, 0.5) ||
             (v >= -0.35 && std::abs(u) <= (1.0 - v) / 1.35 * 0.98);
    case kSpade:
      return InCircle(u, v, -0.48, 0.15, 0.45) || InCircle(u, v, 0.48, 0.15, 0.45) ||
             (v <= 0.15 && std::abs(u) <= (v + 1.0) / 1.15 * 0.93) || InStem(u, v);
    default:
      return InCircle(u, v, 0.0, -0.48, 0.36) || InCircle(u, v, -0.46, 0.1, 0.36) ||
             InCircle(u, v, 0.46, 0.1, 0.36) || InStem(u, v);
  }
}

// A five-pointed star, point up, in the square [-1, 1] x [-1, 1].
bool InStar(double u, double v) {
  constexpr double kPi = 3.14159265358979;
  const double radius = std::sqrt(u * u + v * v);
  const double angle = std::atan2(u, -v) + kPi;      // 0 at the top point
  const double inPoint = std::fmod(angle, 2 * kPi / 5) / (2 * kPi / 5);
  const double edge = 0.42 + 0.58 * std::abs(2 * inPoint - 1);  // 1 at the points, 0.42 between
  return radius <= edge;
}

void DrawStar(IndexedImage& image, int x, int y, int size, std::uint8_t colour) {
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const double u = (2.0 * px + 1.0) / size - 1.0;
      const double v = (2.0 * py + 1.0) / size - 1.0;
      if (InStar(u, v)) Plot(image, x + px, y + py, colour);
    }
  }
}

void DrawBlankFace(IndexedImage& image, const Rect& r) {
  const int radius = std::max(2, r.w / 10);
  FillRoundRect(image, r, radius, kCardEdge);
  FillRoundRect(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, radius - 1, kCardFace);
}

bool IsRed(int suit) { return suit == kDiamond || suit == kHeart; }

const char* RankText(int rank) {
  static const char* const kNames[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  return rank >= 2 && rank <= 14 ? kNames[rank - 2] : "?";
}

}  // namespace

void DrawSuit(IndexedImage& image, int x, int y, int size, int suit) {
  const std::uint8_t colour = IsRed(suit) ? kRed : kBlack;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const double u = (2.0 * px + 1.0) / size - 1.0;
      const double v = (2.0 * py + 1.0) / size - 1.0;
      if (InSuit(suit, u, v)) Plot(image, x + px, y + py, colour);
    }
  }
}

void DrawCard(IndexedImage& image, const Rect& r, int rank, int suit) {
  DrawBlankFace(image, r);
  const TextStyle style{IsRed(suit) ? kRed : kBlack, kWhite, 1, 0};
  const char* text = RankText(rank);
  DrawText(image, r.x + 3, r.y + 3, text, style);
  DrawSuit(image, r.x + 3, r.y + 12, 7, suit);
  DrawText(image, r.x + r.w - 3 - TextWidth(text, style), r.y + r.h - 3 - TextHeight(style), text, style);
  const int big = std::max(7, std::min(r.w, r.h) / 2);
  DrawSuit(image, r.x + (r.w - big) / 2, r.y + (r.h - big) / 2, big, suit);
}

void DrawJoker(IndexedImage& image, const Rect& r) {
  DrawBlankFace(image, r);
  const TextStyle style{kPurple, kWhite, 1, 0};
  DrawText(image, r.x + 3, r.y + 3, "JK", style);
  DrawStar(image, r.x + 3, r.y + 12, 7, kPurple);
  DrawText(image, r.x + r.w - 3 - TextWidth("JK", style), r.y + r.h - 3 - TextHeight(style), "JK", style);
  const int big = std::max(7, std::min(r.w, r.h) / 2);
  DrawStar(image, r.x + (r.w - big) / 2, r.y + (r.h - big) / 2, big, kRed);
}

void DrawCardBack(IndexedImage& image, const Rect& r, std::uint8_t field, std::uint8_t lines) {
  const int radius = std::max(2, r.w / 10);
  FillRoundRect(image, r, radius, kCardEdge);
  FillRoundRect(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, radius - 1, kWhite);
  const Rect inner{r.x + 3, r.y + 3, r.w - 6, r.h - 6};
  FillRect(image, inner, field);
  for (int y = inner.y; y < inner.y + inner.h; ++y) {
    for (int x = inner.x; x < inner.x + inner.w; ++x) {
      if ((x - inner.x + y - inner.y) % 6 == 0 || (x - inner.x - (y - inner.y) + 600) % 6 == 0) {
        Plot(image, x, y, lines);
      }
    }
  }
}

}  // namespace artwork
