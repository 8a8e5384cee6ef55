// The transaction dialog's pages: the controls of the form's order type,
// made and destroyed at run time, read into the form and painted.
#pragma once

#include "platform/include/plat/types.h"

struct CashierClientRecord;
struct OrderForm;

enum PageMode : int {
  kPageCreate = 0,   // makes the controls and paints the page
  kPageDestroy = 1,  // destroys them and clears the page
  kPageRead = 2,     // copies their texts into the form
  kPagePaint = 3,    // paints the page's texts
};

// The text rectangle T of the page rectangle P.
plat::RECT PageTextRect(const plat::RECT& page);

// 1 when id is an amount edit of the order type's page.
int IsAmountEdit(int orderType, int id);

// Acts on the page of form->orderType. 1, or 0 when the page cannot be made
// (a card logo did not load).
int BuildOrderPage(plat::HWND dialog, OrderForm* form, int mode, const plat::RECT& page,
                   CashierClientRecord* record);
