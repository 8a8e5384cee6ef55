// The player's account as the main client keeps it: one balance in the
// account store, booked in whole cents after every change, so it survives
// restarts. Each program plays with its own copy of the balance; what a
// program reports is booked as the change from what it was last given or
// reported, so programs playing at the same time do not overwrite each
// other's wins.
#pragma once

#include <string>

#include "framework/link/PlayerRecord.h"
#include "mainclient/AccountStore.h"

inline constexpr char kPlayerName[] = "Player";
// The player record's text: playing for fun, or with the online account.
inline constexpr char kPlayerText[] = "OFFLINE";
inline constexpr char kPlayerOnlineText[] = "ONLINE";

// What Book answers besides 1 (booked) and 0 (not an amount).
inline constexpr int kBookStoreFailed = -1;

class CPlayerAccount {
 public:
  // Opens the account store (see CAccountStore::Open).
  int Open(const std::string& storeFile, const std::string& oldBalanceFile) {
    return store_.Open(storeFile, oldBalanceFile);
  }
  void Close() { store_.Close(); }
  // From now on the programs play with the online account.
  void GoOnline() { online_ = true; }
  int Online() const { return online_ ? 1 : 0; }
  CAccountStore& Store() { return store_; }
  const CAccountStore& Store() const { return store_; }
  // The balance the programs play with.
  double Balance() const;
  // The record a program is given: name, text, money = the balance.
  CPlayerRecord MakeRecord() const;
  // A program that was given (or last reported) base now reports reported:
  // the balance moves by the difference in cents (never below 0). 1 when
  // booked; 0 for a value that is not a finite amount (nothing changes);
  // kBookStoreFailed when the store could not be written (nothing changes,
  // Error() says why).
  int Book(double base, double reported);
  const std::string& Error() const { return store_.Error(); }

 private:
  CAccountStore store_;
  bool online_ = false;
};
