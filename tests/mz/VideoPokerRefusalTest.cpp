// Every refusal of the Video Poker server with its answer and text, in the
// state that refuses it; each ends the server, and only a dealt hand not
// yet settled loses its stake.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/Db.h"
#include "tests/mz/VideoPokerHarness.h"

namespace mz {
namespace {

struct Refusal {
  const char* what;
  // How far the session goes first: 0 CLIENTINIT only, 1 through BEGINPLAY,
  // 2 through FIRSTDEAL (5 coins at $1), 3 through FINALDEAL.
  int reach;
  void (*spoil)(VideoPokerHarness&);  // may be null
  std::string packet;
  const char* answerName;
  const char* error;
  double balanceAfter;
  double start = 1000;
};

void NoCardOnTop(VideoPokerHarness& s) { s.record->deck.cards[s.record->deck.count - 1].value = 0; }

const Refusal kRefusals[] = {
    {"a wrong command at CLIENTINIT", -1, nullptr, "command=BEGINPLAY", "BEGINPLAYanswer",
     "Got BEGINPLAY wanted CLIENTINIT", 1000},
    {"a wrong command at BEGINPLAY", 0, nullptr, "command=FIRSTDEAL&BET=1&COINVALUE=1",
     "FIRSTDEALanswer", "Got FIRSTDEAL wanted BEGINPLAY", 1000},
    {"neither FIRSTDEAL nor ENDPLAY", 1, nullptr, "command=FINALDEAL", "FINALDEALanswer",
     "Expected FIRSTDEAL/ENDPLAY command at this point", 1000},
    {"no BET", 1, nullptr, "command=FIRSTDEAL&COINVALUE=1", "FIRSTDEALANSWER",
     "Can't find bet tag", 1000},
    {"BET not a number", 1, nullptr, FirstDeal("five", "1"), "FIRSTDEALANSWER",
     "Can't get bet data", 1000},
    {"no coin", 1, nullptr, FirstDeal("0", "1"), "FIRSTDEALANSWER", "Invalid bet amount", 1000},
    {"six coins", 1, nullptr, FirstDeal("6", "1"), "FIRSTDEALANSWER", "Invalid bet amount", 1000},
    // Half a coin would be charged but paid from the row below.
    {"2.5 coins", 1, nullptr, FirstDeal("2.5", "1"), "FIRSTDEALANSWER", "Invalid bet amount",
     1000},
    {"nan coins", 1, nullptr, FirstDeal("nan", "1"), "FIRSTDEALANSWER", "Invalid bet amount",
     1000},
    {"more than the balance", 1, nullptr, FirstDeal("5", "5"), "FIRSTDEALANSWER",
     "Invalid bet amount", 24.75, 24.75},
    {"no COINVALUE", 1, nullptr, "command=FIRSTDEAL&BET=1", "FIRSTDEALANSWER",
     "Can't get coin value", 1000},
    {"COINVALUE not a number", 1, nullptr, FirstDeal("1", "quarter"), "FIRSTDEALANSWER",
     "Can't get coin value data", 1000},
    {"a coin of 0.5", 1, nullptr, FirstDeal("1", "0.5"), "FIRSTDEALANSWER", "Invalid coin value",
     1000},
    {"a deck of 51", 1, [](VideoPokerHarness& s) { s.record->deck.count = 51; }, FirstDeal("1", "1"),
     "FIRSTDEALANSWER", "Numberofcards when firstdeal is incorrect", 1000},
    {"no card to deal", 1, NoCardOnTop, FirstDeal("1", "1"), "FIRSTDEALANSWER",
     "Couldn't take card", 1000},
    {"another command than FINALDEAL", 2, nullptr, "command=FIRSTDEAL", "FIRSTDEALanswer",
     "Expected FINALDEAL at this point", 995},
    {"no HOLD3", 2, nullptr, "command=FINALDEAL&HOLD1=yes&HOLD2=no&HOLD4=no&HOLD5=no",
     "FINALDEALANSWER", "Can't find tag HOLD3", 995},
    {"a stake above five coins", 2, [](VideoPokerHarness& s) { s.record->betAmount = 6; },
     FinalDeal("00000"), "FINALDEALANSWER", "Money amount is invalid at final deal", 994},
    {"a deck of 46", 2, [](VideoPokerHarness& s) { s.record->deck.count = 46; },
     FinalDeal("00000"), "FINALDEALANSWER", "Numberofcards when finaldeal is incorrect", 995},
    {"no card to draw", 2, NoCardOnTop, FinalDeal("11101"), "FINALDEALANSWER",
     "Couldn't take card", 995},
    // The balance fell below the loss after the first deal: nothing can be
    // debited, the stake included.
    {"an account that cannot pay", 2, [](VideoPokerHarness&) { dbSetBalance(1, 3); },
     FinalDeal("00000"), "FINALDEALANSWER", "DB_NOT_ENOUGH_MONEY_ERR", 3},
    {"a wrong command at ENDPLAY", 3, nullptr, "command=CLIENTEXIT", "CLIENTEXITanswer",
     "Got CLIENTEXIT wanted ENDPLAY", 995},
};

TEST(VideoPokerRefusal, EachRefusalAnswersItsTextAndEndsTheServer) {
  for (const Refusal& r : kRefusals) {
    SCOPED_TRACE(r.what);
    VideoPokerHarness s(r.start);
    if (r.reach >= 0) {
      ASSERT_EQ(TagOf(s.Exchange("command=CLIENTINIT"), "answer"), "ok");
    }
    if (r.reach >= 1) s.NextHand("2D 7S 9H JC KD 3C 4H 5S 6S 8D");
    if (r.reach >= 2) {
      ASSERT_EQ(TagOf(s.Exchange(FirstDeal("5", "1")), "answer"), "ok");
    }
    if (r.reach >= 3) {
      ASSERT_EQ(TagOf(s.Exchange(FinalDeal("11111")), "answer"), "ok");
    }
    if (r.spoil != nullptr) r.spoil(s);
    s.ExpectEndsWith(r.packet, r.answerName, r.error);
    EXPECT_EQ(AccountBalance(), r.balanceAfter);
  }
}

TEST(VideoPokerRefusal, AWrongCommandAtCLIENTEXITEndsTheServer) {
  VideoPokerHarness s;
  s.Open("");
  ASSERT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  s.ExpectEndsWith("command=BEGINPLAY", "BEGINPLAYanswer", "Got BEGINPLAY wanted CLIENTEXIT");
  EXPECT_EQ(AccountBalance(), 1000.0);
}

}  // namespace
}  // namespace mz
