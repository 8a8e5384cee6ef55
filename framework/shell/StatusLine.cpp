#include "framework/shell/StatusLine.h"

#include <cstdarg>
#include <cstdio>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"

namespace {

char gDefaultText[kMaxStatusLength + 1] = {};
int gMessageShowing = 0;
int gTimeoutFrames = 0;

bool KeptCharacter(char c) { return (c >= ' ' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void DrawMessage(const char* text) {
  const ScreenLayout& l = gGame->layout;
  gScreen.Restore(l.statusX, l.statusY, l.statusWidth, l.statusHeight);
  DrawStatusText(l.statusX, l.statusY, l.statusWidth, text);
}

}  // namespace

void PrintStatusMsg(const char* format, ...) {
  if (!format) {
    if (!gMessageShowing) return;
    DrawMessage(gDefaultText);
    gMessageShowing = 0;
    return;
  }
  char text[kMaxStatusLength + 2];
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(text, sizeof(text), format, args);
  va_end(args);
  DrawMessage(length < 0 || length > kMaxStatusLength ? kStatusTooLong : text);
  gMessageShowing = 1;
  gTimeoutFrames = 0;  // a new message gets its full time before it is emptied
}

void SetStatusText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(gDefaultText, sizeof(gDefaultText), format, args);
  va_end(args);
  gMessageShowing = 1;
}

const char* StatusDefaultText() { return gDefaultText; }

void DrawStatusText(int x, int y, int maxWidth, const char* text) {
  const std::int16_t* font = gGame->smallFont;
  if (!font || !text) return;
  char shown[kMaxStatusLength + 1];
  int width = 0;
  int n = 0;
  for (; text[n] && n < kMaxStatusLength; ++n) {
    char c = KeptCharacter(text[n]) ? text[n] : ' ';
    width += font[2 + 3 * (c - kFirstGlyph) + 2] + 1;
    if (width > maxWidth) break;
    shown[n] = c;
  }
  shown[n] = '\0';
  gScreen.DrawText(&gPicture, font, shown, x, y, font[1]);
}

void DrawUserField() {
  const ScreenLayout& l = gGame->layout;
  gScreen.Restore(l.userX, l.userY, l.userWidth, l.userHeight);
  DrawStatusText(l.userX, l.userY, l.userWidth, gPlayerRecord.GetText());
}

void StatusMsgTimeout() {
  const int button = ButtonUnderPointer();
  const int holds = gGame->statusHoldLastRow == 0 || button <= gGame->statusHoldLastRow;
  if (button != 0 && holds && IsButtonEnabled(button)) {
    gTimeoutFrames = 0;
    return;
  }
  const int emptyAt = gGame->statusEmptyFrames;
  const int defaultAt = gGame->statusDefaultFrames;
  const int lastAt = emptyAt > defaultAt ? emptyAt : defaultAt;
  if (gTimeoutFrames == emptyAt) {
    DrawMessage("");
    gMessageShowing = 1;
  }
  if (gTimeoutFrames == defaultAt) PrintStatusMsg(nullptr);
  // The count stays at the later change, which then repeats each frame.
  if (gTimeoutFrames < lastAt) ++gTimeoutFrames;
}

void ResetStatusLine() {
  gDefaultText[0] = '\0';
  gMessageShowing = 0;
  gTimeoutFrames = 0;
}
