// The Baccarat server fed any sequence of client packets (fuzz/game).
#include "fuzz/game/ProtocolFuzz.h"
#include "sq/BaccaratProgram.h"
#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratServer.h"

namespace {

using namespace sq;

const char* const kCommands[] = {kDeal, kDealAnswer};
const char* const kTags[] = {kBetsTag, kCardsTag, kMoneyLeftTag, kMinBetTag, kMaxBetTag, kMaxTableTag};

const char* ClientPacketFor(const void* record) {
  switch (static_cast<const BaccaratServerRecord*>(record)->state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitDeal: return "command=DEAL&BETS=10,25,5";
    case kServerWaitEndPlay: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kBaccaratTarget{
    &kBaccaratGame,  kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    ClientPacketFor, InState<BaccaratServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kBaccaratTarget, data, size);
}
