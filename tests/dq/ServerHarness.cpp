#include "tests/dq/ServerHarness.h"

#include <gtest/gtest.h>

#include <deque>

#include "framework/link/Db.h"
#include "framework/game/ServerFrame.h"

namespace dq {
namespace {

std::deque<int> g_draws;

int DrawQueued() {
  if (g_draws.empty()) {
    ADD_FAILURE() << "the server drew more dice than the test queued";
    return 0;
  }
  int draw = g_draws.front();
  g_draws.pop_front();
  return draw;
}

}  // namespace

int CCaptureTransport::SendData(const char* text, std::size_t length) {
  if (!accept) return 0;
  EXPECT_EQ(length, std::string(text).size() + 1);
  sent.emplace_back(text);
  return 1;
}

void QueueDice(int die1, int die2) {
  g_draws.push_back(die1 - 1);
  g_draws.push_back(die2 - 1 + 6 * 1000);  // any value with this rest mod 6
}

ServerHarness::ServerHarness(double balance) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = CrapsServerShell::New(kCrapsGameCode);
  dbSetBalance(userId, balance);
  g_draws.clear();
  game::SetServerRandomSource(DrawQueued);
}

ServerHarness::~ServerHarness() {
  CrapsServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  EXPECT_TRUE(g_draws.empty()) << "dice queued but never drawn";
}

int ServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string ServerHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  return transport->sent.size() == before ? std::string() : transport->sent.back();
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
