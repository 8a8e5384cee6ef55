// What the cashier's client machine keeps: its record, the user's address
// record, the mode (online or offline) and the state it returns to after a
// deposit.
#pragma once

#include <cstdint>

class CPlayerRecord;

struct CashierClientRecord {
  int state;
  int returnState;  // where a shared request sequence goes when done
  const char* message;  // the client-side text of a failure
  double accountSum;
  double securityLimit;
  double currentSecurityLimit;
  double maxDepositPer30Days;
  double maxWithdrawPer30Days;
  double maxDeposit;
  double maxWithdraw;
  double max24HourCardDeposit;
  std::int32_t max24HourCardDepositCount;
  // Each 0 or 1, set by the buttons.
  int viewLog;      // 'V'
  int deposit;      // 'D'
  int withdraw;     // 'W'
  int flagA;        // 'A'
  int acknowledge;  // 'M'
  int flagO;        // 'O'
  int flagC;        // 'C'
  int quit;         // the window closed; ClearClientFlags keeps it
};

struct CashierUserRecord {
  char pin[10];
  char name[31];
  char address1[31];
  char address2[31];
  char address3[31];
  char zipcode[11];
  char town[21];
  char state[3];
  char country[21];
};

inline constexpr int kModeUnknown = -1;
inline constexpr int kModeOnline = 0;
inline constexpr int kModeOffline = 1;
inline constexpr int kNoPendingState = -1;

extern CashierUserRecord gCashierUser;
extern int gCashierMode;
extern int gPendingState;

// A zero-filled record with the message "No error"; also clears the user
// record and makes the mode unknown. Null when memory runs out.
CashierClientRecord* CreateClientRecord();
void DestroyClientRecord(CashierClientRecord* record);
// Sets the flag of 'A', 'C', 'D', 'M', 'O', 'V' or 'W'; other letters do nothing.
void SetClientFlag(CashierClientRecord* record, char letter);
// Clears every flag but quit.
void ClearClientFlags(CashierClientRecord* record);
// A player record arrived: offline exactly when its text is "OFFLINE".
void TakeModeFromPlayerRecord(const CPlayerRecord& player);
