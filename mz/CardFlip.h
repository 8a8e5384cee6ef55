// The software renderer that turns a card in perspective: a sprite rotated
// about the z, y and x axes (angles in 1024ths of a turn), its four corners
// projected with a fixed perspective and the quad filled with 16.16 fixed
// point texture steps. Works on plain 8-bit bottom-up pixel rows, so it
// needs no drawing or platform header.
#pragma once

#include <cstdint>

namespace mz {

inline constexpr int kAngleSteps = 1024;
inline constexpr int kMaxQuadRows = 2048;

// 8-bit pixels, rows bottom-up, stride bytes apart.
struct PixelRows {
  std::uint8_t* bits;
  int width;
  int height;
  int stride;
  int bitCount;  // 8 only is drawn
};

struct QuadCorner {
  int x, y;  // on the target
  int u, v;  // 16.16 in the source
};
struct Quad {
  QuadCorner corner[4];
};
struct Box {
  int left, top, right, bottom;  // right and bottom exclusive; empty when right <= left
};

// The tables of sine and cosine (entry i of i x 2 pi / 1024); called once at start.
void BuildSineTables();
float SineOf(int angle);
float CosineOf(int angle);

// Corners of the sprite (sourceX, sourceY, width, height) placed at (x, y)
// and turned by angle1 about z, angle2 about y, angle3 about x. 0 when a
// bitmap is not 8-bit or the size is 0, else 1.
int ProjectRotatedQuad(const PixelRows& source, const PixelRows& target, int x, int y, int sourceX, int sourceY,
                       int width, int height, int angle1, int angle2, int angle3, Quad* quad);
// Fills the quad into target, clipped to it; *box is the area written
// (clipped), empty when nothing was.
void FillTexturedQuad(const PixelRows& source, const Quad& quad, const PixelRows& target, Box* box);

}  // namespace mz
