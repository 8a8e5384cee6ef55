#include "kw/RecordCheck.h"

#include "framework/game/SavedLimits.h"
#include "kw/Cards.h"
#include "kw/PaiGowServer.h"
#include "kw/Settlement.h"

namespace kw {
namespace {

// The state that turns the received positions 0-based, and the last one
// that still reads them.
constexpr int kStateCheckSplit = kServerCheckSplit;
constexpr int kStateLastUsingSplit = kServerSendCardFail;

bool PositionsFit(const PaiGowServerRecord& r) {
  int low = 0, high = kHandCards;
  if (r.state == kStateCheckSplit) {
    low = 1;
  } else if (r.state > kStateCheckSplit && r.state <= kStateLastUsingSplit) {
    high = kHandCards - 1;
  }
  for (int i = 0; i < 2; ++i) {
    if (r.secondHand[i] < low || r.secondHand[i] > high) return false;
  }
  return r.state < kStateCheckSplit || r.state > kStateLastUsingSplit || r.secondHand[0] != r.secondHand[1];
}

// The limits as CLIENTINIT read them (none yet before it, or after a
// refused one), the bet within them, what the showdown can credit and a
// balance.
bool AmountsFit(const PaiGowServerRecord& r) {
  const double limits[kPaiGowLimitCount] = {r.minBet, r.maxBet};
  const int notRead =
      r.state == kServerWaitClientInit || r.state == kServerSendFailure || r.state == kServerFailed;
  if (!game::AreSavedLimits(kPaiGowLimits, kPaiGowLimitCount, limits, notRead)) return false;
  if (!game::IsStakeOrNone(r.bet, r.minBet, r.maxBet)) return false;
  return game::IsStakeOrNone(r.winCredit, 0, r.bet * kWinPayoutFactor) &&
         game::IsNonNegativeAmount(r.money);
}

}  // namespace

int IsSoundServerRecord(const PaiGowServerRecord& r) {
  if (r.state < 0 || r.state >= kPaiGowServerStates) return 0;
  bool seen[kDeckWithJoker] = {};
  for (int i = 0; i < kDealtCards; ++i) {
    const int id = r.cards[i];
    if (id < 0 || id >= kDeckWithJoker || seen[id]) return 0;
    seen[id] = true;
    const bool player = i < kHandCards;
    const int at = player ? i : i - kHandCards;
    const int rank = player ? r.playerRanks[at] : r.dealerRanks[at];
    const int suit = player ? r.playerSuits[at] : r.dealerSuits[at];
    if (rank != CardRank(id) || suit != CardSuit(id)) return 0;
  }
  return PositionsFit(r) && AmountsFit(r) ? 1 : 0;
}

}  // namespace kw
