#include "kw/Settlement.h"

#include <cstdio>

#include "kw/HouseWay.h"
#include "kw/Showdown.h"

namespace kw {

int ReadBet(const char* text, double minBet, double maxBet, double* bet) {
  *bet = -1.0;
  if (text == nullptr || std::sscanf(text, "%lf", bet) != 1) {
    *bet = -1.0;
    return kBetUnreadable;
  }
  // Written so that a NaN fails too.
  if (!(*bet >= minBet && *bet <= maxBet)) return kBetOutOfLimits;
  return kBetAccepted;
}

double ShowdownCredit(int result, double bet) {
  switch (result) {
    case kPlayerWins: return bet * kWinPayoutFactor;
    case kPush: return bet;
    default: return 0.0;
  }
}

int PlayShowdown(PaiGowServerRecord* record) {
  const int houseWay = DealerHouseWay(record);
  record->result = Showdown(houseWay % 10, houseWay / 10, record->secondHand[0], record->secondHand[1], record);
  record->winCredit = ShowdownCredit(record->result, record->bet);
  record->money += record->winCredit;
  return houseWay;
}

}  // namespace kw
