// The account log: the player's past orders from a GETORDERLOG answer.
#pragma once

#include "platform/include/plat/dialog.h"

class CComm;
struct CashierClientRecord;

inline constexpr int kAccountLogDialogId = 106;
inline constexpr int kAccountLogListId = 1042;

// What the dialog shows: the answer waiting on comm (read from its current
// tag on) and the balance of record.
struct AccountLogSource {
  CComm* comm;
  const CashierClientRecord* record;
};

// Runs the dialog modally over owner: 1 closed with OK, 0 with Cancel, -1 it
// could not be shown.
plat::INT_PTR RunAccountLogDialog(plat::HWND owner, CComm& comm, const CashierClientRecord& record);

// The dialog procedure; its creation parameter is an AccountLogSource.
plat::INT_PTR AccountLogDlgProc(plat::HWND dialog, plat::UINT msg, plat::WPARAM wParam,
                                plat::LPARAM lParam);
