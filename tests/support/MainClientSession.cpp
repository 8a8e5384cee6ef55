#include "tests/support/MainClientSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/link/MainClientName.h"
#include "framework/link/Restore.h"
#include "framework/shell/ShellGlobals.h"
#include "mainclient/MainClient.h"
#include "platform/include/plat/plat.h"

namespace {

CMainClientSession* gSession = nullptr;
CMainClient* gMainClient = nullptr;

}  // namespace

CMainClientSession::CMainClientSession(std::string root, const GameDefinition& game, std::string program,
                                       const artwork::Sheet& sheet)
    : root_(std::move(root)), program_name_(std::move(program)), program_(game) {
  program_.script.everyIdle = [] {
    if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
    if (gSession != nullptr) game::SetServerRandomSource(gSession->serverRandom);
    if (gMainClient != nullptr) gMainClient->Flush();
  };
  program_.script.describe = [] {
    return gSession != nullptr && gSession->describe ? gSession->describe() : std::string();
  };
  folder_ = root_ + "/games/" + program_name_;
  std::error_code error;
  if (std::filesystem::exists(folder_ + "/res", error)) return;
  std::filesystem::create_directories(folder_, error);
  if (error || !artwork::WriteSheet(root_, sheet)) std::abort();
  // Without the wave files every sound is played, and logged, by its name.
  std::filesystem::remove_all(root_ + "/games/wav", error);
}

void CMainClientSession::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void CMainClientSession::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int CMainClientSession::Run(int hidden) {
  plat::headless::Reset();
  // A program starts in a process of its own, with no saved-game logs.
  ResetPlaybackObjects();
  plat::headless::SetMessageBoxHandler(boxAnswers);
  gSession = this;
  CMainClient mainClient;
  EXPECT_EQ(mainClient.Create(root_ + "/account.db", ""), 1);
  if (online) mainClient.GoOnline();
  mainClient.ExpectProgram(program_name_, folder_, 0);
  gMainClient = &mainClient;
  std::error_code error;
  const std::filesystem::path previous = std::filesystem::current_path(error);
  std::filesystem::current_path(folder_, error);
  EXPECT_FALSE(error);
  const int code = program_.Run(hidden ? std::vector<std::string>{kHiddenOption} : std::vector<std::string>{});
  // What the program sent last (its record at the end) is booked now.
  for (int i = 0; i < 4; ++i) mainClient.Flush();
  finalBalance = mainClient.Balance();
  gMainClient = nullptr;
  gSession = nullptr;
  game::SetServerRandomSource(nullptr);
  mainClient.Destroy();
  std::filesystem::current_path(previous, error);
  return code;
}

CMainClient* CMainClientSession::MainClient() { return gMainClient; }
