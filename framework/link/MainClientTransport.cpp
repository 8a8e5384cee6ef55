#include "framework/link/MainClientTransport.h"

#include "framework/link/MainClientName.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace {

constexpr char kFatalErrorTitle[] = "Fatal error";

bool Register(plat::UINT* id, const char* name, const char* failureText) {
  *id = plat::RegisterWindowMessage(name);
  if (*id != 0) return true;
  plat::MessageBox(nullptr, failureText, kFatalErrorTitle, plat::MB_OK);
  return false;
}

}  // namespace

void CMainClientTransport::Reset() {
  mainWnd = nullptr;
  state = -1;
}

int CMainClientTransport::RegisterMessages(int ch) {
  channel = ch;
  if (!Register(&singleMsg, kSingleMessageName, "Cannot register VXD internal single message id!") ||
      !Register(&commMsg, kCommMessageName, "Cannot register VXD internal message id!") ||
      !Register(&wakeUpMsg, kWakeUpMessageName, "Cannot register VXD internal heartbeat message id!")) {
    return 0;
  }
  if (state == -1) state = 0;
  return 1;
}

int CMainClientTransport::SetMainWindow(plat::HWND wnd) {
  if (state != 0) return 0;
  mainWnd = wnd;
  state = 1;
  return 1;
}

const char* CMainClientTransport::Connect(plat::HWND ownWindow) {
  plat::HWND found = plat::FindWindow(kMainClientClassName, nullptr);
  if (!found) return "Cannot find local Main Client!";
  if (!SetMainWindow(found)) return "Can't set main client's window handle in local client";
  ownWnd = ownWindow;
  if (plat::SendMessage(mainWnd, singleMsg, kSingleConnect, plat::HandleToLParam(ownWnd)) == 0) {
    return "Can't communicate with main client";
  }
  return nullptr;
}

int CMainClientTransport::Attach(plat::HWND mainWindow, plat::HWND ownWindow) {
  if (mainWnd) return 0;
  if (!SetMainWindow(mainWindow)) return 0;
  ownWnd = ownWindow;
  return 1;
}

int CMainClientTransport::SendData(const char* text, std::size_t length) {
  if (state != 1) return 0;
  plat::COPYDATASTRUCT block{static_cast<std::uintptr_t>(channel), static_cast<plat::DWORD>(length), text};
  if (plat::SendMessage(mainWnd, plat::WM_COPYDATA, plat::HandleToWParam(ownWnd),
                        reinterpret_cast<plat::LPARAM>(&block)) == 0) {
    return 0;
  }
  PostWakeUp();
  return 1;
}

int CMainClientTransport::HandBack() {
  if (state != 1) return 0;
  plat::SetFocus(mainWnd);
  if (plat::SendMessage(mainWnd, singleMsg, kSingleHandBack, kHandBackParam) == 0) return 0;
  PostWakeUp();
  return 1;
}

void CMainClientTransport::Poll() {
  if (wakeUpPending == 1) PostWakeUp();
}

int CMainClientTransport::IsIdle() { return wakeUpPending == 0 ? 1 : 0; }

void CMainClientTransport::OnEvent(int) {}

int CMainClientTransport::SendPlayerRecord(const CPlayerRecord& record) {
  if (state != 1) return 0;
  plat::COPYDATASTRUCT block{kDataPlayerRecord, sizeof(CPlayerRecord), &record};
  if (plat::SendMessage(mainWnd, plat::WM_COPYDATA, 0, reinterpret_cast<plat::LPARAM>(&block)) == 0) {
    return 0;
  }
  PostWakeUp();
  return 1;
}

void CMainClientTransport::PostWakeUp() {
  wakeUpPending = plat::PostMessage(mainWnd, wakeUpMsg, 0, 0) ? 0 : 1;
}
