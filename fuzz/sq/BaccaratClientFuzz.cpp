// The Baccarat client fed any server answers (fuzz/game).
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "fuzz/game/FrameAnswer.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "sq/BaccaratBetting.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratProgram.h"
#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratTableLayout.h"
#include "sq/art/BaccaratSheet.h"

namespace {

using namespace sq;

const char* const kCommands[] = {"CLIENTINITANSWER", "BEGINPLAYANSWER", kDealAnswer, "ENDPLAYANSWER",
                                 "CLIENTEXITANSWER"};
const char* const kTags[] = {"MONEYAMOUNT", kMinBetTag, kMaxBetTag, kMaxTableTag, kCardsTag, kMoneyLeftTag,
                             "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::BaccaratSheet()); }

// Six different ids that change with the money, so each coup differs; the
// Player's natural 9 (4 and 5 points) wins.
int Card(const BaccaratClientRecord& r, int i) { return (static_cast<int>(NormalMoney(r.money)) + 7 * i) % 52; }

constexpr FrameWaitStates kFrameWaits{kWaitInit, kWaitBeginPlay, kWaitEndPlay, kWaitQuitEnd, kWaitExit};

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const BaccaratClientRecord*>(record);
  char text[300];
  switch (r.state) {
    case kWaitDeal:
      std::snprintf(text, sizeof text,
                    "command=DEALANSWER&answer=ok&CARDS=%i,%i,%i,%i,100,100,4,5,0,7,0,0,0,%f,0&MONEYLEFT=%f",
                    Card(r, 0), Card(r, 1), Card(r, 2), Card(r, 3), 2.0 * r.bets[0],
                    NormalMoney(r.money - r.betsOnTable + 2.0 * r.bets[0]));
      return text;
    default: return FrameAnswerFor(r.state, kFrameWaits, r.money, "&MAXTABLE=500.000000");
  }
}

// The smallest stake on the Player, or leaves when the money or the
// limits allow none; every coup is continued. Chips the fuzz left (a deal
// asked for with a bet under the minimum waits) are taken back first.
void PlayRound(void* record) {
  auto* r = static_cast<BaccaratClientRecord*>(record);
  if (r->state == kWaitNewGame) gContinueRequest = 1;
  if (r->state != kBetting || !BettingOpen() || r->exitRequest) return;
  for (int area = 0; area < kBetAreas; ++area) {
    if (r->bets[area] > 0.0 && (area != kAreaPlayer || r->bets[area] != r->minBet)) {
      AddChipToBet(r, -r->bets[area], area);
    }
  }
  if (r->minBet <= 0 || r->money < r->minBet || r->minBet > r->maxBet || r->minBet > r->maxTable) {
    return ClientPressKey(r, 'E');
  }
  if (r->bets[kAreaPlayer] < r->minBet) AddChipToBet(r, r->minBet, kAreaPlayer);
  if (!r->dealRequest) ClientPressKey(r, 'D');
}

const ClientFuzzTarget kBaccaratTarget{
    &kBaccaratGame, kCommands, CountOf(kCommands),
    kTags,          CountOf(kTags),
    "games/baccarat", StageArtwork, ServerAnswerFor, InState<BaccaratClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kBaccaratTarget, argc, argv); }
