#include "tests/hx/BlackJackHarness.h"

#include <gtest/gtest.h>


#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/StackedDeck.h"

namespace hx {

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
  QueueDeck(cards);
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
