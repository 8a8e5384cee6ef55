// CScreen: the program's screen, composed from the picture and two 8-bit
// layers and flushed to the window as palette indices, only where it changed.
//
// Blit paints the background layer (lasting) and copies it to the front;
// BlitTop paints the front layer only (a sprite for one frame, wiped by the
// next Flush). Every drawing call records a dirty rectangle; Flush sends this
// frame's rectangles and, again, the previous frame's.
#pragma once

#include <cstdint>

#include "framework/sound/Dib.h"
#include "framework/sound/GlyphTable.h"
#include "framework/sound/Palette.h"
#include "platform/include/plat/types.h"

// One recorded area of the screen.
struct DirtyRect {
  int x;
  int y;
  int width;
  int height;
  int kind;  // kDirtyLasting or kDirtySprite
};

// Header sent with the front layer: the layer's information header and the
// indices 0..255, so pixels reach the window as palette indices.
struct DisplayHeader {
  plat::BITMAPINFOHEADER header;
  plat::WORD indices[256];
};
static_assert(sizeof(DisplayHeader) == 552);

class CScreen {
 public:
  static constexpr int kMaxDirty = 50;
  static constexpr int kDirtyLasting = 0;  // Blit, Restore, the whole-screen fallback
  static constexpr int kDirtySprite = 1;   // BlitTop and text
  static constexpr int kRefreshWipe = 1;     // background over front in every dirty area
  static constexpr int kRefreshPicture = 2;  // the whole picture into both layers
  static constexpr int kFlushDirty = 0;      // each frame: the dirty areas
  static constexpr int kFlushWhole = 1;      // the whole front layer

  CScreen() = default;
  ~CScreen();
  CScreen(const CScreen&) = delete;
  CScreen& operator=(const CScreen&) = delete;

  // Makes both width x height layers and the display header, keeps the
  // picture (not owned; it must outlive the screen's use) and draws it whole,
  // so the next Flush shows it. The device context is not kept. Answers 0
  // when picture is null or memory runs out.
  int Init(plat::HDC deviceContext, const CDib* picture, int width, int height);

  // Cuts a rectangle to the screen in place; false when nothing is left.
  bool ClipRect(int& x, int& y, int& width, int& height) const;
  // The same, moving the source origin by every cut on the left or top.
  bool ClipBlitRect(int& x, int& y, int& sourceX, int& sourceY, int& width,
                    int& height) const;

  // Puts the picture back over an area of both layers.
  void Restore(int x, int y, int width, int height);
  // Lasting drawing: source area into the background (transparent -1: none),
  // then that screen area into the front; records a lasting rectangle.
  void Blit(int x, int y, const CDib* source, int sourceX, int sourceY, int width, int height,
            int transparent);
  // Sprite drawing: source area into the front layer only; records a sprite
  // rectangle. Gone after the next Flush.
  void BlitTop(int x, int y, const CDib* source, int sourceX, int sourceY, int width,
               int height, int transparent);
  // Draws text with a bitmap font (glyphs: kGlyphTableWords words) into the
  // background, then copies the text's area to the front and records it as
  // one sprite rectangle. '\n' starts a new line (glyph height - 2 lower);
  // any byte outside 32..125 is drawn as a blank.
  void DrawText(const CDib* font, const std::int16_t* glyphs, const char* text, int x, int y,
                int transparent);
  // kRefreshPicture: draws the whole picture (and nothing else). Otherwise,
  // with kRefreshWipe: background over front in every dirty area, then the
  // dirty list is emptied.
  void Refresh(int flags);
  // kFlushDirty: sends the previous frame's rectangles, then this frame's
  // (remembered for the next), then wipes the sprites; answers 1 when
  // anything was sent. kFlushWhole: sends the whole front layer and wipes;
  // answers 1. Any other mode only wipes and answers 0. offsetX and offsetY
  // place the screen in the window.
  int Flush(plat::HDC deviceContext, int offsetX, int offsetY, int mode);
  // Frees both layers and the display header.
  void Free();

  // Records an area (already clipped by the caller); the 51st of a frame
  // turns the list into one lasting rectangle of the whole screen.
  void AddDirty(int x, int y, int width, int height, int kind);

  CPalette& Palette() { return palette; }
  CDib& Front() { return front; }
  CDib& Background() { return background; }
  const CDib* Picture() const { return picture; }
  int Width() const { return width; }
  int Height() const { return height; }
  int DirtyCount() const { return dirtyCount; }
  const DirtyRect& Dirty(int i) const { return dirty[i]; }
  int PreviousCount() const { return previousCount; }
  const DirtyRect& Previous(int i) const { return previous[i]; }

 private:
  int originX = 0;
  int originY = 0;
  DisplayHeader* displayHeader = nullptr;
  CPalette palette;
  CDib front;
  CDib background;
  const CDib* picture = nullptr;
  DirtyRect dirty[kMaxDirty] = {};
  int dirtyCount = 0;
  DirtyRect previous[kMaxDirty] = {};
  int previousCount = 0;
  int width = 0;
  int height = 0;

  int Send(plat::HDC deviceContext, int offsetX, int offsetY, const DirtyRect& r) const;
};
