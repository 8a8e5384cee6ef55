// The whole Craps program played by scripted clicks twice, with animations
// on and off: after the same rounds the table looks the same (the dice of
// the last throw aside, which only the shown throw leaves on the table) and
// the money is the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/shell/CasinoCfg.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsTableLayout.h"
#include "dq/CrapsTableView.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "tests/dq/CrapsRun.h"

namespace {

struct TableAfterRounds {
  std::vector<std::uint8_t> background;
  std::vector<std::uint8_t> front;
  dq::TableViewState view{};
  dq::CrapsClientRecord record{};
  std::vector<std::string> waves;  // played without waiting
  bool captured = false;
};

std::vector<std::uint8_t> Layer(const CDib& layer) {
  return std::vector<std::uint8_t>(layer.Bits(), layer.Bits() + layer.Stride() * layer.Height());
}

// Two rounds: a come-out making the point 8 (Passline stays, Any 7 and
// Horn 11 lose), then a 6 that pays the Place 6 and walks the Come Bet onto
// the 6. The table is taken as the third round's betting opens.
TableAfterRounds PlayTwoRounds(int animations, const dq::TableViewState* diceOf) {
  CrapsRun run;
  const CasinoCfg cfg{0, static_cast<std::uint16_t>(animations), 1, 1, 0};
  EXPECT_EQ(WriteCasinoCfg(&cfg, kCasinoCfgShared), 1);
  run.dice = {4, 4, 3, 3, 2, 5};
  TableAfterRounds out;
  auto r = [] { return CrapsRun::Record(); };
  run.When(CrapsRun::Betting, [] {
    CrapsRun::ClickBet(dq::kPassline);
    CrapsRun::ClickBet(dq::kAny7);
    CrapsRun::ClickBet(dq::kHorn11);
  });
  run.When([&] { return r()->bets[dq::kHorn11] == 5.0f; }, [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [] {
    CrapsRun::ClickBet(dq::kComeBet);
    CrapsRun::ClickBet(dq::kPlaceWin4 + 2);
  });
  run.When([&] { return r()->bets[dq::kPlaceWin4 + 2] == 5.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [&] {
    if (diceOf != nullptr) {
      // Where the shown throw left the dice.
      dq::gTableView.diceOnTable = 1;
      dq::gTableView.diePlaces[0] = diceOf->diePlaces[0];
      dq::gTableView.diePlaces[1] = diceOf->diePlaces[1];
      dq::DrawRestingDice(*r());
    }
    out.background = Layer(gScreen.Background());
    out.front = Layer(gScreen.Front());
    out.view = dq::gTableView;
    out.record = *r();
    out.captured = true;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  plat::headless::SetMessageBoxHandler([](const plat::headless::MessageBoxRecord&) { return plat::IDYES; });
  EXPECT_EQ(run.Run(), 0);
  plat::headless::SetMessageBoxHandler(nullptr);
  for (const auto& s : plat::headless::Sounds()) {
    if (s.kind == plat::headless::SoundRecord::WAVE && (s.flags & plat::SND_ASYNC)) out.waves.push_back(s.name);
  }
  return out;
}

int Count(const std::vector<std::string>& all, const std::string& name) {
  int n = 0;
  for (const std::string& s : all) n += s == name ? 1 : 0;
  return n;
}

// Pixels that differ outside the ticker strip and the bottom bar (status
// line, lag meter), which move with time rather than with the table.
int TableDifferences(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                     std::string* first) {
  constexpr int stride = 640;  // the screen's rows need no padding
  const int height = static_cast<int>(a.size()) / stride;
  const dq::Area ticker = dq::kTickerStrip;
  int count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] == b[i]) continue;
    const int x = static_cast<int>(i) % stride;
    const int y = height - 1 - static_cast<int>(i) / stride;
    if (y >= 458) continue;
    if (x >= ticker.x && x < ticker.x + ticker.width && y >= ticker.y && y < ticker.y + ticker.height) continue;
    if (count++ == 0) *first = "x " + std::to_string(x) + " y " + std::to_string(y);
  }
  return count;
}

TEST(CrapsAnimatedProgram, RoundsShownOrNotLeaveTheSameTableAndMoney) {
  const TableAfterRounds shown = PlayTwoRounds(1, nullptr);
  ASSERT_TRUE(shown.captured);
  EXPECT_EQ(shown.view.diceOnTable, 1);
  const TableAfterRounds plain = PlayTwoRounds(0, &shown.view);
  ASSERT_TRUE(plain.captured);

  EXPECT_DOUBLE_EQ(shown.record.balance, plain.record.balance);
  // 1000 less the Any 7 and the Horn 11, then the Place 6's win.
  EXPECT_GT(shown.record.balance, 990.0);
  EXPECT_LT(shown.record.balance, 1000.0);
  EXPECT_EQ(shown.record.point, 8);
  for (int kind = 0; kind < dq::kCrapsBetKinds; ++kind) {
    EXPECT_EQ(shown.record.bets[kind], plain.record.bets[kind]) << "kind " << kind;
  }
  EXPECT_EQ(shown.record.bets[dq::kComePoint4 + 2], 5.0f);
  EXPECT_EQ(shown.record.bets[dq::kComeBet], 0.0f);

  std::string first;
  EXPECT_EQ(TableDifferences(shown.background, plain.background, &first), 0) << "first at " << first;
  EXPECT_EQ(TableDifferences(shown.front, plain.front, &first), 0) << "first at " << first;

  // The dice sound only when they are shown; the stick gathers the first
  // roll's dice before the second throw.
  EXPECT_EQ(Count(shown.waves, "../wav/dq_coll.wav"), 2);
  EXPECT_GE(Count(shown.waves, "../wav/dq_Dice.wav") + Count(shown.waves, "../wav/dq_Dice2.wav"), 2);
  EXPECT_EQ(Count(plain.waves, "../wav/dq_coll.wav"), 0);
  EXPECT_EQ(Count(plain.waves, "../wav/dq_Dice.wav") + Count(plain.waves, "../wav/dq_Dice2.wav"), 0);
}

}  // namespace
