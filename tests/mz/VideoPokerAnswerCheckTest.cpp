// The Video Poker client against answers it must not take: a card value or
// a hand code outside what its pictures and pay-table rows hold ends in the
// "FATAL ERROR" box; a server that fails for good shows its box once; the
// meters carried through a restore come back as saved, $0 included.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerMachine.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/mz/VideoPokerRun.h"
#include "tests/support/StackedDeck.h"

namespace {

using R = VideoPokerRun;
using plat::headless::MessageBoxes;


// Replaces the value of the first tag named name in text (up to the next '&').
void ReplaceValue(std::string& text, const std::string& name, const std::string& value) {
  const std::size_t at = text.find("&" + name + "=");
  if (at == std::string::npos) return;
  const std::size_t from = at + name.size() + 2;
  const std::size_t end = text.find('&', from);
  text.replace(from, (end == std::string::npos ? text.size() : end) - from, value);
}

// One $1 coin in on $5 of credits and dealt; with draw, the draw is asked
// at once. The fatal answer ends the program there.
void PlayOneCoin(R& run, bool draw) {
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(mz::kButtonBetOne); });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  if (draw) run.When(R::Holding, [] { R::ClickButton(mz::kButtonDeal); });
}

int FatalBoxesStartingWith(const std::string& text) {
  int n = 0;
  for (const auto& box : MessageBoxes()) {
    if (box.caption == "FATAL ERROR" && box.text.rfind(text, 0) == 0) ++n;
  }
  return n;
}

struct BadAnswer {
  const char* name;
  const char* answer;  // the answer rewritten
  const char* tag;     // whose first value is replaced
  const char* value;
  const char* text;    // the client's text in the box
};

const BadAnswer kBadAnswers[] = {
    {"FirstCardAbove13", "FIRSTDEALANSWER", "VALUE", "14", "Can't get CARDx data"},
    {"FirstCardZero", "FIRSTDEALANSWER", "VALUE", "0", "Can't get CARDx data"},
    {"FirstHandCode10", "FIRSTDEALANSWER", "WONNR", "10", "WAITFIRSTDEAL: Can't find tag WONNR"},
    {"FirstHandCodeNegative", "FIRSTDEALANSWER", "WONNR", "-1", "WAITFIRSTDEAL: Can't find tag WONNR"},
    {"FinalCardAbove13", "FINALDEALANSWER", "VALUE", "99", "Can't get CARDx data"},
    {"FinalHandCode10", "FINALDEALANSWER", "WONNR", "10", "WAITFINALDEALANSWER: Can't find tag WONNR"},
};

class VideoPokerAnswerCheck : public ::testing::TestWithParam<BadAnswer> {};

TEST_P(VideoPokerAnswerCheck, EndsInTheFatalBoxBeforeAnyPictureOrRowIsTaken) {
  const BadAnswer& c = GetParam();
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  bool done = false;
  TheScriptedMainClient().filter = [&c, &done](int, std::string& text) {
    if (!done && text.find(std::string("command=") + c.answer) != std::string::npos) {
      done = true;
      ReplaceValue(text, c.tag, c.value);
    }
    return static_cast<int>(kRelayPass);
  };
  PlayOneCoin(run, std::string(c.answer) == "FINALDEALANSWER");
  run.Run();
  EXPECT_TRUE(done);
  EXPECT_EQ(FatalBoxesStartingWith(std::string("CLIENT: ") + c.text), 1) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Answers, VideoPokerAnswerCheck, ::testing::ValuesIn(kBadAnswers),
                         [](const ::testing::TestParamInfo<BadAnswer>& info) { return std::string(info.param.name); });

// A first deal of 2.5 coins is refused and the server ends for good: its
// "SERVER FATAL ERROR" box titled "INFO" shows once, not on every frame
// the program still runs, and the client ends in its own box.
TEST(VideoPokerServerFailure, TheServersBoxShowsOnce) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  bool tampered = false;
  TheScriptedMainClient().filter = [&tampered](int, std::string& text) {
    if (!tampered && text.find("command=FIRSTDEAL&") != std::string::npos) {
      tampered = true;
      ReplaceValue(text, "BET", "2.500000");
    }
    return static_cast<int>(kRelayPass);
  };
  PlayOneCoin(run, false);
  run.Run();
  EXPECT_TRUE(tampered);
  int info = 0;
  for (const auto& box : MessageBoxes()) {
    if (box.caption != "INFO") continue;
    ++info;
    EXPECT_EQ(box.text, "SERVER FATAL ERROR");
  }
  EXPECT_EQ(info, 1);
  EXPECT_EQ(FatalBoxesStartingWith("CLIENT: WAITFIRSTDEAL: Answer != ok"), 1);
}

// Meter records carried through a restore: a balance saved as $0 replaces
// the one the replayed CLIENTINIT gave, credits come back to the cent, and
// a meter without a record keeps its value.
TEST(VideoPokerRestoredMeters, ZeroIsAValueAndDollarsComeBackToTheCent) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  double money = -1, credits = -1, coinsBet = -1, coinValue = -1;
  run.When(R::Choosing, [&] {
    mz::AddMeterRecord(gPlaybackClient.list, mz::kMeterMoney, 0.0f);
    mz::AddMeterRecord(gPlaybackClient.list, mz::kMeterCredits, 24.3f);  // 24.2999992 as a float
    mz::RestoreMeters(R::Record());
    money = R::Record()->money;
    credits = R::Record()->credits;
    coinsBet = R::Record()->coinsBet;
    coinValue = mz::gCoinValue;
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(money, 0.0);
  EXPECT_DOUBLE_EQ(credits, 24.30);
  EXPECT_DOUBLE_EQ(coinsBet, 0.0);
  EXPECT_DOUBLE_EQ(coinValue, 1.0);
}

}  // namespace
