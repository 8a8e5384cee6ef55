#include "bench/mz/CardText.h"

#include <cstring>

#include "bench/mz/DrawOdds.h"

namespace mz::bench {
namespace {

constexpr char kValues[] = "A23456789TJQK";
constexpr char kSuits[] = "DHCS";  // the suits 0..3 of the card list

}  // namespace

int ParseCard(const char* text) {
  if (text[0] == '\0' || text[1] == '\0') return -1;
  const char* value = std::strchr(kValues, text[0]);
  const char* suit = std::strchr(kSuits, text[1]);
  if (value == nullptr || suit == nullptr) return -1;
  return CardIndex(static_cast<int>(suit - kSuits), static_cast<int>(value - kValues) + 1);
}

std::string CardName(int card) {
  return std::string{kValues[ValueOf(card) - 1], kSuits[SuitOf(card)]};
}

}  // namespace mz::bench
