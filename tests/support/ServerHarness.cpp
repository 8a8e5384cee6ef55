#include "tests/support/ServerHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "tests/support/QueuedDraws.h"

CServerHarness::CServerHarness(double balance) : transport(new CCaptureTransport) {
  comm.Init("serverout.log", "serverin.log");
  comm.SetTransport(transport);
  dbSetBalance(userId, balance);
  ClearDraws();
  game::SetServerRandomSource(DrawQueued);
}

CServerHarness::~CServerHarness() {
  game::SetServerRandomSource(nullptr);
  EXPECT_TRUE(!DrawsLeft()) << "draws queued but never taken";
}

std::string CServerHarness::Exchange(const std::string& packet) {
  EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
  const std::size_t before = transport->sent.size();
  for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
  if (transport->sent.size() == before) return std::string();
  EXPECT_EQ(transport->sent.back().size(), transport->LastText().size() + 1);  // one zero byte, at the end
  return transport->LastText();
}

void CServerHarness::ExpectAnsweredOk(const std::string& packet) {
  const std::string answer = packet.substr(0, packet.find('&')) + "ANSWER&answer=ok";
  EXPECT_EQ(Exchange(packet).substr(0, answer.size()), answer) << packet;
}

void CServerHarness::ExpectEndsWith(const std::string& packet, const std::string& answer) {
  EXPECT_EQ(Exchange(packet), answer);
  ExpectEnded();
}

void CServerHarness::ExpectEnded() {
  const std::size_t sent = transport->sent.size();
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(transport->sent.size(), sent);
}

void QueueDealOfIds(const std::int32_t* ids, int count) {
  std::vector<int> deck;
  for (int id = 0; id < 52; ++id) deck.push_back(id);
  for (int i = 0; i < count; ++i) {
    const auto at = std::find(deck.begin(), deck.end(), ids[i]);
    ASSERT_NE(at, deck.end()) << "card " << ids[i] << " dealt twice";
    // Any draw with this rest: a large one checks the server takes the rest.
    const int left = static_cast<int>(deck.size());
    QueueDraw(static_cast<int>(at - deck.begin()) + left * ((32767 - left) / left));
    deck.erase(at);
  }
}

double AccountBalance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}
