// The order in which the client lays the hands out at the showdown: a
// 5-card hand by what it holds, the dealer's 2-card hand joker or higher
// card first.
#pragma once

#include <cstdint>

namespace kw {

// Rearranges five ids in place: the cards of the first rank, of the second,
// the joker, then the rest from the highest rank down; a straight from its
// top down (the wheel 5-4-3-2-A) with the joker where the card it stands for
// belongs.
void OrderHandForDisplay(std::int32_t ids[5]);
// The joker first, else the card of the higher id mod 13 first.
void OrderLowHandForDisplay(std::int32_t ids[2]);

}  // namespace kw
