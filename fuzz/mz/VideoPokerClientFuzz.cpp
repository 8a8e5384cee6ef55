// The Video Poker client fed any server answers (fuzz/game).
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "framework/shell/Buttons.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerProgram.h"
#include "mz/VideoPokerProtocol.h"
#include "mz/art/VideoPokerSheet.h"

namespace {

using namespace mz;

const char* const kCommands[] = {kFirstDealAnswer, kFinalDealAnswer, "CLIENTINITANSWER", "BEGINPLAYANSWER",
                                 "ENDPLAYANSWER", "CLIENTEXITANSWER"};
const char* const kTags[] = {kWonNrTag, kMoneyWonTag, kMoneyLeftTag, "CARD1", "CARD5", "TYPE", "VALUE",
                             "MONEYAMOUNT", "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::VideoPokerSheet()); }

// Five cards that differ with the money, and no win.
std::string Cards(const VideoPokerClientRecord& r) {
  static const char* const kSuits[] = {"DIAMOND", "HEART", "CLUB", "SPADE"};
  std::string text;
  const int base = static_cast<int>(NormalMoney(r.money)) % 7;
  for (int n = 0; n < kHandCards; ++n) {
    text += "&CARD" + std::to_string(n + 1) + "=&TYPE=" + kSuits[n % 4] + "&VALUE=" + std::to_string(2 + base + n * 2 % 5);
  }
  return text + "&WONNR=0";
}

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const VideoPokerClientRecord*>(record);
  char left[64];
  switch (r.state) {
    case kWaitInit: return "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.000000";
    case kWaitBeginPlay: return "command=BEGINPLAYanswer&answer=ok";
    case kWaitFirstDeal: return "command=FIRSTDEALANSWER&answer=ok" + Cards(r);
    case kWaitFinalDeal:
      std::snprintf(left, sizeof left, "%f", r.money + r.credits);
      return "command=FINALDEALANSWER&answer=ok" + Cards(r) + "&MONEYWON=0.000000&MONEYLEFT=" + left;
    case kWaitEndPlay:
    case kWaitQuitEnd: return "command=ENDPLAYanswer&answer=ok";
    case kWaitExit: return "command=CLIENTEXITanswer&answer=ok";
    default: return "";
  }
}

// Puts $5 in when the credits are out, bets one coin and deals; deals
// again without holding; leaves when no money is left or the meters are odd.
void PlayRound(void* record) {
  auto* r = static_cast<VideoPokerClientRecord*>(record);
  if (r->state == kHolding) ClientPressKey(r, 'D');
  if (r->state != kChoose || r->quitRequest || r->dealRequest) return;
  // An answer may have left meters no machine shows (credits of -1e308 that
  // no insert lifts): the player leaves.
  if (NormalMoney(r->credits) != r->credits || NormalMoney(r->money) != r->money) {
    r->quitRequest = 1;
    return;
  }
  if (r->coinsBet > 0) return ClientPressKey(r, 'D');
  if (IsButtonEnabled(kButtonBetOne)) return PlaybackPressButton(kButtonBetOne, 1);
  if (IsButtonEnabled(kButtonInsert1 + 1)) return PlaybackPressButton(kButtonInsert1 + 1, 1);
  if (IsButtonEnabled(kButtonCoinFive)) r->quitRequest = 1;
}

const ClientFuzzTarget kVideoPokerTarget{
    &kVideoPokerGame, kCommands, CountOf(kCommands),
    kTags,            CountOf(kTags),
    "games/videopoker", StageArtwork, ServerAnswerFor, InState<VideoPokerClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kVideoPokerTarget, argc, argv); }
