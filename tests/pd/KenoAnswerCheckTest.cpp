// Each answer check of the client machine: a server answer rewritten on its
// way ends the program with the "FATAL ERROR" box and the check's own text,
// and a WINLIST whose values could not come from a draw is refused before
// any of them indexes the board.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"

namespace {

using R = KenoRun;

bool Picking() { return R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }
void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

// How far the script plays before the rewritten answer comes.
enum Stage { kAtStart, kAtShoot, kAtNextGame, kAtQuit };

struct AnswerCase {
  const char* name;
  Stage stage;
  const char* command;  // the answer rewritten: the first packet holding it
  const char* from;     // replaced in it ("" replaces the whole tag value that follows to)
  std::string to;
  const char* text;     // the client's check text
};

std::string Encoded(const std::string& list) {
  std::string out;
  for (char c : list) out += c == ',' ? std::string("%2C") : std::string(1, c);
  return out;
}

std::string WinList(const std::string& list) { return "WINLIST=" + Encoded(list); }

constexpr char kTwentyGood[] = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20";

// Replaces the value of tag in text (up to the next '&' or the end).
void ReplaceTag(std::string& text, const std::string& tag, const std::string& replacement) {
  const std::size_t at = text.find(tag + "=");
  if (at == std::string::npos) return;
  const std::size_t end = text.find('&', at);
  text.replace(at, (end == std::string::npos ? text.size() : end) - at, replacement);
}

const AnswerCase kCases[] = {
    {"InitCommand", kAtStart, "command=CLIENTINITANSWER", "command=CLIENTINITANSWER", "command=OTHER",
     "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER"},
    {"InitNotOk", kAtStart, "command=CLIENTINITANSWER", "answer=ok", "answer=fail", "WAITCLIENTINIT: Answer != ok"},
    {"InitNoMoney", kAtStart, "command=CLIENTINITANSWER", "MONEYAMOUNT", "OTHER",
     "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT"},
    {"InitBadMoney", kAtStart, "command=CLIENTINITANSWER", "MONEYAMOUNT", "MONEYAMOUNT=abc",
     "WAITCLIENTINITANSWER: Can't get moneyamount"},
    {"BeginCommand", kAtStart, "command=BEGINPLAYANSWER", "command=BEGINPLAYANSWER", "command=OTHER",
     "WAITBEGINPLAY: Invalid answerstring: wanted BEGINPLAYANSWER"},
    {"BeginNotOk", kAtStart, "command=BEGINPLAYANSWER", "answer=ok", "answer=fail", "WAITBEGINPLAY: Answer != ok"},
    {"BeginNoMoney", kAtStart, "command=BEGINPLAYANSWER", "MONEYAMOUNT", "OTHER",
     "WAITBEGINPLAYANSWER: Can't find tag MONEYAMOUNT"},
    {"BeginBadMoney", kAtStart, "command=BEGINPLAYANSWER", "MONEYAMOUNT", "MONEYAMOUNT=abc",
     "WAITBEGINPLAYANSWER: Can't get moneyAmount"},
    {"ShootCommand", kAtShoot, "command=SHOOTANSWER", "command=SHOOTANSWER", "command=OTHER",
     "WAITSHOOTANSWER: Invalid answerstring: wanted SHOOTANSWER"},
    {"ShootNotOk", kAtShoot, "command=SHOOTANSWER", "answer=ok", "answer=fail", "WAITSHOOTANSWER: Answer != ok"},
    {"ShootNoWinList", kAtShoot, "command=SHOOTANSWER", "WINLIST", "OTHER",
     "WAITSHOOTANSWER: Can't find tag WINLIST"},
    {"ShootShortWinList", kAtShoot, "command=SHOOTANSWER", "WINLIST", WinList("1,2,3"),
     "WAITSHOOTANSWER: Can't get WINLIST data"},
    {"ShootNumberOffBoard", kAtShoot, "command=SHOOTANSWER", "WINLIST",
     WinList("81,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0"), "WAITSHOOTANSWER: Can't get WINLIST data"},
    {"ShootNumberZero", kAtShoot, "command=SHOOTANSWER", "WINLIST",
     WinList("0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0"), "WAITSHOOTANSWER: Can't get WINLIST data"},
    {"ShootNumberTwice", kAtShoot, "command=SHOOTANSWER", "WINLIST",
     WinList("5,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0"), "WAITSHOOTANSWER: Can't get WINLIST data"},
    {"ShootWinFlagTwo", kAtShoot, "command=SHOOTANSWER", "WINLIST", WinList(std::string(kTwentyGood) + ",2,0"),
     "WAITSHOOTANSWER: Can't get WINLIST data"},
    {"ShootNegativeReturn", kAtShoot, "command=SHOOTANSWER", "WINLIST",
     WinList(std::string(kTwentyGood) + ",1,-50"), "WAITSHOOTANSWER: Can't get WINLIST data"},
    {"EndCommand", kAtNextGame, "command=ENDPLAYANSWER", "command=ENDPLAYANSWER", "command=OTHER",
     "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER"},
    {"EndNotOk", kAtNextGame, "command=ENDPLAYANSWER", "answer=ok", "answer=fail", "WAITENDPLAYANSWER: Answer != ok"},
    {"QuitEndCommand", kAtQuit, "command=ENDPLAYANSWER", "command=ENDPLAYANSWER", "command=OTHER",
     "WAITENDPLAYQUITANSWER: Invalid answerstring: wanted ENDPLAYANSWER"},
    {"QuitEndNotOk", kAtQuit, "command=ENDPLAYANSWER", "answer=ok", "answer=fail",
     "WAITENDPLAYQUITANSWER: Answer != ok"},
    {"ExitCommand", kAtQuit, "command=CLIENTEXITANSWER", "command=CLIENTEXITANSWER", "command=OTHER",
     "WAITCLIENTEXITANSWER: Invalid answerstring: wanted CLIENTEXITANSWER"},
    {"ExitNotOk", kAtQuit, "command=CLIENTEXITANSWER", "answer=ok", "answer=fail",
     "WAITCLIENTEXITANSWER: Answer != ok"},
};

class KenoAnswerCheck : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(KenoAnswerCheck, EndsWithTheFatalBoxAndItsText) {
  const AnswerCase& c = GetParam();
  KenoRun run;
  R::QueueNumbers(DrawHitting({1, 2, 3}, 0));
  bool done = false;
  run.tamper = [&c, &done](int channel, std::string& text) {
    if (channel != 2 || done || text.find(c.command) == std::string::npos) return;
    done = true;
    const std::string from = c.from;
    if (from.find('=') != std::string::npos) {
      text.replace(text.find(from), from.size(), c.to);
    } else {
      ReplaceTag(text, from, c.to);
    }
  };
  if (c.stage == kAtQuit) run.When(Picking, Quit);
  if (c.stage == kAtShoot || c.stage == kAtNextGame) {
    run.When(Picking, [] {
      for (int n : {1, 2, 3}) R::ClickNumber(n);
    });
    run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  }
  if (c.stage == kAtNextGame) {
    run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame); },
             [] { R::ClickButton(pd::kButtonNewGame); });
  }
  run.Run();
  EXPECT_TRUE(done);
  int shown = 0;
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption == "FATAL ERROR" && box.text.rfind(std::string("CLIENT: ") + c.text, 0) == 0) ++shown;
  }
  EXPECT_EQ(shown, 1) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Answers, KenoAnswerCheck, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

// A SHOOT whose bet list was lost on the way is refused by the server,
// which fails for good: its "SERVER FATAL ERROR" box titled "INFO" shows
// once, the client shows the refusal in its own box, hands back and the
// program ends with the account untouched.
TEST(KenoServerFailure, RefusedShootShowsTheInfoBoxOnceAndEnds) {
  KenoRun run;
  R::QueueNumbers(DrawHitting({1, 2, 3}, 0));
  bool tampered = false;
  run.tamper = [&tampered](int channel, std::string& text) {
    if (channel != 1 || tampered || text.find("command=SHOOT") == std::string::npos) return;
    tampered = true;
    ReplaceTag(text, "BETLIST", "OTHER=1");
  };
  run.When(Picking, [] {
    for (int n : {1, 2, 3}) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.Run();
  EXPECT_TRUE(tampered);
  EXPECT_TRUE(run.Sent(2, "answer=fail"));
  int info = 0;
  int fatal = 0;
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption == "INFO") {
      ++info;
      EXPECT_EQ(box.text, "SERVER FATAL ERROR");
    }
    if (box.caption == "FATAL ERROR") {
      ++fatal;
      EXPECT_EQ(box.text.rfind("CLIENT: WAITSHOOTANSWER: Answer != ok", 0), 0u) << box.text;
    }
  }
  EXPECT_EQ(info, 1);
  EXPECT_EQ(fatal, 1);
  EXPECT_EQ(run.Sent(1, "command=ENDPLAY"), 0);
}

}  // namespace
