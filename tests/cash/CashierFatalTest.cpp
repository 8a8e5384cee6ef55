// Every fatal text of the cashier's client from one wrong answer: the
// cashier plays online against a scripted main client that answers each
// module request itself, rightly but for the one request of the case.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "cash/CashierClient.h"
#include "cash/CashierLayout.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/cash/CashierRun.h"
#include "tests/support/ScriptedMainClient.h"

namespace {

using R = CashierRun;
using plat::HWND;
namespace headless = plat::headless;

// What the player does at the menu to reach the request of the case.
enum MenuAction { kNothing, kClose, kViewLog, kDeposit, kWithdraw, kNewCode };

struct FatalCase {
  const char* command;  // the request answered wrongly
  const char* answer;   // the answer's text
  MenuAction action;
  const char* expected;  // the box's text
};

const std::map<std::string, std::string> kRightAnswers = {
    {"GETUSER",
     "command=GETUSER&answer=ok&pin=4711&name=Ada&address1=1%20Quay&address2=&address3=&zipcode=40210&town=Lakeside&"
     "state=KY&country=USA"},
    {"GETVALIDCARDS", "command=GETVALIDCARDS&answer=ok&type=VISA"},
    {"GETACCOUNTINFO",
     "command=GETACCOUNTINFO&answer=ok&ACCOUNTSUM=1000.00&securitylimit=500&currentsecuritylimit=500&"
     "maxdepositper30days=0&maxwithdrawper30days=0&maxdeposit=0&maxwithdraw=0&max24hourcarddeposit=0&"
     "max24hourcarddepositcount=0"},
    {"GETORDERTYPEINFO", "command=GETORDERTYPEINFO&answer=ok&type=creditcard&mindeposit=20"},
    {"GETCREDITCARDINFO", "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=&NUMBER=&EXPDATE=&NAME="},
    {"GETORDERLOG", "command=GETORDERLOG&answer=ok"},
    {"REQUESTSECURITYCODE", "command=REQUESTSECURITYCODE&answer=ok&MESSAGE=sent"},
    {"DEPOSIT", "command=DEPOSIT&answer=ok&MESSAGE=booked&ORDERID=7"},
    {"WITHDRAW", "command=WITHDRAW&answer=ok&MESSAGE=booked&ORDERID=8"},
    {"ENDMODULE", "command=ENDMODULE&answer=ok"},
};

const FatalCase kCases[] = {
    {"GETUSER", "command=GETVALIDCARDS&answer=ok", kNothing, "CLIENT: WAITGETUSERINFO: Invalid answerstring: wanted GETUSER"},
    {"GETUSER", "command=GETUSER&answer=fail&errormsg=no%20such%20user", kNothing,
     "CLIENT: WAITGETUSERINFO: Answer != ok\nSERVER: no such user"},
    {"GETUSER", "command=GETUSER&answer=ok&pin=4711&name=Ada", kNothing,
     "CLIENT: WAITGETUSERINFO: Unable to get the address info"},
    {"GETVALIDCARDS", "command=GETUSER&answer=ok", kNothing,
     "CLIENT: WAITGETVALIDCARDS: Invalid answerstring: wanted WAITGETVALIDCARDS"},
    {"GETVALIDCARDS", "command=GETVALIDCARDS&answer=fail", kNothing, "CLIENT: WAITGETVALIDCARDS: Answer != ok"},
    {"GETACCOUNTINFO", "command=GETUSER&answer=ok", kNothing,
     "CLIENT: WAITGETACCOUNTINFO: Invalid answerstring: wanted WAITGETACCOUNTINFO"},
    {"GETACCOUNTINFO", "command=GETACCOUNTINFO&answer=fail&errormsg=closed", kNothing,
     "CLIENT: WAITGETACCOUNTINFO: Answer != ok\nSERVER: closed"},
    {"GETACCOUNTINFO", "command=GETACCOUNTINFO&answer=ok&ACCOUNTSUM=12", kNothing,
     "CLIENT: WAITGETACCOUNTINFO: Unable to get the account info"},
    {"GETORDERTYPEINFO", "command=GETUSER&answer=ok", kNothing,
     "CLIENT: WAITGETLIMITS: Invalid answerstring: wanted GETORDERTYPEINFO"},
    {"GETORDERTYPEINFO", "command=GETORDERTYPEINFO&answer=fail", kNothing, "CLIENT: WAITGETLIMITS: Answer != ok"},
    {"GETORDERTYPEINFO", "command=GETORDERTYPEINFO&answer=ok&type=creditcard&mindeposit=lots", kNothing,
     "CLIENT: WAITGETLIMITS: Unable to get the order type info"},
    {"GETCREDITCARDINFO", "command=GETUSER&answer=ok", kNothing,
     "CLIENT: WAITGETCCINFO: Invalid answerstring: wanted GETCREDICARDINFO"},
    {"GETCREDITCARDINFO", "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=VISA", kNothing,
     "CLIENT: WAITGETCCINFO: Unable to get the credit card info"},
    {"REQUESTSECURITYCODE", "command=GETUSER&answer=ok", kNewCode,
     "CLIENT: WAITREQSECCODE: Invalid answerstring: wanted REQUESTSECURITYCODE"},
    {"REQUESTSECURITYCODE", "command=REQUESTSECURITYCODE&answer=fail", kNewCode,
     "CLIENT: WAITREQSECCODE: Answer != ok"},
    {"REQUESTSECURITYCODE", "command=REQUESTSECURITYCODE&answer=ok", kNewCode,
     "CLIENT: WAITREQSECODE: Can't find tag MESSAGE"},
    {"GETORDERLOG", "command=GETUSER&answer=ok", kViewLog, "CLIENT: WAITVIEWLOG: Invalid answerstring: wanted GETORDERLOG"},
    {"GETORDERLOG", "command=GETORDERLOG&answer=fail", kViewLog, "CLIENT: WAITVIEWLOG: Answer != ok"},
    {"DEPOSIT", "command=GETUSER&answer=ok", kDeposit,
     "CLIENT: WAITCCARDANSWERT: Invalid answerstring: wanted DEPOSIT/WITHDRAW"},
    {"DEPOSIT", "command=DEPOSIT&answer=ok&ORDERID=7", kDeposit, "CLIENT: WAITDEPOSITWANSWER: Can't find tag MESSAGE"},
    {"DEPOSIT", "command=DEPOSIT&answer=ok&MESSAGE=booked", kDeposit,
     "CLIENT: WAITDEPOSITWANSWER: Can't find tag ORDERID"},
    {"DEPOSIT", "command=DEPOSIT&answer=ok&MESSAGE=booked&ORDERID=seven", kDeposit,
     "CLIENT: WAITDEPOSITANSWER: Couldn't get the ORDERID!"},
    {"WITHDRAW", "command=DEPOSIT&answer=ok&MESSAGE=booked&ORDERID=8", kWithdraw,
     "CLIENT: WAITWITHDRAWANSWER: Invalid answerstring: wanted WITHDRAW"},
    {"WITHDRAW", "command=WITHDRAW&answer=ok&ORDERID=8", kWithdraw,
     "CLIENT: WAITWITHDRAWANSWER: Can't find tag MESSAGE"},
    {"WITHDRAW", "command=WITHDRAW&answer=ok&MESSAGE=booked", kWithdraw,
     "CLIENT: WAITWITHDRAWANSWER: Can't find tag ORDERID"},
    {"WITHDRAW", "command=WITHDRAW&answer=ok&MESSAGE=booked&ORDERID=eight", kWithdraw,
     "CLIENT: WAITWITHDRAWANSWER: Couldn't get the ORDERID!"},
    {"ENDMODULE", "command=GETUSER&answer=ok", kClose,
     "CLIENT: WAITENDMODULEANSWER: Invalid answerstring: wanted ENDMODULE"},
    {"ENDMODULE", "command=ENDMODULE&answer=fail&errormsg=busy", kClose,
     "CLIENT: WAITENDMODULEANSWER: Answer != ok\nSERVER: busy"},
};

// The scripted desk: each request the client end sends is kept from the
// server end and answered here, in order.
std::deque<std::string> gAnswers;
const FatalCase* gCase = nullptr;
bool gHold = false;  // answers wait while set
std::vector<std::string> gRequests;

int Desk(int channel, std::string& text) {
  if (channel != 1) return kRelayPass;
  gRequests.push_back(text);
  const std::string command = text.substr(8, text.find('&') == std::string::npos ? std::string::npos : text.find('&') - 8);
  gAnswers.push_back(command == gCase->command ? gCase->answer : kRightAnswers.at(command));
  return kRelayDrop;
}

// Hands the next answer to the client end when it takes one.
void Deliver() {
  if (gAnswers.empty() || gMainWindow == nullptr || gHold) return;
  const std::string& text = gAnswers.front();
  const plat::COPYDATASTRUCT data{1, static_cast<plat::DWORD>(text.size() + 1), text.c_str()};
  if (plat::SendMessage(gMainWindow, plat::WM_COPYDATA, plat::HandleToWParam(TheScriptedMainClient().window),
                        reinterpret_cast<plat::LPARAM>(&data))) {
    gAnswers.pop_front();
  }
}

void ActAtMenu(MenuAction action) {
  headless::SetDialogHandler([action](int id, HWND dialog) {
    if (id == kDepositConfirmDialogId) headless::ClickControl(dialog, plat::IDOK);
    if (id != kTransactionDialogId) return;
    if (action == kNewCode) {
      headless::SelectTab(dialog, kTabControlId, 3);
      headless::ClickControl(dialog, kRequestCodeId);
    } else if (action == kDeposit) {
      headless::TypeText(dialog, kCardNumberId, "4111111111111111");
      headless::TypeText(dialog, kExpiryDateId, "1229");
      headless::TypeText(dialog, kCardholderId, "Ada Player");
      headless::SelectItem(dialog, kCardTypeId, 0);
      headless::TypeText(dialog, kCardAmountId, "100");
    } else if (action == kWithdraw) {
      headless::SelectTab(dialog, kTabControlId, 1);
      headless::TypeText(dialog, kWithdrawAmountId, "100");
      headless::TypeText(dialog, kSecurityCodeId, "K7Q2M9X");
    }
    headless::ClickControl(dialog, plat::IDOK);
  });
  switch (action) {
    case kClose: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kViewLog: R::ClickButton(cash::kButtonViewLog); return;
    case kWithdraw: R::ClickButton(cash::kButtonWithdraw); [[fallthrough]];
    case kDeposit:
    case kNewCode: R::ClickButton(cash::kButtonConfirm); return;
    case kNothing: return;
  }
}

class CashierFatalTest : public ::testing::TestWithParam<FatalCase> {};

TEST_P(CashierFatalTest, OneWrongAnswerShowsItsFatalTextAndEndsTheCashier) {
  R run;
  run.playerText = "ONLINE";
  gCase = &GetParam();
  gAnswers.clear();
  TheScriptedMainClient().filter = Desk;
  const MenuAction action = gCase->action;
  auto fatalShown = [] {
    Deliver();
    for (const auto& box : headless::MessageBoxes())
      if (box.caption == "FATAL ERROR") return true;
    return false;
  };
  if (action != kNothing) {
    run.When([] {
      Deliver();
      return R::InMenu();
    }, [action] { ActAtMenu(action); });
  }
  run.When(fatalShown, [] {});
  EXPECT_EQ(run.Run(), 0);
  int fatal = 0;
  for (const auto& box : headless::MessageBoxes()) fatal += box.caption == "FATAL ERROR" ? 1 : 0;
  EXPECT_EQ(fatal, 1);
  EXPECT_EQ(R::Boxes(gCase->expected, "FATAL ERROR"), 1);
  EXPECT_EQ(run.handBacks, 1);
}

// A close while the card on file is asked for waits until the menu is back.
TEST(CashierClose, ClosingDuringARequestActsOnlyInTheMenu) {
  R run;
  run.playerText = "ONLINE";
  static const FatalCase kNone{"", "", kNothing, ""};
  gCase = &kNone;
  gAnswers.clear();
  gRequests.clear();
  gHold = false;
  TheScriptedMainClient().filter = Desk;
  int stateWhileWaiting = -1;
  std::size_t requestsWhileWaiting = 0;
  run.When([] {
    Deliver();
    return R::InMenu();
  }, [] {
    gHold = true;
    headless::SetDialogHandler(nullptr);  // the dialog is cancelled
    R::ClickButton(cash::kButtonConfirm);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  run.When(R::AfterFrames(50), [&] {
    stateWhileWaiting = R::Record()->state;
    requestsWhileWaiting = gRequests.size();
    gHold = false;
  });
  run.When([] {
    Deliver();
    return !gRequests.empty() && gRequests.back() == "command=ENDMODULE" && gAnswers.empty();
  }, [] {});
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(stateWhileWaiting, 32);
  EXPECT_EQ(gRequests.size(), requestsWhileWaiting + 1);
  EXPECT_EQ(run.handBacks, 1);
}

// A deposit answered with a MESSAGE and an ORDERID far longer than the
// info texts: the result box shows what fits, no fatal box, and the
// acknowledgement leads back to the menu.
TEST(CashierLongAnswer, AnOverLongMessageAndOrderIdStayInTheirTexts) {
  R run;
  run.playerText = "ONLINE";
  static const std::string answer =
      "command=DEPOSIT&answer=ok&MESSAGE=" + std::string(2000, 'm') + "&ORDERID=" + std::string(600, '0') + "7";
  static const FatalCase kLong{"DEPOSIT", answer.c_str(), kDeposit, ""};
  gCase = &kLong;
  gAnswers.clear();
  gRequests.clear();
  gHold = false;
  TheScriptedMainClient().filter = Desk;
  bool boxShown = false, backInMenu = false;
  run.When([] {
    Deliver();
    return R::InMenu();
  }, [] { ActAtMenu(kDeposit); });
  run.When([] {
    Deliver();
    return R::InState(cash::kWaitAcknowledge);
  }, [&] {
    boxShown = R::Drawn(cash::kInfoBox);
    R::ClickButton(cash::kButtonAcknowledge);
  });
  run.When([] {
    Deliver();
    return R::InMenu();
  }, [&] {
    backInMenu = true;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  run.When([] {
    Deliver();
    return gRequests.back() == "command=ENDMODULE" && gAnswers.empty();
  }, [] {});
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(boxShown);
  EXPECT_TRUE(backInMenu);
  for (const auto& box : headless::MessageBoxes()) EXPECT_NE(box.caption, "FATAL ERROR") << box.text;
  EXPECT_EQ(run.handBacks, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryText, CashierFatalTest, ::testing::ValuesIn(kCases));

}  // namespace
