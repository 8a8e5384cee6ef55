#include "framework/shell/ShellMessages.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/ErrorBox.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Window.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/sound.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace {

int HandleLinkMessage(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam,
                      plat::LRESULT* answer) {
  if (!gLinkReady || !gClientTransport) return 0;
  if (message == plat::WM_COPYDATA) {
    const auto* data = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    if (!data) return 0;
    const char* text = static_cast<const char*>(data->lpData);
    switch (data->dwData) {
      case kChannelClient:
        *answer = text ? gClientComm.OnDataReceived(text, data->cbData) : plat::FALSE;
        return 1;
      case kChannelServer:
        *answer = text ? gServerComm.OnDataReceived(text, data->cbData) : plat::FALSE;
        return 1;
      case kDataPlayerRecord:
        if (gPlayerRecord.Receive(data->lpData, data->cbData)) {
          dbSetBalance(kSavedGameUser, gPlayerRecord.GetMoney());
        }
        *answer = plat::TRUE;
        return 1;
      default:
        return 0;
    }
  }
  if (message == gClientTransport->singleMsg) {
    if (wParam == static_cast<plat::WPARAM>(kSingleAlive)) {
      *answer = kAliveAnswer;
      return 1;
    }
    if (wParam == static_cast<plat::WPARAM>(kSingleAskRecord) && gServerTransport) {
      double balance = 0.0;
      dbGetBalance(kSavedGameUser, &balance);
      gPlayerRecord.SetMoney(balance);
      gServerTransport->SendPlayerRecord(gPlayerRecord);
    }
  }
  return 0;
}

bool IsMouseMessage(plat::UINT message) {
  return message == plat::WM_MOUSEMOVE || message == plat::WM_LBUTTONDOWN ||
         message == plat::WM_LBUTTONUP || message == plat::WM_RBUTTONDOWN ||
         message == plat::WM_RBUTTONUP;
}

void MusicCall(int ok) {
  if (!ok && gGame->musicErrorsReported) ErrorBox(__FILE__, __LINE__, "%s", gMusic.ErrorText(nullptr));
}

void RealisePalette(plat::BOOL background) {
  plat::SelectPalette(gDeviceContext, gScreen.Palette().Handle(), background);
  plat::RealizePalette(gDeviceContext);
}

}  // namespace

int HandleShellMessage(plat::HWND window, plat::UINT message, plat::WPARAM wParam,
                       plat::LPARAM lParam, plat::LRESULT* answer) {
  if (HandleLinkMessage(message, wParam, lParam, answer)) return 1;
  *answer = 0;
  switch (message) {
    case plat::WM_CREATE:
      if (gCasinoCfg.midiMusic != 0 && gGame->musicFile) MusicCall(gMusic.Play(window, gGame->musicFile));
      return 1;
    case plat::WM_DESTROY:
      plat::ReleaseDC(window, gDeviceContext);
      gDeviceContext = nullptr;
      gMusic.Close();
      plat::WinHelp(window, kSharedHelpFile, plat::HELP_QUIT, 0);
      plat::PostQuitMessage(0);
      return 1;
    case plat::WM_SIZE:
      CentreOffsets(window, nullptr, nullptr, gGame->screenWidth, gGame->screenHeight);
      return 1;
    case plat::WM_PAINT: {
      plat::PAINTSTRUCT ps{};
      plat::BeginPaint(window, &ps);
      gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
      plat::EndPaint(window, &ps);
      return 1;
    }
    case plat::WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<plat::MINMAXINFO*>(lParam);
      if (info) info->ptMinTrackSize = plat::POINT{kMinTrackWidth, kMinTrackHeight};
      return 1;
    }
    case plat::WM_SETCURSOR:
      UpdateCursor();
      *answer = plat::TRUE;
      return 1;
    case plat::WM_ACTIVATEAPP:
      gActive = wParam ? 1 : 0;
      MusicCall(gMusic.Pause(window, gActive ? 0 : 1));
      return 1;
    case plat::WM_QUERYNEWPALETTE:
      RealisePalette(plat::FALSE);
      plat::InvalidateRect(window, nullptr, plat::FALSE);
      *answer = plat::TRUE;
      return 1;
    case plat::WM_PALETTECHANGED:
      if (plat::WParamToHandle(wParam) == window) return 0;
      RealisePalette(plat::TRUE);
      plat::InvalidateRect(window, nullptr, plat::FALSE);
      return 1;
    case plat::MM_MCINOTIFY:
      MusicCall(gMusic.OnNotify(window, static_cast<plat::MCIDEVICEID>(lParam)));
      return 1;
    default:
      break;
  }
  if (IsMouseMessage(message)) {
    if (gGame->restoresGames && gPlaybackClient.IsActive()) return 1;
    gGame->HandleButtonInput(plat::GET_X_LPARAM(lParam), plat::GET_Y_LPARAM(lParam), message,
                             wParam, -1);
    return 1;
  }
  return 0;
}
