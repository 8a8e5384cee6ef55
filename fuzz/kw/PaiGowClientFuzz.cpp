// The Pai Gow Poker client fed any server answers (fuzz/game).
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "fuzz/game/FrameAnswer.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowProgram.h"
#include "kw/PaiGowProtocol.h"
#include "kw/PaiGowTableLayout.h"
#include "kw/art/PaiGowSheet.h"

namespace {

using namespace kw;

const char* const kCommands[] = {"CLIENTINITANSWER", "BEGINPLAYANSWER", kFirstDealAnswer, kPlayerDoneAnswer,
                                 "ENDPLAYANSWER",    "CLIENTEXITANSWER", kAnswerCardFail};
const char* const kTags[] = {"MONEYAMOUNT", kMinBetTag, kMaxBetTag, kFirstCardsTag, kMoneyLeftTag, kDealerCardsTag,
                             "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::PaiGowSheet()); }

// Fourteen different ids that change with the money, so each deal differs.
int Card(const PaiGowClientRecord& r, int i) { return (static_cast<int>(NormalMoney(r.money)) + 5 * i) % 52; }

constexpr FrameWaitStates kFrameWaits{kWaitInit, kWaitBeginPlay, kWaitEndPlay, kWaitQuitEnd, kWaitExit};

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const PaiGowClientRecord*>(record);
  char text[240];
  switch (r.state) {
    case kWaitFirstDeal:
      std::snprintf(text, sizeof text, "command=FIRSTDEALANSWER&answer=ok&FIRSTCARDS=%i,%i,%i,%i,%i,%i,%i&MONEYLEFT=%f",
                    Card(r, 0), Card(r, 1), Card(r, 2), Card(r, 3), Card(r, 4), Card(r, 5), Card(r, 6),
                    NormalMoney(r.money - r.bet));
      return text;
    case kWaitDone:
      // The dealer wins both hands with his last two cards low.
      std::snprintf(text, sizeof text, "command=PLAYERDONEANSWER&answer=ok&DEALERCARDS=%i,%i,%i,%i,%i,%i,%i,1,5,6,0,0",
                    Card(r, 7), Card(r, 8), Card(r, 9), Card(r, 10), Card(r, 11), Card(r, 12), Card(r, 13));
      return text;
    default: return FrameAnswerFor(r.state, kFrameWaits, r.money);
  }
}

// The smallest bet, the last two cards as the second hand and a new game;
// leaves when the money does not cover the smallest bet or the limits
// allow none.
void PlayRound(void* record) {
  auto* r = static_cast<PaiGowClientRecord*>(record);
  switch (r->state) {
    case kBetting:
      // A deal pressed without a bet still waits: the bet goes on first.
      if (r->exitRequest) return;
      if (r->minBet <= 0 || r->maxBet < r->minBet || r->money < r->minBet) return ClientKeyCommand(r, kRequestExit);
      // Stray chips under the minimum come back first: with them on, the
      // minimum may not fit the money.
      if (r->bet < r->minBet) {
        PlaceBet(r, -r->bet);
        PlaceBet(r, r->minBet);
      }
      if (!r->dealRequest) ClientKeyCommand(r, kRequestDeal);
      return;
    case kArranging:
      // The last two row cards go low; one already there (the input's own
      // press may have put it in either slot) is not moved again.
      if (r->moveRequest != 0) return;
      for (int place = kRowCards; place > kRowCards - 2; --place) {
        if (r->slots[0] != place && r->slots[1] != place) return ClientKeyCommand(r, kRequestMoveFirst + place - 1);
      }
      return;
    case kReadyForDone:
      if (!r->doneRequest) ClientKeyCommand(r, kRequestDone);
      return;
    case kWaitNewGame: gNewGameMark = 1; return;
    default: return;
  }
}

const ClientFuzzTarget kPaiGowTarget{
    &kPaiGowGame, kCommands, CountOf(kCommands),
    kTags,        CountOf(kTags),
    "games/paigow", StageArtwork, ServerAnswerFor, InState<PaiGowClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kPaiGowTarget, argc, argv); }
