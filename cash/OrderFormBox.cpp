#include "cash/OrderFormBox.h"

#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/OrderValidation.h"
#include "platform/include/plat/dialog.h"

int ValidateOrderForm(plat::HWND dialog, const CashierClientRecord& record) {
  const OrderCheck check = CheckOrderForm(gOrderForm, record);
  if (check.result == kOrderRefused) plat::MessageBox(dialog, check.text, check.caption, plat::MB_OK);
  return check.result;
}

int ComposeOrderTextsShown(plat::HWND owner, int offline) {
  const int composed = ComposeOrderTexts(offline);
  if (composed == kChargeTemplateTooLong)
    plat::MessageBox(owner, kChargeTemplateTooLongText, kChargeTemplateTooLongCaption, plat::MB_OK);
  return composed;
}
