#include "tests/hx/BlackJackHarness.h"

#include <gtest/gtest.h>


#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "tests/support/QueuedDraws.h"

namespace hx {
namespace {

int SuitOf(char c) {
  switch (c) {
    case 'D': return 0;
    case 'H': return 1;
    case 'C': return 2;
    default: return 3;
  }
}

int ValueOf(char c) {
  switch (c) {
    case 'A': return 1;
    case 'T': return 10;
    case 'J': return 11;
    case 'Q': return 12;
    case 'K': return 13;
    default: return c - '0';
  }
}

}  // namespace

std::vector<Card> ParseCards(const std::string& text) {
  std::vector<Card> cards;
  for (std::size_t i = 0; i + 1 < text.size() + 1; i += 3) {
    cards.push_back(Card{SuitOf(text[i + 1]), ValueOf(text[i])});
  }
  return cards;
}

std::vector<int> DrawsForDeck(const std::vector<Card>& top) {
  std::vector<Card> left;
  for (int i = 0; i < kDeckSize; ++i) left.push_back(Card{i / 13, i % 13 + 1});
  std::vector<int> draws;
  for (const Card& card : top) {
    std::size_t at = 0;
    while (at < left.size() && (left[at].suit != card.suit || left[at].value != card.value)) ++at;
    EXPECT_LT(at, left.size()) << "a card named twice";
    draws.push_back(static_cast<int>(at));
    left.erase(left.begin() + static_cast<long>(at));
  }
  while (draws.size() < kDeckSize) draws.push_back(0);
  return draws;
}

double Balance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

BlackJackHarness::BlackJackHarness(double balance) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = BlackJackServerShell::New(kBlackJackGameCode);
  dbSetBalance(userId, balance);
  ClearDraws();
  game::SetServerRandomSource(DrawQueued);
  game::SetSavePointSender(DropSavePoint);
}

BlackJackHarness::~BlackJackHarness() {
  BlackJackServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(nullptr);
  EXPECT_TRUE(!DrawsLeft()) << "cards queued but never drawn";
}

int BlackJackHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string BlackJackHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  const std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  return transport->sent.size() == before ? std::string() : transport->LastText();
}

void BlackJackHarness::Open(const std::string& cards) {
  ASSERT_EQ(Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  NextGame(cards);
}

void BlackJackHarness::NextGame(const std::string& cards) {
  for (int draw : DrawsForDeck(ParseCards(cards))) QueueDraw(draw);
  ASSERT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
}

std::string BlackJackHarness::Deal(const std::string& bet, const char* insurance) {
  std::string deal = Exchange("command=FIRSTDEAL&BET=" + bet);
  EXPECT_EQ(Exchange(std::string("command=INSURANCE&INSURANCE1=&INSURANCEFLAG=") + insurance)
                .substr(0, 33),
            "command=INSURANCEANSWER&answer=ok");
  return deal;
}

void BlackJackHarness::ExpectEnded() {
  const std::size_t sent = transport->sent.size();
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(transport->sent.size(), sent);
}

}  // namespace hx
