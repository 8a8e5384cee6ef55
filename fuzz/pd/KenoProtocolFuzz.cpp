// The Keno server fed any sequence of client packets (fuzz/game).
#include "fuzz/game/ProtocolFuzz.h"
#include "pd/KenoProgram.h"
#include "pd/KenoServer.h"

namespace {

using namespace pd;

const char* const kCommands[] = {kShoot, kShootAnswer};
const char* const kTags[] = {kBetListTag, kWinListTag};

// A normal client stakes $1 on three numbers, or ends the game when the
// balance read at BEGINPLAY cannot pay it.
const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const KenoServerRecord*>(record);
  switch (r.state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitShootOrQuit:
      if (r.money < 1.0) return "command=ENDPLAY";
      return "command=SHOOT&BETLIST=3%2C1%2C7%2C21%2C64%2C0%2C0%2C0%2C0%2C0%2C0%2C0";
    case kServerWaitEndPlay: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kKenoTarget{
    &kKenoGame, kCommands, 2, kTags, 2, ClientPacketFor, InState<KenoServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kKenoTarget, data, size);
}
