#include "mainclient/PlayerAccount.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "mainclient/FileReplace.h"

int CPlayerAccount::Load() {
  balance_ = kStartBalance;
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(file_, &bytes) || bytes.empty() || bytes.size() > 64) return 0;
  const std::string text(bytes.begin(), bytes.end());
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  while (end && (*end == '\n' || *end == '\r' || *end == ' ')) ++end;
  if (end == text.c_str() || *end != '\0' || !std::isfinite(value) || value < 0.0) return 0;
  balance_ = value;
  return 1;
}

CPlayerRecord CPlayerAccount::MakeRecord() const {
  CPlayerRecord record;
  record.SetName(kPlayerName);
  record.SetText(kPlayerText);
  record.SetMoney(balance_);
  return record;
}

int CPlayerAccount::Book(double base, double reported) {
  if (!std::isfinite(reported)) return 0;
  const double next = balance_ + (reported - base);
  if (!std::isfinite(next)) return 0;
  // Two programs that both lose everything they were given cannot take
  // the account below nothing.
  balance_ = next < 0.0 ? 0.0 : next;
  char text[64];
  const int n = std::snprintf(text, sizeof text, "%.17g\n", balance_);
  if (!ReplaceFile(file_, std::vector<std::uint8_t>(text, text + n))) {
    std::fprintf(stderr, "mainclient: cannot save the balance in %s\n", file_.c_str());
  }
  return 1;
}
