#include "tests/sq/BaccaratHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "sq/BaccaratProtocol.h"
#include "tests/support/QueuedDraws.h"

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

void QueueDeal(const SixCards& cards) {
  std::vector<int> deck;
  for (int id = 0; id < 52; ++id) deck.push_back(id);
  for (int card : cards) {
    const auto at = std::find(deck.begin(), deck.end(), card);
    ASSERT_NE(at, deck.end()) << "card " << card << " dealt twice";
    // Any draw with this rest: a large one checks the server takes the rest.
    const int left = static_cast<int>(deck.size());
    QueueDraw(static_cast<int>(at - deck.begin()) + left * ((32767 - left) / left));
    deck.erase(at);
  }
}

double Balance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

BaccaratHarness::BaccaratHarness(double balance) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = BaccaratServerShell::New(kBaccaratGameCode);
  dbSetBalance(userId, balance);
  ClearDraws();
  g_harness = this;
  game::SetServerRandomSource(DrawQueued);
  game::SetSavePointSender(KeepSavePoint);
}

BaccaratHarness::~BaccaratHarness() {
  BaccaratServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
  EXPECT_TRUE(!DrawsLeft()) << "cards queued but never dealt";
}

int BaccaratHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string BaccaratHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  const std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  return transport->sent.size() == before ? std::string() : transport->LastText();
}

void BaccaratHarness::OpenSession(const SixCards& cards) {
  ASSERT_EQ(Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  QueueDeal(cards);
  ASSERT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
}

std::string BaccaratHarness::Deal(const std::string& bets) {
  return Exchange("command=DEAL&BETS=" + bets);
}

void BaccaratHarness::ExpectEndsWith(const std::string& packet, const std::string& answer) {
  EXPECT_EQ(Exchange(packet), answer);
  const std::size_t sent = transport->sent.size();
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(transport->sent.size(), sent);
}

}  // namespace sq
