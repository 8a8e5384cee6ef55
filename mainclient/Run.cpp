#include "mainclient/Run.h"

#include <cstdio>

#include "framework/link/MainClientName.h"
#include "mainclient/MainClient.h"
#include "mainclient/ProgramLauncher.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace {

constexpr char kCaption[] = "Casino main client";

bool HasDisplay() {
  char value[8];
  return plat::GetEnvironmentVariable("DISPLAY", value, sizeof value) > 0 ||
         plat::GetEnvironmentVariable("WAYLAND_DISPLAY", value, sizeof value) > 0;
}

int Refuse(plat::HWND owner, const std::string& text) {
  std::fprintf(stderr, "mainclient: %s\n", text.c_str());
  plat::MessageBox(owner, text.c_str(), kCaption, plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
  return 1;
}

}  // namespace

int RunMainClient(const std::string& stage, const std::vector<std::string>& programs, int online) {
  // Asked before the store is touched: the running one holds it.
  if (plat::FindWindow(kMainClientClassName, nullptr)) return Refuse(nullptr, kAlreadyRunningText);
  CMainClient client;
  if (!client.Create(stage + "/" + kAccountStoreName, stage + "/" + kOldBalanceName)) {
    return Refuse(nullptr, client.FailureText());
  }
  if (online) client.GoOnline();
  std::size_t next = 0;  // the next program named
  int launched = 0;
  // The first program starts before this window is mapped and painted, which
  // it need not wait for.
  if (next < programs.size()) launched += LaunchProgram(client, stage, programs[next++]);
  if (HasDisplay()) plat::ShowWindow(client.Window(), plat::SW_SHOWNORMAL);
  int exitCode = 0;
  plat::MSG msg;
  for (;;) {
    if (client.Stopped()) {
      exitCode = Refuse(client.Window(), client.FailureText());
      break;
    }
    while (next < programs.size() && !client.Expecting()) launched += LaunchProgram(client, stage, programs[next++]);
    if (!programs.empty() && next == programs.size() && client.Idle()) {
      exitCode = launched == 0 ? 1 : 0;
      break;
    }
    if (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) {
      if (msg.message == plat::WM_QUIT) break;
      plat::TranslateMessage(&msg);
      plat::DispatchMessage(&msg);
    } else if (client.Undelivered()) {
      plat::WaitMessageTimeout(kRedeliverMs);
      client.Flush();
    } else {
      plat::WaitMessage();
    }
  }
  client.Destroy();
  return exitCode;
}
