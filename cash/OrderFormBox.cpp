#include "cash/OrderFormBox.h"

#include "cash/OrderForm.h"
#include "cash/OrderValidation.h"
#include "platform/include/plat/dialog.h"

int ValidateOrderForm(plat::HWND dialog, const CashierClientRecord& record) {
  const OrderCheck check = CheckOrderForm(gOrderForm, record);
  if (check.result == kOrderRefused) plat::MessageBox(dialog, check.text, check.caption, plat::MB_OK);
  return check.result;
}
