// The order form's checks with their refusal shown over the dialog.
#pragma once

#include "platform/include/plat/types.h"

struct CashierClientRecord;

// gOrderForm checked: 1 the order may be sent, 0 nothing to send, -1 a
// refusal was shown in a message box over dialog.
int ValidateOrderForm(plat::HWND dialog, const CashierClientRecord& record);
