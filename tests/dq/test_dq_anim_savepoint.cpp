// The Craps server hands its round to the main client at BEGINPLAY: once a
// round, with the dice drawn, the BEGINPLAY released and its answer built
// but not sent, so a restore can send that answer from the saved state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dq/CrapsServer.h"
#include "framework/link/Db.h"
#include "framework/game/ServerFrame.h"
#include "tests/dq/ServerHarness.h"

namespace dq {
namespace {

struct SavePointSeen {
  CrapsServerRecord record;
  std::uint32_t size;
  std::string game;
  int sendAllocated;
  int recvAllocated;
  std::string unsent;
  std::size_t packetsSent;  // by the transport when the save point came
};

std::vector<SavePointSeen> gSeen;
CCaptureTransport* gTransport = nullptr;

int RecordSavePoint(CComm& serverEnd, const char* game, const void* record, std::uint32_t size) {
  SavePointSeen seen{};
  std::memcpy(&seen.record, record, size < sizeof seen.record ? size : sizeof seen.record);
  seen.size = size;
  seen.game = game;
  seen.sendAllocated = serverEnd.sendAllocated;
  seen.recvAllocated = serverEnd.recvAllocated;
  char* text = serverEnd.sendList.Encode();
  seen.unsent = text != nullptr ? text : "";
  std::free(text);
  seen.packetsSent = gTransport->sent.size();
  gSeen.push_back(seen);
  return 1;
}

TEST(CrapsSavePoint, ServerHandsEachRoundToTheMainClientAsItsAnswerWaits) {
  gSeen.clear();
  game::SetSavePointSender(RecordSavePoint);
  {
    ServerHarness server(1000);
    gTransport = server.transport;
    server.OpenSession(2, 5);
    ASSERT_EQ(gSeen.size(), 1u);
    const SavePointSeen& first = gSeen[0];
    EXPECT_EQ(first.game, kCrapsGameCode);
    EXPECT_EQ(first.size, kCrapsServerRecordSize);
    EXPECT_EQ(first.record.state, kServerSendBeginPlay);
    EXPECT_EQ(first.record.dice[0], 2);
    EXPECT_EQ(first.record.dice[1], 5);
    EXPECT_EQ(first.sendAllocated, kSendBuilding);
    EXPECT_NE(first.recvAllocated, kRecvWaiting);
    EXPECT_EQ(first.unsent, "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000");
    EXPECT_EQ(first.packetsSent, 1u);  // only CLIENTINITANSWER had gone out

    // No other packet of a round makes a save point; the next BEGINPLAY does.
    server.PlayRoll("0@10.00$#0000", 3, 3);
    ASSERT_EQ(gSeen.size(), 2u);
    EXPECT_EQ(gSeen[1].record.dice[0], 3);
    EXPECT_EQ(gSeen[1].record.point, 0);  // the come-out 7 set none
    // CLIENTINITANSWER, then BEGINPLAYANSWER, BETANSWER, BETDATA, ENDPLAYANSWER.
    EXPECT_EQ(gSeen[1].packetsSent, 5u);
  }
  gTransport = nullptr;
  game::SetSavePointSender(nullptr);
}

}  // namespace
}  // namespace dq
