// A round killed after its save point and restored draws what the killed
// round drew, even when the server draws after the save point: a toy server
// deals a card at DRAW, after BEGINPLAY, and the stand-in main client's
// recorder keeps what the save point sent.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/game/ServerShell.h"
#include "framework/link/Db.h"
#include "framework/link/SavePoint.h"
#include "framework/link/ServerRandom.h"
#include "framework/link/Restore.h"
#include "mainclient/SavedGameRecorder.h"
#include "platform/include/plat/headless.h"
#include "tests/framework/link/TempDir.h"

namespace game {
namespace {

constexpr char kToyCode[] = "TY";

struct ToyRecord {
  char gameCode[16];
  std::int32_t state;
  std::int32_t card;
};

int IsToyRecord(const ToyRecord& r) { return r.state >= 0 && r.state < 6; }
using ToyShell = CServerShell<ToyRecord, 0, IsToyRecord>;

CSavedGameRecorder gRecorder;

// Hands every packet the server sends to the recorder, as the main client
// sees it while relaying.
class RelayTransport : public CTransport {
 public:
  int SendData(const char* text, std::size_t) override {
    gRecorder.OnServerPacket(text);
    last = text;
    return 1;
  }
  int HandBack() override { return 1; }
  void Poll() override {}
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}
  std::string last;
};

// The save point as the main client receives it.
int RecordSavePoint(CComm& serverEnd, const char* gameName, const void* record, std::uint32_t size) {
  const int words[4] = {serverEnd.recvJustInit, serverEnd.sendAllocated, serverEnd.recvAllocated,
                        serverEnd.wantToSleep};
  char* unsent = serverEnd.sendList.Encode();
  const std::vector<std::uint8_t> payload =
      EncodeSavePoint(gameName, words, unsent, nullptr, record, size, ServerRandomState());
  std::free(unsent);
  SavePoint point;
  if (!DecodeSavePoint(payload.data(), payload.size(), &point)) return 0;
  return gRecorder.OnSavePoint(point);
}

// CLIENTINIT, then rounds of BEGINPLAY (the save point) and DRAW (a card
// drawn after it).
int ToyServerRun(ToyRecord& r, CComm& comm, int) {
  switch (r.state) {
    case 0:
    case 2:
    case 4: {
      if (!ServerCanAnswer(comm)) return 0;
      const char* wanted = r.state == 0 ? kClientInit : r.state == 2 ? kBeginPlay : "DRAW";
      if (!ServerGotCommand(comm, wanted)) return -2;
      if (r.state == 4) {
        r.card = ServerRandomNumber() % 52;
        AnswerOk(comm, "DRAWANSWER");
        char text[16];
        std::snprintf(text, sizeof text, "%d", r.card);
        AddTextTag(comm, "CARD", text);
        comm.ReleaseReceived();
      } else {
        AnswerDone(comm, r.state == 0 ? kClientInitAnswer : kBeginPlayAnswer);
      }
      const bool savePoint = r.state == 2;
      r.state += 1;
      if (savePoint) SendServerSavePoint(comm, r.gameCode, &r, sizeof r);
      return 0;
    }
    case 1: ServerSendAnswer(comm, &r.state, 2); return 0;
    case 3: ServerSendAnswer(comm, &r.state, 4); return 0;
    case 5: ServerSendAnswer(comm, &r.state, 2); return 0;
    default: return -2;
  }
}

struct ToyServer {
  ToyServer() : transport(new RelayTransport), record(ToyShell::New(kToyCode)) {
    comm.Init("serverout.log", "serverin.log");
    comm.SetTransport(transport);
  }
  ~ToyServer() { ToyShell::Free(record); }

  std::string Exchange(const char* packet) {
    EXPECT_EQ(comm.OnDataReceived(packet, std::strlen(packet) + 1), 1) << packet;
    return Send();
  }
  std::string Send() {
    transport->last.clear();
    for (int frame = 0; frame < 5 && transport->last.empty(); ++frame) ToyServerRun(*record, comm, 1);
    return transport->last;
  }

  CComm comm;
  RelayTransport* transport;
  ToyRecord* record;
};

class ServerRandomRestore : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    plat::headless::ClearMessageBoxes();
    SetSavePointSender(RecordSavePoint);
    gRecorder.Start(kDbFileName);
  }
  void TearDown() override {
    SetSavePointSender(nullptr);
    ResetPlaybackObjects();
    TempDirTest::TearDown();
  }
};

TEST_F(ServerRandomRestore, ACardDrawnAfterTheSavePointIsDrawnAgainAfterARestore) {
  const std::uint32_t seed = static_cast<std::uint32_t>(::testing::UnitTest::GetInstance()->random_seed());
  std::printf("seed %u\n", seed);
  SeedServerRandom(seed);
  std::string dealt;
  {
    ToyServer killed;
    killed.Exchange("command=CLIENTINIT");
    killed.Exchange("command=BEGINPLAY");
    ASSERT_EQ(gRecorder.Recording(), 1);
    dealt = killed.Exchange("command=DRAW");
    ASSERT_EQ(dealt.rfind("command=DRAWANSWER&answer=ok&CARD=", 0), 0u) << dealt;
  }
  // The program dies; the next run seeds its stream anew.
  SeedServerRandom(seed ^ 0x5a5a5a5au);
  ToyServer restored;
  CComm clientEnd;
  clientEnd.Init("clientout.log", "clientin.log");
  InstallPlaybackHooks(restored.comm, clientEnd,
                       {kToyCode, ToyShell::Load, nullptr});
  ASSERT_EQ(GameServerLoadPart2(restored.record, restored.comm, kSavedGameUser, kToyCode), 0);
  EXPECT_EQ(restored.record->state, 3);
  EXPECT_EQ(restored.Send(), "command=BEGINPLAYANSWER&answer=ok");
  EXPECT_EQ(restored.Exchange("command=DRAW"), dealt);
}

}  // namespace
}  // namespace game
