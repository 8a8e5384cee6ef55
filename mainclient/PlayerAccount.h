// The player's account as the main client keeps it: one balance, saved in a
// small text file of its own after every change, so it survives restarts.
// Each program plays with its own copy of the balance; what a program
// reports is booked as the change from what it was last given or reported,
// so programs playing at the same time do not overwrite each other's wins.
#pragma once

#include <string>

#include "framework/link/PlayerRecord.h"

inline constexpr double kStartBalance = 3000.0;
inline constexpr char kPlayerName[] = "Player";
// The stand-in has no casino account, so every program plays for fun.
inline constexpr char kPlayerText[] = "OFFLINE";

class CPlayerAccount {
 public:
  // file: where the balance is kept (one number as text).
  explicit CPlayerAccount(std::string file) : file_(std::move(file)) {}

  // Reads the balance; a missing or unreadable file, or a value that is not
  // a finite number of 0 or more, gives kStartBalance. 1 when read.
  int Load();
  double Balance() const { return balance_; }
  // The record a program is given: name, text, money = the balance.
  CPlayerRecord MakeRecord() const;
  // A program that was given (or last reported) base now reports reported:
  // the balance moves by the difference (never below 0) and is saved. 0 for
  // a value that is not finite (nothing changes); 1 otherwise, also when the
  // file could not be written (reported on stderr).
  int Book(double base, double reported);

 private:
  std::string file_;
  double balance_ = kStartBalance;
};
