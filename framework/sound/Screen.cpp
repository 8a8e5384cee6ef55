#include "framework/sound/Screen.h"

#include <cstdint>
#include <cstdlib>

#include "platform/include/plat/gdi.h"

CScreen::~CScreen() { Free(); }

int CScreen::Init(plat::HDC, const CDib* newPicture, int newWidth, int newHeight) {
  Free();
  if (!newPicture || !front.Create(newWidth, newHeight) ||
      !background.Create(newWidth, newHeight)) {
    Free();
    return 0;
  }
  displayHeader = static_cast<DisplayHeader*>(std::calloc(1, sizeof(DisplayHeader)));
  if (!displayHeader) {
    Free();
    return 0;
  }
  displayHeader->header = front.Info()->bmiHeader;
  displayHeader->header.biClrUsed = 0;
  for (int i = 0; i < 256; ++i) displayHeader->indices[i] = static_cast<plat::WORD>(i);

  originX = 0;
  originY = 0;
  picture = newPicture;
  width = newWidth;
  height = newHeight;
  AddDirty(0, 0, width, height, kDirtyLasting);
  Refresh(kRefreshWipe | kRefreshPicture);
  return 1;
}

bool CScreen::ClipRect(int& x, int& y, int& w, int& h) const {
  int sourceX = 0;
  int sourceY = 0;
  return ClipBlitRect(x, y, sourceX, sourceY, w, h);
}

bool CScreen::ClipBlitRect(int& x, int& y, int& sourceX, int& sourceY, int& w, int& h) const {
  // 64-bit sums: callers may pass any ints.
  if (std::int64_t{x} + w < 1 || x >= width || std::int64_t{y} + h < 1 || y >= height) {
    return false;
  }
  if (x < 0) {
    w += x;
    sourceX -= x;
    x = 0;
  }
  if (std::int64_t{x} + w > width) w = width - x;
  if (y < 0) {
    h += y;
    sourceY -= y;
    y = 0;
  }
  if (std::int64_t{y} + h > height) h = height - y;
  return w >= 1 && h >= 1;
}

void CScreen::Restore(int x, int y, int w, int h) {
  if (!ClipRect(x, y, w, h)) return;
  Blit(x, y, picture, x, y, w, h, -1);
}

void CScreen::Blit(int x, int y, const CDib* source, int sourceX, int sourceY, int w, int h,
                   int transparent) {
  if (!source || !ClipBlitRect(x, y, sourceX, sourceY, w, h)) return;
  if (!source->Blit(&background, x, y, sourceX, sourceY, w, h, transparent)) return;
  if (!background.Blit(&front, x, y, x, y, w, h, -1)) return;
  AddDirty(x, y, w, h, kDirtyLasting);
}

void CScreen::BlitTop(int x, int y, const CDib* source, int sourceX, int sourceY, int w, int h,
                      int transparent) {
  if (!source || !ClipBlitRect(x, y, sourceX, sourceY, w, h)) return;
  if (!source->Blit(&front, x, y, sourceX, sourceY, w, h, transparent)) return;
  AddDirty(x, y, w, h, kDirtySprite);
}

void CScreen::DrawText(const CDib* font, const std::int16_t* glyphs, const char* text, int x,
                       int y, int transparent) {
  if (!font || !glyphs || !text) return;
  const int glyphHeight = glyphs[0];
  const int lineStep = glyphHeight - 2;
  int penX = x;
  int penY = y;
  int right = x;
  int descent = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    const int c = static_cast<signed char>(*p);
    if (c == '\n') {
      penX = x;
      penY += lineStep;
      descent += lineStep;
      continue;
    }
    const int code = (c < kFirstGlyph || c > kLastGlyph) ? kFirstGlyph : c;
    const std::int16_t* glyph = glyphs + GlyphWord(code);
    font->Blit(&background, penX, penY, glyph[0], glyph[1], glyph[2], glyphHeight, transparent);
    penX += glyph[2] + 1;
    if (penX > right) right = penX;
  }
  int areaX = x;
  int areaY = y;
  int areaWidth = right - x;
  int areaHeight = glyphHeight + descent;
  if (!ClipRect(areaX, areaY, areaWidth, areaHeight)) return;
  background.Blit(&front, areaX, areaY, areaX, areaY, areaWidth, areaHeight, -1);
  AddDirty(areaX, areaY, areaWidth, areaHeight, kDirtySprite);
}

void CScreen::Refresh(int flags) {
  if (flags & kRefreshPicture) {
    Blit(0, 0, picture, originX, originY, width, height, -1);
    return;
  }
  if (flags & kRefreshWipe) {
    for (int i = 0; i < dirtyCount; ++i) {
      const DirtyRect& r = dirty[i];
      background.Blit(&front, r.x, r.y, r.x, r.y, r.width, r.height, -1);
    }
    dirtyCount = 0;
  }
}

int CScreen::Send(plat::HDC deviceContext, int offsetX, int offsetY, const DirtyRect& r) const {
  if (!displayHeader) return 0;
  return plat::StretchDIBits(deviceContext, offsetX + r.x, offsetY + r.y, r.width, r.height, r.x,
                             height - r.y - r.height, r.width, r.height, front.Bits(),
                             reinterpret_cast<const plat::BITMAPINFO*>(displayHeader),
                             plat::DIB_PAL_COLORS, plat::SRCCOPY);
}

int CScreen::Flush(plat::HDC deviceContext, int offsetX, int offsetY, int mode) {
  if (mode == kFlushDirty) {
    const int sentPrevious = previousCount > 0 ? 1 : 0;
    for (int i = 0; i < previousCount; ++i) Send(deviceContext, offsetX, offsetY, previous[i]);
    previousCount = 0;
    if (dirtyCount == 0) {
      Refresh(kRefreshWipe);
      return sentPrevious;
    }
    for (int i = 0; i < dirtyCount; ++i) {
      const int slot = previousCount < kMaxDirty ? previousCount++ : kMaxDirty - 1;
      previous[slot] = dirty[i];
      Send(deviceContext, offsetX, offsetY, dirty[i]);
    }
    Refresh(kRefreshWipe);
    return 1;
  }
  if (mode == kFlushWhole) {
    Send(deviceContext, offsetX, offsetY, {0, 0, width, height, kDirtyLasting});
    Refresh(kRefreshWipe);
    return 1;
  }
  Refresh(kRefreshWipe);
  return 0;
}

void CScreen::Free() {
  front.Free();
  background.Free();
  std::free(displayHeader);
  displayHeader = nullptr;
  dirtyCount = 0;
  previousCount = 0;
}

void CScreen::AddDirty(int x, int y, int w, int h, int kind) {
  if (dirtyCount < kMaxDirty) {
    dirty[dirtyCount++] = {x, y, w, h, kind};
    return;
  }
  dirty[0] = {0, 0, width, height, kDirtyLasting};
  dirtyCount = 1;
}
