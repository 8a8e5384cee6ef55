#include "mz/CardFlip.h"

#include <algorithm>
#include <cmath>

namespace mz {
namespace {

float gSine[kAngleSteps];
float gCosine[kAngleSteps];
int gTablesBuilt = 0;

struct EdgeEntry {
  int x, u, v;
};
EdgeEntry gSideA[kMaxQuadRows];
EdgeEntry gSideB[kMaxQuadRows];

int Wrap(int angle) { return ((angle % kAngleSteps) + kAngleSteps) % kAngleSteps; }

int IsDrawable(const PixelRows& rows) { return rows.bits != nullptr && rows.bitCount == 8 && rows.width > 0; }

std::uint8_t* At(const PixelRows& rows, int x, int y) {
  return rows.bits + static_cast<long>(rows.height - 1 - y) * rows.stride + x;
}

// One edge from a to b into table: x, u and v of every row from a's row up
// to b's (exclusive). An edge of no rows adds nothing.
void WalkEdge(const QuadCorner& a, const QuadCorner& b, int targetHeight, EdgeEntry* table) {
  const int rows = b.y - a.y;
  if (rows <= 0) return;
  const long dx = ((static_cast<long>(b.x) - a.x) * 65536) / rows;
  const long du = (static_cast<long>(b.u) - a.u) / rows;
  const long dv = (static_cast<long>(b.v) - a.v) / rows;
  long x = static_cast<long>(a.x) * 65536, u = a.u, v = a.v;
  for (int y = a.y; y < b.y; ++y, x += dx, u += du, v += dv) {
    if (y >= 0 && y < targetHeight && y < kMaxQuadRows) {
      table[y] = {static_cast<int>(x >> 16), static_cast<int>(u), static_cast<int>(v)};
    }
  }
}

// From the top corner to the bottom one going step (+1 or 3) round the quad.
void WalkSide(const Quad& quad, int top, int bottom, int step, int targetHeight, EdgeEntry* table) {
  for (int c = top; c != bottom; c = (c + step) % 4) WalkEdge(quad.corner[c], quad.corner[(c + step) % 4], targetHeight, table);
}

}  // namespace

void BuildSineTables() {
  for (int i = 0; i < kAngleSteps; ++i) {
    gSine[i] = static_cast<float>(std::sin(i * 2.0 * M_PI / kAngleSteps));
    gCosine[i] = static_cast<float>(std::cos(i * 2.0 * M_PI / kAngleSteps));
  }
  gTablesBuilt = 1;
}

float SineOf(int angle) { return gSine[Wrap(angle)]; }
float CosineOf(int angle) { return gCosine[Wrap(angle)]; }

int ProjectRotatedQuad(const PixelRows& source, const PixelRows& target, int x, int y, int sourceX, int sourceY,
                       int width, int height, int angle1, int angle2, int angle3, Quad* quad) {
  if (!IsDrawable(source) || !IsDrawable(target) || width <= 0 || height <= 0) return 0;
  if (!gTablesBuilt) BuildSineTables();
  const int m = width / 2, o = height / 2;
  const int cornerX[4] = {-m, m, m, -m};
  const int cornerY[4] = {-o, -o, o, o};
  const int leftU = sourceX * 65536 + 32768, rightU = (sourceX + width) * 65536 - 32768;
  const int topV = (sourceY + 1) * 65536, bottomV = (sourceY + height) * 65536 - 32768;
  const int cornerU[4] = {leftU, rightU, rightU, leftU};
  const int cornerV[4] = {topV, topV, bottomV, bottomV};
  const float s1 = SineOf(angle1), c1 = CosineOf(angle1);
  const float s2 = SineOf(angle2), c2 = CosineOf(angle2);
  const float s3 = SineOf(angle3), c3 = CosineOf(angle3);
  for (int k = 0; k < 4; ++k) {
    const float px = static_cast<float>(cornerX[k]), py = static_cast<float>(cornerY[k]), pz = 0.0f;
    const float x1 = px * c1 - py * s1, y1 = py * c1 + px * s1;
    const float z2 = pz * c2 + x1 * s2, x2 = x1 * c2 - pz * s2;
    const float depth = z2 * c3 + y1 * s3, y3 = y1 * c3 - z2 * s3;
    const float f = 512.0f / (depth + 512.0f);
    quad->corner[k] = {static_cast<int>(x2 * f + static_cast<float>(x + m)),
                       static_cast<int>(y3 * f + static_cast<float>(y + o)), cornerU[k], cornerV[k]};
  }
  return 1;
}

void FillTexturedQuad(const PixelRows& source, const Quad& quad, const PixelRows& target, Box* box) {
  int top = 0, bottom = 0;
  int minX = quad.corner[0].x, maxX = quad.corner[0].x;
  for (int k = 1; k < 4; ++k) {
    if (quad.corner[k].y < quad.corner[top].y) top = k;
    if (quad.corner[k].y > quad.corner[bottom].y) bottom = k;
    minX = std::min(minX, quad.corner[k].x);
    maxX = std::max(maxX, quad.corner[k].x);
  }
  const int rowHeight = std::min(target.height, kMaxQuadRows);
  const int firstRow = std::max(quad.corner[top].y, 0);
  const int endRow = std::min(quad.corner[bottom].y, rowHeight);
  *box = {std::max(minX, 0), firstRow, std::min(maxX, target.width), endRow};
  if (box->right <= box->left || box->bottom <= box->top) {
    *box = {0, 0, 0, 0};
    return;
  }
  for (int y = firstRow; y < endRow; ++y) gSideA[y] = gSideB[y] = {0, 0, 0};
  WalkSide(quad, top, bottom, 1, rowHeight, gSideA);
  WalkSide(quad, top, bottom, 3, rowHeight, gSideB);
  // The rows lie bottom up: source row sv lies sv strides before row 0.
  const std::uint8_t* sourceTop = At(source, 0, 0);
  for (int y = firstRow; y < endRow; ++y) {
    const EdgeEntry& a = gSideA[y];
    const EdgeEntry& b = gSideB[y];
    const EdgeEntry& left = a.x <= b.x ? a : b;
    const EdgeEntry& right = a.x <= b.x ? b : a;
    const int span = right.x - left.x;
    if (span <= 0) continue;
    const long du = (static_cast<long>(right.u) - left.u) / span;
    const long dv = (static_cast<long>(right.v) - left.v) / span;
    // The span clipped to the target, its texture place moved on to match.
    const int firstX = std::max(left.x, 0);
    const int endX = std::min(right.x, target.width);
    long u = left.u + du * (firstX - left.x), v = left.v + dv * (firstX - left.x);
    std::uint8_t* row = At(target, 0, y);
    for (int x = firstX; x < endX; ++x, u += du, v += dv) {
      const int su = std::clamp(static_cast<int>(u >> 16), 0, source.width - 1);
      const int sv = std::clamp(static_cast<int>(v >> 16), 0, source.height - 1);
      row[x] = sourceTop[su - static_cast<long>(sv) * source.stride];
    }
  }
}

}  // namespace mz
