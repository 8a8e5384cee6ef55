// Where the transaction dialog's pieces lie and the ids of its controls.
#pragma once

#include "platform/include/plat/types.h"

inline constexpr int kDialogWidth = 700;   // client area; the background picture's size
inline constexpr int kDialogHeight = 480;

inline constexpr int kTabControlId = 1000;
inline constexpr int kHelpButtonId = 9;
inline constexpr int kHelpCommandId = 104;  // the F1 key

inline constexpr plat::RECT kTabControlRect{165, 10, 690, 435};
// The information panel (the name and balance lie above it).
inline constexpr plat::RECT kInfoPanel{22, 131, 150, 437};
inline constexpr plat::POINT kNameAt{64, 77};
inline constexpr plat::POINT kBalanceAt{88, 92};

// The text rectangle T: the page rectangle P moved this much right and down,
// and narrower and shorter by these.
inline constexpr int kTextShiftX = 7;
inline constexpr int kTextShiftY = 8;
inline constexpr int kTextCutRight = 7;
inline constexpr int kTextCutBottom = 5;

// Page controls.
enum PageControlId : int {
  kPinEditId = 106,        // bank draft, money transfer
  kWithdrawAmountId = 106, // bank draft and wire transfer withdrawals
  kCardTypeId = 108,
  kRequestCodeId = 110,
  kCardAmountId = 111,
  kCardNumberId = 112,
  kStartDateId = 113,
  kExpiryDateId = 114,
  kCardholderId = 115,
  kIssueNoId = 116,
  kBankNameId = 117,
  kBankPhoneId = 118,
  kSecurityCodeId = 119,
  kBankCodeId = 120,
  kSwiftRadioId = 121,
  kRoutingRadioId = 122,
  kAbaRadioId = 123,
  kAccountNoId = 124,
  kAccountNameId = 125,
  kBankAddress1Id = 126,
  kBankAddress2Id = 127,
  kBankAddress3Id = 128,
  kBankZipCodeId = 129,
  kBankTownId = 130,
  kBankStateId = 131,
  kBankCountryId = 132,
};

// The deposit confirmation.
inline constexpr int kConfirmWidth = 380;
inline constexpr int kConfirmHeight = 110;
inline constexpr int kConfirmTextId = 200;

// The account log.
inline constexpr int kLogWidth = 620;
inline constexpr int kLogHeight = 380;
inline constexpr int kLogUserId = 1045;
inline constexpr int kLogBalanceId = 1046;
