#include <cstring>
#include <initializer_list>

#include "framework/game/SavedLimits.h"
#include "hx/BlackJackServer.h"
#include "hx/BlackJackServerRecord.h"

namespace hx {
namespace {

bool SoundList(const CardList& list) {
  if (list.count < 0 || list.count > kDeckSize) return false;
  for (int i = 0; i < list.count; ++i) {
    if (!IsValidCard(list.cards[i].suit, list.cards[i].value)) return false;
  }
  return true;
}

// A hand holds its bet, doubled once at most (a split hand too, its bet
// copied from the first before either doubles); the insurance half the
// bet; the second insurance nothing, for no command sets it.
bool StakesFit(const BlackJackServerRecord& r) {
  for (StakeKind hand : {kStakeFirstHand, kStakeSecondHand}) {
    const double stake = r.stakes[hand];
    if (stake != 0 && stake != r.bet && stake != 2 * r.bet) return false;
  }
  const double insurance = r.stakes[kStakeInsurance];
  if (insurance != 0 && insurance != r.bet / 2) return false;
  return r.stakes[kStakeSecondInsurance] == 0;
}

// The limits as CLIENTINIT read them (none yet before it, or after a
// refused one) and the bet 0 or within them.
bool AmountsFit(const BlackJackServerRecord& r) {
  const double limits[kBlackJackLimitCount] = {r.minBet, r.maxBet};
  const int notRead =
      r.state == kServerWaitClientInit || r.state == kServerSendFailure || r.state == kServerFailed;
  return game::AreSavedLimits(kBlackJackLimits, kBlackJackLimitCount, limits, notRead) &&
         game::IsStakeOrNone(r.bet, r.minBet, r.maxBet) && StakesFit(r);
}

}  // namespace

int IsBlackJackServerRecord(const BlackJackServerRecord& r) {
  if (r.state < 0 || r.state >= kBlackJackServerStates) return 0;
  if (std::memcmp(r.gameCode, kBlackJackGameCode, sizeof(kBlackJackGameCode)) != 0) return 0;
  for (const CardList* list :
       {&r.current, &r.dealer, &r.deck, &r.firstHand, &r.secondHand, &r.pendingHand}) {
    if (!SoundList(*list)) return 0;
  }
  return AmountsFit(r) ? 1 : 0;
}

}  // namespace hx
