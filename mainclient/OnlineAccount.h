// The online account the main client keeps for the cashier: the user, the
// account figures, the accepted cards, the order types with their limits,
// the card on file and the orders. Money in whole cents; a limit of 0 is
// no limit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct OnlineUser {
  std::string pin, name, address1, address2, address3, zipcode, town, state, country;
};

struct OnlineFigures {
  std::int64_t securityLimit = 0;  // card deposits allowed without the code, all told
  std::int64_t maxDepositPer30Days = 0;
  std::int64_t maxWithdrawPer30Days = 0;
  std::int64_t maxDeposit = 0;  // per order
  std::int64_t maxWithdraw = 0;
  std::int64_t max24HourCardDeposit = 0;
  std::int64_t max24HourCardDepositCount = 0;
};

struct OnlineOrderType {
  std::string protocolId;
  std::int64_t depositService = 0, minDeposit = 0, maxDeposit = 0;
  std::int64_t withdrawService = 0, minWithdraw = 0, maxWithdraw = 0;
};

struct OnlineCard {
  std::string cardType, number, expDate, name, startDate, issueNo, bankName, bankPhone;
};

struct OnlineOrder {
  std::int64_t id = 0;
  std::int64_t placedAt = 0;  // calendar seconds
  std::string type;           // the order type's protocol id
  std::string state;
  std::int64_t amount = 0;  // signed: deposits add, withdrawals take
  std::int64_t service = 0;
  std::string comment;
};

struct OnlineAccount {
  std::int64_t balance = 0;
  std::string securityCode;
  OnlineUser user;
  OnlineFigures figures;
  std::vector<std::string> cardTypes;  // accepted, by protocol name
  std::vector<OnlineOrderType> orderTypes;
  bool hasCard = false;
  OnlineCard card;
  std::vector<OnlineOrder> orders;  // oldest first
};

inline constexpr int kSecurityCodeLength = 7;
inline constexpr char kOrderAccepted[] = "accepted";

// What a new store holds online.
OnlineAccount SeedOnlineAccount();
