// The Video Poker server fed any sequence of client packets (fuzz/game).
#include "fuzz/game/ProtocolFuzz.h"
#include "mz/VideoPokerProgram.h"
#include "mz/VideoPokerProtocol.h"
#include "mz/VideoPokerServer.h"

namespace {

using namespace mz;

const char* const kCommands[] = {kFirstDeal, kFirstDealAnswer, kFinalDeal, kFinalDealAnswer};
const char* const kTags[] = {kBetTag,   kCoinValueTag, kWonNrTag, kMoneyWonTag, kMoneyLeftTag,
                             "CARD1",   "HOLD1",       "HOLD2",   "HOLD3",      "HOLD4",
                             "HOLD5",   "TYPE",        "VALUE"};

// A normal client bets a quarter while the machine's balance holds one,
// keeps the first two cards, and leaves when it cannot bet.
const char* ClientPacketFor(const void* record) {
  const auto& r = *static_cast<const VideoPokerServerRecord*>(record);
  switch (r.state) {
    case kServerWaitClientInit: return "command=CLIENTINIT";
    case kServerWaitBeginPlay: return "command=BEGINPLAY";
    case kServerWaitDealOrQuit:
      return r.money >= 0.25 ? "command=FIRSTDEAL&BET=1&COINVALUE=0.25" : "command=ENDPLAY";
    case kServerWaitFinalDeal: return "command=FINALDEAL&HOLD1=yes&HOLD2=yes&HOLD3=no&HOLD4=no&HOLD5=no";
    case kServerWaitEndPlay: return "command=ENDPLAY";
    case kServerWaitClientExit: return "command=CLIENTEXIT";
    default: return nullptr;
  }
}

const ProtocolFuzzTarget kVideoPokerTarget{
    &kVideoPokerGame, kCommands, CountOf(kCommands),
    kTags,            CountOf(kTags),
    ClientPacketFor, InState<VideoPokerServerRecord, kServerWaitBeginPlay>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzGameServer(kVideoPokerTarget, data, size);
}
