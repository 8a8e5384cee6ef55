// The Roulette server fed any sequence of client packets (fuzz/game).
#include "framework/game/SpinServer.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "wl/RouletteProgram.h"
#include "wl/RouletteServer.h"

namespace {

using namespace wl;

const char* const kCommands[] = {game::kSpin, game::kSpinAnswer};
const char* const kTags[] = {kBetListTag, kWinListTag, kMinTableTag, kMaxTableTag, kMinNrTag,
                             kMaxNrTag, kMinExternTag, kMaxExternTag};

// A normal client stakes $6 a spin while its balance allows, then leaves.
const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const RouletteServerRecord*>(record);
  switch (r.state) {
    case game::kSpinWaitClientInit: return "command=CLIENTINIT";
    case game::kSpinWaitBeginPlay: return "command=BEGINPLAY";
    case game::kSpinWaitSpinOrQuit:
      return r.money >= 6 ? "command=SPIN&BETLIST=72,1,178,5,0,0" : "command=ENDPLAY";
    case game::kSpinWaitEndPlay: return "command=ENDPLAY";
    case game::kSpinWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kRouletteTarget{
    &kRouletteGame,  kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    ClientPacketFor, InState<RouletteServerRecord, game::kSpinWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kRouletteTarget, data, size);
}
