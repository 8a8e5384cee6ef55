// The DEPOSIT and WITHDRAW requests.
#include "cash/OrderRequest.h"

#include <cstddef>

#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "framework/link/Comm.h"

namespace {

struct OrderTag {
  const char* name;
  std::size_t field;
};

constexpr OrderTag kOrderTags[] = {
    {"amount", offsetof(OrderForm, amount)},
    {"securitycode", offsetof(OrderForm, securityCode)},
    {"cardtype", offsetof(OrderForm, cardType)},
    {"cardno", offsetof(OrderForm, cardNumber)},
    {"expdate", offsetof(OrderForm, expiryDate)},
    {"swift", offsetof(OrderForm, swift)},
    {"routing", offsetof(OrderForm, routing)},
    {"aba", offsetof(OrderForm, aba)},
    {"accountno", offsetof(OrderForm, accountNo)},
    {"accountname", offsetof(OrderForm, accountName)},
    {"bankname", offsetof(OrderForm, bankName)},
    {"bankaddress1", offsetof(OrderForm, bankAddress1)},
    {"bankaddress2", offsetof(OrderForm, bankAddress2)},
    {"bankaddress3", offsetof(OrderForm, bankAddress3)},
    {"bankzipcode", offsetof(OrderForm, bankZipCode)},
    {"banktown", offsetof(OrderForm, bankTown)},
    {"bankstate", offsetof(OrderForm, bankState)},
    {"bankcountry", offsetof(OrderForm, bankCountry)},
};

void AddTag(CComm& comm, const char* name, const char* value) {
  comm.AddTag(name);
  comm.SetTagValue(value);
}

// A credit-card deposit: the card's fields go along unless one is on file.
void AddDepositTags(CComm& comm, const OrderForm& form) {
  const int type = form.orderType >= 0 && form.orderType < kOrderTypeCount ? form.orderType : kOrderCreditCard;
  AddTag(comm, "type", gOrderTypes[type].protocolId);
  AddTag(comm, "amount", form.amount);
  AddTag(comm, "securitycode", form.securityCode);
  if (form.cardOnFile) return;
  AddTag(comm, "cardtype", form.cardType);
  AddTag(comm, "number", form.cardNumber);
  AddTag(comm, "expdate", form.expiryDate);
  AddTag(comm, "name", form.cardholder);
  AddTag(comm, "startdate", form.startDate);
  AddTag(comm, "issueno", form.issueNo);
  AddTag(comm, "bankname", form.bankName);
  AddTag(comm, "bankphone", form.bankPhone);
}

// An online withdrawal: every order field, in the main client's order.
void AddOrderTags(CComm& comm, const OrderForm& form) {
  const int type = form.orderType;
  AddTag(comm, "type", type >= 0 && type < kOrderTypeCount ? gOrderTypes[type].protocolId : "");
  for (const OrderTag& tag : kOrderTags) AddTag(comm, tag.name, reinterpret_cast<const char*>(&form) + tag.field);
}

}  // namespace

int BeginOrderRequest(CComm& comm, const OrderForm& form, int withdraw, int online) {
  if (!comm.IsSendFree() || !comm.BeginPacket()) return 0;
  comm.AddCommand(withdraw ? "WITHDRAW" : "DEPOSIT");
  if (!withdraw) {
    AddDepositTags(comm, form);
  } else if (online) {
    AddOrderTags(comm, form);
  } else {
    AddTag(comm, "AMOUNT", form.amount);
  }
  return 1;
}
