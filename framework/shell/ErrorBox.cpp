#include "framework/shell/ErrorBox.h"

#include <cstdarg>
#include <cstdio>

#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

void ErrorBox(const char* sourceModule, int line, const char* format, ...) {
  int prefix = gGame->errorReport == kErrorModuleText
                   ? std::snprintf(gErrorText, sizeof(gErrorText), "Error in module \"%s\" at line %ld:\n\n",
                                   sourceModule, static_cast<long>(line))
                   : std::snprintf(gErrorText, sizeof(gErrorText), "Error:\n");
  if (prefix < 0 || prefix >= static_cast<int>(sizeof(gErrorText))) prefix = static_cast<int>(sizeof(gErrorText)) - 1;
  va_list args;
  va_start(args, format);
  std::vsnprintf(gErrorText + prefix, sizeof(gErrorText) - prefix, format, args);
  va_end(args);
  if (gGame->errorReport == kErrorShowBox) {
    plat::MessageBox(nullptr, gErrorText, "ERROR", plat::MB_OK | plat::MB_SETFOREGROUND);
    gErrorText[0] = '\0';
  }
  plat::PostMessage(nullptr, plat::WM_CLOSE, 0, 0);
}

void ShowPendingError() {
  if (!gErrorText[0]) return;
  plat::MessageBox(nullptr, gErrorText, gGame->name,
                   plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
  gErrorText[0] = '\0';
}
