#include "cash/CashierResources.h"

#include "cash/AccountLogDialog.h"
#include "cash/CardTypes.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "platform/include/plat/resource.h"

using namespace plat;

CDib gCashierBackground;

namespace {

// The pages' controls are made at run time; the template holds the frame.
constexpr DLGITEMTEMPLATE kTransactionItems[] = {
    {CTL_TABCONTROL, kTabControlId, "", kTabControlRect.left, kTabControlRect.top,
     kTabControlRect.right - kTabControlRect.left, kTabControlRect.bottom - kTabControlRect.top, CS_GROUP},
    {CTL_DEFPUSHBUTTON, IDOK, "OK", 445, 445, 75, 25, CS_GROUP},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 530, 445, 75, 25, 0},
    {CTL_PUSHBUTTON, kHelpButtonId, "Help", 615, 445, 75, 25, 0},
};
constexpr DLGTEMPLATE kTransactionTemplate = {
    "DEPOSIT", kDialogWidth, kDialogHeight, "Arial", 13, TRUE,
    kTransactionItems, static_cast<int>(sizeof kTransactionItems / sizeof kTransactionItems[0])};

constexpr DLGITEMTEMPLATE kConfirmItems[] = {
    {CTL_DEFPUSHBUTTON, IDOK, "OK", 105, 78, 75, 25, CS_GROUP},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 200, 78, 75, 25, 0},
};
constexpr DLGTEMPLATE kConfirmTemplate = {
    "DEPOSIT CONFIRMATION", kConfirmWidth, kConfirmHeight, "Arial", 13, TRUE,
    kConfirmItems, static_cast<int>(sizeof kConfirmItems / sizeof kConfirmItems[0])};

constexpr DLGITEMTEMPLATE kLogItems[] = {
    // Where the header texts go; the dialog paints them.
    {CTL_STATIC, kLogUserId, "", 10, 8, 290, 24, CS_HIDDEN},
    {CTL_STATIC, kLogBalanceId, "", 320, 8, 290, 24, CS_HIDDEN},
    {CTL_LISTVIEW, kAccountLogListId, "", 10, 44, 600, 290, CS_BORDER | CS_GROUP},
    {CTL_DEFPUSHBUTTON, IDOK, "OK", 360, 345, 75, 25, CS_GROUP},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 445, 345, 75, 25, 0},
    {CTL_PUSHBUTTON, kHelpButtonId, "Help", 530, 345, 75, 25, 0},
};
constexpr DLGTEMPLATE kLogTemplate = {
    "Account log", kLogWidth, kLogHeight, "Arial", 13, TRUE,
    kLogItems, static_cast<int>(sizeof kLogItems / sizeof kLogItems[0])};

}  // namespace

void RegisterCashierResources() {
  RegisterDialogResource(kAccountLogDialogId, &kLogTemplate);
  RegisterDialogResource(kTransactionDialogId, &kTransactionTemplate);
  RegisterDialogResource(kDepositConfirmDialogId, &kConfirmTemplate);
  for (const CardTypeRow& card : gCardTypes) RegisterBitmapResource(card.logoBitmap, CardLogoFile(card.logoBitmap));
}
