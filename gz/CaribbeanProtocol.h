// Commands and tags of the Caribbean Poker protocol (the frame's own names
// are in framework/game/ProtocolNames.h).
#pragma once

namespace gz {

inline constexpr char kCaribbeanGameCode[] = "GZ";

inline constexpr char kFirstDeal[] = "FIRSTDEAL";
inline constexpr char kFirstDealAnswer[] = "FIRSTDEALANSWER";
inline constexpr char kPlayerBet[] = "PLAYERBET";
inline constexpr char kPlayerBetAnswer[] = "PLAYERBETANSWER";
inline constexpr char kPlayerSurrender[] = "PLAYERSUR";
inline constexpr char kPlayerSurrenderAnswer[] = "PLAYERSURANSWER";

inline constexpr char kAnteTag[] = "ANTE";
inline constexpr char kMinBetTag[] = "MINBET";
inline constexpr char kMaxBetTag[] = "MAXBET";
inline constexpr char kFirstCardsTag[] = "FIRSTCARDS";
inline constexpr char kMoneyLeftTag[] = "MONEYLEFT";
inline constexpr char kSecondCardsTag[] = "SECONDCARDS";

}  // namespace gz
