#include "framework/shell/QuitQuestion.h"

#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

int AskReturnToMainMenu(plat::HWND window, const char* title) {
  if (plat::MessageBox(window, "Return to main menu?", title, plat::MB_OKCANCEL) != plat::IDOK) {
    return 0;
  }
  gCasinoCfg.maximised = plat::IsZoomed(window) ? 1 : 0;
  return 1;
}

int AskQuitLosingBets(plat::HWND window, const char* title, const char* text) {
  return plat::MessageBox(window, text, title,
                          plat::MB_YESNO | plat::MB_ICONQUESTION | plat::MB_DEFBUTTON2) ==
         plat::IDYES;
}

void SayCannotQuitNow(plat::HWND window, const char* title) {
  plat::MessageBox(window, "You can't quit at this point", title, plat::MB_OK);
}
