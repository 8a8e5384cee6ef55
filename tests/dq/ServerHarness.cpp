#include "tests/dq/ServerHarness.h"

#include <gtest/gtest.h>


#include "framework/link/Db.h"
#include "framework/game/ServerFrame.h"
#include "tests/support/QueuedDraws.h"

namespace dq {

void QueueDice(int die1, int die2) {
  QueueDraw(die1 - 1);
  QueueDraw(die2 - 1 + 6 * 1000);  // any value with this rest mod 6
}

ServerHarness::ServerHarness(double balance, game::SavePointSender sender) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = CrapsServerShell::New(kCrapsGameCode);
  dbSetBalance(userId, balance);
  ClearDraws();
  game::SetServerRandomSource(DrawQueued);
  game::SetSavePointSender(sender != nullptr ? sender : DropSavePoint);
}

ServerHarness::~ServerHarness() {
  CrapsServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(nullptr);
  EXPECT_TRUE(!DrawsLeft()) << "dice queued but never drawn";
}

int ServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string ServerHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  if (transport->sent.size() == before) return std::string();
  EXPECT_EQ(transport->sent.back().size(), transport->LastText().size() + 1);  // one zero byte, at the end
  return transport->LastText();
}

void ServerHarness::OpenSession(int die1, int die2) {
  ASSERT_EQ(Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  QueueDice(die1, die2);
  ASSERT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
}

std::string ServerHarness::PlayRoll(const std::string& betList, int nextDie1, int nextDie2) {
  EXPECT_EQ(Exchange("command=ROLLDICE&BET=" + betList), "command=BETANSWER&answer=ok");
  std::string results = Exchange("command=SENDRESULT&RESULT=");
  EXPECT_EQ(Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  QueueDice(nextDie1, nextDie2);
  EXPECT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
  return results;
}

}  // namespace dq
