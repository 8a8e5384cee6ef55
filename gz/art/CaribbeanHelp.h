// The Caribbean Poker help page: the play, the dealer's qualifying hand and
// the call bet's pay table, taken from the settlement itself.
#pragma once

#include <string>

namespace gz::art {

std::string CaribbeanHelpPage();

}  // namespace gz::art
