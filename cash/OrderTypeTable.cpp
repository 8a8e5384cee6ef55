// The built-in order types and their page texts.
#include "cash/OrderTypes.h"

#include <cstring>

namespace {

// Everything of a row but the texts composed at run time.
struct OrderTypeSource {
  const char* name;
  const char* protocolId;
  const char* timeText;
  const char* chargeTemplate;
  OrderTextRow rows[kOrderTextRows];
};

constexpr OrderTypeSource kOrderTypeSources[kOrderTypeCount] = {
    {"Credit Card",
     "creditcard",
     "2-3 minutes, usually about 30 seconds.",
     CASH_MARKER "depss" CASH_MARKER,
     {{0, 16, 1,
       "Only one credit card can be used at a time. You can change to another card when your "
       "balance is below 1 USD."},
      {0, 51, 1, "1. Enter deposit amount (in US dollars)"},
      {255, 50, 1, "$"},
      {0, 80, 1, "2. Credit Card"},
      {108, 80, 1, "Type"},
      {15, 108, 1, "Credit Card No."},
      {210, 130, 1, "Date of Expiry"},
      {15, 130, 1, "Start date (if available)"},
      {15, 152, 1, "Cardholder (name)"},
      {15, 174, 1, "Issue No. (if available)"},
      {0, 200, 1, "3. Issuing Bank (This information is found at the back of your card.)"},
      {15, 222, 1, "Name of Issuing Bank"},
      {15, 244, 1, "Telephone Number"},
      {80, 290, 1, "Enter Security Code"},
      {0, 0, 0, nullptr}}},
    {"Bank Draft/Check",
     "bankdraft",
     "Bank drafts take approximately 10 days, faster for large banks. Personal checks take 4-21 "
     "days.",
     CASH_MARKER "depss" CASH_MARKER,
     {{0, 16, 1, "You can deposit money with a bank draft or a personal check in US dollars."},
      {0, 60, 1, "Send the draft or check by registered mail to our postal address:"},
      {0, 170, 1, "Enclose your name, your address and your PIN, so the money reaches your account."},
      {0, 220, 1, "Your PIN is:"},
      {0, 0, 0, nullptr}}},
    {"Western Union Money Transfer",
     "WUMoneyTransfer",
     "During regular business hours, it takes 2-3 hours. You can also let Western Union call the "
     "receiver. This decreases the transfer time.",
     "Check with your local Western Union office.",
     {{0, 16, 1, "You can deposit money with a Kestrup money transfer."},
      {0, 60, 1,
       "To find the nearest Kestrup office call 1-800-555-0142 (USA) or +44 20 5550 1420 "
       "(elsewhere)."},
      {0, 110, 1, "Make the transfer payable to:"},
      {0, 210, 1, "Write your PIN in the message field of the transfer."},
      {0, 260, 1, "Your PIN is:"},
      {0, 0, 0, nullptr}}},
    {"Bank Draft",
     "bankdraft",
     "It usually takes 5-10 days.",
     CASH_MARKER "withss" CASH_MARKER " USD",
     {{0, 16, 1, "We send you a bank draft in US dollars by registered mail."},
      {0, 64, 1, "1. Enter amount to be withdrawn in US dollars"},
      {0, 90, 1, "2. The security code is always asked for when you withdraw money."},
      {80, 127, 1, "Enter Security Code"},
      {0, 150, 1, "3. The money will be sent to the following address (as specified in the User Info):"},
      {0, 0, 0, nullptr}}},
    {"Wire Transfer",
     "wiretransfer",
     "It usually takes 2-3 days.",
     CASH_MARKER "withss" CASH_MARKER
     " USD. There may be additional fees charged by your local bank. There is usually a 10 USD "
     "fee for receiving a wire transfer, but this can vary.",
     {{0, 16, 1, "We wire the money in US dollars to your bank account."},
      {0, 50, 1, "1. Enter amount to be withdrawn in US dollars"},
      {0, 83, 1, "2. Your bank's SWIFT-code (or ROUTING No./ABA No. in the USA)."},
      {0, 130, 1, "3. Enter your account number and name."},
      {0, 180, 1, "4. Name and address of your bank."},
      {43, 103, 1, "SWIFT"},
      {110, 103, 1, "ROUTING No."},
      {193, 103, 1, "ABA No."},
      {10, 151, 1, "Account"},
      {183, 151, 1, "Name"},
      {10, 199, 1, "Name"},
      {10, 219, 1, "Address"},
      {177, 199, 1, "Zip Code"},
      {177, 219, 1, "City"},
      {177, 239, 1, "State"},
      {177, 259, 1, "Country"},
      {0, 285, 1, "5. For security reasons, please enter your Security Code"},
      {80, 307, 1, "Enter Security Code"},
      {0, 0, 0, nullptr}}},
    {"Security Code",
     "security",
     "-",
     "-",
     {{0, 120, 1,
       "The security code is sent to you by regular mail. It takes 7-21 days to arrive."},
      {40, 173, 1, "Yes, send me a Security Code to the adress below."},
      {0, 0, 0, nullptr}}},
};

}  // namespace

OrderTypeRow gOrderTypes[kOrderTypeCount];
OrderLimits gOrderLimits[kOrderTypeCount];

void ResetOrderTypes() {
  for (int type = 0; type < kOrderTypeCount; ++type) {
    const OrderTypeSource& source = kOrderTypeSources[type];
    OrderTypeRow& row = gOrderTypes[type];
    row.name = source.name;
    row.title = source.name;
    row.protocolId = source.protocolId;
    std::strcpy(row.limitText, type == kOrderSecurityCode ? "-" : "");
    row.reserved = 0;
    row.timeText = source.timeText;
    row.chargeTemplate = source.chargeTemplate;
    std::strcpy(row.chargeText, source.chargeTemplate);
    std::memcpy(row.rows, source.rows, sizeof row.rows);
    gOrderLimits[type] = OrderLimits{};
  }
}

namespace {

// The tables are ready before main.
struct InitialOrderTypes {
  InitialOrderTypes() { ResetOrderTypes(); }
} gInitialOrderTypes;

}  // namespace
