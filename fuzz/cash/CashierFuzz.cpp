// Arbitrary packets, one a line, read by every cashier answer reader and
// served by the play-for-fun server: fields stay terminated, flags stay 0 or
// 1, and the play balance stays within 0 and the cap, equal to the local
// balance, and changes only by an answered order.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierMoney.h"
#include "cash/CashierReaders.h"
#include "cash/OfflineServer.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/OrderValidation.h"
#include "framework/link/Db.h"
#include "framework/link/PlayerRecord.h"
#include "tests/support/CaptureTransport.h"

namespace {

constexpr int kUser = 1;

template <std::size_t N>
void CheckTerminated(const char (&field)[N]) {
  if (!std::memchr(field, 0, N)) std::abort();
}

void CheckRecords() {
  const CashierUserRecord& user = gCashierUser;
  CheckTerminated(user.pin);
  CheckTerminated(user.name);
  CheckTerminated(user.address1);
  CheckTerminated(user.address2);
  CheckTerminated(user.address3);
  CheckTerminated(user.zipcode);
  CheckTerminated(user.town);
  CheckTerminated(user.state);
  CheckTerminated(user.country);
  const OrderForm& form = gOrderForm;
  CheckTerminated(form.cardType);
  CheckTerminated(form.cardNumber);
  CheckTerminated(form.expiryDate);
  CheckTerminated(form.cardholder);
  CheckTerminated(form.startDate);
  CheckTerminated(form.issueNo);
  CheckTerminated(form.bankName);
  CheckTerminated(form.bankPhone);
  if (form.cardOnFile != 0 && form.cardOnFile != 1) std::abort();
  for (const CardTypeRow& card : gCardTypes)
    if (card.accepted != 0 && card.accepted != 1) std::abort();
  for (const OrderTypeRow& row : gOrderTypes) {
    CheckTerminated(row.limitText);
    CheckTerminated(row.chargeText);
  }
}

void ReadAll(const std::string& packet, CashierClientRecord& record) {
  CComm client;
  client.Init("clientout.log", "clientin.log");
  client.OnDataReceived(packet.c_str(), packet.size() + 1);
  if (!client.IsReceived()) return;
  ParseUserInfo(client);
  ParseAccountInfo(client, &record);
  ParseCreditCardInfo(client);
  ParseValidCards(client);
  if (ParseOrderTypeInfo(client)) ComposeOrderTexts(0);
  client.RewindReceived();
  if (client.FindNextTag("amount")) CopyField(gOrderForm.amount, client.TagValue());
  for (int type = 0; type < kOrderTypeCount; ++type) {
    gOrderForm.orderType = type;
    const OrderCheck check = CheckOrderForm(gOrderForm, record);
    if (check.result < -1 || check.result > 1) std::abort();
    if (check.result == kOrderRefused && (!check.caption || !std::memchr(check.text, 0, sizeof check.text)))
      std::abort();
  }
  CheckRecords();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  ResetCardTypes();
  ResetOrderTypes();
  gOrderForm = OrderForm{};
  CashierClientRecord record{};

  CComm server;
  server.Init("serverout.log", "serverin.log");
  auto* transport = new CCaptureTransport;
  server.SetTransport(transport);
  CashierServerRecord* offline = OfflineServerInit();
  CPlayerRecord player;
  player.SetMoney(3000);
  dbSetBalance(kUser, 3000);

  std::size_t start = 0;
  int result = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    const std::string packet = input.substr(start, end - start);
    start = end + 1;
    ReadAll(packet, record);

    const std::size_t sentBefore = transport->sent.size();
    const std::int64_t before = ToCents(player.GetMoney());
    server.OnDataReceived(packet.c_str(), packet.size() + 1);
    for (int frame = 0; frame < 4; ++frame) {
      const int previous = result;
      result = OfflineServerRun(offline, server, kUser, player);
      if (previous == -2 && result != -2) std::abort();
    }
    const std::int64_t after = ToCents(player.GetMoney());
    double local = 0;
    dbGetBalance(kUser, &local);
    if (after < 0 || after > kOfflineBalanceCapCents || local != player.GetMoney()) std::abort();
    if (after != before && transport->sent.size() == sentBefore) std::abort();
    if (result == -2 && transport->sent.size() > sentBefore + 1) std::abort();
  }
  OfflineServerFree(offline);
  return 0;
}
