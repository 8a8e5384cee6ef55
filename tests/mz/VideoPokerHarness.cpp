#include "tests/mz/VideoPokerHarness.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/KeyValueList.h"
#include "mz/VideoPokerProtocol.h"
#include "tests/support/StackedDeck.h"

namespace mz {
namespace {

VideoPokerHarness* g_harness = nullptr;

int RecordSavePoint(CComm&, const char* game, const void* record, std::uint32_t size) {
  EXPECT_STREQ(game, kVideoPokerGameCode);
  EXPECT_EQ(size, kVideoPokerServerRecordSize);
  VideoPokerServerRecord seen{};
  std::memcpy(&seen, record, sizeof(seen));
  g_harness->savePoints.push_back(seen);
  return 1;
}

void RecordMove(int, double amount) { g_harness->moves.push_back(amount); }

}  // namespace

std::string TagOf(const std::string& packet, const char* tag) {
  CKeyValueList list;
  list.Decode(packet.c_str());
  const char* value = list.GetValue(tag);
  return value != nullptr ? value : "<none>";
}

std::string FirstDeal(const std::string& coins, const std::string& coinValue) {
  return "command=FIRSTDEAL&BET=" + coins + "&COINVALUE=" + coinValue;
}

std::string FinalDeal(const char* holds) {
  std::string packet = "command=FINALDEAL";
  for (int i = 0; i < kHandCards; ++i) {
    packet += std::string("&") + kHoldTags[i] + (holds[i] == '1' ? "=yes" : "=no");
  }
  return packet;
}

VideoPokerHarness::VideoPokerHarness(double balance)
    : CServerHarness(balance), record(VideoPokerServerShell::New(kVideoPokerGameCode)) {
  g_harness = this;
  game::SetSavePointSender(RecordSavePoint);
  SetDbMoneyObserver(RecordMove);
}

VideoPokerHarness::~VideoPokerHarness() {
  VideoPokerServerShell::Free(record);
  game::SetSavePointSender(nullptr);
  SetDbMoneyObserver(nullptr);
  g_harness = nullptr;
}

int VideoPokerHarness::Frame() { return GameServerRun(*record, comm, userId); }

void VideoPokerHarness::Open(const std::string& cards) {
  ASSERT_EQ(TagOf(Exchange("command=CLIENTINIT"), "answer"), "ok");
  NextHand(cards);
}

void VideoPokerHarness::NextHand(const std::string& cards) {
  hx::QueueDeck(cards);
  ASSERT_EQ(Exchange("command=BEGINPLAY"), "command=BEGINPLAYANSWER&answer=ok");
}

void VideoPokerHarness::ExpectEndsWith(const std::string& packet, const char* answerName,
                                       const std::string& error) {
  const std::string answer = Exchange(packet);
  EXPECT_EQ(TagOf(answer, "command"), answerName) << answer;
  EXPECT_EQ(TagOf(answer, "answer"), "fail") << answer;
  EXPECT_EQ(TagOf(answer, "errormsg"), error) << answer;
  ExpectEnded();
}

}  // namespace mz
