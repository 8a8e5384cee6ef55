// The one-draw-a-round machine over a toy game whose play is DRAW: what
// the game's hooks see and when, the leave before any play, a restored
// record waiting in state 9, and the failure end.
#include <gtest/gtest.h>

#include <string>

#include "framework/game/SpinServer.h"
#include "framework/link/Db.h"
#include "tests/support/CaptureTransport.h"

namespace game {
namespace {

struct ToyRecord {
  int state;
  double limit;
  double balance;
  int rounds;
  int plays;
  int removed;
};

void KeepLimit(ToyRecord& r, const double* values) { r.limit = values[0]; }
void Begin(ToyRecord& r, CComm&, double balance) {
  r.balance = balance;
  ++r.rounds;
}
// A play of "DRAW&OK=1" is answered "ok", any other "fail".
int Play(ToyRecord& r, CComm& comm, int) {
  ++r.plays;
  const bool ok = ServerTagValue(comm, "OK") != nullptr;
  comm.ReleaseReceived();
  if (!ok) {
    AnswerFailure(comm, "DRAWANSWER", kAnswerFail, "no OK");
    return kSpinSendFailure;
  }
  AnswerOk(comm, "DRAWANSWER");
  return kSpinSendSpin;
}
void Remove(ToyRecord& r, int) { ++r.removed; }

const ServerLimitTag kLimit[] = {{"MINBET", "minBetCraps"}};
constexpr SpinGame<ToyRecord> kToy{"DRAW", "Expected DRAW/ENDPLAY command at this point", kLimit,
                                   1, kNoExtraDbError, KeepLimit, Begin, Play, Remove};

class SpinServer : public ::testing::Test {
 protected:
  SpinServer() : transport(new CCaptureTransport) {
    comm.Init("serverout.log", "serverin.log");
    comm.SetTransport(transport);
    dbSetBalance(1, 77);
  }
  int Frame() { return SpinServerRun(kToy, r, comm, 1); }
  std::string Exchange(const std::string& packet) {
    EXPECT_EQ(comm.OnDataReceived(packet.c_str(), packet.size() + 1), 1) << packet;
    const std::size_t before = transport->sent.size();
    for (int frame = 0; frame < 10 && transport->sent.size() == before; ++frame) Frame();
    return transport->sent.size() == before ? std::string() : transport->LastText();
  }

  CComm comm;
  CCaptureTransport* transport;
  ToyRecord r{};
};

TEST_F(SpinServer, RoundsOfBeginPlayPlayAndEndPlayThenTheLeave) {
  EXPECT_EQ(Exchange("command=CLIENTINIT")
                .rfind("command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=77.000000&MINBET=", 0),
            0u);
  EXPECT_GT(r.limit, 0);
  for (int round = 1; round <= 2; ++round) {
    EXPECT_EQ(Exchange("command=BEGINPLAY"),
              "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=77.000000");
    EXPECT_EQ(r.rounds, round);
    EXPECT_EQ(Exchange("command=DRAW&OK=1"), "command=DRAWANSWER&answer=ok");
    EXPECT_EQ(Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  }
  EXPECT_EQ(Exchange("command=BEGINPLAY").rfind("command=BEGINPLAYANSWER&answer=ok", 0), 0u);
  EXPECT_EQ(Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(r.state, kSpinWaitClientExit);
  EXPECT_EQ(Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  EXPECT_EQ(Frame(), -1);
  EXPECT_EQ(Frame(), -1);
  EXPECT_EQ(r.plays, 2);
  EXPECT_EQ(r.removed, 0);
}

TEST_F(SpinServer, ARecordWaitingInStateNineEndsTheRoundAndLeaves) {
  r.state = kSpinWaitEndPlayQuit;
  EXPECT_EQ(Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(r.state, kSpinWaitClientExit);
}

TEST_F(SpinServer, AFailedPlayEndsAfterItsAnswerWentOut) {
  Exchange("command=CLIENTINIT");
  Exchange("command=BEGINPLAY");
  transport->accept = 0;
  ASSERT_EQ(comm.OnDataReceived("command=DRAW", 13), 1);
  EXPECT_EQ(Frame(), 0);
  EXPECT_EQ(Frame(), 0);
  EXPECT_EQ(r.removed, 0);  // not before the answer is out
  transport->accept = 1;
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(transport->LastText(), "command=DRAWANSWER&answer=fail&errormsg=no+OK");
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(r.removed, 1);
  EXPECT_EQ(r.plays, 1);
}

TEST_F(SpinServer, AnotherCommandThanThePlayOrEndPlay) {
  Exchange("command=CLIENTINIT");
  Exchange("command=BEGINPLAY");
  EXPECT_EQ(Exchange("command=SPIN"),
            "command=SPINanswer&answer=fail&errormsg=Expected+DRAW/ENDPLAY+command+at+this+point");
  EXPECT_EQ(Frame(), -2);
  EXPECT_EQ(r.plays, 0);
  EXPECT_EQ(r.removed, 1);
}

}  // namespace
}  // namespace game
