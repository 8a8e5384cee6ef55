// The server end: frames of fuzzed client packets, packets of a normal
// client, a refusing transport and the last save point put back, then a
// normal round.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"
#include "fuzz/game/FuzzLink.h"
#include "fuzz/game/FuzzPacket.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "platform/include/plat/headless.h"

namespace {

constexpr int kUser = 1;
constexpr int kFinishFrames = 400;
const double kStartBalances[] = {3000.0, 0.0, 4.99, 5.0, 1000.37, 1e9};

// The server's state as its last save point left it.
struct SavedServer {
  bool taken = false;
  std::vector<unsigned char> record;
  int words[4] = {};
  std::string sendText, recvText;
  std::uint32_t random = 0;
};
// The running input's own: an input that ended holding blocks would be run
// again by libFuzzer with a leak scan of the whole heap.
SavedServer* gSaved = nullptr;

std::string ListText(const CKeyValueList& list) {
  char* text = list.Encode();
  std::string out = text ? text : "";
  std::free(text);
  return out;
}

int TakeSavePoint(CComm& comm, const char*, const void* record, std::uint32_t size) {
  gSaved->taken = true;
  gSaved->record.assign(static_cast<const unsigned char*>(record),
                        static_cast<const unsigned char*>(record) + size);
  gSaved->words[0] = comm.recvJustInit;
  gSaved->words[1] = comm.sendAllocated;
  gSaved->words[2] = comm.recvAllocated;
  gSaved->words[3] = comm.wantToSleep;
  gSaved->sendText = comm.sendAllocated == kSendBuilding ? ListText(comm.sendList) : "";
  gSaved->recvText = comm.recvAllocated == kRecvWaiting ? ListText(comm.recvList) : "";
  gSaved->random = ServerRandomState();
  return 1;
}

// What a restore puts back at the end of its playback: link state, record
// and random stream as the save point left them.
void PutBackSavePoint(CComm& comm, void* record) {
  if (!gSaved->taken) return;
  std::memcpy(record, gSaved->record.data(), gSaved->record.size());
  comm.SetState(gSaved->words[0], gSaved->words[1], gSaved->words[2], gSaved->words[3]);
  comm.current = nullptr;
  comm.cursor = nullptr;
  comm.sendList.Clear();
  if (gSaved->words[1] == kSendBuilding) comm.sendList.Decode(gSaved->sendText.c_str());
  comm.recvList.Clear();
  if (gSaved->words[2] == kRecvWaiting) comm.recvList.Decode(gSaved->recvText.c_str());
  SetServerRandomState(gSaved->random);
}

class CServerRun {
 public:
  CServerRun(const ProtocolFuzzTarget& t, CFuzzTransport* transport)
      : target(t), game(*t.game), transport(transport) {}

  // One frame of the server and the checks after it.
  void Step() {
    const int result = game.GameServerRun(record, comm, kUser);
    CheckResult(result, &ended);
    CheckLedger();
    if (result == -2) {
      bool found = false;
      if (PacketTag(transport->last, "errormsg", &found).empty() ||
          PacketTag(transport->last, "answer") == "ok") {
        FuzzFault("the server failed without a failure answer and an error text");
      }
    }
  }

  // Idle in a waiting state: nothing received, nothing to send.
  bool Waiting() {
    return comm.recvAllocated == kRecvEmpty && comm.sendAllocated == kSendFree &&
           target.ClientPacketFor(record) != nullptr;
  }

  void Deliver(const std::string& text) { comm.OnDataReceived(text.c_str(), text.size() + 1); }

  // A normal client from here: the machine must get through a whole round
  // (back at the round's start after leaving it) or leave normally.
  void FinishRound() {
    if (ended) return;
    transport->accept = 1;
    double balance = 0;
    dbGetBalance(kUser, &balance);
    if (balance < 10000) StartLedger(10000);  // a new player record from the main client
    // What the fuzz left (a packet still waiting, an answer not yet sent)
    // runs out first; ending on it is the fuzz's doing.
    for (int i = 0; i < 16 && !ended && !Waiting(); ++i) Step();
    if (ended) return;
    int arrivals = target.ServerAtRoundStart(record) ? 1 : 0;
    bool away = false;
    for (int frame = 0; frame < kFinishFrames; ++frame) {
      if (comm.recvAllocated == kRecvEmpty && comm.sendAllocated == kSendFree) {
        if (const char* packet = target.ClientPacketFor(record)) Deliver(packet);
      }
      Step();
      if (ended == -1) return;
      if (ended == -2) {
        std::fprintf(stderr, "last answer: %s\n", transport->last.c_str());
        FuzzFault("the server failed a normal round");
      }
      const bool atStart = target.ServerAtRoundStart(record) != 0;
      if (atStart && away) ++arrivals;
      away = !atStart;
      if (arrivals >= 2) return;
    }
    FuzzFault("the server did not finish a normal round");
  }

  const ProtocolFuzzTarget& target;
  const GameDefinition& game;
  CComm comm;
  CComm clientEnd;  // the playback hooks want both ends
  CFuzzTransport* transport;
  void* record = nullptr;
  int ended = 0;
};

}  // namespace

int FuzzGameServer(const ProtocolFuzzTarget& target, const std::uint8_t* data, std::size_t size) {
  CFuzzReader in(data, size);
  const FuzzVocabulary words{target.commands, target.commandCount, target.tags, target.tagCount};
  auto* transport = new CFuzzTransport;
  CServerRun run(target, transport);
  run.comm.Init("serverout.log", "serverin.log");
  run.comm.SetTransport(transport);
  run.clientEnd.Init("clientout.log", "clientin.log");
  ResetPlaybackObjects();
  InstallPlaybackHooks(run.comm, run.clientEnd,
                       GameServerHooks{target.game->code, target.game->GameServerLoad,
                                       target.game->GameServerOnRemove});
  SavedServer saved;
  gSaved = &saved;
  game::SetSavePointSender(TakeSavePoint);
  game::SetServerRandomSource(nullptr);
  SeedServerRandom(in.Byte() | in.Byte() << 8);
  StartLedger(kStartBalances[in.Byte() % (sizeof kStartBalances / sizeof kStartBalances[0])]);
  run.record = target.game->ServerInit(target.game->code);

  while (!in.Empty() && !run.ended) {
    switch (in.Byte() % 8) {
      case 0:
      case 1: run.Step(); break;
      case 2: run.Deliver(BuildFuzzPacket(in, words)); run.Step(); break;
      case 3:
      case 4:
        if (run.comm.recvAllocated == kRecvEmpty) {
          if (const char* packet = target.ClientPacketFor(run.record)) run.Deliver(packet);
        }
        run.Step();
        break;
      case 5: transport->accept = !transport->accept; break;
      case 6: PutBackSavePoint(run.comm, run.record); run.Step(); break;
      default: run.Deliver("command=heartbeat"); run.Step(); break;
    }
  }
  run.FinishRound();

  target.game->ServerFree(run.record);
  StopLedger();
  game::SetSavePointSender(nullptr);
  gSaved = nullptr;
  ResetPlaybackObjects();
  plat::headless::ClearMessageBoxes();
  return 0;
}
