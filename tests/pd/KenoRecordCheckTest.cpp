// A saved record is run only when the machine can run it: the check a
// restore applies after the size.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "pd/KenoRules.h"

namespace pd {
namespace {

// A round settled: $5 on 4 numbers, the 20 numbers drawn.
KenoServerRecord Settled() {
  KenoServerRecord r{};
  r.state = 3;
  std::strcpy(r.gameCode, "PD");
  r.count = 4;
  r.stake = 5;
  r.winFlag = 1;
  const int picks[] = {9, 0, 18, 27, 0, 0, 0, 0, 0, 36};
  std::memcpy(r.picks, picks, sizeof(picks));
  for (int i = 0; i < kKenoDrawn; ++i) r.drawn[i] = 80 - 3 * i;
  r.money = 250;
  return r;
}

TEST(KenoRecordCheck, FreshAndSettledRecordsRun) {
  KenoServerRecord fresh{};
  EXPECT_EQ(IsSoundKenoRecord(fresh), 1);
  EXPECT_EQ(IsSoundKenoRecord(Settled()), 1);
  KenoServerRecord refused = Settled();  // a refused bet clears count and stake
  refused.count = 0;
  refused.stake = 0;
  EXPECT_EQ(IsSoundKenoRecord(refused), 1);
  for (int state = 0; state < kKenoServerStates; ++state) {
    KenoServerRecord r = Settled();
    r.state = state;
    EXPECT_EQ(IsSoundKenoRecord(r), 1) << state;
  }
}

TEST(KenoRecordCheck, EachFieldOutOfRangeIsRefused) {
  struct Fault {
    const char* what;
    void (*spoil)(KenoServerRecord&);
  };
  const Fault faults[] = {
      {"state 17", [](KenoServerRecord& r) { r.state = 17; }},
      {"state -1", [](KenoServerRecord& r) { r.state = -1; }},
      {"count 2", [](KenoServerRecord& r) { r.count = 2; }},
      {"count 11", [](KenoServerRecord& r) { r.count = 11; }},
      {"count not the picks", [](KenoServerRecord& r) { r.count = 5; }},
      {"stake 2", [](KenoServerRecord& r) { r.stake = 2; }},
      {"win flag 2", [](KenoServerRecord& r) { r.winFlag = 2; }},
      {"pick 81", [](KenoServerRecord& r) { r.picks[0] = 81; }},
      {"pick -1", [](KenoServerRecord& r) { r.picks[1] = -1; r.count = 5; }},
      {"pick twice", [](KenoServerRecord& r) { r.picks[9] = 9; }},
      {"drawn 0", [](KenoServerRecord& r) { r.drawn[4] = 0; }},
      {"drawn 81", [](KenoServerRecord& r) { r.drawn[4] = 81; }},
      {"drawn twice", [](KenoServerRecord& r) { r.drawn[19] = r.drawn[0]; }},
      {"money NaN", [](KenoServerRecord& r) { r.money = std::nan(""); }},
  };
  for (const Fault& f : faults) {
    KenoServerRecord r = Settled();
    f.spoil(r);
    EXPECT_EQ(IsSoundKenoRecord(r), 0) << f.what;
  }
}

}  // namespace
}  // namespace pd
