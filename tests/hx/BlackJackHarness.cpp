#include "tests/hx/BlackJackHarness.h"

#include <gtest/gtest.h>

#include "framework/game/ServerFrame.h"
#include "tests/support/StackedDeck.h"

namespace hx {

BlackJackHarness::BlackJackHarness(double balance)
    : CServerHarness(balance), record(BlackJackServerShell::New(kBlackJackGameCode)) {
  game::SetSavePointSender(DropSavePoint);
}

BlackJackHarness::~BlackJackHarness() {
  BlackJackServerShell::Free(record);
  game::SetSavePointSender(nullptr);
}

int BlackJackHarness::Frame() { return GameServerRun(*record, comm, userId); }

void BlackJackHarness::Open(const std::string& cards) {
  ExpectAnsweredOk("command=CLIENTINIT");
  NextGame(cards);
}

void BlackJackHarness::NextGame(const std::string& cards) {
  QueueDeck(cards);
  ExpectAnsweredOk("command=BEGINPLAY");
}

std::string BlackJackHarness::Deal(const std::string& bet, const char* insurance) {
  std::string deal = Exchange("command=FIRSTDEAL&BET=" + bet);
  EXPECT_EQ(Exchange(std::string("command=INSURANCE&INSURANCE1=&INSURANCEFLAG=") + insurance)
                .substr(0, 33),
            "command=INSURANCEANSWER&answer=ok");
  return deal;
}

}  // namespace hx
