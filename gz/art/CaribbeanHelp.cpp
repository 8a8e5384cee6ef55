#include "gz/art/CaribbeanHelp.h"

#include <cstdio>
#include <iterator>

#include "gz/HandInfo.h"
#include "gz/Settlement.h"

namespace gz::art {
namespace {

struct PayRow {
  int category;
  const char* name;
};
constexpr PayRow kPayRows[] = {
    {kRoyalFlushCategory, "Royal flush"}, {kStraightFlushCategory, "Straight flush"},
    {kFourOfAKindCategory, "Four of a kind"}, {kFullHouseCategory, "Full house"},
    {kFlushCategory, "Flush"}, {kStraightCategory, "Straight"},
    {kThreeOfAKindCategory, "Three of a kind"}, {kTwoPairCategory, "Two pair"},
    {kPairCategory, "One pair or less"},
};

}  // namespace

std::string CaribbeanHelpPage() {
  std::string page =
      "<html><head><title>Caribbean Poker</title></head><body>\n"
      "<h1>Caribbean Poker</h1>\n"
      "<p>Place your ante with the chips (a right click takes a chip off; a click on the ante "
      "spot or the space bar places the last ante again) and press Deal. The money must cover "
      "three times the ante. You get five cards and see one of the dealer's.</p>\n"
      "<p>Fold (surrender) and lose the ante, or Bet: the call bet is twice the ante. The dealer "
      "qualifies with ace and king or better; when he does not, the ante pays 1 to 1 and the "
      "call bet is returned. When he does, the better hand wins: a winning hand pays the ante "
      "1 to 1 and the call bet as below; a tie returns both.</p>\n"
      "<table border=1><tr><th>Hand</th><th>Call bet pays</th></tr>\n";
  constexpr double kAnte = 1.0;
  const double bet = CallBet(kAnte);
  for (const PayRow& row : kPayRows) {
    const CaribbeanSettlement s = SettleCall(row.category, kAnte);
    char line[128];
    std::snprintf(line, sizeof line, "<tr><td>%s</td><td>%.0f to 1</td></tr>\n", row.name,
                  (s.credit - 2.0 * kAnte) / bet);
    page += line;
  }
  page += "</table>\n<p>The royal flush's call bet pays at most $50000.</p>\n</body></html>\n";
  return page;
}

}  // namespace gz::art
