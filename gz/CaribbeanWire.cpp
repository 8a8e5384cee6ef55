#include "gz/CaribbeanWire.h"

#include <cmath>
#include <cstdlib>

#include "framework/link/WholeNumbers.h"

namespace gz {
namespace {

// count card ids (0..51) behind commas; moves *text past the last.
bool ReadIds(const char** text, std::int32_t* ids, int count) {
  if (!ReadWholeNumberList(text, 10, ids, count)) return false;
  for (int i = 0; i < count; ++i) {
    if (ids[i] < 0 || ids[i] > 51) return false;
  }
  return true;
}

}  // namespace

int ParseFirstCards(const char* text, std::int32_t ids[6]) {
  std::int32_t read[6];
  if (text == nullptr || !ReadIds(&text, read, 6) || *text != '\0') return 0;
  for (int i = 0; i < 6; ++i) ids[i] = read[i];
  return 1;
}

int ParseSurrenderCards(const char* text, SecondCards* cards) {
  std::int32_t read[4];
  if (text == nullptr || !ReadIds(&text, read, 4) || *text != '\0') return 0;
  for (int i = 0; i < 4; ++i) cards->ids[i] = read[i];
  return 1;
}

int ParseCallCards(const char* text, SecondCards* cards) {
  std::int32_t read[4];
  std::int32_t outcome = 0;
  if (text == nullptr || !ReadIds(&text, read, 4) || *text++ != ',') return 0;
  if (!ReadWholeNumber(&text, 10, &outcome) || outcome < 0 || outcome > 3 || *text++ != ',') return 0;
  char* end = nullptr;
  const double money = std::strtod(text, &end);
  if (end == text || *end != '\0' || !std::isfinite(money)) return 0;
  for (int i = 0; i < 4; ++i) cards->ids[i] = read[i];
  cards->outcome = outcome;
  cards->money = money;
  return 1;
}

}  // namespace gz
