#include "tests/dq/ServerHarness.h"

#include <gtest/gtest.h>

#include "tests/support/QueuedDraws.h"

namespace dq {

void QueueDice(int die1, int die2) {
  QueueDraw(die1 - 1);
  QueueDraw(die2 - 1 + 6 * 1000);  // any value with this rest mod 6
}

ServerHarness::ServerHarness(double balance, game::SavePointSender sender)
    : CServerHarness(balance), record(CrapsServerShell::New(kCrapsGameCode)) {
  game::SetSavePointSender(sender != nullptr ? sender : DropSavePoint);
}

ServerHarness::~ServerHarness() {
  CrapsServerShell::Free(record);
  game::SetSavePointSender(nullptr);
}

int ServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

void ServerHarness::OpenSession(int die1, int die2) {
  ExpectAnsweredOk("command=CLIENTINIT");
  QueueDice(die1, die2);
  ExpectAnsweredOk("command=BEGINPLAY");
}

std::string ServerHarness::PlayRoll(const std::string& betList, int nextDie1, int nextDie2) {
  EXPECT_EQ(Exchange("command=ROLLDICE&BET=" + betList), "command=BETANSWER&answer=ok");
  std::string results = Exchange("command=SENDRESULT&RESULT=");
  EXPECT_EQ(Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  QueueDice(nextDie1, nextDie2);
  ExpectAnsweredOk("command=BEGINPLAY");
  return results;
}

}  // namespace dq
