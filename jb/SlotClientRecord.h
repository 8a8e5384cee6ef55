// The record of the Slot game client (never stored).
#pragma once

#include <cstdint>

namespace jb {

struct SlotClientRecord {
  std::int32_t state;
  std::int32_t quitRequest;  // the quit question was answered OK
  double money;              // the dollars outside the machine
  double betCoins;           // coins bet on the coming spin, 0..3
  double credits;            // the machine's credits, in coins
  double win;                // the last spin's win in coins
  std::int32_t leverRequest;
  std::int32_t spinRequest;
  std::int32_t reelSpinning[3];
  char message[128];  // the pending error text
  double lastMoneyAmount;
};

}  // namespace jb
