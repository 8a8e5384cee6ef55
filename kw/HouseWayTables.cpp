#include "kw/HouseWayTables.h"

namespace kw {
namespace {

constexpr int kNone = 15;  // no single reaches it

}  // namespace

const TwoPairKeepRow kTwoPairKeepRows[] = {
    {3, 2, 2, 12, 11, 10, 10},
    {4, 2, 2, 13, 12, 5, 14},      {4, 3, 3, 13, 12, 6, 14},
    {5, 2, 3, 13, 12, 10, 14},     {5, 4, 4, 13, 12, 11, 11},
    {6, 2, 2, 13, 12, 11, 11},     {6, 3, 3, 14, 13, 4, 14},      {6, 4, 5, 14, 13, 3, 14},
    {7, 2, 3, 14, 13, 4, 14},      {7, 4, 4, 14, 13, 3, 14},      {7, 5, 5, 14, 13, 10, 14},
    {7, 6, 6, 14, 13, 11, 14},
    {8, 2, 2, 14, 13, 4, 14},      {8, 3, 3, 14, 13, 5, 14},      {8, 4, 5, 14, 13, 11, 14},
    {8, 6, 7, 14, 13, 12, 12},
    {9, 2, 2, 14, 13, 10, 14},     {9, 3, 3, 14, 13, 11, 14},     {9, 4, 6, 14, 13, 12, 12},
    {9, 7, 8, kNone, 14, 3, 14},
    {10, 2, 4, 14, 13, 12, 12},    {10, 5, 6, kNone, 14, 3, 14},  {10, 7, 7, kNone, 14, 6, 14},
    {10, 8, 9, kNone, 14, 11, 14},
    {11, 2, 3, kNone, 14, 4, 14},  {11, 4, 4, kNone, 14, 3, 14},  {11, 5, 5, kNone, 14, 8, 14},
    {11, 6, 6, kNone, 14, 10, 14}, {11, 7, 9, kNone, 14, 12, 14}, {11, 10, 10, kNone, 14, 13, 13},
    {12, 2, 2, kNone, 14, 8, 14},  {12, 3, 3, kNone, 14, 9, 14},  {12, 4, 4, kNone, 14, 10, 14},
    {12, 5, 5, kNone, 14, 11, 14}, {12, 6, 9, kNone, 14, 13, 13}, {12, 10, 11, kNone, 0, 0, 0},
    {13, 2, 3, kNone, 14, 11, 14}, {13, 4, 5, kNone, 14, 12, 14}, {13, 6, 12, kNone, 0, 0, 0},
};
const int kTwoPairKeepRowCount = sizeof(kTwoPairKeepRows) / sizeof(kTwoPairKeepRows[0]);

namespace {

constexpr int N = kFullHouseNever;
// Rows: the three 2..13; columns: the pair 2..8.
constexpr int kFullHouseKeep[12][7] = {
    {N, 10, 11, 12, 12, 13, 13},   // 2
    {10, N, 11, 12, 12, 13, 13},   // 3
    {11, 12, N, 12, 13, 13, 13},   // 4
    {11, 12, 12, N, 13, 13, N},    // 5
    {11, 12, 12, 13, N, 13, N},    // 6
    {12, 12, 13, 13, 13, N, N},    // 7
    {12, 12, 13, 13, 13, N, N},    // 8
    {12, 12, 13, 13, 13, N, N},    // 9
    {12, 12, 13, 13, N, N, N},     // 10
    {12, 13, 13, 13, N, N, N},     // 11
    {11, 13, 13, 13, N, N, N},     // 12
    {11, 12, 12, N, N, N, N},      // 13
};

}  // namespace

int FullHouseKeepThreshold(int three, int pair) {
  if (three < 2 || three > 13 || pair < 2 || pair > 8) return kFullHouseNever;
  return kFullHouseKeep[three - 2][pair - 2];
}

const FlushPairBreakRow kFlushPairBreakRows[] = {
    {11, 9, 9, 8},   {11, 10, 10, 10},
    {12, 8, 8, 10},  {12, 9, 9, 11},   {12, 10, 10, 10}, {12, 11, 11, 11},
    {13, 7, 8, 11},  {13, 9, 10, 12},  {13, 11, 11, 11}, {13, 12, 12, kNone},
};
const int kFlushPairBreakRowCount = sizeof(kFlushPairBreakRows) / sizeof(kFlushPairBreakRows[0]);

}  // namespace kw
