// The Craps server fed any sequence of client packets (fuzz/game).
#include <cstdio>
#include <cstring>

#include "dq/BetWire.h"
#include "dq/CrapsProgram.h"
#include "dq/CrapsServer.h"
#include "fuzz/game/ProtocolFuzz.h"

namespace {

using namespace dq;

const char* const kCommands[] = {kRollDice, kBetAnswer, kSendResult, kBetData};
const char* const kTags[] = {kBetTag, kResultTag, "MINBET", "MAXBET", "MAXODDS", "MAXTABLE", "MINBETPROP"};

// The bets a normal client leaves standing after the last roll: the line
// bet and the come points it may not take down, the come bet moved to its
// number.
const char* RollPacket(const CrapsServerRecord& r) {
  float bets[kCrapsBetSlots] = {};
  const int total = r.previousDice[0] + r.previousDice[1];
  if (r.comeOut == 0 && r.results[kPassline] == kResultStays) bets[kPassline] = r.previousBets[kPassline];
  for (int i = 0; i < 6; ++i) {
    const int kind = kComePoint4 + i;
    if (r.previousBets[kComeBet] != 0 && total == kBoxNumbers[i]) {
      bets[kind] = r.previousBets[kComeBet];
    } else if (r.previousBets[kind] != 0 && total != kBoxNumbers[i] && total != 7) {
      bets[kind] = r.previousBets[kind];
    }
  }
  static char packet[kBetListTextSize + 32];
  char list[kBetListTextSize];
  EncodeBetList(bets, CrapsWorkingFlags{}, list, sizeof list);
  std::snprintf(packet, sizeof packet, "command=ROLLDICE&BET=%s", list);
  return packet;
}

const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const CrapsServerRecord*>(record);
  switch (r.state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitRollOrQuit: return RollPacket(r);
    case kServerWaitSendResult: return "command=SENDRESULT&RESULT=";
    case kServerWaitEndPlay: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kCrapsTarget{
    &kCrapsGame, kCommands, CountOf(kCommands),
    kTags,       CountOf(kTags),
    ClientPacketFor, InState<CrapsServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kCrapsTarget, data, size);
}
