// The cashier's refusals and errors shown in message boxes: the order
// form's checks, and a charge text that could not be composed.
#pragma once

#include "platform/include/plat/types.h"

struct CashierClientRecord;

// gOrderForm checked: 1 the order may be sent, 0 nothing to send, -1 a
// refusal was shown in a message box over dialog.
int ValidateOrderForm(plat::HWND dialog, const CashierClientRecord& record);
// ComposeOrderTexts, with a charge template too long to compose reported in
// a box over owner; answers as ComposeOrderTexts.
int ComposeOrderTextsShown(plat::HWND owner, int offline);
