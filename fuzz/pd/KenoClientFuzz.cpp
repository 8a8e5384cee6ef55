// The Keno client fed any server answers (fuzz/game).
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "framework/shell/Buttons.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoOptions.h"
#include "pd/KenoProgram.h"
#include "pd/KenoServer.h"
#include "pd/art/KenoSheet.h"

namespace {

using namespace pd;

const char* const kCommands[] = {"SHOOTANSWER", "CLIENTINITANSWER", "BEGINPLAYANSWER", "ENDPLAYANSWER",
                                 "CLIENTEXITANSWER"};
const char* const kTags[] = {kWinListTag, "MONEYAMOUNT", "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::KenoSheet()); }

// A draw that differs with the board: the numbers from the first marked one on.
std::string Draw(const KenoClientRecord& r) {
  int first = 1;
  while (first < kNumbers && r.board[first] == 0) ++first;
  std::string list;
  for (int i = 0; i < kKenoDrawn; ++i) list += std::to_string((first - 1 + i) % kNumbers + 1) + "%2C";
  return "command=SHOOTANSWER&answer=ok&WINLIST=" + list + "0%2C0";
}

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const KenoClientRecord*>(record);
  switch (r.state) {
    case kWaitInit: return "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.000000";
    case kWaitBeginPlay: return "command=BEGINPLAYanswer&answer=ok&MONEYAMOUNT=1000.000000";
    case kWaitShoot: return Draw(r);
    case kWaitEndPlay:
    case kWaitQuitEnd: return "command=ENDPLAYanswer&answer=ok";
    case kWaitExit: return "command=CLIENTEXITanswer&answer=ok";
    default: return "";
  }
}

// Closes the paytable, marks three numbers and shoots; after the draw asks
// for the next game; leaves when the money does not cover the stake.
void PlayRound(void* record) {
  auto* r = static_cast<KenoClientRecord*>(record);
  // Any click closes the paytable.
  if (r->state == kPicking && gKenoFlags.paytableShown) return PlaybackPressButton(kButtonPaytable, 1);
  if (r->state == kPicking && !gKenoFlags.busy && !r->shootRequest && !r->quitRequest) {
    for (int n : {7, 21, 64}) {
      if (r->board[n] == 0 && r->count < 3) PlaybackPressButton(kButtonCell1 + n - 1, 1);
    }
    if (r->count >= 3 && r->stake > 0) ClientKeyCommand(r, 'S');
    if (r->stake == 0 || r->money < r->stake) r->quitRequest = 1;
  }
  if (r->state == kWaitNextGame) ClientKeyCommand(r, 'N');
}

// The bowl turns every other frame: 40% of an input's time when on.
void SwitchBowl(int on) { gKenoOptions.bowl = static_cast<std::uint8_t>(on); }

const ClientFuzzTarget kKenoTarget{
    &kKenoGame, kCommands, CountOf(kCommands),
    kTags,      CountOf(kTags),
    "games/keno", StageArtwork, ServerAnswerFor, InState<KenoClientRecord, kBuildBeginPlay>, PlayRound,
    nullptr,      0,            "",              SwitchBowl,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kKenoTarget, argc, argv); }
