// Saved games the Pai Gow Poker program cannot take as they are, against the
// real stand-in main client: one of another game or a broken one shows its
// "INFO" box and the game starts fresh; a last bet logged outside 0..the
// maximum bet is not taken by the restore, one inside is.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/CardGameShell.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowProtocol.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/kw/PaiGowRun.h"
#include "tests/kw/PaiGowSession.h"
#include "tests/kw/ScriptedDeal.h"
#include "tests/support/BadSavedGames.h"
#include "tests/support/KilledRun.h"
#include "tests/support/TempFolder.h"

namespace {

using R = PaiGowRun;

constexpr double kNewAccount = 3000.0;  // what the main client's new account holds

kw::PaiGowClientRecord* Record() { return R::Record(); }
bool Open() { return R::InState(kw::kBetting) && kw::BettingOpen() && !IsRestoring(); }

std::vector<int> Rounds(int count) {
  std::vector<int> cards;
  for (int i = 0; i < count; ++i) cards.insert(cards.end(), kPlayerWinsBoth.begin(), kPlayerWinsBoth.end());
  return cards;
}

// A round bet by chips (5 per chip of 5) and won, 0.95 the dollar: A and K
// to the 2nd hand.
void PlayWonRound(PaiGowSession& s, int fives) {
  for (int i = 0; i < fives; ++i) {
    s.When([i] { return Open() && Record()->bet == 5.0 * i; }, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  }
  s.When([fives] { return Open() && Record()->bet == 5.0 * fives; }, [] { R::ClickButton(kw::kButtonDeal); });
  s.When([] { return R::InState(kw::kArranging) && !IsRestoring(); }, [] { R::ClickButton(kw::kButtonRowCard1 + 2); });
  s.When([] { return R::InState(kw::kArranging) && Record()->slots[0] == 3; },
         [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  s.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  s.When([] { return R::InState(kw::kWaitNewGame); }, [] { R::ClickButton(kw::kButtonNewGame); });
}

void Leave(PaiGowSession& s) {
  s.When(Open, [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
}

// ---- Saved games that cannot be restored ------------------------------------

class PaiGowBadSavedGame : public ::testing::TestWithParam<BadSavedGame> {};

// The box, then a table as a new game opens it, where a round plays to the
// cent: nothing of the bad saved game is taken.
TEST_P(PaiGowBadSavedGame, ShowsItsInfoBoxAndTheGameStartsFresh) {
  TempFolder root;
  PaiGowSession session(root.Path());
  WriteBadSavedGame(session.Folder(), GetParam(), kw::kPaiGowGameCode);
  ASSERT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 1);
  session.boxAnswers = AnswerEveryBox;
  session.deal.cards = Rounds(2);
  kw::PaiGowClientRecord fresh{};
  bool taken = false;
  bool visible = false;
  session.When(Open, [&] {
    taken = true;
    fresh = *Record();
    visible = plat::IsWindowVisible(gMainWindow) != 0;
  });
  PlayWonRound(session, 2);
  Leave(session);
  EXPECT_EQ(session.Run(1), 0);

  EXPECT_TRUE(InfoBoxSaid(GetParam().info)) << GetParam().info;
  ASSERT_TRUE(taken);
  EXPECT_TRUE(visible);
  EXPECT_EQ(fresh.bet, 0.0);
  EXPECT_EQ(fresh.lastBet, 0.0);
  EXPECT_DOUBLE_EQ(fresh.money, kNewAccount);
  // Both hands of the 10 won: 9.50.
  EXPECT_DOUBLE_EQ(session.finalBalance, kNewAccount + 9.5);
  EXPECT_FALSE(session.deal.ranOut);
  // Gone, so it is not offered again.
  EXPECT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 0);
}

INSTANTIATE_TEST_SUITE_P(PaiGowRestore, PaiGowBadSavedGame, ::testing::ValuesIn(BadSavedGames()),
                         [](const ::testing::TestParamInfo<BadSavedGame>& info) {
                           return std::string(info.param.name);
                         });

// ---- The last bet of a restored round ---------------------------------------

// Sets the value of every logged last-bet event of user 1's saved game
// (the press's state: 10000 + the bet). The count of events changed.
int SetLoggedLastBet(const std::string& path, std::int64_t state) {
  std::vector<unsigned char> bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    unsigned char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
  }
  int changed = 0;
  std::size_t pos = 0;
  while (bytes.size() - pos >= kDbRecordHeaderSize) {
    DbRecordHeader head;
    DecodeDbRecordHeader(bytes.data() + pos, &head);
    unsigned char* data = bytes.data() + pos + kDbRecordHeaderSize;
    if (head.size > bytes.size() - pos - kDbRecordHeaderSize) break;
    if (head.userId == kSavedGameUser && std::strncmp(head.key, kKeyBtnLog, sizeof head.key) == 0 &&
        head.size == 12 && DbGetU32(data) == static_cast<std::uint32_t>(kw::kLastBetEvent)) {
      DbPutU32(data + 4, static_cast<std::uint32_t>(state));
      ++changed;
    }
    pos += kDbRecordHeaderSize + head.size;
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return -1;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return changed;
}

struct LoggedLastBet {
  const char* name;
  std::int64_t state;   // the logged event's value, 10000 + the bet
  double lastBet;       // what the restored round starts with
};

class PaiGowLoggedLastBet : public ::testing::TestWithParam<LoggedLastBet> {};

void PrintTo(const LoggedLastBet& bet, std::ostream* out) { *out << bet.name; }

// Round 1 bet 5 and won; round 2 bet 10 by chips, its FIRSTDEAL sent, and
// the program killed: the saved game logs round 1's 5 as the last bet. With
// that value changed, the restore takes it only within 0..the maximum bet
// (500 at this table) and the round it replays is the one played: its bet
// of 10 won, Space at the next round bets 10 again.
TEST_P(PaiGowLoggedLastBet, IsTakenOnlyWithinZeroAndTheMaximumBet) {
  TempFolder root;
  RunUntilKilled([&] {
    PaiGowSession killed(root.Path());
    killed.boxAnswers = AnswerEveryBox;
    killed.deal.cards = Rounds(3);
    PlayWonRound(killed, 1);
    killed.When([] { return Open() && Record()->bet == 0.0; }, [] { R::ClickButton(kw::kButtonBet1 + 1); });
    killed.When([] { return Record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonBet1 + 1); });
    killed.When([] { return Record()->bet == 10.0; }, [] {
      EXPECT_EQ(Record()->maxBet, 500.0);
      R::ClickButton(kw::kButtonDeal);
    });
    killed.When([] { return R::InState(kw::kWaitFirstDeal); }, DieHere);
    killed.Run(0);
  });
  PaiGowSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);
  ASSERT_GE(SetLoggedLastBet(restored.SavedGame(), GetParam().state), 1);

  restored.boxAnswers = AnswerEveryBox;
  // Round 2 was dealt as it opened: the restored run deals from round 3 on.
  restored.deal.cards = Rounds(1);
  bool seen = false;
  double lastBetReplayed = -1.0;
  restored.When([] { return R::InState(kw::kBetting) && IsRestoring(); }, [&] {
    seen = true;
    lastBetReplayed = Record()->lastBet;
  });
  restored.When([] { return R::InState(kw::kArranging) && !IsRestoring(); }, [] {
    EXPECT_DOUBLE_EQ(Record()->bet, 10.0);
    R::ClickButton(kw::kButtonRowCard1 + 2);
  });
  restored.When([] { return R::InState(kw::kArranging) && Record()->slots[0] == 3; },
                [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  restored.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  restored.When([] { return R::InState(kw::kWaitNewGame); }, [] { R::ClickButton(kw::kButtonNewGame); });
  restored.When(Open, [] {
    EXPECT_DOUBLE_EQ(Record()->lastBet, 10.0);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
  });
  restored.When([] { return Open() && Record()->bet == 10.0; },
                [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ASSERT_TRUE(seen);
  EXPECT_DOUBLE_EQ(lastBetReplayed, GetParam().lastBet);
  // Round 1 won 4.75 on 5, round 2 9.50 on 10.
  EXPECT_DOUBLE_EQ(restored.finalBalance, kNewAccount + 4.75 + 9.5);
  EXPECT_FALSE(restored.deal.ranOut);
}

const LoggedLastBet kLoggedLastBets[] = {
    {"AsLogged", 10005, 5.0},
    {"OfSeven", 10007, 7.0},
    {"AtTheMaximum", 10500, 500.0},
    {"AboveTheMaximum", 10501, 0.0},
    {"Negative", 9999, 0.0},
    {"FarBelowZero", -2000000000, 0.0},
    {"AtTheLeastInt", INT_MIN, 0.0},
};

INSTANTIATE_TEST_SUITE_P(PaiGowRestore, PaiGowLoggedLastBet, ::testing::ValuesIn(kLoggedLastBets),
                         [](const ::testing::TestParamInfo<LoggedLastBet>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
