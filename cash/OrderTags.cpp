// The WITHDRAW request's order tags.
#include <cstddef>

#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
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

}  // namespace

void AddOrderTags(CComm& comm, const OrderForm& form) {
  const int type = form.orderType;
  AddTag(comm, "type", type >= 0 && type < kOrderTypeCount ? gOrderTypes[type].protocolId : "");
  for (const OrderTag& tag : kOrderTags) AddTag(comm, tag.name, reinterpret_cast<const char*>(&form) + tag.field);
}
