// Commands and tags of the Baccarat protocol (the frame's own names are in
// framework/game/ProtocolNames.h).
#pragma once

namespace sq {

inline constexpr char kBaccaratGameCode[] = "SQ";

inline constexpr char kDeal[] = "DEAL";
inline constexpr char kDealAnswer[] = "DEALANSWER";

inline constexpr char kMinBetTag[] = "MINBET";
inline constexpr char kMaxBetTag[] = "MAXBET";
inline constexpr char kMaxTableTag[] = "MAXTABLE";
inline constexpr char kBetsTag[] = "BETS";
inline constexpr char kCardsTag[] = "CARDS";
inline constexpr char kMoneyLeftTag[] = "MONEYLEFT";

}  // namespace sq
