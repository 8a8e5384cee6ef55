// CPalette: the program's logical palette, built from the picture's colour
// table and made an identity palette on palette displays.
#pragma once

#include "platform/include/plat/types.h"

class CDib;

class CPalette {
 public:
  CPalette() = default;
  ~CPalette();
  CPalette(const CPalette&) = delete;
  CPalette& operator=(const CPalette&) = delete;

  // A palette (version 0x300) of dib.NumColors() entries taken from the
  // colour table, flags 0; it replaces the one held. Answers 0, keeping the
  // old palette, when the bitmap has no colours or the palette cannot be made.
  int CreateFromDib(const CDib& dib);
  // On a palette device: fills the palette with the system palette, the
  // static colours at both ends kept and every entry between them marked
  // no-collapse, so pictures drawn as indices need no colour matching. Answers
  // 0 on a true-colour device or without a palette; 1 when the device has
  // more than 256 colours (nothing changed) or when done.
  int MakeIdentity(plat::HDC deviceContext);
  // Deletes the palette handle, if any.
  void Delete();
  plat::HPALETTE Handle() const { return palette; }

 private:
  plat::HPALETTE palette = nullptr;
};
