#include "cash/CashierClient.h"

#include <cstdio>

#include "cash/AccountLogDialog.h"
#include "cash/CashierLayout.h"
#include "cash/CashierReaders.h"
#include "cash/CashierScreen.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
#include "framework/link/Comm.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/dialog.h"

namespace cash {

int gOfflineServerFailed = 0;

namespace {

enum State : int {
  kSendDeposit = 1,
  kSentDeposit = 2,
  kDepositAnswer = 3,
  kSendLog = 4,
  kSentLog = 5,
  kLogAnswer = 6,
  kSendUser = 7,
  kSentUser = 8,
  kUserAnswer = 9,
  kSendAccount = 10,
  kSentAccount = 11,
  kAccountAnswer = 12,
  kSendCards = 13,
  kSentCards = 14,
  kCardsAnswer = 15,
  kSendEnd = 17,
  kSentEnd = 18,
  kEndAnswer = 19,
  kSendOrderTypes = 20,
  kSentOrderTypes = 21,
  kOrderTypesAnswer = 22,
  kSendCodeRequest = 23,
  kSentCodeRequest = 24,
  kCodeRequestAnswer = 25,
  kSendCardInfo = 30,
  kSentCardInfo = 31,
  kCardInfoAnswer = 32,
  kSendWithdraw = 33,
  kSentWithdraw = 34,
  kWithdrawAnswer = 35,
  kOpenDeposit = 36,
  kOpenWithdraw = 39,
  kShowResult = 40,
  kWaitShowing = 43,
  kEnded = 47,
  kFailed = 48,
  kRefused = 49,
};

const char kPleaseWait[] = "\n\n\n\n   PLEASE WAIT";

bool Online() { return gCashierMode == kModeOnline; }

// Begins a request when the send side is free; 0 while it is not.
int BeginRequest(CComm& comm, const char* command) {
  if (!comm.IsSendFree() || !comm.BeginPacket()) return 0;
  comm.AddCommand(command);
  return 1;
}

void AddTag(CComm& comm, const char* name, const char* value) {
  comm.AddTag(name);
  comm.SetTagValue(value);
}

void Send(CashierClientRecord* r, const char* command, int next, CComm& comm) {
  if (BeginRequest(comm, command)) r->state = next;
}

void Sent(CashierClientRecord* r, int next, CComm& comm) {
  if (comm.SendPacket()) r->state = next;
}

void Fail(CashierClientRecord* r, const char* message) {
  r->message = message;
  r->state = kFatal;
}

// An answer waits, names command and says "ok". 1 to read it; 0 with the
// state moved to the fatal box (the packet kept for its errormsg) or, when
// nothing waits, nothing done.
int AnswerOk(CashierClientRecord* r, CComm& comm, const char* command, const char* wrongCommand,
             const char* notOk) {
  if (!comm.IsReceived()) return 0;
  comm.RewindReceived();
  if (!comm.IsCommand(command)) {
    Fail(r, wrongCommand);
    return 0;
  }
  comm.RewindReceived();
  if (!comm.IsAnswer("ok")) {
    Fail(r, notOk);
    return 0;
  }
  comm.RewindReceived();
  return 1;
}

void StartPleaseWait(const char* text) {
  RedrawPanel(kPanelClear, 1);
  if (Online()) ShowInfoBox(kPleaseWait, text);
}

void ShowAcknowledge() {
  ResetButtonMarks();
  MarkButton(kButtonAcknowledge);
  DrawMenuButtons();
}

void SendDeposit(CashierClientRecord* r, CComm& comm) {
  if (!comm.IsSendFree()) return;
  StartPleaseWait("\n\n\n\n   SENDING DEPOSIT REQUEST TO SERVER");
  if (!BeginRequest(comm, "DEPOSIT")) return;
  const OrderForm& form = gOrderForm;
  const int type = form.orderType >= 0 && form.orderType < kOrderTypeCount ? form.orderType : kOrderCreditCard;
  AddTag(comm, "type", gOrderTypes[type].protocolId);
  AddTag(comm, "amount", form.amount);
  AddTag(comm, "securitycode", form.securityCode);
  if (!form.cardOnFile) {
    AddTag(comm, "cardtype", form.cardType);
    AddTag(comm, "number", form.cardNumber);
    AddTag(comm, "expdate", form.expiryDate);
    AddTag(comm, "name", form.cardholder);
    AddTag(comm, "startdate", form.startDate);
    AddTag(comm, "issueno", form.issueNo);
    AddTag(comm, "bankname", form.bankName);
    AddTag(comm, "bankphone", form.bankPhone);
  }
  r->state = kSentDeposit;
}

void SendWithdraw(CashierClientRecord* r, CComm& comm) {
  if (!comm.IsSendFree()) return;
  StartPleaseWait("\n\n\n\n  SENDING WITHDRAW REQUEST TO SERVER");
  if (!BeginRequest(comm, "WITHDRAW")) return;
  if (Online()) {
    AddOrderTags(comm, gOrderForm);
  } else {
    AddTag(comm, "AMOUNT", gOrderForm.amount);
  }
  r->state = kSentWithdraw;
}

struct OrderTexts {
  const char* wrongCommand;
  const char* noMessage;
  const char* badMessage;
  const char* noOrderId;
  const char* badOrderId;
};
constexpr OrderTexts kDepositTexts{
    "WAITCCARDANSWERT: Invalid answerstring: wanted DEPOSIT/WITHDRAW", "WAITDEPOSITWANSWER: Can't find tag MESSAGE",
    "WAITDEPOSITWANSWER: Couldn't get the MESSAGE!", "WAITDEPOSITWANSWER: Can't find tag ORDERID",
    "WAITDEPOSITANSWER: Couldn't get the ORDERID!"};
constexpr OrderTexts kWithdrawTexts{
    "WAITWITHDRAWANSWER: Invalid answerstring: wanted WITHDRAW", "WAITWITHDRAWANSWER: Can't find tag MESSAGE",
    "WAITWITHDRAWANSWER: Couldn't get the MESSAGE!", "WAITWITHDRAWANSWER: Can't find tag ORDERID",
    "WAITWITHDRAWANSWER: Couldn't get the ORDERID!"};

// The answer to DEPOSIT (withdraw 0) or WITHDRAW: the result box, or the
// refusal's INFO box (state 49), or the fatal box. 1 when the result was shown.
int ReadOrderAnswer(CashierClientRecord* r, CComm& comm, int withdraw) {
  const OrderTexts& texts = withdraw ? kWithdrawTexts : kDepositTexts;
  comm.RewindReceived();
  int named = comm.IsCommand("WITHDRAW");
  if (!withdraw && !named) {
    comm.RewindReceived();
    named = comm.IsCommand("DEPOSIT");
  }
  if (!named) {
    Fail(r, texts.wrongCommand);
    return 0;
  }
  comm.RewindReceived();
  if (!comm.IsAnswer("ok")) {
    r->state = kRefused;
    return 0;
  }
  comm.RewindReceived();
  if (!comm.FindNextTag("MESSAGE")) return Fail(r, texts.noMessage), 0;
  const char* message = comm.TagValue();
  if (message == nullptr) return Fail(r, texts.badMessage), 0;
  char info[kInfoTextSize];
  std::snprintf(info, sizeof info, "%s%s", Online() ? "" : "\n\n", message);
  comm.RewindReceived();
  if (!comm.FindNextTag("ORDERID")) return Fail(r, texts.noOrderId), 0;
  double orderId = 0;
  const char* orderText = comm.TagValue();
  if (!ReadDoubleTag(comm, &orderId)) return Fail(r, texts.badOrderId), 0;
  if (Online()) {
    ShowInfoBox(withdraw ? "TRANSACTION INFORMATION" : "TRANSFER INFORMATION", info);
    char idText[kInfoTextSize];
    std::snprintf(idText, sizeof idText,
                  "TransactionID# = %s.\nPlease refer to this number if you contact\nthe casino about this "
                  "transaction.",
                  orderText);
    DrawWrappedText(idText, kTransactionIdPlace.x + 5, kTransactionIdPlace.y, kInfoTextWidth);
  } else {
    ShowInfoBox("\n\nTRANSFER INFORMATION", info);
  }
  comm.ReleaseReceived();
  return 1;
}

void ShowRefusal(CashierClientRecord* r, CComm& comm) {
  RedrawPanel(kPanelStopGlobe, 0);
  ClearClientFlags(r);
  comm.RewindReceived();
  const char* error = comm.FindNextTag("errormsg") ? comm.TagValue() : nullptr;
  char text[kInfoTextSize];
  std::snprintf(text, sizeof text, "%s", error && *error ? error : "Unknow error");
  comm.ReleaseReceived();
  ShowInfoBox("INFO", text);
  ShowAcknowledge();
  r->state = kInfoAcknowledge;
}

void ShowFatal(CashierClientRecord* r, CComm& comm) {
  char text[kFatalTextSize];
  const char* server = nullptr;
  const int received = comm.IsReceived();
  if (received) {
    comm.RewindReceived();
    if (comm.FindNextTag("errormsg")) server = comm.TagValue();
  }
  FatalText(r->message, server, text);
  if (received) comm.ReleaseReceived();
  plat::MessageBox(gMainWindow, text, "FATAL ERROR", plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
  r->state = kFailed;
}

// The dialog of a deposit or a withdrawal, and where its answer leads.
void RunOrderDialog(CashierClientRecord* r, int withdraw) {
  const plat::INT_PTR result =
      RunTransactionDialog(gMainWindow, withdraw ? kWithdrawDialog : kDepositDialog, r);
  r->state = kMenu;
  if (result < 0) {
    plat::MessageBox(gMainWindow, withdraw ? "Unable to show the withdraw dialog" : "Unable to show the deposit dialog",
                     "Cashier", plat::MB_OK | plat::MB_ICONSTOP);
    return;
  }
  if (result == 1) {
    const int type = gOrderForm.orderType;
    if (!withdraw && type == kOrderCreditCard) r->state = kSendDeposit;
    if (withdraw && (type == kOrderBankDraftWithdraw || type == kOrderWireTransfer)) r->state = kSendWithdraw;
  }
  if (Online() && gOrderForm.requestCode) {
    r->returnState = r->state;
    r->state = kSendCodeRequest;
  }
}

void ShowMenu(CashierClientRecord* r) {
  RedrawPanel(kPanelStopGlobe, 0);
  RestoreMenuScreen();
  if (!Online()) r->accountSum = gPlayerRecord.GetMoney();
  DrawBalance(r->accountSum);
  SelectTransferMode(kTransferNone, 1);
  ClearClientFlags(r);
  ResetButtonMarks();
  if (Online()) MarkButton(kButtonViewLog);
  for (int row : {kButtonDeposit, kButtonWithdraw, kButtonConfirm, kButtonQuit, kButtonHelp}) MarkButton(row);
  DrawMenuButtons();
  r->state = kMenuIdle;
}

void MenuIdle(CashierClientRecord* r) {
  int next = -1;
  if (r->deposit) {
    next = kSendCardInfo;
    r->returnState = kOpenDeposit;
  } else if (r->withdraw) {
    next = kSendCardInfo;
    r->returnState = kOpenWithdraw;
  } else if (r->viewLog) {
    next = kSendLog;
  } else if (r->quit) {
    r->state = kSendEnd;
    return;
  }
  if (next < 0) return;
  ClearClientFlags(r);
  ResetButtonMarks();
  DrawMenuButtons();
  r->state = next;
}

}  // namespace

void FatalText(const char* message, const char* serverText, char* out) {
  const int n = std::snprintf(out, kFatalTextSize, "CLIENT: %s", message);
  if (n < 0) {
    out[0] = '\0';
  } else if (serverText != nullptr && n < kFatalTextSize - 1) {
    // Cut to the box's text size: a server text may be of any length.
    if (std::snprintf(out + n, static_cast<std::size_t>(kFatalTextSize - n), "\nSERVER: %s", serverText) < 0) out[n] = '\0';
  }
}

int ClientRun(CashierClientRecord* r, CComm& comm) {
  comm.PollTransport();
  // With the play-for-fun server failed no answer comes: closing must not wait.
  if (r->quit && gOfflineServerFailed && r->state != kFailed) r->state = kEnded;
  switch (r->state) {
    case kWaitMode:
      ResetButtonMarks();
      DrawMenuButtons();
      if (gCashierMode == kModeUnknown) return 0;
      if (gCashierMode == kModeOffline) {
        ComposeOrderTexts(1);
        r->state = kMenu;
      } else {
        r->state = kSendUser;
      }
      return 0;
    case kSendDeposit: SendDeposit(r, comm); return 0;
    case kSentDeposit: Sent(r, kDepositAnswer, comm); return 0;
    case kDepositAnswer:
      if (!comm.IsReceived()) return 0;
      if (ReadOrderAnswer(r, comm, 0)) {
        gPendingState = kSendAccount;
        r->returnState = kMenu;
        r->state = kShowResult;
      }
      return 0;
    case kSendLog: Send(r, "GETORDERLOG", kSentLog, comm); return 0;
    case kSentLog: Sent(r, kLogAnswer, comm); return 0;
    case kLogAnswer:
      if (!AnswerOk(r, comm, "GETORDERLOG", "WAITVIEWLOG: Invalid answerstring: wanted GETORDERLOG",
                    "WAITVIEWLOG: Answer != ok"))
        return 0;
      RunAccountLogDialog(gMainWindow, comm, *r);
      comm.ReleaseReceived();
      r->state = kMenu;
      return 0;
    case kSendUser: Send(r, "GETUSER", kSentUser, comm); return 0;
    case kSentUser: Sent(r, kUserAnswer, comm); return 0;
    case kUserAnswer:
      if (!AnswerOk(r, comm, "GETUSER", "WAITGETUSERINFO: Invalid answerstring: wanted GETUSER",
                    "WAITGETUSERINFO: Answer != ok"))
        return 0;
      if (!ParseUserInfo(comm)) return Fail(r, "WAITGETUSERINFO: Unable to get the address info"), 0;
      comm.ReleaseReceived();
      r->returnState = kSendOrderTypes;
      r->state = kSendCards;
      return 0;
    case kSendAccount: Send(r, "GETACCOUNTINFO", kSentAccount, comm); return 0;
    case kSentAccount: Sent(r, kAccountAnswer, comm); return 0;
    case kAccountAnswer:
      if (!AnswerOk(r, comm, "GETACCOUNTINFO", "WAITGETACCOUNTINFO: Invalid answerstring: wanted WAITGETACCOUNTINFO",
                    "WAITGETACCOUNTINFO: Answer != ok"))
        return 0;
      if (!ParseAccountInfo(comm, r)) return Fail(r, "WAITGETACCOUNTINFO: Unable to get the account info"), 0;
      comm.ReleaseReceived();
      r->state = r->returnState;
      return 0;
    case kSendCards: Send(r, "GETVALIDCARDS", kSentCards, comm); return 0;
    case kSentCards: Sent(r, kCardsAnswer, comm); return 0;
    case kCardsAnswer:
      if (!AnswerOk(r, comm, "GETVALIDCARDS", "WAITGETVALIDCARDS: Invalid answerstring: wanted WAITGETVALIDCARDS",
                    "WAITGETVALIDCARDS: Answer != ok"))
        return 0;
      ParseValidCards(comm);
      comm.ReleaseReceived();
      r->state = kSendAccount;
      return 0;
    case kSendEnd: Send(r, "ENDMODULE", kSentEnd, comm); return 0;
    case kSentEnd: Sent(r, kEndAnswer, comm); return 0;
    case kEndAnswer:
      if (!AnswerOk(r, comm, "ENDMODULE", "WAITENDMODULEANSWER: Invalid answerstring: wanted ENDMODULE",
                    "WAITENDMODULEANSWER: Answer != ok"))
        return 0;
      comm.ReleaseReceived();
      r->state = kEnded;
      return 0;
    case kSendOrderTypes:
      if (!Online()) {
        r->state = kMenu;
        return 0;
      }
      Send(r, "GETORDERTYPEINFO", kSentOrderTypes, comm);
      return 0;
    case kSentOrderTypes: Sent(r, kOrderTypesAnswer, comm); return 0;
    case kOrderTypesAnswer:
      if (!AnswerOk(r, comm, "GETORDERTYPEINFO", "WAITGETLIMITS: Invalid answerstring: wanted GETORDERTYPEINFO",
                    "WAITGETLIMITS: Answer != ok"))
        return 0;
      if (!ParseOrderTypeInfo(comm)) return Fail(r, "WAITGETLIMITS: Unable to get the order type info"), 0;
      comm.ReleaseReceived();
      ComposeOrderTexts(0);
      r->returnState = kMenu;
      r->state = kSendCardInfo;
      return 0;
    case kSendCodeRequest: Send(r, "REQUESTSECURITYCODE", kSentCodeRequest, comm); return 0;
    case kSentCodeRequest: Sent(r, kCodeRequestAnswer, comm); return 0;
    case kCodeRequestAnswer: {
      if (!AnswerOk(r, comm, "REQUESTSECURITYCODE", "WAITREQSECCODE: Invalid answerstring: wanted REQUESTSECURITYCODE",
                    "WAITREQSECCODE: Answer != ok"))
        return 0;
      if (!comm.FindNextTag("MESSAGE")) return Fail(r, "WAITREQSECODE: Can't find tag MESSAGE"), 0;
      if (comm.TagValue() == nullptr) return Fail(r, "WAITREQSECCODE: Couldn't get the MESSAGE!"), 0;
      char text[kInfoTextSize];
      std::snprintf(text, sizeof text, "%s", comm.TagValue());
      comm.ReleaseReceived();
      plat::MessageBox(gMainWindow, text, "Message", plat::MB_OK);
      r->state = r->returnState;
      return 0;
    }
    case kSendCardInfo: Send(r, "GETCREDITCARDINFO", kSentCardInfo, comm); return 0;
    case kSentCardInfo: Sent(r, kCardInfoAnswer, comm); return 0;
    case kCardInfoAnswer:
      if (!comm.IsReceived()) return 0;
      comm.RewindReceived();
      if (!comm.IsCommand("GETCREDITCARDINFO"))
        return Fail(r, "WAITGETCCINFO: Invalid answerstring: wanted GETCREDICARDINFO"), 0;
      comm.RewindReceived();
      if (comm.IsAnswer("ok")) {
        if (!ParseCreditCardInfo(comm)) return Fail(r, "WAITGETCCINFO: Unable to get the credit card info"), 0;
      } else {
        gOrderForm.cardOnFile = 0;
        gOrderForm.cardType[0] = gOrderForm.cardNumber[0] = gOrderForm.expiryDate[0] = gOrderForm.cardholder[0] = 0;
      }
      comm.ReleaseReceived();
      r->state = r->returnState;
      return 0;
    case kSendWithdraw: SendWithdraw(r, comm); return 0;
    case kSentWithdraw: Sent(r, kWaitShowing, comm); return 0;
    case kWaitShowing:
      if (RedrawPanel(kPanelShowingTime, 0) <= 0) r->state = kWithdrawAnswer;
      return 0;
    case kWithdrawAnswer:
      if (!comm.IsReceived()) return 0;
      // The figures first, then the result box and its acknowledgement.
      if (ReadOrderAnswer(r, comm, 1)) {
        r->returnState = kShowResult;
        r->state = kSendAccount;
      }
      return 0;
    case kOpenDeposit: RunOrderDialog(r, 0); return 0;
    case kInfoAcknowledge:
      if (r->acknowledge) r->state = kMenu;
      return 0;
    case kOpenWithdraw: RunOrderDialog(r, 1); return 0;
    case kShowResult:
      RedrawPanel(kPanelStopGlobe, 0);
      ClearClientFlags(r);
      ShowAcknowledge();
      r->state = kWaitAcknowledge;
      return 0;
    case kWaitAcknowledge:
      if (!r->acknowledge) return 0;
      ClearClientFlags(r);
      r->state = gPendingState != kNoPendingState ? gPendingState : kMenu;
      gPendingState = kNoPendingState;
      return 0;
    case kMenuIdle: MenuIdle(r); return 0;
    case kMenu: ShowMenu(r); return 0;
    case kFatal: ShowFatal(r, comm); return 0;
    case kEnded: return comm.HandBack() ? -1 : 0;
    case kFailed: return comm.HandBack() ? -2 : 0;
    case kRefused: ShowRefusal(r, comm); return 0;
    default: return 0;
  }
}

}  // namespace cash
