// Cards written as rank and suit ("AS KH TD 7C") for the Video Poker tools.
#pragma once

#include <string>

namespace mz::bench {

// The card index of "AS".."KD"; -1 for any other text.
int ParseCard(const char* text);
// "AS".."KD" of a card index.
std::string CardName(int card);

}  // namespace mz::bench
