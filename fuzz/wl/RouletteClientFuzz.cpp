// The Roulette client fed any server answers (fuzz/game).
#include <string>

#include "artwork/Generator.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteProgram.h"
#include "wl/RouletteProtocol.h"
#include "wl/RouletteTable.h"
#include "wl/art/RouletteSheet.h"

namespace {

using namespace wl;

const char* const kCommands[] = {"SPINANSWER", "CLIENTINITANSWER", "BEGINPLAYANSWER", "ENDPLAYANSWER",
                                 "CLIENTEXITANSWER"};
const char* const kTags[] = {kWinListTag, kMinTableTag, kMaxTableTag, kMinNrTag, kMaxNrTag,
                             kMinExternTag, kMaxExternTag, "MONEYAMOUNT", "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::RouletteSheet()); }

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const RouletteClientRecord*>(record);
  switch (r.state) {
    case kWaitInit:
      return "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.000000&MINTABLE=5&MAXTABLE=500&MINNR=1"
             "&MAXNR=100&MINEXTERN=5&MAXEXTERN=500";
    case kWaitBeginPlay: return "command=BEGINPLAYanswer&answer=ok&MONEYAMOUNT=" + std::to_string(r.money + r.totalBet);
    case kWaitSpin: return "command=SPINANSWER&answer=ok&WINLIST=" + std::to_string(static_cast<int>(NormalMoney(r.money)) % 38) + ",0,0";
    case kWaitEndPlay:
    case kWaitQuitEnd: return "command=ENDPLAYanswer&answer=ok";
    case kWaitExit: return "command=CLIENTEXITanswer&answer=ok";
    default: return "";
  }
}

// $5 on red each round, spun at once; any key after the result; leaves
// when the money runs out.
void PlayRound(void* record) {
  auto* r = static_cast<RouletteClientRecord*>(record);
  if (r->state == kWaitNext) gAnyKey = 1;
  if (r->state != kBetting || r->quitRequested || r->spinRequested) return;
  if (r->money < 5) {
    r->quitRequested = 1;
    return;
  }
  if (r->bets[kRedSlot] == 0) {
    r->bets[kRedSlot] = 5;
    r->money -= 5;
    r->totalBet += 5;
  }
  PostClientCommand(r, kSpinRequest);
}

const ClientFuzzTarget kRouletteTarget{
    &kRouletteGame, kCommands, CountOf(kCommands),
    kTags,          CountOf(kTags),
    "games/roulette", StageArtwork, ServerAnswerFor, InState<RouletteClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kRouletteTarget, argc, argv); }
