#include "gz/CaribbeanWire.h"

#include <cmath>
#include <cstdlib>

#include "framework/link/WholeNumbers.h"

namespace gz {
namespace {

// A decimal int at *text, then the separator (',' or the end when last).
bool ReadInt(const char** text, int low, int high, bool last, std::int32_t* out) {
  const char* end = *text;
  std::int32_t value = 0;
  if (!ReadWholeNumber(&end, 10, &value) || value < low || value > high) return false;
  if (last ? *end != '\0' : *end != ',') return false;
  *out = value;
  *text = last ? end : end + 1;
  return true;
}

bool ReadIds(const char** text, std::int32_t* ids, int count, bool lastField) {
  for (int i = 0; i < count; ++i) {
    if (!ReadInt(text, 0, 51, lastField && i + 1 == count, &ids[i])) return false;
  }
  return true;
}

}  // namespace

int ParseFirstCards(const char* text, std::int32_t ids[6]) {
  std::int32_t read[6];
  if (text == nullptr || !ReadIds(&text, read, 6, true)) return 0;
  for (int i = 0; i < 6; ++i) ids[i] = read[i];
  return 1;
}

int ParseSurrenderCards(const char* text, SecondCards* cards) {
  std::int32_t read[4];
  if (text == nullptr || !ReadIds(&text, read, 4, true)) return 0;
  for (int i = 0; i < 4; ++i) cards->ids[i] = read[i];
  return 1;
}

int ParseCallCards(const char* text, SecondCards* cards) {
  std::int32_t read[4];
  std::int32_t outcome = 0;
  if (text == nullptr || !ReadIds(&text, read, 4, false) || !ReadInt(&text, 0, 3, false, &outcome)) return 0;
  char* end = nullptr;
  const double money = std::strtod(text, &end);
  if (end == text || *end != '\0' || !std::isfinite(money)) return 0;
  for (int i = 0; i < 4; ++i) cards->ids[i] = read[i];
  cards->outcome = outcome;
  cards->money = money;
  return 1;
}

}  // namespace gz
