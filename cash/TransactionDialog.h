// The deposit and withdraw dialog: one page per order type under a tab
// control, an information panel, and the deposit's confirmation.
#pragma once

#include "platform/include/plat/dialog.h"

class CComm;
struct CashierClientRecord;
struct OrderForm;

inline constexpr int kTransactionDialogId = 107;
inline constexpr int kDepositConfirmDialogId = 108;

inline constexpr int kDepositDialog = 0;
inline constexpr int kWithdrawDialog = 1;

// Runs the dialog modally over owner in kDepositDialog or kWithdrawDialog
// mode, clearing the form's request for a new security code first. 1
// confirmed (gOrderForm filled), 0 cancelled or nothing to send, -1 the
// dialog could not be shown.
plat::INT_PTR RunTransactionDialog(plat::HWND owner, int mode, CashierClientRecord* record);

// The mode of the dialog opened next (kDepositDialog or kWithdrawDialog).
void SetTransactionMode(int mode);

// The dialog procedures; the transaction dialog's creation parameter is the
// CashierClientRecord, its mode the one RunTransactionDialog set.
plat::INT_PTR TransactionDlgProc(plat::HWND dialog, plat::UINT msg, plat::WPARAM wParam,
                                 plat::LPARAM lParam);
plat::INT_PTR DepositConfirmDlgProc(plat::HWND dialog, plat::UINT msg, plat::WPARAM wParam,
                                    plat::LPARAM lParam);

// The order type of the dialog's selected tab.
int TabToOrderType(plat::HWND dialog);

// The WITHDRAW request's order tags from form, added to the packet being built.
void AddOrderTags(CComm& comm, const OrderForm& form);
