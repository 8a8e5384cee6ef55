// The Black Jack server fed any sequence of client packets (fuzz/game).
#include "fuzz/game/ProtocolFuzz.h"
#include "hx/BlackJackProgram.h"
#include "hx/BlackJackServer.h"

namespace {

using namespace hx;

const char* const kCommands[] = {kFirstDeal, kInsurance, kPlayerHit, kPlayerStand, kDouble, kSplit, kWantDealerCards};
const char* const kTags[] = {kBetTag,       kInsurance1Tag,    kInsuranceFlagTag, kPlayerCardTag, kDealerCardTag,
                             kNewHand1CardTag, kNewHand2CardTag, kBustTag,          "TYPE",         "VALUE"};

// A normal player: hits below 17 and the card a double owes, stands else.
const char* ActionPacket(const BlackJackServerRecord& r) {
  int first = 0, second = 0;
  HandTotals(r.current, &first, &second);
  if (r.splitAcesLock || r.doubleState == kDoubledCardTaken) return "command=PLAYERSTAND";
  if (r.doubleState == kDoubledCardOwed || first < 17) return "command=PLAYERHIT";
  return "command=PLAYERSTAND";
}

const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const BlackJackServerRecord*>(record);
  switch (r.state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitDealOrQuit: return "command=FIRSTDEAL&BET=10.000000";
    case kServerWaitInsurance: return "command=INSURANCE&INSURANCE1=&INSURANCEFLAG=no";
    case kServerWaitAction: return ActionPacket(r);
    case kServerWaitDealerCards: return "command=WANTDEALERCARDS";
    case kServerWaitEndPlay: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kBlackJackTarget{
    &kBlackJackGame, kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    ClientPacketFor, InState<BlackJackServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kBlackJackTarget, data, size);
}
