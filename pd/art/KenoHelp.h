// The Keno help page: how to play and the pay table, from KenoPayTable.
#pragma once

#include <string>

namespace pd::art {

std::string KenoHelpPage();

}  // namespace pd::art
