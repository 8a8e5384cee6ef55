// The Slot client fed any server answers (fuzz/game).
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "framework/shell/Buttons.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotProgram.h"
#include "jb/art/SlotSheet.h"

namespace {

using namespace jb;

const char* const kCommands[] = {"SPINANSWER", "CLIENTINITANSWER", "BEGINPLAYANSWER", "ENDPLAYANSWER",
                                 "CLIENTEXITANSWER"};
const char* const kTags[] = {"WINLIST", "MONEYAMOUNT", "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::SlotSheet()); }

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const SlotClientRecord*>(record);
  char list[64];
  switch (r.state) {
    case kWaitInit: return "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.000000";
    case kWaitBeginPlay: return "command=BEGINPLAYanswer&answer=ok&MONEYAMOUNT=1000.000000";
    case kWaitSpin: {
      // Stops that differ with the money, and a cherry's pay.
      const int stop = static_cast<int>(NormalMoney(r.money)) % kReelStops;
      std::snprintf(list, sizeof list, "%d,%d,%d,2.000000", stop, (stop + 5) % kReelStops, (stop + 9) % kReelStops);
      return std::string("command=SPINANSWER&answer=ok&WINLIST=") + list;
    }
    case kWaitEndPlay:
    case kWaitQuitEnd: return "command=ENDPLAYanswer&answer=ok";
    case kWaitExit: return "command=CLIENTEXITanswer&answer=ok";
    default: return "";
  }
}

// Puts $5 in when the credits are out, bets one coin and spins; leaves
// when no money is left. A spin asked for before any bet waits for one.
void PlayRound(void* record) {
  auto* r = static_cast<SlotClientRecord*>(record);
  if (r->state != kWaitSpinRequest || r->quitRequest) return;
  if (r->betCoins > 0) {
    if (!r->spinRequest) PlaybackPressButton(kButtonSpin, 1);
    return;
  }
  if (IsButtonEnabled(kButtonBetOne)) return PlaybackPressButton(kButtonBetOne, 1);
  if (IsButtonEnabled(kButtonInsert1 + 1)) return PlaybackPressButton(kButtonInsert1 + 1, 1);
  r->quitRequest = 1;
}

const ClientFuzzTarget kSlotTarget{
    &kSlotGame, kCommands, CountOf(kCommands),
    kTags,      CountOf(kTags),
    "games/slot", StageArtwork, ServerAnswerFor, InState<SlotClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kSlotTarget, argc, argv); }
