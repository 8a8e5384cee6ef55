// The Video Poker server through its link end with a stacked deck: the
// exact answers of a session, settlements worked by hand, holding all five,
// and the stake pending only from the first deal's "ok" to its settlement.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/Db.h"
#include "tests/mz/VideoPokerHarness.h"

namespace mz {
namespace {

// The five cards of an answer as the packet text carries them.
std::string Cards(const char* c1, const char* c2, const char* c3, const char* c4, const char* c5) {
  const char* cards[] = {c1, c2, c3, c4, c5};
  std::string text;
  for (int i = 0; i < 5; ++i) text += "&CARD" + std::to_string(i + 1) + "=&" + cards[i];
  return text;
}

TEST(VideoPokerServer, AWholeSession) {
  VideoPokerHarness s;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  s.NextHand("TH JH QH KH 2C AH");
  EXPECT_EQ(s.Exchange(FirstDeal("5", "1")),
            "command=FIRSTDEALANSWER&answer=ok&WONNR=0" +
                Cards("TYPE=HEART&VALUE=10", "TYPE=HEART&VALUE=11", "TYPE=HEART&VALUE=12",
                      "TYPE=HEART&VALUE=13", "TYPE=CLUB&VALUE=2"));
  EXPECT_EQ(AccountBalance(), 1000.0);  // nothing moves at the first deal
  EXPECT_EQ(s.record->betAmount, 5.0);
  EXPECT_EQ(s.Exchange(FinalDeal("11110")),
            "command=FINALDEALANSWER&answer=ok" +
                Cards("TYPE=HEART&VALUE=10", "TYPE=HEART&VALUE=11", "TYPE=HEART&VALUE=12",
                      "TYPE=HEART&VALUE=13", "TYPE=HEART&VALUE=1") +
                "&WONNR=9&MONEYWON=5000.000000&MONEYLEFT=5995.000000");
  EXPECT_EQ(s.moves, std::vector<double>{4995.0});
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");

  s.NextHand("2D 7S 9H JC KD 3C 4H");
  EXPECT_EQ(TagOf(s.Exchange(FirstDeal("3", "0.25")), "WONNR"), "0");
  EXPECT_EQ(s.Exchange(FinalDeal("00111")),
            "command=FINALDEALANSWER&answer=ok" +
                Cards("TYPE=CLUB&VALUE=3", "TYPE=HEART&VALUE=4", "TYPE=HEART&VALUE=9",
                      "TYPE=CLUB&VALUE=11", "TYPE=DIAMOND&VALUE=13") +
                "&WONNR=0&MONEYWON=0.000000&MONEYLEFT=5994.250000");
  EXPECT_EQ(s.record->money, 5994.25);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");

  // ENDPLAY before FIRSTDEAL leaves the session.
  s.NextHand("");
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  const std::size_t sent = s.transport->sent.size();
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.transport->sent.size(), sent);
  EXPECT_EQ(AccountBalance(), 5994.25);
  EXPECT_EQ(s.moves, (std::vector<double>{4995.0, -0.75}));
  ASSERT_EQ(s.savePoints.size(), 3u);
  EXPECT_EQ(s.savePoints[0].state, kServerSendBeginPlay);
  EXPECT_EQ(s.savePoints[0].deck.count, 52);
  EXPECT_EQ(s.savePoints[1].money, 5995.0);
  EXPECT_EQ(s.savePoints[1].betAmount, 0.0);
}

struct Settlement {
  const char* deck;
  const char* coins;
  const char* coinValue;
  const char* holds;
  const char* code;
  const char* won;
  const char* left;              // from 1000
  std::vector<double> moves;
};

TEST(VideoPokerServer, SettlementsWorkedByHand) {
  const Settlement cases[] = {
      // A royal with 5 coins at $1: 5000 won, 4995 credited.
      {"AS KS QS JS TS", "5", "1", "11111", "9", "5000.000000", "5995.000000", {4995}},
      // The royal's four-coin row: 1000 won.
      {"AS KS QS JS TS", "4", "1", "11111", "9", "1000.000000", "1996.000000", {996}},
      // Nothing with 3 coins at $0.25: 0.75 debited.
      {"2D 7S 9H JC KD", "3", "0.25", "11111", "0", "0.000000", "999.250000", {-0.75}},
      // Jacks with one coin: the win equals the bet, nothing moves.
      {"JD JS 2H 5C 9D", "1", "1", "11111", "1", "1.000000", "1000.000000", {}},
      // A full house with 2 coins at $5: 70 won, 60 credited.
      {"KD KS 4H 5C KH 5D", "2", "5", "11011", "6", "70.000000", "1060.000000", {60}},
      // Four of a kind with 5 quarters: 25 won, 23.75 credited.
      {"7D 7S 7H 2C 3D 7C", "5", "0.25", "11100", "7", "25.000000", "1023.750000", {23.75}},
  };
  for (const Settlement& c : cases) {
    SCOPED_TRACE(c.deck);
    VideoPokerHarness s;
    s.Open(c.deck);
    ASSERT_EQ(TagOf(s.Exchange(FirstDeal(c.coins, c.coinValue)), "answer"), "ok");
    const std::string answer = s.Exchange(FinalDeal(c.holds));
    EXPECT_EQ(TagOf(answer, "answer"), "ok");
    EXPECT_EQ(TagOf(answer, "WONNR"), c.code);
    EXPECT_EQ(TagOf(answer, "MONEYWON"), c.won);
    EXPECT_EQ(TagOf(answer, "MONEYLEFT"), c.left);
    EXPECT_EQ(s.moves, c.moves);
  }
}

TEST(VideoPokerServer, HoldingAllFiveScoresTheHandAsDealt) {
  VideoPokerHarness s;
  s.Open("KD KS KH 5C 5D");
  const std::string dealt = s.Exchange(FirstDeal("1", "1"));
  EXPECT_EQ(TagOf(dealt, "WONNR"), "6");
  const std::string final = s.Exchange(FinalDeal("11111"));
  EXPECT_EQ(final, "command=FINALDEALANSWER&answer=ok" +
                       Cards("TYPE=DIAMOND&VALUE=13", "TYPE=SPADE&VALUE=13",
                             "TYPE=HEART&VALUE=13", "TYPE=CLUB&VALUE=5", "TYPE=DIAMOND&VALUE=5") +
                       "&WONNR=6&MONEYWON=7.000000&MONEYLEFT=1006.000000");
  EXPECT_EQ(s.record->deck.count, 47);  // no card taken
  for (const HandCard& card : s.record->hand) EXPECT_EQ(card.hold, 1);
}

// A refused first deal leaves no stake pending: the failure end debits
// nothing, whatever was read before the refusal.
TEST(VideoPokerServer, ARefusedFirstDealDebitsNothing) {
  {
    VideoPokerHarness s;
    s.Open("");
    s.record->deck.count = 51;
    s.ExpectEndsWith(FirstDeal("5", "5"), "FIRSTDEALANSWER",
                     "Numberofcards when firstdeal is incorrect");
    EXPECT_EQ(AccountBalance(), 1000.0);
    EXPECT_TRUE(s.moves.empty());
  }
  VideoPokerHarness s(20);
  s.Open("");
  s.ExpectEndsWith(FirstDeal("5", "5"), "FIRSTDEALANSWER", "Invalid bet amount");
  EXPECT_EQ(AccountBalance(), 20.0);
  EXPECT_TRUE(s.moves.empty());
}

// A settled hand is not charged again by a failure after its settlement.
TEST(VideoPokerServer, ASettledHandIsNotChargedAgain) {
  VideoPokerHarness s;
  s.Open("2D 7S 9H JC KD");
  ASSERT_EQ(TagOf(s.Exchange(FirstDeal("5", "1")), "answer"), "ok");
  ASSERT_EQ(TagOf(s.Exchange(FinalDeal("11111")), "MONEYLEFT"), "995.000000");
  s.ExpectEndsWith("command=BEGINPLAY", "BEGINPLAYanswer", "Got BEGINPLAY wanted ENDPLAY");
  EXPECT_EQ(AccountBalance(), 995.0);
  EXPECT_EQ(s.moves, std::vector<double>{-5.0});
}

// A dealt hand abandoned before its final deal loses its stake.
TEST(VideoPokerServer, AnAbandonedHandForfeitsItsStake) {
  VideoPokerHarness s;
  s.Open("2D 7S 9H JC KD");
  ASSERT_EQ(TagOf(s.Exchange(FirstDeal("2", "5")), "answer"), "ok");
  s.ExpectEndsWith("command=ENDPLAY", "ENDPLAYanswer", "Expected FINALDEAL at this point");
  EXPECT_EQ(AccountBalance(), 990.0);
  EXPECT_EQ(s.moves, std::vector<double>{-10.0});
  EXPECT_EQ(s.record->betAmount, 0.0);
}

}  // namespace
}  // namespace mz
