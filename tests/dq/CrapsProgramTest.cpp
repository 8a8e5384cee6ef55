// The whole Craps program (its real WinMain through the shell) on the
// headless backend, played by scripted clicks against a scripted main
// client: rounds, balances, the quit questions and the files it leaves.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsClientRecord.h"
#include "dq/CrapsTicker.h"
#include "framework/link/Db.h"
#include "framework/shell/ShellGlobals.h"
#include "tests/dq/CrapsRun.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/system.h"
#include "dq/CrapsFonts.h"
#include "dq/CrapsTableLayout.h"
#include "artwork/StandardColours.h"

namespace {

using plat::headless::MessageBoxes;

bool Sent(const CrapsRun& run, int channel, const std::string& piece) {
  for (const RelayedPacket& p : run.packets) {
    if (p.channel == channel && p.text.find(piece) != std::string::npos) return true;
  }
  for (const RelayedPacket& p : run.packets) ADD_FAILURE() << p.channel << ": " << p.text;
  return false;
}

// A come-out 7: the Passline of 5 wins 5 and the Field of 25 is lost.
TEST(CrapsProgram, PlaysARoundByClicksAndSettlesTheBalance) {
  CrapsRun run;
  run.startMoney = 1000.0;
  run.dice = {3, 4, 1, 1};
  double settled = 0.0;
  float passline = 0.0f;
  plat::COLORREF moneyCorner = 0;
  run.When(CrapsRun::Betting, [&] {
    // The balance's small font leaves its background out.
    moneyCorner = CrapsRun::ScreenPixel(18, 434);
    CrapsRun::ClickBet(dq::kPassline);
  });
  run.When([] { return CrapsRun::Record()->bets[dq::kPassline] == 5.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonChip1 + 2); });
  run.When([] { return CrapsRun::Record()->chipValue == 25; },
           [] { CrapsRun::ClickBet(dq::kField); });
  run.When([] { return CrapsRun::Record()->bets[dq::kField] == 25.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([] { return CrapsRun::Record()->state == dq::kClientWaitEndPlay; }, [] {});
  std::string ticker;
  run.When(CrapsRun::Betting, [&] {
    settled = CrapsRun::Record()->balance;
    passline = CrapsRun::Record()->bets[dq::kPassline];
    ticker = dq::gTickerText;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(settled, 980.0);
  EXPECT_EQ(moneyCorner, ArtworkColour(artwork::kBlack));
  EXPECT_EQ(ticker, "TOTAL WIN:   $10.00   @    PLAYER WON $5.00 ON THE PASSLINE #|");
  EXPECT_EQ(passline, 0.0f);
  double account = 0.0;
  dbGetBalance(1, &account);
  EXPECT_DOUBLE_EQ(account, 980.0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Return to main menu?");
  EXPECT_EQ(MessageBoxes()[0].caption, "Craps");
  EXPECT_TRUE(Sent(run, 1, "command=ROLLDICE&BET=0@5.00$3225.00$#0000"));
  EXPECT_TRUE(Sent(run, 1, "command=CLIENTEXIT"));
  EXPECT_EQ(run.handBacks, 1);
  EXPECT_EQ(ReadFile("Craps.cfg").size(), 14u);
  EXPECT_EQ(ReadFile("../../Casino.cfg").size(), 10u);
  EXPECT_FALSE(run.diceRanOut);
}

}  // namespace

namespace {

// The left edge of character i of a text drawn with the table font at x.
int TableTextX(const char* text, int i, int x) {
  for (int c = 0; c < i; ++c) x += dq::kTableFont[2 + 3 * (text[c] - 32) + 2] + 1;
  return x;
}

std::vector<std::string> SoundNames() {
  std::vector<std::string> names;
  for (const auto& s : plat::headless::Sounds()) {
    if (s.kind == plat::headless::SoundRecord::WAVE) names.push_back(s.name);
  }
  return names;
}

bool HasInOrder(const std::vector<std::string>& all, const std::vector<std::string>& wanted) {
  std::size_t next = 0;
  for (const std::string& name : all) {
    if (next < wanted.size() && name == wanted[next]) ++next;
  }
  return next == wanted.size();
}

struct TableProbe {
  plat::COLORREF passlineChip;
  plat::COLORREF puckAtFour;
  plat::COLORREF puckOffPlace;
  plat::COLORREF totalDigit;  // first digit of the total on the total-bet line
  std::string ticker;
};

TableProbe ProbeTable() {
  TableProbe p;
  const dq::Point spot = dq::kBetSpots[dq::kPassline];
  p.passlineChip = CrapsRun::ScreenPixel(spot.x - 8, spot.y);
  const dq::Point four = dq::PuckPlace(4);
  p.puckAtFour = CrapsRun::ScreenPixel(four.x + 4, four.y + 13);
  p.puckOffPlace = CrapsRun::ScreenPixel(dq::kPuckOffPlace.x + 4, dq::kPuckOffPlace.y + 13);
  const char* line = "Total bet $5.00";
  p.totalDigit = CrapsRun::ScreenPixel(TableTextX(line, 11, dq::kTotalBetArea.x) + 1,
                                       dq::kTotalBetArea.y + 1);
  p.ticker = dq::gTickerText;
  return p;
}

}  // namespace

// A come-out 2-2 makes 4 the point: the Passline chip stays, the puck stands
// ON at the 4, the total-bet line reads $5.00. Quitting now asks about the
// bets; No keeps the game, Yes forfeits the Passline.
TEST(CrapsProgram, PointRoundDrawsPileAndPuckAndQuitForfeitsAfterYes) {
  CrapsRun run;
  run.dice = {2, 2, 6, 6};
  TableProbe before{}, after{};
  int yesNoAnswer = plat::IDNO;
  plat::headless::SetMessageBoxHandler([&](const plat::headless::MessageBoxRecord& box) {
    return (box.type & plat::MB_YESNO) ? yesNoAnswer : plat::IDOK;
  });
  run.When(CrapsRun::Betting, [&] {
    before = ProbeTable();
    CrapsRun::ClickBet(dq::kPassline);
  });
  run.When([] { return CrapsRun::Record()->bets[dq::kPassline] == 5.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([] { return CrapsRun::Record()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [&] {
    after = ProbeTable();
    plat::headless::PostKey(gMainWindow, plat::VK_ESCAPE, plat::TRUE, plat::FALSE);
    plat::headless::PostKey(gMainWindow, plat::VK_ESCAPE, plat::FALSE, plat::FALSE);
  });
  run.When([] { return MessageBoxes().size() == 1; }, [&] {
    EXPECT_EQ(CrapsRun::Record()->quitRequest, 0);
    EXPECT_EQ(CrapsRun::Record()->state, dq::kClientBetting);
    yesNoAnswer = plat::IDYES;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);

  EXPECT_NE(before.passlineChip, ArtworkColour(artwork::kRed));
  EXPECT_EQ(after.passlineChip, ArtworkColour(artwork::kRed));
  EXPECT_NE(before.puckAtFour, ArtworkColour(artwork::kWhite));
  EXPECT_EQ(after.puckAtFour, ArtworkColour(artwork::kWhite));
  EXPECT_EQ(before.puckOffPlace, ArtworkColour(artwork::kBlack));
  EXPECT_EQ(after.puckOffPlace, ArtworkColour(artwork::kFeltDark));  // bare felt, no mark left
  EXPECT_EQ(before.totalDigit, ArtworkColour(artwork::kBlack));  // "$0.00": the 0 leaves its corner dark
  EXPECT_EQ(after.totalDigit, ArtworkColour(artwork::kYellow));  // "$5.00": the 5 inks it
  EXPECT_EQ(after.ticker, "HARD FOUR THE POINT IS FOUR#|");

  ASSERT_EQ(MessageBoxes().size(), 2u);
  for (const auto& box : MessageBoxes()) {
    EXPECT_EQ(box.text,
              "You still have bets on the table, if you quit now some of your bets will be lost! "
              "\n \n Do you really want to quit?");
    EXPECT_EQ(box.type, plat::MB_YESNO | plat::MB_ICONQUESTION | plat::MB_DEFBUTTON2);
  }
  EXPECT_TRUE(Sent(run, 1, "command=ENDPLAY&QUITFLAG=1"));
  double account = 0.0;
  dbGetBalance(1, &account);
  EXPECT_DOUBLE_EQ(account, 995.0);
  EXPECT_TRUE(HasInOrder(SoundNames(), {"../wav/dq_come.wav", "../wav/c_4.wav", "../wav/dq_h4.wav",
                                        "../wav/dq_point.wav", "../wav/c_4.wav"}));
}

namespace {

struct Box {
  std::string text;
  std::string caption;
};

std::vector<Box> Boxes() {
  std::vector<Box> boxes;
  for (const auto& b : MessageBoxes()) boxes.push_back({b.text, b.caption});
  return boxes;
}

bool Boxed(std::size_t count) { return MessageBoxes().size() == count; }

}  // namespace

// The total-bet line is a button among the bet areas but holds no bet: a
// right click there takes no chip from anywhere.
TEST(CrapsProgram, RightClickOnTheTotalBetLineTakesNothing) {
  CrapsRun run;
  run.startMoney = 1000.0;
  run.dice = {3, 4};
  bool clicked = false;
  float passline = 0.0f;
  std::vector<std::string> sounds;
  run.When(CrapsRun::Betting, [] { CrapsRun::ClickBet(dq::kPassline); });
  run.When([] { return CrapsRun::Record()->bets[dq::kPassline] == 5.0f; }, [&] {
    plat::headless::ClearSounds();
    CrapsRun::RightClickScreen(dq::kTotalBetArea.x + dq::kTotalBetArea.width / 2,
                               dq::kTotalBetArea.y + dq::kTotalBetArea.height / 2);
    clicked = true;
  });
  run.When([&] { return clicked; }, [&] {
    passline = CrapsRun::Record()->bets[dq::kPassline];
    sounds = SoundNames();
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(passline, 5.0f);
  EXPECT_FALSE(HasInOrder(sounds, {"../wav/c_chip.wav"}));
}

// Every refusal the player can meet shows its box, and the table stays as it
// was.
TEST(CrapsProgram, EveryRefusalShowsItsBox) {
  CrapsRun run;
  run.startMoney = 3000.0;
  run.dice = {3, 3, 1, 2, 4, 4};
  plat::headless::SetShellExecuteResult(2);
  plat::headless::SetMessageBoxHandler([](const plat::headless::MessageBoxRecord& box) {
    return (box.type & plat::MB_YESNO) ? plat::IDYES : plat::IDOK;
  });
  auto record = [] { return CrapsRun::Record(); };
  run.When(CrapsRun::Betting, [] { CrapsRun::ClickButton(dq::kButtonChip1 + 4); });
  run.When([&] { return record()->chipValue == 500; }, [] { CrapsRun::ClickBet(dq::kPassline); });
  run.When([&] { return record()->bets[dq::kPassline] == 500.0f; },
           [] { CrapsRun::ClickBet(dq::kPassline); });
  run.When([] { return Boxed(1); }, [] { CrapsRun::ClickBet(dq::kField); });
  run.When([] { return Boxed(2); }, [&] {
    EXPECT_EQ(record()->bets[dq::kField], 0.0f);
    EXPECT_EQ(record()->tableTotal, 500.0f);
    CrapsRun::RightClickBet(dq::kPassline);
  });
  run.When([&] { return record()->bets[dq::kPassline] == 0.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonChip1); });
  run.When([&] { return record()->chipValue == 1; }, [] { CrapsRun::ClickBet(dq::kPassline); });
  run.When([&] { return record()->bets[dq::kPassline] == 1.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([] { return Boxed(3); }, [&] {
    EXPECT_EQ(record()->state, dq::kClientBetting);
    CrapsRun::ClickButton(dq::kButtonChip1 + 1);
  });
  run.When([&] { return record()->chipValue == 5; }, [] { CrapsRun::ClickBet(dq::kPassline); });
  run.When([&] { return record()->bets[dq::kPassline] == 6.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([&] { return record()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [] { CrapsRun::ClickButton(dq::kButtonChip1 + 2); });
  run.When([&] { return record()->chipValue == 25; },
           [] { CrapsRun::ClickBet(dq::kPasslineOdds); });
  run.When([] { return Boxed(4); }, [&] {
    EXPECT_EQ(record()->bets[dq::kPasslineOdds], 0.0f);
    plat::headless::PostChar(gMainWindow, 'P', plat::FALSE);  // capital P does nothing
    plat::headless::PostChar(gMainWindow, 'p', plat::FALSE);
  });
  run.When([] { return Boxed(5); }, [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([&] { return record()->state >= dq::kClientBuildRoll; },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  run.When([] { return Boxed(6); }, [] {});
  run.When(CrapsRun::Betting, [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);

  const std::vector<Box> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 7u);
  EXPECT_EQ(boxes[0].text, "You have bet your maximum");
  EXPECT_EQ(boxes[0].caption, "BET ERROR");
  EXPECT_EQ(boxes[1].text, "The tables maximum is 500 dollars");
  EXPECT_EQ(boxes[1].caption, "BET ERROR");
  EXPECT_EQ(boxes[2].text, "Minimum bet is $5 on the Passline ");
  EXPECT_EQ(boxes[2].caption, "Craps");
  EXPECT_EQ(boxes[3].text, "The maximum odds bet is 3 times your original bet");
  EXPECT_EQ(boxes[3].caption, "BET ERROR");
  EXPECT_EQ(boxes[4].text.rfind("Your www browser is not associated with .htm files please direct "
                                "your browser to ",
                                0),
            0u);
  EXPECT_EQ(boxes[4].caption, "ERROR");
  EXPECT_EQ(boxes[5].text, "You can't quit at this point");
  EXPECT_EQ(boxes[5].caption, "Craps");
  EXPECT_EQ(boxes[6].caption, "Craps");
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  const std::string page = plat::headless::ShellOpens()[0];
  EXPECT_EQ(page.substr(page.size() - 11), "help\\dq.htm");
  EXPECT_TRUE(HasInOrder(SoundNames(), {"../wav/c_max.wav", "../wav/c_maxtab.wav", "../wav/c_500.wav"}));
}

// With less than the minimum bet the player is warned at every round.
TEST(CrapsProgram, LowBalanceIsOnlyAWarning) {
  CrapsRun run;
  run.startMoney = 3.0;
  run.dice = {1, 1};
  run.When(CrapsRun::Betting, [] {
    EXPECT_EQ(dq::gCrapsButtons[dq::kButtonRoll].enabled, 0);
    EXPECT_EQ(CrapsRun::Record()->chipValue, 1);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  const std::vector<Box> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Your credit balance is low.");
  EXPECT_EQ(boxes[0].caption, "Craps");
  EXPECT_EQ(boxes[1].text, "Return to main menu?");
}

namespace {

// A packet of the server changed on its way to the client, and the box the
// client then shows before it ends.
struct FatalCase {
  const char* name;
  const char* packet;   // the command of the server packet to change
  const char* find;     // what to replace in it
  std::string replace;
  std::string box;      // the whole "FATAL ERROR" text
  bool roll;            // the client must roll to meet the packet
};

// Keeps the case's bytes (and their addresses) out of the listed test names.
void PrintTo(const FatalCase& c, std::ostream* out) { *out << c.name; }

class CrapsFatal : public ::testing::TestWithParam<FatalCase> {};

const std::string kLongServerText(300, 'x');

const FatalCase kFatalCases[] = {
    {"RefusedBets", "command=BETANSWER", "answer=ok", "answer=fail&errormsg=Bets+refused",
     "CLIENT: WAITBETCHECKANSWER: Invalid Bet on Craps Table\nSERVER: Bets refused", true},
    {"LongServerTextIsCut", "command=BETANSWER", "answer=ok", "answer=fail&errormsg=" + kLongServerText,
     ("CLIENT: WAITBETCHECKANSWER: Invalid Bet on Craps Table\nSERVER: " + kLongServerText).substr(0, 159),
     true},
    {"MissingMinBetProp", "command=CLIENTINITANSWER", "&MINBETPROP=1.000000", "",
     "CLIENT: WAITCLIENTINITANSWER: Can't find tag MINBETPROP", false},
    {"BadMinBet", "command=CLIENTINITANSWER", "MINBET=5.000000", "MINBET=five",
     "CLIENT: WAITCLIENTINITANSWER: Can't get minBet", false},
    {"ResultIndexOutOfRange", "command=BETDATA", "RESULT=0@", "RESULT=99",
     "CLIENT: CONVERTING: Couldnt convert Bet result from server", true},
    {"ResultListCutShort", "command=BETDATA", "RESULT=0@10.000000$", "RESULT=0@10.0",
     "CLIENT: CONVERTING: Couldnt convert Bet result from server", true},
    {"ResultNotFinite", "command=BETDATA", "RESULT=0@10.000000$", "RESULT=0@1e999$",
     "CLIENT: CONVERTING: Couldnt convert Bet result from server", true},
    {"ResultNoMark", "command=BETDATA", "RESULT=0@10.000000$", "RESULT=0@-5.000000$",
     "CLIENT: CONVERTING: Couldnt convert Bet result from server", true},
    {"DieOutOfRange", "command=BETDATA", "$#3,4,", "$#9,4,",
     "CLIENT: CONVERTING: Couldnt convert Dice,ComePoints from server", true},
    {"TooFewNumbers", "command=BETDATA", "$#3,4,0,1,", "$#3,4",
     "CLIENT: CONVERTING: Couldnt convert Dice,ComePoints from server", true},
    {"DatabaseError", "command=BETDATA", "answer=ok&RESULT=", "answer=dberror&errormsg=DB_NOT_ENOUGH_MONEY_ERR&X=",
     "CLIENT: WAITRESULTDATA: Couldn't update Database\nSERVER: DB_NOT_ENOUGH_MONEY_ERR", true},
    {"WrongCommand", "command=BETANSWER", "command=BETANSWER", "command=BEGINPLAYANSWER",
     "CLIENT: WAITBETCHECKANSWER: Can't find command BETANSWER", true},
};

}  // namespace

TEST_P(CrapsFatal, ShowsTheFatalBoxAndHandsBack) {
  const FatalCase& c = GetParam();
  CrapsRun run;
  run.dice = {3, 4};
  run.tamper = [&c](int channel, std::string& text) {
    if (channel != 2 || text.rfind(c.packet, 0) != 0) return;
    const std::size_t at = text.find(c.find);
    if (at != std::string::npos) text.replace(at, std::strlen(c.find), c.replace);
  };
  if (c.roll) {
    run.When(CrapsRun::Betting, [] { CrapsRun::ClickBet(dq::kPassline); });
    run.When([] { return CrapsRun::Record()->bets[dq::kPassline] == 5.0f; },
             [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  }
  EXPECT_EQ(run.Run(), 0);
  ASSERT_FALSE(MessageBoxes().empty());
  const auto& box = MessageBoxes().back();
  EXPECT_EQ(box.caption, "FATAL ERROR");
  EXPECT_EQ(box.text, c.box);
  EXPECT_EQ(box.text.rfind(std::string("CLIENT: ") + dq::ClientErrorText(), 0), 0u);
  EXPECT_EQ(run.handBacks, 1);
  EXPECT_EQ(ReadFile("../../Casino.cfg").size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(CrapsProgram, CrapsFatal, ::testing::ValuesIn(kFatalCases),
                         [](const ::testing::TestParamInfo<FatalCase>& info) {
                           return std::string(info.param.name);
                         });

namespace {

std::string OptionBytes(std::initializer_list<int> words) {
  std::string bytes;
  for (int w : words) {
    bytes.push_back(static_cast<char>(w & 0xFF));
    bytes.push_back(static_cast<char>(w >> 8));
  }
  return bytes;
}

}  // namespace

// The options dialog, driven as a player would: voice off, Place bets
// working, no ON/OFF marker. The choices work at once (the next roll sends
// the Place flag) and "Craps.cfg" keeps them.
TEST(CrapsProgram, OptionsDialogChangesTheGameAndIsSavedInCrapsCfg) {
  CrapsRun run;
  run.dice = {5, 6, 1, 1};
  int templateId = 0;
  plat::headless::SetDialogHandler([&](int id, plat::HWND dialog) {
    templateId = id;
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 105), plat::BST_CHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1012), plat::BST_UNCHECKED);
    plat::headless::ClickControl(dialog, 105);
    plat::headless::ClickControl(dialog, 1012);
    plat::headless::ClickControl(dialog, 1016);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  run.When(CrapsRun::Betting, [] { plat::headless::PostChar(gMainWindow, 'o', plat::FALSE); });
  run.When([] { return plat::headless::Dialogs().size() == 1; }, [] {
    EXPECT_EQ(CrapsRun::Record()->workingPlace, 1);
    plat::headless::PostChar(gMainWindow, '3', plat::FALSE);
  });
  run.When([] { return CrapsRun::Record()->chipValue == 25; },
           [] { CrapsRun::ClickBet(dq::kPassline); });
  run.When([] { return CrapsRun::Record()->bets[dq::kPassline] == 25.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([] { return CrapsRun::Record()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);

  EXPECT_EQ(templateId, 106);
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Craps Configuration");
  EXPECT_EQ(plat::headless::Dialogs()[0].result, plat::IDOK);
  EXPECT_TRUE(Sent(run, 1, "BET=0@25.00$#1000"));
  EXPECT_EQ(ReadFile("Craps.cfg"), OptionBytes({0, 1, 0, 0, 0, 1, 0}));
  // A come-out 11 with the voice off: no call of the roll is heard.
  EXPECT_FALSE(HasInOrder(SoundNames(), {"../wav/dq_yo11.wav"}));
}

// A short "Craps.cfg" changes only its first words; Cancel keeps everything.
TEST(CrapsProgram, ShortCrapsCfgKeepsTheDefaultsForTheRest) {
  CrapsRun run;
  {
    std::FILE* f = std::fopen("Craps.cfg", "wb");
    std::fwrite("\0\0", 1, 2, f);
    std::fclose(f);
  }
  plat::headless::SetDialogHandler([](int, plat::HWND dialog) {
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 105), plat::BST_UNCHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1011), plat::BST_CHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1016), plat::BST_CHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1010), plat::BST_UNCHECKED);
    plat::headless::ClickControl(dialog, 105);
    plat::headless::ClickControl(dialog, plat::IDCANCEL);
  });
  run.When(CrapsRun::Betting, [] { CrapsRun::ClickButton(dq::kButtonOptions); });
  run.When([] { return plat::headless::Dialogs().size() == 1; },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(plat::headless::Dialogs()[0].result, plat::IDCANCEL);
  EXPECT_EQ(ReadFile("Craps.cfg"), OptionBytes({0, 0, 0, 0, 0, 1, 1}));
}

namespace {

// The snapshot file read back without the program's own reader.
bool ReadSnapshotFile(dq::CrapsClientRecord* record) {
  const std::string stored = ReadFile("dqdata.dat");
  if (stored.size() != sizeof *record) return false;
  auto* plain = reinterpret_cast<unsigned char*>(record);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const unsigned v = static_cast<unsigned char>(~static_cast<unsigned char>(stored[i]));
    plain[i] = static_cast<unsigned char>(((v >> 5) | (v << 3)) & 0xFF);
  }
  return true;
}

}  // namespace

// Two rounds: a point of 8 with Passline, Don't Pass and a Lay bet; then the
// Don't Pass comes off with its odds in one right click, and a Come Bet
// walks onto the 6. The snapshot holds the table as the second round began,
// before any of its presses.
TEST(CrapsProgram, ComeBetMovesOntoItsNumberAndTheSnapshotHoldsTheRoundStart) {
  CrapsRun run;
  run.dice = {4, 4, 3, 3, 1, 1};
  plat::COLORREF layMarker = 0, comePointChip = 0;
  dq::CrapsClientRecord saved{};
  bool snapshotRead = false;
  auto r = [] { return CrapsRun::Record(); };
  run.When(CrapsRun::Betting, [] {
    CrapsRun::ClickBet(dq::kPassline);
    CrapsRun::ClickBet(dq::kDontPass);
    CrapsRun::ClickScreen(dq::kBetSpots[dq::kLay4].x, dq::kBetSpots[dq::kLay4].y);
  });
  run.When([&] { return r()->bets[dq::kLay4] == 5.0f; }, [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [&] {
    EXPECT_EQ(r()->point, 8);
    layMarker = CrapsRun::ScreenPixel(dq::kBetSpots[dq::kLay4].x, dq::kBetSpots[dq::kLay4].y - 9);
    CrapsRun::ClickBet(dq::kDontPassOdds);
  });
  run.When([&] { return r()->bets[dq::kDontPassOdds] == 5.0f; }, [] {
    CrapsRun::ClickBet(dq::kDontPass);  // nothing in the point phase
    CrapsRun::RightClickBet(dq::kDontPass);
  });
  run.When([&] { return r()->bets[dq::kDontPass] == 0.0f; }, [&] {
    EXPECT_EQ(r()->bets[dq::kDontPassOdds], 0.0f);
    CrapsRun::ClickBet(dq::kComeBet);
  });
  run.When([&] { return r()->bets[dq::kComeBet] == 5.0f; },
           [] { CrapsRun::ClickButton(dq::kButtonRoll); });
  run.When([&] { return r()->state == dq::kClientWaitResult; },
           [&] { snapshotRead = ReadSnapshotFile(&saved); });
  run.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  run.When(CrapsRun::Betting, [&] {
    EXPECT_EQ(r()->bets[dq::kComeBet], 0.0f);
    EXPECT_EQ(r()->bets[dq::kComePoint4 + 2], 5.0f);
    EXPECT_EQ(r()->comePoints[5], 1);
    const dq::Point six = dq::kBetSpots[dq::kComePoint4 + 2];
    comePointChip = CrapsRun::ScreenPixel(six.x - 8, six.y);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  plat::headless::SetMessageBoxHandler([](const plat::headless::MessageBoxRecord&) { return plat::IDYES; });
  EXPECT_EQ(run.Run(), 0);

  EXPECT_EQ(layMarker, ArtworkColour(artwork::kCyan));
  EXPECT_EQ(comePointChip, ArtworkColour(artwork::kRed));
  ASSERT_TRUE(snapshotRead);
  EXPECT_EQ(saved.state, dq::kClientWaitBeginPlay);
  EXPECT_EQ(saved.bets[dq::kPassline], 5.0f);
  EXPECT_EQ(saved.bets[dq::kDontPass], 5.0f);
  EXPECT_EQ(saved.bets[dq::kDontPassOdds], 0.0f);
  EXPECT_EQ(saved.bets[dq::kComeBet], 0.0f);
  EXPECT_EQ(saved.bets[dq::kLay4], 5.0f);
  EXPECT_EQ(saved.point, 8);
  EXPECT_EQ(saved.dice[0] + saved.dice[1], 8);
}

// The help page lies under the casino's installed path; the longest path
// the settings hold (80 characters) still gets its page name.
TEST(CrapsProgram, HelpOpensThePageUnderTheInstalledPath) {
  CrapsRun run;
  const std::string path = "/opt/casino/" + std::string(68, 'h');
  ASSERT_EQ(path.size(), 80u);
  {
    std::FILE* f = std::fopen("ORVANTA.INI", "wb");
    std::fprintf(f, "[Orvanta]\nPATH=%s\n", (path + "-and-more-that-is-cut").c_str());
    std::fclose(f);
  }
  run.When(CrapsRun::Betting, [] { CrapsRun::ClickButton(dq::kButtonHelp); });
  run.When([] { return !plat::headless::ShellOpens().empty(); }, [] {
    plat::headless::PostKey(gMainWindow, plat::VK_F1, plat::TRUE, plat::FALSE);  // the accelerator
    plat::headless::PostKey(gMainWindow, plat::VK_F1, plat::FALSE, plat::FALSE);
  });
  run.When([] { return plat::headless::ShellOpens().size() == 2; },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::ShellOpens().size(), 2u);
  EXPECT_EQ(plat::headless::ShellOpens()[0], path + "help\\dq.htm");
  EXPECT_EQ(plat::headless::ShellOpens()[1], path + "help\\dq.htm");
  ASSERT_EQ(MessageBoxes().size(), 1u);  // only the question when leaving
}

// With the staged artwork alone (its "ORVANTA.INI" and help page), HELP
// opens a page that exists and holds the pay table of the game.
TEST(CrapsProgram, HelpOpensTheStagedPage) {
  CrapsRun run;
  run.When(CrapsRun::Betting, [] { CrapsRun::ClickButton(dq::kButtonHelp); });
  run.When([] { return !plat::headless::ShellOpens().empty(); },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  char resolved[4096];
  ASSERT_TRUE(plat::ResolvePath(plat::headless::ShellOpens()[0].c_str(), resolved, sizeof resolved));
  std::FILE* f = std::fopen(resolved, "rb");
  ASSERT_NE(f, nullptr) << plat::headless::ShellOpens()[0];
  std::string page(1 << 16, '\0');
  page.resize(std::fread(page.data(), 1, page.size(), f));
  std::fclose(f);
  EXPECT_NE(page.find("<h2>Pay table</h2>"), std::string::npos);
  EXPECT_NE(page.find("<td>Lay Bet 4</td>"), std::string::npos);
}
