#include "pd/KenoCredit.h"

#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"

namespace pd {

void DrawStatusText(int x, int y, int width, const char* text) {
  ::DrawStatusText(x, y, width, text);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushDirty);
}

void DrawCredit() {
  const ScreenLayout& l = gGame->layout;
  gScreen.Restore(l.userX, l.userY, l.userWidth, l.userHeight);
  DrawStatusText(l.userX, l.userY, l.userWidth, gPlayerRecord.GetText());
}

}  // namespace pd
