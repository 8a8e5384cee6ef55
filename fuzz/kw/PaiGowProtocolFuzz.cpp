// The Pai Gow Poker server fed any sequence of client packets (fuzz/game).
#include <cstdio>

#include "fuzz/game/ProtocolFuzz.h"
#include "kw/PaiGowProgram.h"
#include "kw/PaiGowProtocol.h"
#include "kw/PaiGowServer.h"
#include "kw/PaiGowServerRecord.h"

namespace {

using namespace kw;

const char* const kCommands[] = {kFirstDeal, kFirstDealAnswer, kPlayerDone, kPlayerDoneAnswer, kAnswerCardFail,
                                 kAnswerError};
const char* const kTags[] = {kMinBetTag, kMaxBetTag, kBetTag, kFirstCardsTag, kMoneyLeftTag, kSecondCardsTag,
                             kDealerCardsTag};

// The smallest bet while the money covers it, else the quit.
const char* BetPacket(const PaiGowServerRecord& r) {
  if (r.minBet <= 0.0 || r.money < r.minBet) return "command=ENDPLAY";
  static char packet[64];
  std::snprintf(packet, sizeof packet, "command=FIRSTDEAL&BET=%f", r.minBet);
  return packet;
}

// The split is always the last two cards: an illegal one loses the bet, which
// a normal client may do too.
const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const PaiGowServerRecord*>(record);
  switch (r.state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitDealOrQuit: return BetPacket(r);
    case kServerWaitPlayerDone: return "command=PLAYERDONE&SECONDCARDS=6,7";
    case kServerWaitEndPlay:
    case kServerWaitEndPlayQuit: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kPaiGowTarget{
    &kPaiGowGame,    kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    ClientPacketFor, InState<PaiGowServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kPaiGowTarget, data, size);
}
