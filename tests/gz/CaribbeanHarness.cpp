#include "tests/gz/CaribbeanHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "gz/CaribbeanProtocol.h"
#include "tests/support/QueuedDraws.h"

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

void QueueDeal(const TenCards& cards) {
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

CaribbeanHarness::CaribbeanHarness(double balance) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = CaribbeanServerShell::New(kCaribbeanGameCode);
  dbSetBalance(userId, balance);
  ClearDraws();
  g_harness = this;
  game::SetServerRandomSource(DrawQueued);
  game::SetSavePointSender(CountSavePoint);
}

CaribbeanHarness::~CaribbeanHarness() {
  CaribbeanServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
  EXPECT_TRUE(!DrawsLeft()) << "cards queued but never dealt";
}

int CaribbeanHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string CaribbeanHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  const std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  return transport->sent.size() == before ? std::string() : transport->LastText();
}

void CaribbeanHarness::OpenSession(const TenCards& cards) {
  ASSERT_EQ(Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  QueueDeal(cards);
  ASSERT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
}

std::string CaribbeanHarness::Ante(const std::string& ante) {
  return Exchange("command=FIRSTDEAL&ANTE=" + ante);
}

}  // namespace gz
