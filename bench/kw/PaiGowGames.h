// paigow_sim --games N --seed S: whole rounds played through the real Pai
// Gow server, the player splitting his cards by the dealer's house way.
#pragma once

namespace kw {

// Seeds the server's random stream with seed, plays games rounds of a fixed
// bet and prints the result frequencies, the return per unit bet with its
// standard error, the player's cardfails, the dealer splits IsValidSplit
// refuses, the joker's share of the deals, the balance check of every game
// and the games per second. Answers the exit code: 0, or 1 when a packet
// went wrong or the balance missed by a cent.
int RunPaiGowGames(long long games, unsigned seed);

}  // namespace kw
