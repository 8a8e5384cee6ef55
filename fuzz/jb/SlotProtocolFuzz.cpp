// The Slot server fed any sequence of client packets (fuzz/game).
#include "framework/game/SpinServer.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "jb/SlotProgram.h"
#include "jb/SlotServer.h"

namespace {

using namespace jb;

const char* const kCommands[] = {game::kSpin, game::kSpinAnswer};
const char* const kTags[] = {kBetTag, kWinListTag};

// A normal client plays 3 coins at $1 while its balance allows, then leaves.
const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const SlotServerRecord*>(record);
  switch (r.state) {
    case game::kSpinWaitClientInit: return "command=CLIENTINIT";
    case game::kSpinWaitBeginPlay: return "command=BEGINPLAY";
    case game::kSpinWaitSpinOrQuit:
      return r.balance >= 3 ? "command=SPIN&BET=3.000000,1.000000" : "command=ENDPLAY";
    case game::kSpinWaitEndPlay: return "command=ENDPLAY";
    case game::kSpinWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kSlotTarget{
    &kSlotGame,      kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    ClientPacketFor, InState<SlotServerRecord, game::kSpinWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kSlotTarget, data, size);
}
