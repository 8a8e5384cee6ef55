#include "cash/CashierReaders.h"

#include <cctype>

#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierMoney.h"
#include "cash/OrderForm.h"
#include "framework/link/Comm.h"
#include "framework/link/Text.h"
#include "framework/link/WholeNumbers.h"

namespace {

// The value of the next tag called name, from the cursor on; null when none.
const char* NextValue(CComm& comm, const char* name) {
  if (!comm.FindNextTag(name)) return nullptr;
  const char* value = comm.TagValue();
  return value ? value : "";
}

// Fills field from the next tag called name; 0 when there is none.
template <std::size_t N>
int TakeNext(CComm& comm, const char* name, char (&field)[N]) {
  const char* value = NextValue(comm, name);
  if (!value) return 0;
  CopyField(field, value);
  return 1;
}

// Fills field from the first tag called name, if any.
template <std::size_t N>
void TakeOptional(CComm& comm, const char* name, char (&field)[N]) {
  comm.RewindReceived();
  if (const char* value = NextValue(comm, name)) CopyField(field, value);
}

void EmptyWhenBlank(char* field) {
  for (const char* at = field; *at; ++at)
    if (std::isalnum(static_cast<unsigned char>(*at))) return;
  field[0] = 0;
}

int ReadLongTag(CComm& comm, std::int32_t* value) {
  const char* text = comm.TagValue();
  return text != nullptr && ReadWholeNumber(&text, 10, value) ? 1 : 0;
}

}  // namespace

int ReadDoubleTag(CComm& comm, double* value) { return ReadNumber(comm.TagValue(), value); }

int ParseUserInfo(CComm& comm) {
  CashierUserRecord& user = gCashierUser;
  user = CashierUserRecord{};
  comm.RewindReceived();
  if (!TakeNext(comm, "pin", user.pin) || !TakeNext(comm, "name", user.name) ||
      !TakeNext(comm, "address1", user.address1) || !TakeNext(comm, "address2", user.address2) ||
      !TakeNext(comm, "address3", user.address3) || !TakeNext(comm, "zipcode", user.zipcode) ||
      !TakeNext(comm, "town", user.town) || !TakeNext(comm, "state", user.state) ||
      !TakeNext(comm, "country", user.country))
    return 0;
  EmptyWhenBlank(user.address2);
  EmptyWhenBlank(user.address3);
  EmptyWhenBlank(user.state);
  return 1;
}

int ParseAccountInfo(CComm& comm, CashierClientRecord* record) {
  double* const figures[] = {&record->accountSum,          &record->securityLimit,
                             &record->currentSecurityLimit, &record->maxDepositPer30Days,
                             &record->maxWithdrawPer30Days, &record->maxDeposit,
                             &record->maxWithdraw,          &record->max24HourCardDeposit};
  const char* const names[] = {"ACCOUNTSUM",           "securitylimit",
                               "currentsecuritylimit", "maxdepositper30days",
                               "maxwithdrawper30days", "maxdeposit",
                               "maxwithdraw",          "max24hourcarddeposit"};
  double read[8];
  comm.RewindReceived();
  for (int i = 0; i < 8; ++i)
    if (!comm.FindNextTag(names[i]) || !ReadDoubleTag(comm, &read[i])) return 0;
  std::int32_t count = 0;
  if (!comm.FindNextTag("max24hourcarddepositcount") || !ReadLongTag(comm, &count)) return 0;
  for (int i = 0; i < 8; ++i) *figures[i] = read[i];
  record->max24HourCardDepositCount = count;
  return 1;
}

int ParseCreditCardInfo(CComm& comm) {
  OrderForm& form = gOrderForm;
  form.cardOnFile = 0;
  comm.RewindReceived();
  struct CardTag {
    const char* name;
    char* field;
    std::size_t size;
  };
  const CardTag cardTags[] = {{"CARDTYPE", form.cardType, sizeof form.cardType},
                              {"NUMBER", form.cardNumber, sizeof form.cardNumber},
                              {"EXPDATE", form.expiryDate, sizeof form.expiryDate},
                              {"NAME", form.cardholder, sizeof form.cardholder}};
  // An empty value means no card on file: the tags after it need not come.
  for (const CardTag& tag : cardTags) {
    const char* value = NextValue(comm, tag.name);
    if (!value) return 0;
    CopyField(tag.field, tag.size, value);
    if (!tag.field[0]) return 1;
  }
  TakeOptional(comm, "startdate", form.startDate);
  TakeOptional(comm, "issueno", form.issueNo);
  TakeOptional(comm, "bankname", form.bankName);
  TakeOptional(comm, "bankphone", form.bankPhone);
  form.cardOnFile = 1;
  return 1;
}

void ParseValidCards(CComm& comm) {
  for (CardTypeRow& card : gCardTypes) card.accepted = 0;
  comm.RewindReceived();
  while (comm.FindNextTag("type")) {
    for (CardTypeRow& card : gCardTypes)
      if (StrICmp(card.protocolName, comm.TagValue()) == 0) card.accepted = 1;
  }
}
