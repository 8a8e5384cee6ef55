#include "tests/dq/test_dq_client_harness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/BitmapWriter.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsProgram.h"
#include "dq/art/CrapsSheet.h"
#include "dq/CrapsTableLayout.h"
#include "artwork/Generator.h"
#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "framework/link/PlayerRecord.h"
#include "framework/game/ServerFrame.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"
#include "artwork/StandardColours.h"

namespace {

CrapsRun* gRun = nullptr;
std::size_t gNextDie = 0;
plat::HWND gMainClientWindow = nullptr;
plat::HWND gProgramWindow = nullptr;

// The server draws each die as RandomNumber() % 6 + 1.
int ScriptedDie() {
  if (gNextDie >= gRun->dice.size()) {
    gRun->diceRanOut = true;
    return 0;
  }
  return gRun->dice[gNextDie++] - 1;
}

plat::LRESULT Relay(const plat::COPYDATASTRUCT* data, int to) {
  std::string text(static_cast<const char*>(data->lpData));
  const int from = static_cast<int>(data->dwData);
  if (gRun->tamper) gRun->tamper(from, text);
  plat::COPYDATASTRUCT forward{static_cast<std::uintptr_t>(to),
                               static_cast<plat::DWORD>(text.size() + 1), text.c_str()};
  const plat::LRESULT taken =
      plat::SendMessage(gProgramWindow, plat::WM_COPYDATA, plat::HandleToWParam(gMainClientWindow),
                        reinterpret_cast<plat::LPARAM>(&forward));
  if (taken) gRun->packets.push_back({from, text});
  return taken;
}

void SendPlayerRecord() {
  CPlayerRecord record;
  record.SetName("Tester");
  record.SetText("Player");
  record.SetMoney(gRun->startMoney);
  plat::COPYDATASTRUCT data{static_cast<std::uintptr_t>(kDataPlayerRecord), sizeof record,
                            &record};
  plat::SendMessage(gProgramWindow, plat::WM_COPYDATA, plat::HandleToWParam(gMainClientWindow),
                    reinterpret_cast<plat::LPARAM>(&data));
}

plat::LRESULT MainClientProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam,
                             plat::LPARAM lParam) {
  const plat::UINT single = plat::RegisterWindowMessage(kSingleMessageName);
  if (msg == single) {
    if (wParam == static_cast<plat::WPARAM>(kSingleConnect)) {
      gProgramWindow = plat::LParamToHandle(lParam);
      SendPlayerRecord();
      return 1;
    }
    if (wParam == static_cast<plat::WPARAM>(kSingleAlive)) return kAliveAnswer;
    if (wParam == static_cast<plat::WPARAM>(kSingleHandBack)) ++gRun->handBacks;
    return 1;
  }
  if (msg == plat::WM_COPYDATA) {
    const auto* data = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    if (data->dwData == kChannelClient) return Relay(data, kChannelServer);
    if (data->dwData == kChannelServer) return Relay(data, kChannelClient);
    return 1;
  }
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

constexpr plat::DWORD kScriptLimit = 30 * 60 * 1000;  // virtual milliseconds

}  // namespace

CrapsRun::CrapsRun() {
  plat::headless::Reset();
  gRun = this;
  gNextDie = 0;
  gProgramWindow = nullptr;
  char here[4096];
  previous = ::getcwd(here, sizeof here) ? here : "/";
  char pattern[] = "/tmp/dqclient-XXXXXX";
  root = ::mkdtemp(pattern) ? pattern : "";
  std::error_code error;
  std::filesystem::create_directories(root + "/games/craps", error);
  if (root.empty() || error || !artwork::WriteSheet(root, dq::art::CrapsSheet()) ||
      ::chdir((root + "/games/craps").c_str()) != 0) {
    std::abort();
  }
  // Without the wave files every sound is played, and logged, by its name.
  std::filesystem::remove_all(root + "/games/wav", error);
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = MainClientProc;
  wc.lpszClassName = kMainClientClassName;
  plat::RegisterClass(&wc);
  gMainClientWindow = plat::CreateWindow(kMainClientClassName, "main client",
                                         plat::WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, 0,
                                         nullptr, nullptr);
}

CrapsRun::~CrapsRun() {
  plat::headless::SetIdleHook(nullptr);
  gRun = nullptr;
  if (::chdir(previous.c_str()) != 0) return;
  std::error_code error;
  std::filesystem::remove_all(root, error);
}

void CrapsRun::When(std::function<bool()> condition, std::function<void()> action) {
  steps.push_back({std::move(condition), std::move(action)});
}

void CrapsRun::Then(std::function<void()> action) {
  steps.push_back({[] { return true; }, std::move(action)});
}

void CrapsRun::Idle() {
  if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
  // The scripted dice stand in for the server's own stream.
  game::SetServerRandomSource(ScriptedDie);
  if (plat::headless::Now() > kScriptLimit) {
    ADD_FAILURE() << "the script stopped at step " << stepsDone << " of " << steps.size();
    steps.clear();
    if (gMainWindow != nullptr) plat::DestroyWindow(gMainWindow);
    return;
  }
  if (static_cast<std::size_t>(stepsDone) >= steps.size()) return;
  Step& step = steps[static_cast<std::size_t>(stepsDone)];
  if (!step.condition()) return;
  ++stepsDone;
  step.action();
}

int CrapsRun::Run() {
  plat::headless::SetIdleHook([this] { Idle(); });
  char name[] = "craps";
  char* argv[] = {name, nullptr};
  const int code = dq::CrapsMain(1, argv);
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(static_cast<std::size_t>(stepsDone), steps.size()) << "script not finished";
  return code;
}

dq::CrapsClientRecord* CrapsRun::Record() {
  return dq::CrapsClientHooks::Current();
}

bool CrapsRun::Betting() {
  const dq::CrapsClientRecord* r = Record();
  return r != nullptr && r->state == dq::kClientBetting && dq::gBettingOpen == 1;
}

void CrapsRun::ClickScreen(int x, int y) {
  plat::headless::Click(gMainWindow, gOffsetX + x, gOffsetY + y);
}

void CrapsRun::RightClickScreen(int x, int y) {
  plat::headless::RightClick(gMainWindow, gOffsetX + x, gOffsetY + y);
}

void CrapsRun::ClickButton(int button) {
  const ButtonEntry& b = dq::kCrapsButtonTable.rows[button];
  ClickScreen(b.x + b.width / 2, b.y + b.height / 2);
}

void CrapsRun::ClickBet(int kind) { ClickScreen(dq::kBetSpots[kind].x, dq::kBetSpots[kind].y); }

void CrapsRun::RightClickBet(int kind) {
  RightClickScreen(dq::kBetSpots[kind].x, dq::kBetSpots[kind].y);
}

plat::COLORREF CrapsRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

std::string CrapsRun::ReadFile(const std::string& name) {
  std::string bytes;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (f == nullptr) return bytes;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

plat::COLORREF ArtworkColour(int index) {
  artwork::IndexedImage image;
  artwork::SetStandardPalette(image);
  const artwork::Rgb c = image.palette[index];
  return plat::RGB(c.r, c.g, c.b);
}
