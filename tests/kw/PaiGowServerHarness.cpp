#include "tests/kw/PaiGowServerHarness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
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

PaiGowServerHarness::PaiGowServerHarness(double balance) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  record = PaiGowServerShell::New(kPaiGowGameCode);
  dbSetBalance(userId, balance);
  ClearDraws();
  g_harness = this;
  game::SetServerRandomSource(DrawQueued);
  game::SetSavePointSender(RecordSavePoint);
}

PaiGowServerHarness::~PaiGowServerHarness() {
  PaiGowServerShell::Free(record);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(nullptr);
  g_harness = nullptr;
  EXPECT_TRUE(!DrawsLeft()) << "cards queued but never dealt";
}

int PaiGowServerHarness::Frame() { return GameServerRun(*record, comm, userId); }

std::string PaiGowServerHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  return transport->sent.size() == before ? std::string() : transport->LastText();
}

void PaiGowServerHarness::OpenSession(const int ids[kDealtCards]) {
  ASSERT_EQ(Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  QueueDeal(ids);
  ASSERT_EQ(Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
}

void PaiGowServerHarness::ExpectEndsWith(const std::string& packet, const std::string& answer) {
  EXPECT_EQ(Exchange(packet), answer);
  std::size_t sent = transport->sent.size();
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(transport->sent.size(), sent);
}

}  // namespace kw
