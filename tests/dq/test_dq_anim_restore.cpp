// A Craps round killed at each packet boundary and restored end to end: the
// program plays against the real stand-in main client, which writes the
// saved game; a child process plays until the boundary and dies there; the
// program started again (hidden, as the main client starts it) replays the
// round behind the restore window and goes on. The table, the balance and
// the main client's account must be those of the round played through.
// A saved game of another game or a broken one shows its "INFO" box and
// the game starts fresh.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsServer.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/RestoreWindow.h"
#include "mainclient/SavedGameFile.h"
#include "framework/shell/ShellGlobals.h"
#include "tests/artwork/TempFolder.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/dq/test_dq_anim_session.h"

namespace {

using dq::CrapsClientRecord;

constexpr int kKilled = 77;

// What the table and the money are as the third round's betting opens.
struct TableState {
  bool taken = false;
  float bets[dq::kCrapsBetKinds] = {};
  int point = 0;
  int comeOut = 0;
  int comePoints[12] = {};
  int dontComePoints[12] = {};
  int dice[2] = {};
  double balance = 0;
  float tableTotal = 0;
  double account = 0;  // the local account the server moves
};

TableState Take(const CrapsClientRecord& r) {
  TableState t;
  t.taken = true;
  std::memcpy(t.bets, r.bets, sizeof t.bets);
  t.point = r.point;
  t.comeOut = r.comeOut;
  std::memcpy(t.comePoints, r.comePoints, sizeof t.comePoints);
  std::memcpy(t.dontComePoints, r.dontComePoints, sizeof t.dontComePoints);
  t.dice[0] = r.dice[0];
  t.dice[1] = r.dice[1];
  t.balance = r.balance;
  t.tableTotal = r.tableTotal;
  dbGetBalance(kSavedGameUser, &t.account);
  return t;
}

void ExpectSameTable(const TableState& got, const TableState& want) {
  ASSERT_TRUE(got.taken);
  ASSERT_TRUE(want.taken);
  for (int kind = 0; kind < dq::kCrapsBetKinds; ++kind) EXPECT_EQ(got.bets[kind], want.bets[kind]) << "kind " << kind;
  EXPECT_EQ(got.point, want.point);
  EXPECT_EQ(got.comeOut, want.comeOut);
  EXPECT_EQ(0, std::memcmp(got.comePoints, want.comePoints, sizeof got.comePoints));
  EXPECT_EQ(0, std::memcmp(got.dontComePoints, want.dontComePoints, sizeof got.dontComePoints));
  EXPECT_EQ(got.dice[0], want.dice[0]);
  EXPECT_EQ(got.dice[1], want.dice[1]);
  EXPECT_DOUBLE_EQ(got.balance, want.balance);
  EXPECT_FLOAT_EQ(got.tableTotal, want.tableTotal);
  EXPECT_DOUBLE_EQ(got.account, want.account);
}

int AnswerEveryBox(const plat::headless::MessageBoxRecord& box) {
  return (box.type & plat::MB_YESNO) == plat::MB_YESNO ? plat::IDYES : plat::IDOK;
}

bool BoxSaid(const char* text) {
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.text.find(text) != std::string::npos) return true;
  }
  return false;
}

// The second round is killed once its client end has reached the boundary.
enum KillPoint { kAfterRollDice, kAfterBetAnswer, kAfterSendResult, kAfterBetData, kNoKill };

bool AtBoundary(KillPoint kill) {
  const CrapsClientRecord* r = CrapsSession::Record();
  if (r == nullptr) return false;
  switch (kill) {
    case kAfterRollDice: return r->state == dq::kClientWaitBetAnswer;
    case kAfterBetAnswer:
      return r->state == dq::kClientBuildResultRequest || r->state == dq::kClientSendResultRequest;
    case kAfterSendResult: return r->state == dq::kClientWaitResult;
    case kAfterBetData: return r->state == dq::kClientClearRequests || r->state == dq::kClientPickup;
    case kNoKill: return false;
  }
  return false;
}

// Round 1: Passline and Field, a 6 makes the point. Round 2: the odds, a
// Come Bet and a Place 8 (with rightClick: two chips, one taken off by a
// right click); a 6 wins the line and walks the Come Bet onto the 6. Round 3
// opens: the table is taken and the player leaves.
void ScriptRounds(CrapsSession& s, KillPoint kill, TableState* out, bool rightClick = false) {
  s.dice = {4, 2, 3, 3, 1, 2};
  s.boxAnswers = AnswerEveryBox;
  auto r = [] { return CrapsSession::Record(); };
  s.When(CrapsSession::Betting, [] {
    CrapsSession::ClickBet(dq::kPassline);
    CrapsSession::ClickBet(dq::kField);
  });
  s.When([&] { return r()->bets[dq::kField] == 5.0f; }, [] { CrapsSession::ClickButton(dq::kButtonRoll); });
  s.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  s.When(CrapsSession::Betting, [] {
    CrapsSession::ClickBet(dq::kPasslineOdds);
    CrapsSession::ClickBet(dq::kComeBet);
    CrapsSession::ClickBet(dq::kPlaceWin4 + 3);
  });
  if (rightClick) {
    s.When([&] { return r()->bets[dq::kPlaceWin4 + 3] == 5.0f; },
           [] { CrapsSession::ClickBet(dq::kPlaceWin4 + 3); });
    s.When([&] { return r()->bets[dq::kPlaceWin4 + 3] == 10.0f; },
           [] { CrapsSession::RightClickBet(dq::kPlaceWin4 + 3); });
  }
  s.When([&] { return r()->bets[dq::kPlaceWin4 + 3] == 5.0f; }, [] { CrapsSession::ClickButton(dq::kButtonRoll); });
  if (kill != kNoKill) s.When([kill] { return AtBoundary(kill); }, [] { _exit(kKilled); });
  s.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  s.When(CrapsSession::Betting, [out] {
    *out = Take(*CrapsSession::Record());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
}

class CrapsRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    CrapsSession reference(referenceRoot_.Path());
    ScriptRounds(reference, kNoKill, &played_);
    ASSERT_EQ(reference.Run(0), 0);
    playedBalance_ = reference.finalBalance;
    ASSERT_TRUE(played_.taken);
  }

  // Plays the rounds in a child process that dies at the boundary.
  static void PlayUntilKilled(const std::string& root, KillPoint kill, bool rightClick = false) {
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      CrapsSession killed(root);
      TableState ignored;
      ScriptRounds(killed, kill, &ignored, rightClick);
      killed.Run(0);
      _exit(1);  // the boundary was never reached
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), kKilled);
  }

  TableState played_;
  double playedBalance_ = 0;

 private:
  TempFolder referenceRoot_;
};

std::string KillName(KillPoint kill) {
  static const char* const kNames[] = {"AfterRollDice", "AfterBetAnswer", "AfterSendResult", "AfterBetData",
                                       "NoKill"};
  return kNames[kill];
}

class CrapsRestoreAt : public CrapsRestore, public ::testing::WithParamInterface<KillPoint> {};

TEST_P(CrapsRestoreAt, RoundKilledThereEndsAsTheRoundPlayedThrough) {
  TempFolder root;
  PlayUntilKilled(root.Path(), GetParam());
  CrapsSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);

  restored.dice = {1, 2};  // the replayed round keeps the dice it drew before
  restored.boxAnswers = AnswerEveryBox;
  bool hiddenWhileRestoring = false;
  TableState got;
  restored.When([] { return gMainWindow != nullptr && IsRestoring(); }, [&] {
    hiddenWhileRestoring = !plat::IsWindowVisible(gMainWindow) &&
                           plat::FindWindow(kRestoreClassName, nullptr) != nullptr;
  });
  restored.When([] { return CrapsSession::Betting() && !IsRestoring(); }, [&] {
    EXPECT_TRUE(plat::IsWindowVisible(gMainWindow));
    got = Take(*CrapsSession::Record());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(restored.Run(1), 0);

  EXPECT_TRUE(hiddenWhileRestoring);
  EXPECT_TRUE(BoxSaid("Event data loaded (part 2)"));
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectSameTable(got, played_);
  // Not a cent lost or paid twice: the main client books what the round
  // played through booked.
  EXPECT_DOUBLE_EQ(restored.finalBalance, playedBalance_);
  EXPECT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 0);
}

INSTANTIATE_TEST_SUITE_P(CrapsRestore, CrapsRestoreAt,
                         ::testing::Values(kAfterRollDice, kAfterBetAnswer, kAfterSendResult, kAfterBetData),
                         [](const ::testing::TestParamInfo<KillPoint>& info) { return KillName(info.param); });

// A chip taken off by a right click stays off after a restore: the round
// ends as the same round without the extra chip played through.
TEST_F(CrapsRestore, ARightClickRemovalIsReplayedAsARightClick) {
  TempFolder root;
  PlayUntilKilled(root.Path(), kAfterBetData, true);
  CrapsSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);
  restored.dice = {1, 2};
  restored.boxAnswers = AnswerEveryBox;
  TableState got;
  restored.When([] { return CrapsSession::Betting() && !IsRestoring(); }, [&] {
    got = Take(*CrapsSession::Record());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectSameTable(got, played_);
  EXPECT_DOUBLE_EQ(restored.finalBalance, playedBalance_);
}

// Without the client's snapshot the round's table cannot be put back: the
// client stops with its fatal box and nothing of the round is booked.
TEST_F(CrapsRestore, RoundWithoutItsSnapshotStopsWithReconnectError) {
  TempFolder root;
  PlayUntilKilled(root.Path(), kAfterBetData);
  CrapsSession restored(root.Path());
  std::remove((restored.Folder() + "/dqdata.dat").c_str());
  restored.boxAnswers = AnswerEveryBox;
  EXPECT_EQ(restored.Run(1), 0);
  bool fatal = false;
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption == "FATAL ERROR" && box.text == "CLIENT: RECONNECT ERROR!") fatal = true;
  }
  EXPECT_TRUE(fatal);
  // The account stands as the round began: 3000 less the lost Field of round 1.
  EXPECT_DOUBLE_EQ(restored.finalBalance, 2995.0);
}

// ---- Saved games that cannot be restored ------------------------------------

void WriteInt(const char* game, const char* key, int index, std::int32_t value) {
  unsigned char bytes[4];
  DbPutU32(bytes, static_cast<std::uint32_t>(value));
  ASSERT_EQ(dbWrite(kSavedGameUser, game, key, index, bytes, 4), 0);
}

struct BadSavedGame {
  const char* name;
  void (*write)();
  const char* info;  // what the "INFO" box says
};

void ForeignGame() {
  WriteInt("KW", kKeyExistanceFlag, 0, 1);
  WriteInt("KW", kKeyNumBtns, 0, 0);
  WriteInt("KW", kKeyNumPcks, 0, 0);
}

void BadExistanceFlag() {
  WriteInt(dq::kCrapsGameCode, kKeyExistanceFlag, 0, 7);
  WriteInt(dq::kCrapsGameCode, kKeyNumBtns, 0, 0);
}

void PacketLengthWrong() {
  WriteInt(dq::kCrapsGameCode, kKeyExistanceFlag, 0, 1);
  WriteInt(dq::kCrapsGameCode, kKeyNumBtns, 0, 0);
  WriteInt(dq::kCrapsGameCode, kKeyNumPcks, 0, 1);
  unsigned char block[4 + 8] = {};
  DbPutU32(block, 20);  // says 20 bytes of text, holds 8
  std::memcpy(block + 4, "command", 8);
  ASSERT_EQ(dbWrite(kSavedGameUser, dq::kCrapsGameCode, kKeyPktLog, 0, block, sizeof block), 0);
}

const BadSavedGame kBadSavedGames[] = {
    {"OfAnotherGame", ForeignGame, "LoadPlayback: The saved game is not this game"},
    {"WithABadExistanceFlag", BadExistanceFlag, "LoadPlayback: EXISTANCEFLAG has an invalid value"},
    {"WithAPacketCutShort", PacketLengthWrong,
     "CPacketPlaybackServer::Load: dbRead read an invalid amount of memory"},
};

class CrapsBadSavedGame : public ::testing::TestWithParam<BadSavedGame> {};

void PrintTo(const BadSavedGame& bad, std::ostream* out) { *out << bad.name; }

TEST_P(CrapsBadSavedGame, ShowsItsInfoBoxAndTheGameStartsFresh) {
  TempFolder root;
  CrapsSession session(root.Path());
  {
    const std::string previous = std::filesystem::current_path().string();
    std::filesystem::current_path(session.Folder());
    GetParam().write();
    std::filesystem::current_path(previous);
  }
  ASSERT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 1);
  session.boxAnswers = AnswerEveryBox;
  TableState fresh;
  session.dice = {5, 6};
  session.When([] { return CrapsSession::Betting() && !IsRestoring(); }, [&] {
    EXPECT_TRUE(plat::IsWindowVisible(gMainWindow));
    fresh = Take(*CrapsSession::Record());
    CrapsSession::ClickBet(dq::kPassline);
  });
  session.When([] { return CrapsSession::Record()->bets[dq::kPassline] == 5.0f; },
               [] { CrapsSession::ClickButton(dq::kButtonRoll); });
  session.When([] { return CrapsSession::Record()->state == dq::kClientWaitEndPlay; }, [] {});
  session.When([] { return CrapsSession::Betting(); },
               [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(session.Run(1), 0);

  bool infoShown = false;
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption == "INFO" && box.text.find(GetParam().info) != std::string::npos) infoShown = true;
  }
  EXPECT_TRUE(infoShown) << GetParam().info;
  ASSERT_TRUE(fresh.taken);
  for (float bet : fresh.bets) EXPECT_EQ(bet, 0.0f);
  EXPECT_EQ(fresh.point, 0);
  EXPECT_EQ(fresh.comeOut, 1);
  EXPECT_DOUBLE_EQ(fresh.balance, 3000.0);
  // The rolled 11 paid the Passline 5 even money.
  EXPECT_DOUBLE_EQ(session.finalBalance, 3005.0);
}

INSTANTIATE_TEST_SUITE_P(CrapsRestore, CrapsBadSavedGame, ::testing::ValuesIn(kBadSavedGames),
                         [](const ::testing::TestParamInfo<BadSavedGame>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
