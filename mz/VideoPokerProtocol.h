// Commands and tags of the Video Poker protocol (the frame's own names are
// in framework/game/ProtocolNames.h).
#pragma once

namespace mz {

inline constexpr char kFirstDeal[] = "FIRSTDEAL";
inline constexpr char kFirstDealAnswer[] = "FIRSTDEALANSWER";
inline constexpr char kFinalDeal[] = "FINALDEAL";
inline constexpr char kFinalDealAnswer[] = "FINALDEALANSWER";

inline constexpr char kBetTag[] = "BET";
inline constexpr char kCoinValueTag[] = "COINVALUE";
inline constexpr char kWonNrTag[] = "WONNR";
inline constexpr char kMoneyWonTag[] = "MONEYWON";
inline constexpr char kMoneyLeftTag[] = "MONEYLEFT";
// CARD1..CARD5 name the cards, HOLD1..HOLD5 the holds, in hand order.
inline constexpr const char* kCardTags[] = {"CARD1", "CARD2", "CARD3", "CARD4", "CARD5"};
inline constexpr const char* kHoldTags[] = {"HOLD1", "HOLD2", "HOLD3", "HOLD4", "HOLD5"};

}  // namespace mz
