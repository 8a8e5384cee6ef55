// The Caribbean Poker client fed any server answers (fuzz/game).
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "fuzz/game/FrameAnswer.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "gz/CaribbeanBetting.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanProgram.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/art/CaribbeanSheet.h"

namespace {

using namespace gz;

const char* const kCommands[] = {"CLIENTINITANSWER", "BEGINPLAYANSWER", kFirstDealAnswer, kPlayerBetAnswer,
                                 kPlayerSurrenderAnswer, "ENDPLAYANSWER", "CLIENTEXITANSWER"};
const char* const kTags[] = {"MONEYAMOUNT", kMinBetTag, kMaxBetTag, kFirstCardsTag, kMoneyLeftTag, kSecondCardsTag,
                             "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::CaribbeanSheet()); }

// Ten different ids that change with the money, so each hand differs.
int Card(const CaribbeanClientRecord& r, int i) { return (static_cast<int>(NormalMoney(r.money)) + 5 * i) % 52; }

constexpr FrameWaitStates kFrameWaits{kWaitInit, kWaitBeginPlay, kWaitEndPlay, kWaitQuitEnd, kWaitExit};

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const CaribbeanClientRecord*>(record);
  char text[200];
  switch (r.state) {
    case kWaitFirstDeal:
      std::snprintf(text, sizeof text, "command=FIRSTDEALANSWER&answer=ok&FIRSTCARDS=%i,%i,%i,%i,%i,%i&MONEYLEFT=%f",
                    Card(r, 0), Card(r, 1), Card(r, 2), Card(r, 3), Card(r, 4), Card(r, 5), NormalMoney(r.money - r.ante));
      return text;
    case kWaitSurrender:
      std::snprintf(text, sizeof text, "command=PLAYERSURANSWER&answer=ok&SECONDCARDS=%i,%i,%i,%i", Card(r, 6),
                    Card(r, 7), Card(r, 8), Card(r, 9));
      return text;
    case kWaitCall:
      // The dealer wins: the call bet is taken.
      std::snprintf(text, sizeof text, "command=PLAYERBETANSWER&answer=ok&SECONDCARDS=%i,%i,%i,%i,1,%f", Card(r, 6),
                    Card(r, 7), Card(r, 8), Card(r, 9), NormalMoney(r.money - 2.0 * r.ante));
      return text;
    default: return FrameAnswerFor(r.state, kFrameWaits, r.money);
  }
}

// The smallest ante and a call, or leaves when the money does not cover
// three antes or the limits allow none; every hand is continued.
void PlayRound(void* record) {
  auto* r = static_cast<CaribbeanClientRecord*>(record);
  if (r->state == kWaitNewGame) gContinueMark = 1;
  if (r->state == kChoice && !r->callRequest) ClientKeyCommand(r, 'B');
  // A deal pressed without an ante still waits: the ante goes on first.
  if (r->state != kAnte || !AntePhaseOpen() || r->exitRequest) return;
  if (r->minAnte <= 0 || r->maxAnte < r->minAnte || r->money / r->minAnte < 3.0) return ClientKeyCommand(r, 'E');
  // Stray chips come off first: with them the minimum may not fit a third
  // of the money.
  if (r->ante != r->minAnte) AddChipToAnte(r, -r->ante);
  if (r->ante < r->minAnte) AddChipToAnte(r, r->minAnte - r->ante);
  if (!r->dealRequest) ClientKeyCommand(r, 'D');
}

const ClientFuzzTarget kCaribbeanTarget{
    &kCaribbeanGame, kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    "games/caribbean", StageArtwork, ServerAnswerFor, InState<CaribbeanClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kCaribbeanTarget, argc, argv); }
