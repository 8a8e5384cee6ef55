#include "tests/dq/test_dq_anim_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "dq/CrapsButtons.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsProgram.h"
#include "dq/art/CrapsSheet.h"
#include "dq/CrapsTableLayout.h"
#include "artwork/Generator.h"
#include "mainclient/MainClient.h"
#include "framework/link/MainClientName.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/game/ServerFrame.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace {

CrapsSession* gSession = nullptr;
CMainClient* gMainClient = nullptr;
std::size_t gNextDie = 0;

// The server draws each die as ServerRandomNumber() % 6 + 1.
int ScriptedDie() {
  if (gSession == nullptr || gNextDie >= gSession->dice.size()) return 0;
  return gSession->dice[gNextDie++] - 1;
}

constexpr plat::DWORD kScriptLimit = 30 * 60 * 1000;  // virtual milliseconds

}  // namespace

CrapsSession::CrapsSession(std::string root) : root_(std::move(root)) {
  folder_ = root_ + "/games/craps";
  std::error_code error;
  if (std::filesystem::exists(folder_ + "/res", error)) return;
  std::filesystem::create_directories(folder_, error);
  if (error || !artwork::WriteSheet(root_, dq::art::CrapsSheet())) std::abort();
  // Without the wave files every sound is played, and logged, by its name.
  std::filesystem::remove_all(root_ + "/games/wav", error);
}

void CrapsSession::When(std::function<bool()> condition, std::function<void()> action) {
  steps_.push_back({std::move(condition), std::move(action)});
}

void CrapsSession::Then(std::function<void()> action) {
  steps_.push_back({[] { return true; }, std::move(action)});
}

void CrapsSession::Idle() {
  if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
  game::SetServerRandomSource(ScriptedDie);
  if (gMainClient != nullptr) gMainClient->Flush();
  if (plat::headless::Now() > kScriptLimit) {
    const dq::CrapsClientRecord* r = Record();
    ADD_FAILURE() << "the script stopped at step " << stepsDone << " of " << steps_.size()
                  << ", client state " << (r != nullptr ? r->state : -1);
    steps_.clear();
    if (gMainWindow != nullptr) plat::DestroyWindow(gMainWindow);
    return;
  }
  if (static_cast<std::size_t>(stepsDone) >= steps_.size()) return;
  Step& step = steps_[static_cast<std::size_t>(stepsDone)];
  if (!step.condition()) return;
  ++stepsDone;
  step.action();
}

int CrapsSession::Run(int hidden) {
  plat::headless::Reset();
  // A program starts in a process of its own, with no saved-game logs.
  ResetPlaybackObjects();
  plat::headless::SetMessageBoxHandler(boxAnswers);
  gSession = this;
  gNextDie = 0;
  stepsDone = 0;
  CMainClient mainClient;
  EXPECT_EQ(mainClient.Create(root_ + "/account.db", ""), 1);
  mainClient.ExpectProgram("craps", folder_, 0);
  gMainClient = &mainClient;
  std::error_code error;
  const std::filesystem::path previous = std::filesystem::current_path(error);
  std::filesystem::current_path(folder_, error);
  EXPECT_FALSE(error);
  plat::headless::SetIdleHook([this] { Idle(); });
  char name[] = "craps";
  char option[sizeof kHiddenOption];
  std::copy(kHiddenOption, kHiddenOption + sizeof kHiddenOption, option);
  char* argv[] = {name, hidden ? option : nullptr, nullptr};
  const int code = dq::CrapsMain(hidden ? 2 : 1, argv);
  plat::headless::SetIdleHook(nullptr);
  // What the program sent last (its record at the end) is booked now.
  for (int i = 0; i < 4; ++i) mainClient.Flush();
  finalBalance = mainClient.Balance();
  gMainClient = nullptr;
  gSession = nullptr;
  mainClient.Destroy();
  std::filesystem::current_path(previous, error);
  EXPECT_EQ(static_cast<std::size_t>(stepsDone), steps_.size()) << "script not finished";
  return code;
}

CMainClient* CrapsSession::MainClient() { return gMainClient; }

dq::CrapsClientRecord* CrapsSession::Record() {
  return dq::CrapsClientHooks::Current();
}

bool CrapsSession::Betting() {
  const dq::CrapsClientRecord* r = Record();
  return r != nullptr && r->state == dq::kClientBetting && dq::gBettingOpen == 1;
}

void CrapsSession::ClickBet(int kind) {
  plat::headless::Click(gMainWindow, gOffsetX + dq::kBetSpots[kind].x, gOffsetY + dq::kBetSpots[kind].y);
}

void CrapsSession::RightClickBet(int kind) {
  plat::headless::RightClick(gMainWindow, gOffsetX + dq::kBetSpots[kind].x, gOffsetY + dq::kBetSpots[kind].y);
}

void CrapsSession::ClickButton(int button) {
  const ButtonEntry& b = dq::kCrapsButtonTable.rows[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}
