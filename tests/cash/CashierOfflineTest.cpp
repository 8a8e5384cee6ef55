// The whole cashier (its real entry through the shell) offline on the
// headless backend, against a scripted main client that relays to the
// play-for-fun server: deposits, withdrawals, the refusals, View log, the
// end of the module and a server that failed for good.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cash/CashierClient.h"
#include "cash/CashierLayout.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/cash/CashierRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

namespace {

using R = CashierRun;
namespace headless = plat::headless;

void Close() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

// The commands of the packets the client end sent, in order.
std::vector<std::string> ClientCommands(const std::vector<RelayedPacket>& packets) {
  std::vector<std::string> commands;
  for (const RelayedPacket& p : packets) {
    if (p.channel != 1) continue;
    const std::size_t end = p.text.find('&');
    commands.push_back(p.text.substr(0, end));
  }
  return commands;
}

std::vector<std::string> Commands(std::initializer_list<const char*> names) {
  std::vector<std::string> out;
  for (const char* n : names) out.push_back(std::string("command=") + n);
  return out;
}

// A selector's area above the mode text's box, which takes its last rows.
cash::Area SelectorArea(int row) {
  const ButtonEntry& b = cash::kCashierButtonTable[row];
  return {b.x, b.y, b.width, cash::kModeTextBox.y - b.y};
}

TEST(CashierOffline, NothingIsSentBeforeAPlayerRecordArrives) {
  R run;
  run.sendRecord = false;
  size_t before = 99;
  int state = -1;
  run.When(R::AfterFrames(40), [&] {
    before = TheScriptedMainClient().relayed.size();
    state = R::Record()->state;
    run.SendPlayerRecord();
  });
  run.When(R::InMenu, Close);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(before, 0u);
  EXPECT_EQ(state, cash::kWaitMode);
  EXPECT_EQ(ClientCommands(run.packets), Commands({"ENDMODULE"}));
  EXPECT_EQ(run.handBacks, 1);
}

// "offline" is not "OFFLINE": the cashier asks the main client for the
// user, which the play-for-fun server does not serve. Its refusal is fatal
// for the client, and the server's own failure is reported once.
TEST(CashierOffline, LowerCaseOfflineMeansOnline) {
  R run;
  run.playerText = "offline";
  EXPECT_EQ(run.Run(), 0);
  ASSERT_FALSE(run.packets.empty());
  EXPECT_EQ(run.packets.front().text, "command=GETUSER");
  EXPECT_EQ(R::Boxes("CLIENT: WAITGETUSERINFO: Answer != ok\nSERVER: Expected DEPOSIT/WITHDRAW/ENDMODULE command at "
                     "this point",
                     "FATAL ERROR"),
            1);
  EXPECT_EQ(R::Boxes("SERVER FATAL ERROR", "INFO"), 1);
  EXPECT_EQ(run.handBacks, 1);
}

// $1000 and a deposit of $250: the result box, the acknowledgement, then
// the figures: $1250 on the screen and in the player record.
TEST(CashierOffline, ADepositShowsItsBoxAndThenTheNewBalance) {
  R run;
  R::AnswerDialogs(-1, "250");
  bool nameShown = false, balanceShown = false, depositFace = false;
  std::vector<std::string> beforeAcknowledge;
  bool boxShown = false;
  double balance = -1, recordMoney = -1;
  run.When(R::InMenu, [&] {
    nameShown = R::Drawn(cash::kNameBox);
    balanceShown = R::Drawn(cash::kBalanceBox);
    depositFace = R::Shows(SelectorArea(cash::kButtonDeposit), cash::kDepositSelectedFace);
    R::ClickButton(cash::kButtonConfirm);
  });
  run.When([] { return R::InState(cash::kWaitAcknowledge); }, [&] {
    beforeAcknowledge = ClientCommands(TheScriptedMainClient().Taken());
    boxShown = R::Drawn(cash::kInfoBox);
    R::ClickButton(cash::kButtonAcknowledge);
  });
  run.When(R::InMenu, [&] {
    balance = R::Record()->accountSum;
    recordMoney = gPlayerRecord.GetMoney();
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(nameShown);
  EXPECT_TRUE(balanceShown);
  EXPECT_TRUE(depositFace);
  EXPECT_TRUE(boxShown);
  EXPECT_EQ(beforeAcknowledge, Commands({"GETCREDITCARDINFO", "DEPOSIT"}));
  EXPECT_EQ(ClientCommands(run.packets), Commands({"GETCREDITCARDINFO", "DEPOSIT", "GETACCOUNTINFO", "ENDMODULE"}));
  EXPECT_EQ(balance, 1250.0);
  EXPECT_EQ(recordMoney, 1250.0);
  bool amountSent = false;
  for (const RelayedPacket& p : run.packets) amountSent |= p.text.find("command=DEPOSIT&type=creditcard&amount=250&") == 0;
  EXPECT_TRUE(amountSent);
}

// A name wider than its box is cut there and leaves the balance alone.
TEST(CashierOffline, ALongNameStaysInItsBox) {
  R run;
  run.playerName = std::string(30, 'W');
  bool outside = true, inside = false;
  run.When(R::InMenu, [&] {
    const cash::Area& name = cash::kNameBox;
    inside = R::Drawn(name);
    outside = R::Drawn({name.x + name.width, name.y, cash::kBalanceBox.x - name.x - name.width, name.height});
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(inside);
  EXPECT_FALSE(outside);
}

// $300, all of it withdrawn by bank draft: the figures once, then the box
// and its acknowledgement. Then $50 more is refused in the INFO box and the
// cashier goes on with $0.
TEST(CashierOffline, AWithdrawalOfTheWholeBalanceThenOneAboveItRefused) {
  R run;
  run.startMoney = 300.0;
  R::AnswerDialogs(1, "300");
  bool withdrawFace = false;
  double afterFirst = -1, afterSecond = -1;
  std::vector<std::string> beforeAcknowledge;
  run.When(R::InMenu, [] { R::ClickButton(cash::kButtonWithdraw); });
  run.When(R::AfterFrames(2), [&] {
    withdrawFace = R::Shows(SelectorArea(cash::kButtonWithdraw), cash::kWithdrawSelectedFace) &&
                   !R::Drawn(SelectorArea(cash::kButtonDeposit));
    R::ClickButton(cash::kButtonConfirm);
  });
  run.When([] { return R::InState(cash::kWaitAcknowledge); }, [&] {
    beforeAcknowledge = ClientCommands(TheScriptedMainClient().Taken());
    R::ClickButton(cash::kButtonAcknowledge);
  });
  run.When(R::InMenu, [&] {
    afterFirst = R::Record()->accountSum;
    R::AnswerDialogs(1, "50");
    R::ClickButton(cash::kButtonConfirm);
  });
  run.When([] { return R::InState(cash::kInfoAcknowledge); }, [] { R::ClickButton(cash::kButtonAcknowledge); });
  run.When(R::InMenu, [&] {
    afterSecond = R::Record()->accountSum;
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(withdrawFace);
  EXPECT_EQ(beforeAcknowledge, Commands({"GETCREDITCARDINFO", "WITHDRAW", "GETACCOUNTINFO"}));
  EXPECT_EQ(afterFirst, 0.0);
  EXPECT_EQ(afterSecond, 0.0);
  EXPECT_EQ(ClientCommands(run.packets),
            Commands({"GETCREDITCARDINFO", "WITHDRAW", "GETACCOUNTINFO", "GETCREDITCARDINFO", "WITHDRAW", "ENDMODULE"}));
  bool refused = false;
  for (const RelayedPacket& p : run.packets)
    refused |= p.channel == 2 && p.text.find("command=WITHDRAW&answer=fail") == 0;
  EXPECT_TRUE(refused);
}

TEST(CashierOffline, ViewLogIsRefusedWithNothingSent) {
  R run;
  run.When(R::InMenu, [] { plat::headless::PostChar(gMainWindow, 'v', plat::FALSE); });
  run.When([] { return R::Boxes("You can only view the account log when playing online.", "View log") == 1; },
           [] { plat::headless::PostKey(gMainWindow, plat::VK_ESCAPE, plat::TRUE, plat::FALSE); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(ClientCommands(run.packets), Commands({"ENDMODULE"}));
}

TEST(CashierOffline, EscapeEndsTheModuleAndHandsBack) {
  R run;
  run.When(R::InMenu, [] { plat::headless::PostKey(gMainWindow, plat::VK_ESCAPE, plat::TRUE, plat::FALSE); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(run.packets.size(), 2u);
  EXPECT_EQ(run.packets[0].text, "command=ENDMODULE");
  EXPECT_EQ(run.packets[1].text, "command=ENDMODULE&answer=ok");
  EXPECT_EQ(run.handBacks, 1);
}

// A deposit whose amount the server cannot read: its refusal shows in the
// INFO box, the server's failure in one box, and the cashier, whose next
// request is never answered, still closes.
TEST(CashierOffline, AFailedServerIsReportedOnceAndTheWindowStillCloses) {
  R run;
  R::AnswerDialogs(-1, "20");
  TheScriptedMainClient().filter = [](int channel, std::string& text) {
    const std::size_t at = text.find("amount=20&");
    if (channel == 1 && text.rfind("command=DEPOSIT", 0) == 0 && at != std::string::npos) text.replace(at, 9, "amount=x");
    return static_cast<int>(kRelayPass);
  };
  run.When(R::InMenu, [] { R::ClickButton(cash::kButtonConfirm); });
  run.When([] { return R::InState(cash::kInfoAcknowledge); }, [] { R::ClickButton(cash::kButtonAcknowledge); });
  run.When(R::InMenu, [] { R::ClickButton(cash::kButtonConfirm); });
  run.When(R::AfterFrames(100), Close);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(R::Boxes("SERVER FATAL ERROR", "INFO"), 1);
  EXPECT_EQ(ClientCommands(run.packets), Commands({"GETCREDITCARDINFO", "DEPOSIT", "GETCREDITCARDINFO"}));
  EXPECT_EQ(run.handBacks, 1);
}

// The globe stands still for 16 frames of a request, then turns one frame
// in four, through its eight pictures in order.
TEST(CashierOffline, TheGlobeTurnsAfterSixteenFramesOneStepInFour) {
  R run;
  R::AnswerDialogs(-1, "20");
  TheScriptedMainClient().filter = [](int channel, std::string& text) {
    return channel == 1 && text.rfind("command=DEPOSIT", 0) == 0 ? static_cast<int>(kRelayHold)
                                                                  : static_cast<int>(kRelayPass);
  };
  std::vector<int> shown;  // the globe picture of each frame while the deposit waits
  auto frameShown = [] {
    for (int f = 0; f < cash::kGlobeFrames; ++f) {
      if (R::Shows({cash::kGlobePlace.x, cash::kGlobePlace.y, cash::kGlobeSize, cash::kGlobeSize}, cash::GlobeFrame(f)))
        return f;
    }
    return -1;
  };
  run.When(R::InMenu, [] { R::ClickButton(cash::kButtonConfirm); });
  for (int n = 1; n <= 60; ++n) {
    run.When(R::AfterFrames(1), [&] {
      if (!TheScriptedMainClient().held.empty()) shown.push_back(frameShown());
    });
  }
  run.Then([] { TheScriptedMainClient().ReleaseHeld(); });
  run.When([] { return R::InState(cash::kWaitAcknowledge); }, [] { R::ClickButton(cash::kButtonAcknowledge); });
  run.When(R::InMenu, Close);
  EXPECT_EQ(run.Run(), 0);
  ASSERT_GE(shown.size(), 50u);
  for (std::size_t i = 0; i < 14; ++i) EXPECT_EQ(shown[i], 0) << "frame " << i;
  int changes = 0;
  for (std::size_t i = 1; i < shown.size(); ++i) {
    if (shown[i] == shown[i - 1]) continue;
    ++changes;
    EXPECT_EQ(shown[i], (shown[i - 1] + 1) % cash::kGlobeFrames) << "frame " << i;
    EXPECT_GE(i, 16u);
  }
  // Samples come a little over a frame apart, so they hold at most one step each.
  EXPECT_GE(changes, static_cast<int>((shown.size() - 20) / 5));
  EXPECT_LE(changes, static_cast<int>((shown.size() - 16) / 3));
}

// ---- Start-up ----

TEST(CashierStartUp, ADisplayOfSixteenColoursIsRefused) {
  R run;
  headless::SetScreen(1024, 768, 4);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(R::Boxes("This program requires 256 colors or more!\nChange to display mode that has at least 256 colors "
                     "and try again.",
                     "Cashier"),
            1);
  EXPECT_TRUE(run.packets.empty());
}

// The second picture is missing: the start ends with the module's line in a
// "Cashier" box, and the main client is never asked for anything.
TEST(CashierStartUp, AMissingBackgroundPictureNamesItsModule) {
  R run;
  ASSERT_TRUE(std::filesystem::remove(run.Root() + "/games/cashier/res/BGround.dat"));
  EXPECT_EQ(run.Run(), 0);
  const auto& boxes = headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Cashier");
  EXPECT_EQ(boxes[0].text.rfind("Error in module \"", 0), 0u) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("Startup.cpp\" at line "), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find(":\n\nFailed to load the \"res\\BGround.dat\" file!"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(TheScriptedMainClient().connects, 0);
}

// A display 480 high or less takes the cashier as a popup over all of it;
// a larger one gets the 400x259 screen with its frame, centred.
TEST(CashierStartUp, ASmallDisplayGetsAPopupOverAllOfIt) {
  for (const int height : {480, 768}) {
    R run;
    headless::SetScreen(640, height, 32);
    ASSERT_EQ(WriteFile(run.Root() + "/Casino.cfg", std::string("\0\0\1\0\1\0\1\0\0\0", 10)), 1);  // not maximised
    plat::RECT window{}, client{};
    run.When(R::InMenu, [&] {
      plat::GetWindowRect(gMainWindow, &window);
      plat::GetClientRect(gMainWindow, &client);
      Close();
    });
    EXPECT_EQ(run.Run(), 0);
    if (height == 480) {
      EXPECT_EQ(window.left, 0);
      EXPECT_EQ(window.top, 0);
      EXPECT_EQ(window.right, 640);
      EXPECT_EQ(window.bottom, 480);
    } else {
      EXPECT_EQ(client.right - client.left, cash::kScreenWidth);
      EXPECT_EQ(client.bottom - client.top, cash::kScreenHeight);
      EXPECT_EQ(window.left + window.right, 640);
    }
  }
}

}  // namespace
