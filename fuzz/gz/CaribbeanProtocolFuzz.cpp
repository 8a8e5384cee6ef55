// The Caribbean Poker server fed any sequence of client packets (fuzz/game).
#include <cstdio>

#include "fuzz/game/ProtocolFuzz.h"
#include "gz/CaribbeanProgram.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanServer.h"

namespace {

using namespace gz;

const char* const kCommands[] = {kFirstDeal, kFirstDealAnswer, kPlayerBet, kPlayerBetAnswer, kPlayerSurrender,
                                 kPlayerSurrenderAnswer};
const char* const kTags[] = {kAnteTag, kMinBetTag, kMaxBetTag, kFirstCardsTag, kMoneyLeftTag, kSecondCardsTag};

// The smallest ante while the money covers three of them, else the quit.
const char* AntePacket(const CaribbeanServerRecord& r) {
  if (r.minAnte <= 0.0 || r.money / r.minAnte < 3.0) return "command=ENDPLAY";
  static char packet[64];
  std::snprintf(packet, sizeof packet, "command=FIRSTDEAL&ANTE=%f", r.minAnte);
  return packet;
}

const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const CaribbeanServerRecord*>(record);
  switch (r.state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitFirstDeal: return AntePacket(r);
    case kServerWaitCall: return "command=PLAYERBET";
    case kServerWaitEndPlay:
    case kServerWaitQuitEndPlay: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kCaribbeanTarget{
    &kCaribbeanGame, kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    ClientPacketFor, InState<CaribbeanServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kCaribbeanTarget, data, size);
}
