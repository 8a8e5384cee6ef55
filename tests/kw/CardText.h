// Cards written as text for the tests: "As Kh 9d 7c 2s", the joker "Xj".
// Suits s, h, d, c are 0..3.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw_test {

std::vector<int> Ids(const std::string& text);
std::string Name(int id);
// ranks and suits of the ids, in order.
void RanksSuits(const std::vector<int>& ids, std::int32_t* ranks, std::int32_t* suits);
// The two cards the house way plays low, in dealt order ("Kh 7c").
std::string HouseWayLow(const std::string& hand);

}  // namespace kw_test
