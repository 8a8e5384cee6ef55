// The BET list of a ROLLDICE packet is outside input: whatever its text, the
// parser stays inside the text and the bet list, and a list it accepts can
// be checked, settled and answered.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "dq/BetWire.h"
#include "dq/Settlement.h"
#include "dq/TableRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<char> text(data, data + size);
  text.push_back('\0');
  dq::CrapsServerRecord r{};
  dq::CrapsWorkingFlags flags{};
  if (dq::ParseBetList(text.data(), r.bets, &flags) != dq::kBetListOk) return 0;
  for (int kind = 0; kind < dq::kCrapsBetSlots; ++kind) {
    if (!std::isfinite(r.bets[kind])) std::abort();
    if (kind >= dq::kCrapsBetKinds && r.bets[kind] != 0) std::abort();
  }
  r.minBet = 5;
  r.maxBet = 500;
  r.minBetProp = 1;
  r.maxTable = 500;
  r.maxOdds = 3;
  r.comeOut = size % 2;
  r.point = r.comeOut ? 0 : dq::kBoxNumbers[size % 6];
  r.dice[0] = static_cast<int>(size % 6) + 1;
  r.dice[1] = static_cast<int>(size / 6 % 6) + 1;
  r.comePoints[size % 12] = 1;
  r.dontComePoints[size / 12 % 12] = 1;
  r.workingPlace = flags.place;
  r.workingBuy = flags.buy;
  r.workingComeOdds = flags.comeOdds;
  r.workingHardways = flags.hardways;
  dq::ServerCheckBets(r);
  dq::SettleRoll(r);
  dq::SettleMoney(r);
  char results[dq::kResultListTextSize];
  if (dq::EncodeResultList(r, results, sizeof(results)) < 0) std::abort();
  dq::CrapsRollOutcome outcome{};
  if (dq::ParseResultList(results, &outcome) != dq::kResultListOk) std::abort();
  return 0;
}
