#include <cmath>

#include "framework/game/SavedLimits.h"
#include "kw/Cards.h"
#include "sq/BaccaratServer.h"

namespace sq {

int IsBaccaratServerRecord(const BaccaratServerRecord& r) {
  if (r.state < 0 || r.state >= kBaccaratServerStates) return 0;
  for (int i = 0; i < kCoupCards; ++i) {
    const bool thirdCard = i == kPlayerThird || i == kBankerThird;
    const bool id = r.cards[i] >= 0 && r.cards[i] < gz::kDeckCards;
    if (!id && !(thirdCard && r.cards[i] == kNotDrawn)) return 0;
    // Ranks or point values: the coup looks the Banker's draw up by them.
    if (r.points[i] < 0 || r.points[i] > kw::kAce) return 0;
  }
  // Not a number would reach the account.
  const double amounts[] = {r.win, r.money};
  for (double amount : amounts) {
    if (!std::isfinite(amount)) return 0;
  }
  // The limits as CLIENTINIT read them (none yet before it, or after a
  // refused one), and stakes the DEAL check takes under them.
  const double limits[kBaccaratLimitCount] = {r.minBet, r.maxBet, r.maxTable};
  const int notRead =
      r.state == kServerWaitClientInit || r.state == kServerSendFailure || r.state == kServerFailed;
  if (!game::AreSavedLimits(kBaccaratLimits, kBaccaratLimitCount, limits, notRead)) return 0;
  return CheckBets(r);
}

}  // namespace sq
