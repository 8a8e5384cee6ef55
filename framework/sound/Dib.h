// CDib: the one bitmap type, an 8-bit bottom-up picture with its own colour
// table and a clip rectangle that bounds every write into it.
#pragma once

#include <cstddef>
#include <cstdio>

#include "platform/include/plat/types.h"

// The plain byte of a stored byte of a picture file: complemented, then
// rotated left by 3.
inline plat::BYTE UnscrambleByte(plat::BYTE stored) {
  const plat::BYTE inverted = static_cast<plat::BYTE>(~stored);
  return static_cast<plat::BYTE>((inverted << 3) | (inverted >> 5));
}

class CDib {
 public:
  // Limits a picture file must keep; larger values are refused as garbage.
  static constexpr int kMaxSide = 16384;
  static constexpr int kBitsPerPixel = 8;

  CDib() = default;
  ~CDib();
  CDib(const CDib&) = delete;
  CDib& operator=(const CDib&) = delete;

  // Releases the information block, and the bits when owned; the object then
  // holds nothing (Width() and Height() answer 0).
  void Free();
  // Frees what is held, then makes a zeroed width x height bitmap with a grey
  // ramp colour table and the clip set to the whole bitmap. Answers 0 (holding
  // nothing) when a size is not 1..kMaxSide or memory runs out.
  int Create(int width, int height);
  // Opens a scrambled picture file and reads it with Read; the file is closed
  // in every case. Answers 1 or 0.
  int LoadFile(const char* name);
  // Reads a whole scrambled picture file from its start (the stream must be
  // seekable). Only an uncompressed 8-bit bottom-up picture whose sizes and
  // offsets all lie within the file is taken; on any failure the object is
  // left as it was and 0 is answered.
  int Read(std::FILE* file);

  // 1 unless the header's size field is 12 (an old core header).
  static int IsInfoHeader(const plat::BITMAPINFOHEADER& header);
  // 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0; a non-zero colours-used
  // field of an information header replaces that number.
  static int NumColorsOf(const plat::BITMAPINFOHEADER& header);
  int NumColors() const;  // 0 when nothing is held

  const plat::BITMAPINFO* Info() const { return info; }
  plat::RGBQUAD* ColorTable();  // null when nothing is held
  const plat::RGBQUAD* ColorTable() const;
  plat::BYTE* Bits() { return bits; }
  const plat::BYTE* Bits() const { return bits; }
  int Width() const;
  int Height() const;
  // Bytes per stored row: the width rounded up to a multiple of 4.
  int Stride() const;

  // Null unless the bitmap is 8-bit and 0 <= x < width, 0 <= y < height
  // (y = 0 is the top row of the image).
  plat::BYTE* PixelAddress(int x, int y);
  const plat::BYTE* PixelAddress(int x, int y) const;

  // Sets the clip rectangle (right and bottom exclusive), cut to the bitmap.
  void SetClip(int left, int top, int right, int bottom);
  plat::RECT GetClipRect() const;

  // Copies a width x height area of this bitmap at (sourceX, sourceY) into
  // target at (x, y), cut to the target's clip and to this bitmap's bounds
  // (the source moves with every cut). transparent -1 copies every byte; any
  // other value's low byte is an index left out, the target keeping its
  // pixel. Answers 0 when nothing is copied (no target, empty area, not 8-bit).
  // target may be this bitmap only when the areas do not overlap.
  int Blit(CDib* target, int x, int y, int sourceX, int sourceY, int width, int height,
           int transparent) const;
  // Sets every pixel of the rectangle within the clip to colour's low byte.
  // Answers 0 when nothing lies inside the clip.
  int Fill(int x, int y, int width, int height, int colour);
  // Maps every pixel to its nearest entry of the palette and takes the
  // palette's colours as the colour table; a bitmap whose table already maps
  // onto itself is left untouched. Answers 0, changing nothing, when the
  // bitmap is empty or the palette answers no index.
  int RemapToPalette(plat::HPALETTE palette);

 private:
  plat::BITMAPINFO* info = nullptr;  // always the full 1064-byte block
  plat::BYTE* bits = nullptr;        // Stride() x Height() bytes, bottom row first
  int clipLeft = 0;
  int clipTop = 0;
  int clipRight = 0;
  int clipBottom = 0;
  int ownsBits = 1;

  void Install(plat::BITMAPINFO* newInfo, plat::BYTE* newBits);
};
