// The Baccarat help page: the play, the drawing rules and the payouts,
// the payouts taken from the rules themselves.
#pragma once

#include <string>

namespace sq::art {

std::string BaccaratHelpPage();

}  // namespace sq::art
