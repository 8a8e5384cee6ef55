// The Pai Gow commands, answers and tags that the client and the server
// share beyond the frame's own (framework/game/ProtocolNames.h).
#pragma once

namespace kw {

inline constexpr char kPaiGowGameCode[] = "KW";

inline constexpr char kFirstDeal[] = "FIRSTDEAL";
inline constexpr char kFirstDealAnswer[] = "FIRSTDEALANSWER";
inline constexpr char kPlayerDone[] = "PLAYERDONE";
inline constexpr char kPlayerDoneAnswer[] = "PLAYERDONEANSWER";

// The answer to a split whose 2-card hand beats its 5-card hand.
inline constexpr char kAnswerCardFail[] = "cardfail";
// The answer to a credit the account refused.
inline constexpr char kAnswerError[] = "error";

inline constexpr char kMinBetTag[] = "MINBET";
inline constexpr char kMaxBetTag[] = "MAXBET";
inline constexpr char kBetTag[] = "BET";
inline constexpr char kFirstCardsTag[] = "FIRSTCARDS";
inline constexpr char kMoneyLeftTag[] = "MONEYLEFT";
inline constexpr char kSecondCardsTag[] = "SECONDCARDS";
inline constexpr char kDealerCardsTag[] = "DEALERCARDS";

}  // namespace kw
