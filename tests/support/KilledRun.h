// Killing a program in the middle of a round and checking its restore: the
// run goes in a child process that dies at a chosen point, as a program
// killed by the user would, leaving the main client's saved game behind.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/sound/Dib.h"
#include "platform/include/plat/headless.h"
#include "tests/support/MainClientSession.h"
#include "tests/support/SavedServer.h"

// The exit code of a child killed where its script says.
inline constexpr int kKilled = 77;
// Ends the child process at once, as a kill would: nothing is flushed or closed.
[[noreturn]] void DieHere();
// Runs run in a child process that must end by DieHere; fails the test when
// it ends otherwise.
void RunUntilKilled(const std::function<void()>& run);

// A player reads each "INFO" box of a restore for a few seconds; every box
// is answered yes or OK.
int AnswerEveryBox(const plat::headless::MessageBoxRecord& box);

// A layer of the screen, row by row from the top.
std::vector<std::uint8_t> LayerPixels(const CDib& layer);
// Fails with the count and the bounding box of the pixels that differ.
void ExpectSameLayer(const std::vector<std::uint8_t>& got, const std::vector<std::uint8_t>& want, const char* name);

// Both layers of the screen at one moment.
struct ScreenLayers {
  std::vector<std::uint8_t> background;
  std::vector<std::uint8_t> front;
};
ScreenLayers TakeScreenLayers();
// An area of got as want shows it, in both layers: a part a restore may
// rightly show otherwise.
void CopyLayerArea(const ScreenLayers& want, ScreenLayers* got, int x, int y, int width, int height);
void ExpectSameLayers(const ScreenLayers& got, const ScreenLayers& want);

// ---- Chains of killed rounds ----------------------------------------------------

// The main client's account balance as its saved-game store holds it.
double SavedAccountBalance();

// A card table at one moment: the client record, the account and both
// layers of the screen.
template <class Record>
struct TakenTable {
  bool taken = false;
  Record record{};
  double account = 0;
  ScreenLayers layers;
};
template <class Record>
TakenTable<Record> TakeTable(const Record& record) {
  return {true, record, SavedAccountBalance(), TakeScreenLayers()};
}

// One run of a chain: the stage a restored run picks up at (the test's
// "no kill" value for a new game) and where it dies (the same value: it
// plays to the end).
struct KilledLeg {
  int resume;
  int kill;
};
// Runs each leg in a child process killed where it says (runLeg scripts and
// runs it); each must leave a saved game in savedGame. Answers the stage the
// last, restored run picks up at: resumeAfter of each leg's kill, from
// newGame.
int RunKilledLegs(const std::vector<KilledLeg>& legs, int newGame,
                  const std::function<void(const KilledLeg&)>& runLeg, const std::string& savedGame,
                  int (*resumeAfter)(int kill, int resumed));
// Sets *hidden, once the session's program restores, to whether its window
// hides behind the restore window.
void WatchHiddenWhileRestoring(CMainClientSession& session, bool* hidden);
