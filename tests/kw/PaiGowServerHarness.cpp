#include "tests/kw/PaiGowServerHarness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/game/ServerFrame.h"
#include "kw/Cards.h"
#include "tests/support/QueuedDraws.h"

namespace kw {
namespace {

PaiGowServerHarness* g_harness = nullptr;

int RecordSavePoint(CComm&, const char* game, const void* record, std::uint32_t size) {
  EXPECT_STREQ(game, kPaiGowGameCode);
  EXPECT_EQ(size, kPaiGowServerRecordSize);
  PaiGowServerRecord copy;
  std::memcpy(&copy, record, sizeof(copy));
  g_harness->savePoints.push_back(copy);
  return 1;
}

}  // namespace

void QueueDeal(const int ids[kDealtCards]) {
  std::vector<int> deck;
  for (int id = 0; id < kDeckWithJoker; ++id) deck.push_back(id);
  for (int i = 0; i < kDealtCards; ++i) {
    int at = 0;
    while (at < static_cast<int>(deck.size()) && deck[at] != ids[i]) ++at;
    ASSERT_LT(at, static_cast<int>(deck.size())) << "card " << ids[i] << " dealt twice";
    // Any draw with this rest modulo the cards left.
    QueueDraw(at + static_cast<int>(deck.size()) * 100);
    deck.erase(deck.begin() + at);
  }
}

PaiGowServerHarness::PaiGowServerHarness(double balance)
    : CServerHarness(balance), record(PaiGowServerShell::New(kPaiGowGameCode)) {
  g_harness = this;
  game::SetSavePointSender(RecordSavePoint);
}

PaiGowServerHarness::~PaiGowServerHarness() {
  PaiGowServerShell::Free(record);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
}

int PaiGowServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

void PaiGowServerHarness::OpenSession(const int ids[kDealtCards]) {
  ExpectAnsweredOk("command=CLIENTINIT");
  QueueDeal(ids);
  ExpectAnsweredOk("command=BEGINPLAY");
}

}  // namespace kw
