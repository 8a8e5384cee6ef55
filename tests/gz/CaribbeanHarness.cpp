#include "tests/gz/CaribbeanHarness.h"

#include <gtest/gtest.h>

#include "framework/game/ServerFrame.h"
#include "gz/CaribbeanProtocol.h"

namespace gz {
namespace {

CaribbeanHarness* g_harness = nullptr;

int CountSavePoint(CComm&, const char* game, const void* record, std::uint32_t size) {
  EXPECT_STREQ(game, kCaribbeanGameCode);
  EXPECT_EQ(size, kCaribbeanServerRecordSize);
  EXPECT_EQ(static_cast<const CaribbeanServerRecord*>(record)->state, kServerSendBeginPlay);
  if (g_harness != nullptr) ++g_harness->savePoints;
  return 1;
}

}  // namespace

void QueueDeal(const TenCards& cards) { QueueDealOfIds(cards.data(), kDealtCards); }

CaribbeanHarness::CaribbeanHarness(double balance)
    : CServerHarness(balance), record(CaribbeanServerShell::New(kCaribbeanGameCode)) {
  g_harness = this;
  game::SetSavePointSender(CountSavePoint);
}

CaribbeanHarness::~CaribbeanHarness() {
  CaribbeanServerShell::Free(record);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
}

int CaribbeanHarness::Frame() { return GameServerRun(*record, comm, userId); }

void CaribbeanHarness::OpenSession(const TenCards& cards) {
  ExpectAnsweredOk("command=CLIENTINIT");
  QueueDeal(cards);
  ExpectAnsweredOk("command=BEGINPLAY");
}

std::string CaribbeanHarness::Ante(const std::string& ante) {
  return Exchange("command=FIRSTDEAL&ANTE=" + ante);
}

}  // namespace gz
