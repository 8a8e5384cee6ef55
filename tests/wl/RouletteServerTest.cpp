// The Roulette server through its link end with the number fixed: the
// session's answer texts, payouts worked by hand, every refused list and
// wrong command, and an account that moves only by a settled spin.
#include <gtest/gtest.h>

#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/KeyValueList.h"
#include "tests/support/CaptureTransport.h"
#include "tests/support/QueuedDraws.h"
#include "wl/RouletteServer.h"

namespace wl {
namespace {

constexpr int kUser = 1;

double Balance() {
  double balance = 0;
  dbGetBalance(kUser, &balance);
  return balance;
}

// One server on a link end of its own, the account at 1000.
class CRouletteLink {
 public:
  CRouletteLink() : transport(new CCaptureTransport) {
    comm.Init("serverout.log", "serverin.log");
    comm.SetTransport(transport);
    record = RouletteServerShell::New(kRouletteGameCode);
    dbSetBalance(kUser, 1000);
    ClearDraws();
    game::SetServerRandomSource(DrawQueued);
  }
  ~CRouletteLink() {
    RouletteServerShell::Free(record);
    game::SetServerRandomSource(nullptr);
    EXPECT_EQ(DrawsLeft(), 0) << "a number queued but never drawn";
  }

  int Frame() { return GameServerRun(*record, comm, kUser); }
  // Feeds a client packet and runs frames until the server answers (at most
  // ten); the answer's text, "" when none went out.
  std::string Exchange(const std::string& packet) {
    EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
    const std::size_t before = transport->sent.size();
    for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
    return transport->sent.size() == before ? std::string() : transport->LastText();
  }
  void OpenRound() {
    ASSERT_EQ(Exchange("command=CLIENTINIT").rfind("command=CLIENTINITANSWER&answer=ok", 0), 0u);
    ASSERT_EQ(Exchange("command=BEGINPLAY").rfind("command=BEGINPLAYANSWER&answer=ok", 0), 0u);
  }
  // A SPIN with the number drawn as given.
  std::string Spin(const std::string& betList, int number) {
    QueueDraw(number + 38 * 100);  // any draw with this rest modulo 38
    return Exchange("command=SPIN&BETLIST=" + betList);
  }
  // The failure answer of packet and its errormsg, then -2 for ever with
  // nothing more sent.
  void ExpectEndsWith(const std::string& packet, const std::string& command,
                      const std::string& errorText) {
    const std::string text = Exchange(packet);
    CKeyValueList answer;
    answer.Decode(text.c_str());
    ASSERT_NE(answer.GetValue("command"), nullptr) << text;
    EXPECT_EQ(std::string(answer.GetValue("command")), command) << text;
    EXPECT_STREQ(answer.GetValue("answer"), "fail") << text;
    ASSERT_NE(answer.GetValue("errormsg"), nullptr) << text;
    EXPECT_EQ(std::string(answer.GetValue("errormsg")), errorText) << packet;
    const std::size_t sent = transport->sent.size();
    EXPECT_EQ(Frame(), -2);
    EXPECT_EQ(comm.OnDataReceived("command=CLIENTINIT", 19), 1);
    EXPECT_EQ(Frame(), -2);
    EXPECT_EQ(transport->sent.size(), sent);
  }
  void ExpectSpinRefused(const std::string& list, const std::string& errorText) {
    ExpectEndsWith("command=SPIN&BETLIST=" + list, "SPINANSWER", errorText);
  }

  CComm comm;
  CCaptureTransport* transport;
  RouletteServerRecord* record;
};

std::string WinList(const std::string& list) {
  return "command=SPINANSWER&answer=ok&WINLIST=" + list;
}

TEST(RouletteServer, AWholeSession) {
  CRouletteLink s;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000&MINTABLE=5.000000"
            "&MAXTABLE=500.000000&MINNR=1.000000&MAXNR=100.000000&MINEXTERN=5.000000"
            "&MAXEXTERN=500.000000");
  EXPECT_EQ(s.record->limits.maxNr, 100.0);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  // 12 with $5 on its straight (slot 72) and $10 on red (178): 5 x 35 and
  // 10 x 1 won, the stakes back, 15 staked: +185.
  EXPECT_EQ(s.Spin("72,5,178,10,0,0", 12), WinList("12,72,175,178,10,0,0"));
  EXPECT_EQ(Balance(), 1185.0);
  EXPECT_EQ(s.record->bets[72], 5);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1185.000000");
  EXPECT_EQ(s.record->bets[72], 0);  // cleared for the new round
  EXPECT_EQ(s.record->money, 1185.0);
  // ENDPLAY before any SPIN leaves.
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  const std::size_t sent = s.transport->sent.size();
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.transport->sent.size(), sent);
  EXPECT_EQ(Balance(), 1185.0);
}

struct Payout {
  const char* betList;
  int number;
  const char* winList;
  double balance;  // from 1000
};

TEST(RouletteServer, PayoutsWorkedByHand) {
  const Payout payouts[] = {
      {"178,10,0,0", 12, "12,178,10,0,0", 1010},               // red wins even money
      {"178,10,0,0", 0, "0,0,0", 990},                          // the zero takes red
      {"178,10,0,0", 37, "37,0,0", 990},                        // and so does 00
      {"178,5,179,5,0,0", 1, "1,178,5,0,0", 1000},              // bet 10, return 10
      {"0,0", 17, "17,0,0", 1000},                              // nothing staked
      {"185,10,0,0", 37, "37,185,60,0,0", 1060},                // five numbers pay 6
      {"183,2,182,3,0,0", 0, "0,182,105,183,34,0,0", 1139},     // 3 x 35 + 2 x 17, 5 back
      {"39,10,170,5,173,5,0,0", 5, "5,39,80,173,10,0,0", 1085}, // corner, dozen; column lost
      {"43,10,49,10,0,0", 6, "6,43,50,49,110,0,0", 1160},       // six line and street
      {"172,100,175,100,0,0", 36, "36,175,200,172,200,0,0", 1400},
      {"168,100,0,0", 36, "36,168,3500,0,0", 4500},
  };
  CRouletteLink s;
  ASSERT_EQ(s.Exchange("command=CLIENTINIT").rfind("command=CLIENTINITANSWER&answer=ok", 0), 0u);
  for (const Payout& p : payouts) {
    SCOPED_TRACE(p.betList);
    dbSetBalance(kUser, 1000);
    s.Exchange("command=BEGINPLAY");
    EXPECT_EQ(s.Spin(p.betList, p.number), WinList(p.winList));
    EXPECT_EQ(Balance(), p.balance);
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  }
}

int g_moneyChanges = 0;
void CountChange(int, double) { ++g_moneyChanges; }

TEST(RouletteServer, EqualBetAndReturnLeaveTheAccountUntouched) {
  CRouletteLink s;
  s.OpenRound();
  g_moneyChanges = 0;
  SetDbMoneyObserver(CountChange);
  EXPECT_EQ(s.Spin("178,5,179,5,0,0", 1), WinList("1,178,5,0,0"));
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  s.Exchange("command=BEGINPLAY");
  // $1 on red and $1 on black, at a table whose minimums allow it.
  s.record->limits.minTable = 1;
  s.record->limits.minExtern = 1;
  EXPECT_EQ(s.Spin("178,1,179,1,0,0", 3), WinList("3,178,1,0,0"));
  SetDbMoneyObserver(nullptr);
  EXPECT_EQ(g_moneyChanges, 0);
  EXPECT_EQ(Balance(), 1000.0);
}

TEST(RouletteServer, LimitsRefuseTheSpinWithTheirTexts) {
  struct Case {
    const char* list;
    double money;
    const char* text;
  };
  const Case cases[] = {
      {"178,500,179,100,0,0", 1000, "The table's maximum is set to $500!"},
      {"72,101,0,0", 1000, "The maximum limit on a number is set to $100!"},
      {"178,4,0,0", 1000, "The minimum limit on all none numbers is set to $5!"},
      {"72,1,0,0", 1000, "The table's minimum is set to $5!"},
      {"178,501,0,0", 1000, "The maximum limit on all none numbers is set to $500!"},
      {"178,25,0,0", 20, "you don't have enough money to play your bet"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    CRouletteLink s;
    dbSetBalance(kUser, c.money);
    s.OpenRound();
    s.ExpectSpinRefused(c.list, c.text);
    EXPECT_EQ(Balance(), c.money);
  }
}

TEST(RouletteServer, MalformedListsAreRefused) {
  const char* const lists[] = {
      "31,10,0,0",          "186,10,0,0",         "72,5,186,10,178,10,0,0",
      "72;10,0,0",          "72,10",              "72,10,178,10",
      "72,-10,72,10,0,0",   "72,10,178,-10,0,0",  "72,10,72,10,0,0",
      "72,2147483648,0,0",  "4294967368,10,0,0",  "72,10,000000000000000000178,10,0,0",
      "",
  };
  for (const char* list : lists) {
    SCOPED_TRACE(list);
    CRouletteLink s;
    s.OpenRound();
    s.ExpectSpinRefused(list, "Can't get bet list");
    EXPECT_EQ(Balance(), 1000.0);
  }
  CRouletteLink s;
  s.OpenRound();
  s.ExpectEndsWith("command=SPIN&BETS=72,10,0,0", "SPINANSWER", "Can't find bet tag");
}

TEST(RouletteServer, WrongCommands) {
  {
    CRouletteLink s;
    s.ExpectEndsWith("command=BEGINPLAY", "BEGINPLAYanswer", "Got BEGINPLAY wanted CLIENTINIT");
  }
  {
    CRouletteLink s;
    s.OpenRound();
    s.ExpectEndsWith("command=CLIENTEXIT", "CLIENTEXITanswer",
                     "Expected SPIN/ENDPLAY command at this point");
  }
  {
    CRouletteLink s;
    s.OpenRound();
    EXPECT_EQ(s.Spin("0,0", 4), WinList("4,0,0"));
    s.ExpectEndsWith("command=SPIN&BETLIST=0,0", "SPINanswer", "Got SPIN wanted ENDPLAY");
  }
  {
    // The leave: ENDPLAY right after BEGINPLAYANSWER wants CLIENTEXIT next.
    CRouletteLink s;
    s.OpenRound();
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
    s.ExpectEndsWith("command=BEGINPLAY", "BEGINPLAYanswer", "Got BEGINPLAY wanted CLIENTEXIT");
  }
}

TEST(RouletteServer, AFailedDebitReplacesTheWinList) {
  CRouletteLink s;
  s.OpenRound();
  dbSetBalance(kUser, 5);  // the balance fell after BEGINPLAY
  QueueDraw(0);
  s.ExpectSpinRefused("178,10,0,0", "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_EQ(Balance(), 5.0);
}

TEST(RouletteServer, AnAnswerWaitsForTheTransport) {
  CRouletteLink s;
  s.OpenRound();
  s.transport->accept = 0;
  QueueDraw(12);
  ASSERT_EQ(s.comm.OnDataReceived("command=SPIN&BETLIST=178,10,0,0", 32), 1);
  for (int frame = 0; frame < 5; ++frame) EXPECT_EQ(s.Frame(), 0);
  EXPECT_EQ(s.record->state, game::kSpinSendSpin);
  EXPECT_EQ(Balance(), 1010.0);  // settled once, however often the answer is offered
  s.transport->accept = 1;
  EXPECT_EQ(s.Frame(), 0);
  EXPECT_EQ(s.transport->LastText(), WinList("12,178,10,0,0"));
  EXPECT_EQ(s.record->state, game::kSpinWaitEndPlay);
  EXPECT_EQ(Balance(), 1010.0);
}

TEST(RouletteDbErrorName, AddsTheMissingProperty) {
  EXPECT_STREQ(DbErrorName(-16), "DB_NO_PROPERTY_ERR");
  EXPECT_STREQ(DbErrorName(-8), "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_STREQ(DbErrorName(-1), "DB_INVALID_DATA_ERR");
  EXPECT_STREQ(DbErrorName(-18), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(0), "UNKNOWN DB ERROR");
}

}  // namespace
}  // namespace wl
