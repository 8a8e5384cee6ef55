#include "tests/support/KilledRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/window.h"

void DieHere() { _exit(kKilled); }

void RunUntilKilled(const std::function<void()>& run) {
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    run();
    _exit(1);  // the kill was never reached
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), kKilled);
}

int AnswerEveryBox(const plat::headless::MessageBoxRecord& box) {
  if (box.caption == "INFO") plat::headless::AdvanceClock(4000);
  return (box.type & plat::MB_YESNO) == plat::MB_YESNO ? plat::IDYES : plat::IDOK;
}

std::vector<std::uint8_t> LayerPixels(const CDib& layer) {
  std::vector<std::uint8_t> pixels;
  for (int y = 0; y < layer.Height(); ++y) {
    const plat::BYTE* row = layer.PixelAddress(0, y);
    pixels.insert(pixels.end(), row, row + layer.Width());
  }
  return pixels;
}

void ExpectSameLayer(const std::vector<std::uint8_t>& got, const std::vector<std::uint8_t>& want, const char* name) {
  constexpr int kWidth = 640;
  ASSERT_EQ(got.size(), want.size()) << name;
  int count = 0;
  int left = kWidth, top = 1 << 20, right = -1, bottom = -1;
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (got[i] == want[i]) continue;
    const int x = static_cast<int>(i % kWidth);
    const int y = static_cast<int>(i / kWidth);
    ++count;
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  EXPECT_EQ(count, 0) << name << " differs in (" << left << "," << top << ")-(" << right << "," << bottom << ")";
}

ScreenLayers TakeScreenLayers() { return {LayerPixels(gScreen.Background()), LayerPixels(gScreen.Front())}; }

void CopyLayerArea(const ScreenLayers& want, ScreenLayers* got, int x, int y, int width, int height) {
  constexpr int kWidth = 640;
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      const std::size_t i = static_cast<std::size_t>(row) * kWidth + static_cast<std::size_t>(column);
      got->background[i] = want.background[i];
      got->front[i] = want.front[i];
    }
  }
}

void ExpectSameLayers(const ScreenLayers& got, const ScreenLayers& want) {
  ExpectSameLayer(got.background, want.background, "background");
  ExpectSameLayer(got.front, want.front, "front");
}

double SavedAccountBalance() {
  double balance = 0;
  dbGetBalance(kSavedGameUser, &balance);
  return balance;
}

int RunKilledLegs(const std::vector<KilledLeg>& legs, int newGame,
                  const std::function<void(const KilledLeg&)>& runLeg, const std::string& savedGame,
                  int (*resumeAfter)(int kill, int resumed)) {
  int resume = newGame;
  for (const KilledLeg& leg : legs) {
    EXPECT_EQ(leg.resume, resume);
    RunUntilKilled([&] { runLeg(leg); });
    EXPECT_EQ(HasSavedGame(savedGame, kSavedGameUser), 1);
    resume = resumeAfter(leg.kill, resume);
  }
  return resume;
}

void WatchHiddenWhileRestoring(CMainClientSession& session, bool* hidden) {
  session.When([] { return gMainWindow != nullptr && IsRestoring(); }, [hidden] {
    *hidden = !plat::IsWindowVisible(gMainWindow) && plat::FindWindow(kRestoreClassName, nullptr) != nullptr;
  });
}
