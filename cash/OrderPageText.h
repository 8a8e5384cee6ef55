// What the transaction dialog paints: the pages' texts and the information
// panel.
#pragma once

#include "platform/include/plat/gdi.h"

struct CashierClientRecord;
struct OrderTextRow;
struct OrderTypeRow;

// Draws rows (ended by a row without text) at rect's corner plus each row's
// offset, word-wrapped at rect's right edge, in the normal (1) or bold (2)
// font.
void DrawPageText(plat::HDC hdc, const OrderTextRow* rows, const plat::RECT& rect);
// The order type's title centred in bold at the top of rect, its rows, and
// what the page shows of the record and the user.
void DrawOrderPage(plat::HDC hdc, const plat::RECT& rect, int orderType, const CashierClientRecord& record);
// The name and balance, then the type's limits, time and charge (and for
// the credit card online, the daily limits) in the panel.
void DrawOrderInfo(plat::HDC hdc, const plat::RECT& panel, const OrderTypeRow& row, const char* name,
                   const CashierClientRecord& record);
