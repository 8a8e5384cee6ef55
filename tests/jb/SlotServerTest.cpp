// The Slot server through its link end with the stops stacked: the
// session's answer texts, every pay rule worked by hand in dollars, each
// refused bet and wrong command, and an account that moves only by a
// settled spin.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/game/SpinServer.h"
#include "framework/link/Db.h"
#include "framework/link/KeyValueList.h"
#include "jb/SlotServer.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/ServerHarness.h"

namespace jb {
namespace {

// The packet text of a failure answer, encoded as the link sends it.
std::string Failure(const std::string& command, const std::string& errorText) {
  CKeyValueList answer;
  answer.Add("command", command.c_str());
  answer.Add("answer", "fail");
  answer.Add("errormsg", errorText.c_str());
  char* text = answer.Encode();
  const std::string encoded = text != nullptr ? text : "";
  std::free(text);
  return encoded;
}

// One Slot server on a link end of its own, the account at 5000.
class CSlotLink : public CServerHarness {
 public:
  CSlotLink() : CServerHarness(5000), record(SlotServerShell::New(kSlotGameCode)) {}
  ~CSlotLink() override { SlotServerShell::Free(record); }

  int Frame() override { return GameServerRun(*record, comm, userId); }
  void OpenRound() {
    ASSERT_EQ(Exchange("command=CLIENTINIT").rfind("command=CLIENTINITANSWER&answer=ok", 0), 0u);
    ASSERT_EQ(Exchange("command=BEGINPLAY").rfind("command=BEGINPLAYANSWER&answer=ok", 0), 0u);
  }
  // Stacks the three stops: draws with these rests modulo 22.
  static void StackStops(int reel1, int reel2, int reel3) {
    QueueDraw(reel1 + 22 * 100);
    QueueDraw(reel2 + 22 * 1000);
    QueueDraw(reel3);
  }
  std::string Spin(const std::string& bet, int reel1, int reel2, int reel3) {
    StackStops(reel1, reel2, reel3);
    return Exchange("command=SPIN&BET=" + bet);
  }
  void ExpectEndsWith(const std::string& packet, const std::string& command,
                      const std::string& errorText) {
    CServerHarness::ExpectEndsWith(packet, Failure(command, errorText));
  }
  void ExpectSpinRefused(const std::string& bet, const std::string& errorText) {
    ExpectEndsWith("command=SPIN&BET=" + bet, "SPINANSWER", errorText);
  }

  SlotServerRecord* record;
};

std::string WinList(const std::string& list) {
  return "command=SPINANSWER&answer=ok&WINLIST=" + list;
}

TEST(SlotServer, AWholeSession) {
  CSlotLink s;
  EXPECT_STREQ(s.record->gameName, "JB");
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=5000.000000");
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=5000.000000");
  EXPECT_EQ(s.record->balance, 5000.0);
  // Three 6 with 3 coins at $1: 5000 coins won, 3 staked, $4997 credited.
  EXPECT_EQ(s.Spin("3.000000,1.000000", 16, 16, 16), WinList("16,16,16,5000.000000"));
  EXPECT_EQ(AccountBalance(), 9997.0);
  EXPECT_EQ(s.record->balance, 5000.0);  // a spin leaves the record's balance
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=9997.000000");
  EXPECT_EQ(s.record->balance, 9997.0);
  // ENDPLAY before any SPIN leaves.
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  const std::size_t sent = s.transport->sent.size();
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.transport->sent.size(), sent);
  EXPECT_EQ(AccountBalance(), 9997.0);
}

struct Payout {
  const char* bet;
  int stops[3];
  const char* winList;
  double balance;  // from 1000
};

TEST(SlotServer, EveryPayRuleByHandThroughTheLink) {
  const Payout payouts[] = {
      {"3,1", {16, 16, 16}, "16,16,16,5000.000000", 5997},   // three 6: +4997
      {"1,5", {16, 16, 16}, "16,16,16,1000.000000", 5995},   // 999 coins of $5
      {"2,1", {6, 6, 6}, "6,6,6,500.000000", 1498},           // three 5
      {"1,0.25", {2, 10, 2}, "2,10,2,50.000000", 1012.25},    // three 4: 49 x 0.25
      {"3,1", {4, 18, 4}, "4,18,4,75.000000", 1072},          // three 3
      {"1,1", {8, 8, 8}, "8,8,8,10.000000", 1009},            // three 2 by row 4,
      {"2,1", {8, 8, 8}, "8,8,8,20.000000", 1018},            // not the mix's 4, 8, 12
      {"3,1", {8, 8, 8}, "8,8,8,30.000000", 1027},
      {"3,5", {0, 12, 0}, "0,12,0,30.000000", 1135},          // three 1: 27 x 5
      {"2,1", {8, 4, 2}, "8,4,2,8.000000", 1006},             // the mix: 6 coins' worth
      {"1,1", {0, 12, 1}, "0,12,1,4.000000", 1003},           // 1, 1, blank
      {"1,1", {0, 3, 5}, "0,3,5,2.000000", 1001},             // 1 once
      {"3,1", {0, 3, 5}, "0,3,5,6.000000", 1003},             // a net gain of 3 coins
      {"3,0.25", {1, 3, 5}, "1,3,5,0.000000", 999.25},        // three blanks: 0.75 debited
      {"2,5", {16, 16, 6}, "16,16,6,0.000000", 990},          // 6, 6, 5 pays nothing
  };
  CSlotLink s;
  ASSERT_EQ(s.Exchange("command=CLIENTINIT").rfind("command=CLIENTINITANSWER&answer=ok", 0), 0u);
  for (const Payout& p : payouts) {
    SCOPED_TRACE(p.winList);
    dbSetBalance(1, 1000);
    s.Exchange("command=BEGINPLAY");
    EXPECT_EQ(s.Spin(p.bet, p.stops[0], p.stops[1], p.stops[2]), WinList(p.winList));
    EXPECT_EQ(AccountBalance(), p.balance);
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  }
}

int g_moneyChanges = 0;
void CountChange(int, double) { ++g_moneyChanges; }

TEST(SlotServer, ASpinMovesTheAccountOnceForItsNet) {
  CSlotLink s;
  s.OpenRound();
  g_moneyChanges = 0;
  SetDbMoneyObserver(CountChange);
  // 1, 2, blank with 2 coins: row 10 pays 4, a net of 2 coins.
  EXPECT_EQ(s.Spin("2,1", 0, 8, 1), WinList("0,8,1,4.000000"));
  SetDbMoneyObserver(nullptr);
  EXPECT_EQ(g_moneyChanges, 1);
  EXPECT_EQ(AccountBalance(), 5002.0);
}

TEST(SlotServer, BadBetsAreRefusedWithTheirTexts) {
  struct Case {
    const char* packet;
    const char* text;
  };
  const Case cases[] = {
      {"command=SPIN", "Can't find bet tag"},
      {"command=SPIN&BETLIST=1,1", "Can't find bet tag"},
      {"command=SPIN&BET=", "Can't get bet list"},
      {"command=SPIN&BET=3", "Can't get bet list"},
      {"command=SPIN&BET=3;1", "Can't get bet list"},
      {"command=SPIN&BET=x,1", "Can't get bet list"},
      {"command=SPIN&BET=4,1", "Invalid bet list"},         // 4 coins
      {"command=SPIN&BET=0,1", "Invalid bet list"},
      {"command=SPIN&BET=1,0.1", "Invalid bet list"},       // coin value 0.1
      {"command=SPIN&BET=1,0", "Invalid bet list"},
      {"command=SPIN&BET=1,6", "Invalid bet list"},
      {"command=SPIN&BET=1.5,1", "Invalid bet list"},       // part coins
      {"command=SPIN&BET=2.999,1", "Invalid bet list"},
      {"command=SPIN&BET=nan,1", "Invalid bet list"},
      {"command=SPIN&BET=1,inf", "Invalid bet list"},
      {"command=SPIN&BET=3,5", "Invalid bet list"},         // $15 above the $10 balance
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.packet);
    CSlotLink s;
    dbSetBalance(1, 10);
    s.OpenRound();
    s.ExpectEndsWith(c.packet, "SPINANSWER", c.text);
    EXPECT_EQ(AccountBalance(), 10.0);
  }
  // The whole balance may be staked.
  CSlotLink s;
  dbSetBalance(1, 10);
  s.OpenRound();
  EXPECT_EQ(s.Spin("2,5", 1, 1, 1), WinList("1,1,1,0.000000"));
  EXPECT_EQ(AccountBalance(), 0.0);
}

TEST(SlotServer, TheBetIsCheckedAgainstTheBalanceOfItsOwnBeginPlay) {
  CSlotLink s;
  dbSetBalance(1, 3);
  s.OpenRound();
  dbSetBalance(1, 1000);  // a credit after BEGINPLAY is not seen
  s.ExpectSpinRefused("1,5", "Invalid bet list");
  EXPECT_EQ(AccountBalance(), 1000.0);
}

TEST(SlotServer, WrongCommands) {
  {
    CSlotLink s;
    s.ExpectEndsWith("command=BEGINPLAY", "BEGINPLAYanswer", "Got BEGINPLAY wanted CLIENTINIT");
  }
  {
    CSlotLink s;
    ASSERT_EQ(s.Exchange("command=CLIENTINIT").rfind("command=CLIENTINITANSWER&answer=ok", 0),
              0u);
    s.ExpectEndsWith("command=SPIN&BET=1,1", "SPINanswer", "Got SPIN wanted BEGINPLAY");
  }
  {
    CSlotLink s;
    s.OpenRound();
    s.ExpectEndsWith("command=CLIENTEXIT", "CLIENTEXITanswer",
                     "Expected SPIN/ENDPLAY command at this point");
  }
  {
    CSlotLink s;
    s.OpenRound();
    EXPECT_EQ(s.Spin("1,1", 1, 1, 1), WinList("1,1,1,0.000000"));
    s.ExpectEndsWith("command=SPIN&BET=1,1", "SPINanswer", "Got SPIN wanted ENDPLAY");
  }
  {
    // The leave: ENDPLAY right after BEGINPLAYANSWER wants CLIENTEXIT next.
    CSlotLink s;
    s.OpenRound();
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
    s.ExpectEndsWith("command=BEGINPLAY", "BEGINPLAYanswer", "Got BEGINPLAY wanted CLIENTEXIT");
  }
}

TEST(SlotServer, AFailedDebitReplacesTheWinList) {
  CSlotLink s;
  s.OpenRound();
  dbSetBalance(1, 1);  // the balance fell after BEGINPLAY
  CSlotLink::StackStops(1, 1, 1);
  s.ExpectSpinRefused("3,1", "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_EQ(AccountBalance(), 1.0);
}

TEST(SlotServer, AnAnswerWaitsForTheTransport) {
  CSlotLink s;
  s.OpenRound();
  s.transport->accept = 0;
  CSlotLink::StackStops(0, 3, 5);
  ASSERT_EQ(s.comm.OnDataReceived("command=SPIN&BET=3,1", 21), 1);
  for (int frame = 0; frame < 5; ++frame) EXPECT_EQ(s.Frame(), 0);
  EXPECT_EQ(s.record->state, game::kSpinSendSpin);
  EXPECT_EQ(AccountBalance(), 5003.0);  // settled once, however often the answer is offered
  s.transport->accept = 1;
  EXPECT_EQ(s.Frame(), 0);
  EXPECT_EQ(s.transport->LastText(), WinList("0,3,5,6.000000"));
  EXPECT_EQ(s.record->state, game::kSpinWaitEndPlay);
  EXPECT_EQ(AccountBalance(), 5003.0);
}

TEST(SlotDbErrorName, AddsTheRunningGame) {
  EXPECT_STREQ(DbErrorName(-9), "A game is already running");
  EXPECT_STREQ(DbErrorName(-8), "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_STREQ(DbErrorName(-1), "DB_INVALID_DATA_ERR");
  EXPECT_STREQ(DbErrorName(-16), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(0), "UNKNOWN DB ERROR");
}

}  // namespace
}  // namespace jb
