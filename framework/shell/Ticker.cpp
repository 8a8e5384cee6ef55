#include "framework/shell/Ticker.h"

#include "framework/sound/Dib.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/TickerGlyphs.h"

namespace {

constexpr int kMaxQueued = 16;

struct TickerChar {
  int glyph;
  int column;  // display column of the glyph's left edge
};

struct TickerState {
  int started = 0;
  plat::BYTE onColour = 0;
  plat::BYTE offColour = 0;
  TickerChar queue[kMaxQueued] = {};
  int queued = 0;
  int next = 0;       // buffer index of the next character to enter
  int pause = 0;      // frames the display still stands
  int textEnded = 0;  // '#' reached: nothing more enters this pass
  int stopAfter = 0;  // the '#' was followed by '|'
  int stopped = 0;
  bool blanked[kTickerTextSize] = {};  // '@' blanked during this pass
};

TickerState gTicker;

void PutBackMarkers(char* text) {
  for (int i = 0; i < kTickerTextSize; ++i) {
    if (gTicker.blanked[i] && text[i] == ' ') text[i] = '@';
    gTicker.blanked[i] = false;
  }
}

plat::BYTE PictureColour(int x, int y) {
  const plat::BYTE* p = gPicture.PixelAddress(x, y);
  return p ? *p : 0;
}

void Scroll(char* text, int lastColumn) {
  int kept = 0;
  for (int i = 0; i < gTicker.queued; ++i) {
    TickerChar c = gTicker.queue[i];
    --c.column;
    if (c.column + kTickerGlyphColumns > 0) gTicker.queue[kept++] = c;
  }
  gTicker.queued = kept;

  if (gTicker.textEnded) return;
  int entry = gTicker.queued == 0
                  ? lastColumn
                  : gTicker.queue[gTicker.queued - 1].column + kTickerGlyphColumns;
  if (entry > lastColumn || gTicker.queued == kMaxQueued) return;
  if (gTicker.next >= kTickerTextSize) return;
  char c = text[gTicker.next];
  if (c == '\0') return;  // nothing written yet: the display runs empty
  if (c == '#') {
    gTicker.textEnded = 1;
    gTicker.stopAfter = gTicker.next + 1 < kTickerTextSize && text[gTicker.next + 1] == '|';
    return;
  }
  if (c == '@') {
    text[gTicker.next] = ' ';
    gTicker.blanked[gTicker.next] = true;
    ++gTicker.next;
    gTicker.pause = kTickerPauseFrames;
    return;
  }
  gTicker.queue[gTicker.queued++] = TickerChar{TickerGlyphIndex(c), entry};
  ++gTicker.next;
}

// Dots stand on every other pixel of every other row; a row is cleared and
// lit through one row address (the strip is painted every frame).
void Draw(CDib* strip, int columns, int rows) {
  for (int row = 0; row < rows; ++row) {
    plat::BYTE* line = strip->PixelAddress(0, 2 * row);
    if (!line) return;
    for (int col = 0; col < columns; ++col) line[2 * col] = gTicker.offColour;
    if (row >= kTickerGlyphRows) continue;
    for (int i = 0; i < gTicker.queued; ++i) {
      const TickerChar& c = gTicker.queue[i];
      const std::uint8_t bits = kTickerGlyphs[c.glyph][row];
      for (int g = 0; g < kTickerGlyphColumns; ++g) {
        const int col = c.column + g;
        if (col >= 0 && col < columns && (bits & (0x20 >> g))) line[2 * col] = gTicker.onColour;
      }
    }
  }
}

}  // namespace

void RestartTicker() {
  int started = gTicker.started;
  plat::BYTE on = gTicker.onColour;
  plat::BYTE off = gTicker.offColour;
  gTicker = TickerState{};
  gTicker.started = started;
  gTicker.onColour = on;
  gTicker.offColour = off;
}

int UpdateTicker(CDib* strip, char* text, int enabled) {
  if (!enabled || !strip || !text) {
    if (text) PutBackMarkers(text);
    gTicker = TickerState{};
    return 0;
  }
  const ScreenLayout& l = gGame->layout;
  if (!gTicker.started) {
    gTicker.started = 1;
    gTicker.onColour = PictureColour(l.tickerOnX, l.tickerOnY);
    gTicker.offColour = PictureColour(l.tickerOffX, l.tickerOffY);
  }
  int columns = (strip->Width() + 1) / 2;
  int rows = (strip->Height() + 1) / 2;
  int passEnded = 0;
  if (gTicker.pause > 0) {
    if (--gTicker.pause == 0) gTicker.queued = 0;
  } else if (!gTicker.stopped) {
    Scroll(text, columns - 1);
    if (gTicker.textEnded && gTicker.queued == 0) {
      passEnded = 1;
      PutBackMarkers(text);
      if (gTicker.stopAfter) {
        gTicker.stopped = 1;
      } else {
        gTicker.next = 0;
        gTicker.textEnded = 0;
      }
    }
  }
  Draw(strip, columns, rows);
  gScreen.BlitTop(l.tickerX, l.tickerY, strip, 0, 0, strip->Width(), strip->Height(),
                  gTransparentIndex);
  return passEnded;
}
