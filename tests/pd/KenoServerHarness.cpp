#include "tests/pd/KenoServerHarness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/game/ServerFrame.h"
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

KenoServerHarness::KenoServerHarness(double balance, int queuedDraws)
    : CServerHarness(balance), record(KenoServerShell::New(kKenoGameCode)) {
  g_harness = this;
  if (!queuedDraws) game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(RecordSavePoint);
}

KenoServerHarness::~KenoServerHarness() {
  KenoServerShell::Free(record);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
}

int KenoServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

void KenoServerHarness::OpenSession() {
  ExpectAnsweredOk("command=CLIENTINIT");
  ExpectAnsweredOk("command=BEGINPLAY");
}

}  // namespace pd
