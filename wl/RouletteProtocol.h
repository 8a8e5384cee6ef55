// The tags of the Roulette protocol, shared by the client and the server
// (the commands are the spin machine's SPIN and SPINANSWER).
#pragma once

#include "framework/game/SpinServer.h"

namespace wl {

inline constexpr char kBetListTag[] = "BETLIST";
inline constexpr char kWinListTag[] = "WINLIST";
inline constexpr char kMinTableTag[] = "MINTABLE";
inline constexpr char kMaxTableTag[] = "MAXTABLE";
inline constexpr char kMinNrTag[] = "MINNR";
inline constexpr char kMaxNrTag[] = "MAXNR";
inline constexpr char kMinExternTag[] = "MINEXTERN";
inline constexpr char kMaxExternTag[] = "MAXEXTERN";

}  // namespace wl
