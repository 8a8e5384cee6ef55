// The client's reading of FIRSTCARDS and SECONDCARDS: every number there,
// every card an id 0..51, the outcome 0..3; else nothing is stored.
#include <gtest/gtest.h>

#include "gz/CaribbeanWire.h"

TEST(CaribbeanWire, ReadsWellFormedCards) {
  std::int32_t ids[6] = {};
  ASSERT_EQ(gz::ParseFirstCards("50,31,24,2,39,12", ids), 1);
  EXPECT_EQ(ids[0], 50);
  EXPECT_EQ(ids[5], 12);
  gz::SecondCards call{};
  ASSERT_EQ(gz::ParseCallCards("37,19,43,27,0,1075.000000", &call), 1);
  EXPECT_EQ(call.ids[3], 27);
  EXPECT_EQ(call.outcome, 0);
  EXPECT_DOUBLE_EQ(call.money, 1075.0);
  gz::SecondCards sur{};
  ASSERT_EQ(gz::ParseSurrenderCards("37,19,43,27", &sur), 1);
  EXPECT_EQ(sur.ids[0], 37);
}

TEST(CaribbeanWire, RefusesMissingNumbersAndOutOfRangeValuesStoringNothing) {
  std::int32_t ids[6] = {7, 7, 7, 7, 7, 7};
  for (const char* bad : {"", "1,2,3,4,5", "1,2,3,4,5,52", "1,2,3,4,5,-1", "1,2,3,4,5,6,7", "1,2,x,4,5,6",
                          "1,2,3,4,5,6,", "0x1,2,3,4,5,6"}) {
    EXPECT_EQ(gz::ParseFirstCards(bad, ids), 0) << bad;
  }
  EXPECT_EQ(gz::ParseFirstCards(nullptr, ids), 0);
  for (int id : ids) EXPECT_EQ(id, 7);
  gz::SecondCards cards{};
  for (const char* bad : {"1,2,3,4", "1,2,3,4,4,10.0", "1,2,3,4,-1,10.0", "1,2,3,4,0,", "1,2,3,4,0,x",
                          "1,2,3,99,0,10.0", "1,2,3,4,0,10.0,1"}) {
    EXPECT_EQ(gz::ParseCallCards(bad, &cards), 0) << bad;
  }
  for (const char* bad : {"1,2,3", "1,2,3,4,5", "1,2,3,52"}) EXPECT_EQ(gz::ParseSurrenderCards(bad, &cards), 0) << bad;
}
