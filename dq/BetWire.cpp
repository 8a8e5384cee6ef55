#include "dq/BetWire.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "framework/link/WholeNumbers.h"

namespace dq {
namespace {

constexpr int kMaxStakeChars = 7;
constexpr std::size_t kMaxResultChars = 63;

// Appends formatted text at *used; false when it does not fit.
__attribute__((format(printf, 4, 5))) bool Append(char* out, std::size_t size,
                                                  std::size_t* used, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(out + *used, size - *used, format, args);
  va_end(args);
  if (n < 0 || static_cast<std::size_t>(n) >= size - *used) return false;
  *used += static_cast<std::size_t>(n);
  return true;
}

bool AppendIndex(char* out, std::size_t size, std::size_t* used, int kind) {
  return kind < 10 ? Append(out, size, used, "%i@", kind) : Append(out, size, used, "%i", kind);
}

// The two characters of an index, a second "@" dropped; -1 past the text.
int ReadIndex(const char* text, std::size_t* pos, int* index) {
  if (text[*pos] == '\0' || text[*pos + 1] == '\0') return -1;
  char digits[3] = {text[*pos], text[*pos + 1] == '@' ? '\0' : text[*pos + 1], '\0'};
  *pos += 2;
  return std::sscanf(digits, "%i", index) == 1 ? 1 : 0;
}

}  // namespace

int EncodeBetList(const float* bets, const CrapsWorkingFlags& flags, char* out, std::size_t size) {
  if (size == 0) return -1;
  std::size_t used = 0;
  out[0] = '\0';
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (bets[kind] == 0) continue;
    if (!AppendIndex(out, size, &used, kind)) return -1;
    if (!Append(out, size, &used, "%.2f$", static_cast<double>(bets[kind]))) return -1;
  }
  if (!Append(out, size, &used, "#%c%c%c%c", flags.place ? '1' : '0', flags.buy ? '1' : '0',
              flags.comeOdds ? '1' : '0', flags.hardways ? '1' : '0')) {
    return -1;
  }
  return static_cast<int>(used);
}

int ParseBetList(const char* text, float* bets, CrapsWorkingFlags* flags) {
  std::memset(bets, 0, sizeof(float) * kCrapsBetSlots);
  std::size_t pos = 0;
  while (text[pos] != '#') {
    int index = 0;
    int read = ReadIndex(text, &pos, &index);
    if (read < 0) return kBetListIncomplete;
    if (read == 0) return kBetListBadIndex;
    if (index < 0 || index >= kCrapsBetKinds) return kBetListIndexOutOfRange;
    int length = 0;
    while (length <= kMaxStakeChars && text[pos + length] != '\0' && text[pos + length] != '$') {
      ++length;
    }
    if (text[pos + length] == '\0') return kBetListIncomplete;
    if (length > kMaxStakeChars) return kBetListBadStake;
    char stakeText[kMaxStakeChars + 1] = {};
    std::memcpy(stakeText, text + pos, static_cast<std::size_t>(length));
    float stake = 0;
    if (std::sscanf(stakeText, "%f", &stake) != 1 || !std::isfinite(stake)) {
      return kBetListBadStake;
    }
    bets[index] = stake;
    pos += static_cast<std::size_t>(length) + 1;
  }
  ++pos;
  int* order[4] = {&flags->place, &flags->buy, &flags->comeOdds, &flags->hardways};
  for (int* flag : order) {
    if (text[pos] == '\0') return kBetListIncomplete;
    *flag = text[pos] == '0' ? 0 : 1;
    ++pos;
  }
  return kBetListOk;
}

int EncodeResultList(const CrapsServerRecord& r, char* out, std::size_t size) {
  if (size == 0) return -1;
  std::size_t used = 0;
  out[0] = '\0';
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (r.results[kind] == 0) continue;
    if (!AppendIndex(out, size, &used, kind)) return -1;
    if (!Append(out, size, &used, "%f$", static_cast<double>(r.results[kind]))) return -1;
  }
  if (!Append(out, size, &used, "#")) return -1;
  // Four groups of four, each cut to 16 characters.
  const int numbers[16] = {
      r.dice[0],          r.dice[1],          r.point,             r.comeOut,
      r.comePoints[3],    r.comePoints[4],    r.comePoints[5],     r.comePoints[7],
      r.comePoints[8],    r.comePoints[9],    r.dontComePoints[3], r.dontComePoints[4],
      r.dontComePoints[5], r.dontComePoints[7], r.dontComePoints[8], r.dontComePoints[9],
  };
  for (int group = 0; group < 4; ++group) {
    char piece[17];
    const int* n = numbers + group * 4;
    if (group == 0) {
      std::snprintf(piece, sizeof(piece), "%i,%i,%i,%i", n[0], n[1], n[2], n[3]);
    } else {
      std::snprintf(piece, sizeof(piece), ",%i,%i,%i,%i", n[0], n[1], n[2], n[3]);
    }
    if (!Append(out, size, &used, "%s", piece)) return -1;
  }
  return static_cast<int>(used);
}

int ParseResultList(const char* text, CrapsRollOutcome* outcome) {
  std::memset(outcome->results, 0, sizeof(outcome->results));
  std::size_t pos = 0;
  while (text[pos] != '#') {
    int index = 0;
    if (ReadIndex(text, &pos, &index) != 1) return kResultListBadResult;
    if (index < 0 || index >= kCrapsBetKinds) return kResultListBadResult;
    std::size_t length = 0;
    while (length < kMaxResultChars && text[pos + length] != '\0' && text[pos + length] != '$') {
      ++length;
    }
    if (text[pos + length] != '$') return kResultListBadResult;
    char resultText[kMaxResultChars + 1] = {};
    std::memcpy(resultText, text + pos, length);
    if (std::sscanf(resultText, "%f", &outcome->results[index]) != 1) return kResultListBadResult;
    pos += length + 1;
  }
  // Dice, point, come-out flag, six come and six don't come points.
  std::int32_t n[16] = {};
  const char* numbers = text + pos + 1;
  if (!ReadWholeNumberList(&numbers, 0, n, 16)) return kResultListBadNumbers;
  outcome->dice[0] = n[0];
  outcome->dice[1] = n[1];
  outcome->point = n[2];
  outcome->comeOut = n[3];
  std::copy(n + 4, n + 10, outcome->comePoints);
  std::copy(n + 10, n + 16, outcome->dontComePoints);
  return kResultListOk;
}

}  // namespace dq
