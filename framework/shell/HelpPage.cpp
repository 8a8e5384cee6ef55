#include "framework/shell/HelpPage.h"

#include <cstdio>
#include <cstring>

#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

void OpenHelpPage(const char* page) {
  constexpr int kPathLength = 80;
  char path[kPathLength + 1 + 64];
  plat::GetPrivateProfileString("Orvanta", "PATH", "Error: Can't find orvanta.ini", path,
                                kPathLength + 1, "ORVANTA.INI");
  const std::size_t used = std::strlen(path);
  std::snprintf(path + used, sizeof path - used, "help\\%s", page);
  if (plat::ShellExecute(gMainWindow, "open", path, nullptr, ".", plat::SW_SHOWNORMAL) <= 32) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "Your www browser is not associated with .htm files please direct your "
                  "browser to %s%s",
                  kHelpPagesAddress, page);
    plat::MessageBox(gMainWindow, text, "ERROR", plat::MB_OK);
  }
}
