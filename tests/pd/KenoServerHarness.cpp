#include "tests/pd/KenoServerHarness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/ServerRandom.h"
#include "tests/support/QueuedDraws.h"

namespace pd {
namespace {

KenoServerHarness* g_harness = nullptr;

int RecordSavePoint(CComm&, const char* game, const void* record, std::uint32_t size) {
  EXPECT_STREQ(game, kKenoGameCode);
  EXPECT_EQ(size, kKenoServerRecordSize);
  KenoSavePoint seen{};
  std::memcpy(&seen.record, record, sizeof(seen.record));
  seen.randomState = ServerRandomState();
  g_harness->savePoints.push_back(seen);
  return 1;
}

}  // namespace

void QueueDraw(const int numbers[kKenoDrawn]) {
  for (int i = 0; i < kKenoDrawn; ++i) {
    // Any draw with this rest modulo 80 gives the number.
    ::QueueDraw(numbers[i] - 1 + kKenoNumbers * (i + 3));
  }
}

double Balance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

KenoServerHarness::KenoServerHarness(double balance, int queuedDraws)
    : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = KenoServerShell::New(kKenoGameCode);
  dbSetBalance(userId, balance);
  ClearDraws();
  g_harness = this;
  game::SetServerRandomSource(queuedDraws ? DrawQueued : nullptr);
  game::SetSavePointSender(RecordSavePoint);
}

KenoServerHarness::~KenoServerHarness() {
  KenoServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
  EXPECT_TRUE(!DrawsLeft()) << "numbers queued but never drawn";
}

int KenoServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string KenoServerHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  return transport->sent.size() == before ? std::string() : transport->LastText();
}

void KenoServerHarness::OpenSession() {
  ASSERT_EQ(Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  ASSERT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
}

void KenoServerHarness::ExpectEndsWith(const std::string& packet, const std::string& answer) {
  EXPECT_EQ(Exchange(packet), answer);
  std::size_t sent = transport->sent.size();
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(transport->sent.size(), sent);
}

}  // namespace pd
