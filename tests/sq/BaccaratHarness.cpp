#include "tests/sq/BaccaratHarness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/game/ServerFrame.h"
#include "sq/BaccaratProtocol.h"

namespace sq {
namespace {

BaccaratHarness* g_harness = nullptr;

int KeepSavePoint(CComm&, const char* game, const void* record, std::uint32_t size) {
  EXPECT_STREQ(game, kBaccaratGameCode);
  EXPECT_EQ(size, kBaccaratServerRecordSize);
  BaccaratServerRecord seen;
  std::memcpy(&seen, record, sizeof(seen));
  if (g_harness != nullptr) g_harness->savePoints.push_back(seen);
  return 1;
}

}  // namespace

void QueueDeal(const SixCards& cards) { QueueDealOfIds(cards.data(), kCoupCards); }

BaccaratHarness::BaccaratHarness(double balance)
    : CServerHarness(balance), record(BaccaratServerShell::New(kBaccaratGameCode)) {
  g_harness = this;
  game::SetSavePointSender(KeepSavePoint);
}

BaccaratHarness::~BaccaratHarness() {
  BaccaratServerShell::Free(record);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
}

int BaccaratHarness::Frame() { return GameServerRun(*record, comm, userId); }

void BaccaratHarness::OpenSession(const SixCards& cards) {
  ExpectAnsweredOk("command=CLIENTINIT");
  QueueDeal(cards);
  ExpectAnsweredOk("command=BEGINPLAY");
}

std::string BaccaratHarness::Deal(const std::string& bets) {
  return Exchange("command=DEAL&BETS=" + bets);
}

}  // namespace sq
