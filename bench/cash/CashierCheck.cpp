// cashier_check: the cashier's real code over grids of forms and a long run
// of play-for-fun orders.
//   --validation: each grid's outcomes of the order form's checks, counted.
//   --offline-sequence --start S --requests N: N orders from a fixed
//     generator through the play-for-fun server; each answer checked against
//     the account's own rules (the cap, no withdrawal beyond the balance) and
//     the balance to the cent after each.
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/support/ScriptedServerLink.h"
#include "cash/CashierClientRecord.h"
#include "cash/OfflineServer.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/OrderValidation.h"
#include "framework/link/Db.h"
#include "framework/link/PlayerRecord.h"

namespace {

using Outcomes = std::map<std::string, long>;

std::string OutcomeText(const OrderCheck& check) {
  if (check.result != kOrderRefused) return check.result == kOrderSend ? "1" : "0";
  std::string text = std::string(check.caption) + ": ";
  for (const char* at = check.text; *at; ++at) text += *at == '\n' ? std::string("\\n") : std::string(1, *at);
  return text;
}

void PrintGrid(const char* name, const Outcomes& outcomes) {
  long total = 0;
  for (const auto& [text, count] : outcomes) total += count;
  std::printf("%s: %ld forms\n", name, total);
  for (const auto& [text, count] : outcomes) std::printf("  %6ld  %s\n", count, text.c_str());
}

struct Limits {
  double minimum;
  double maximum;
};

void DepositGrid(const CashierClientRecord& record) {
  Outcomes outcomes;
  for (Limits limits : {Limits{0, 0}, Limits{20, 1000}})
    for (const char* amount : {"0", "abc", "nan", "19.99", "20", "500", "500.01", "1000", "1000.01"})
      for (const char* code : {"", "123456", "1234567"})
        for (int onFile : {0, 1})
          for (const char* expiry : {"", "1299", "12299"})
            for (const char* holder : {"Al", "Ann"})
              for (const char* number : {"", "411111111", "4111111111", "4111 1111 11", "5111111111111", "3111111111"})
                for (const char* type : {"VISA", "mastercard", "JCB", "Diners"}) {
                  ResetOrderTypes();
                  gOrderLimits[kOrderCreditCard].minDeposit = limits.minimum;
                  gOrderLimits[kOrderCreditCard].maxDeposit = limits.maximum;
                  OrderForm form{};
                  form.orderType = kOrderCreditCard;
                  CopyField(form.amount, amount);
                  CopyField(form.securityCode, code);
                  form.cardOnFile = static_cast<char>(onFile);
                  CopyField(form.expiryDate, expiry);
                  CopyField(form.cardholder, holder);
                  CopyField(form.cardNumber, number);
                  CopyField(form.cardType, type);
                  ++outcomes[OutcomeText(CheckOrderForm(form, record))];
                }
  PrintGrid("deposit (credit card)", outcomes);
}

// A withdrawal form whose bank fields are all good.
OrderForm GoodWithdrawal(int type, const char* amount) {
  OrderForm form{};
  form.orderType = type;
  CopyField(form.amount, amount);
  CopyField(form.securityCode, "1234567");
  CopyField(form.accountName, "Ann Lee");
  CopyField(form.bankName, "Harbour Bank");
  CopyField(form.bankAddress1, "Quay 1");
  CopyField(form.bankCountry, "Norland");
  CopyField(form.bankTown, "Port Amsel");
  return form;
}

const char* const kWithdrawAmounts[] = {"0", "49", "50", "300", "300.01", "1000", "1000.01"};

void SetWithdrawLimits(int type, Limits limits) {
  ResetOrderTypes();
  gOrderLimits[type].minWithdraw = limits.minimum;
  gOrderLimits[type].maxWithdraw = limits.maximum;
}

void BankDraftGrid(const CashierClientRecord& record) {
  Outcomes outcomes;
  for (Limits limits : {Limits{0, 0}, Limits{50, 1000}})
    for (const char* amount : kWithdrawAmounts) {
      SetWithdrawLimits(kOrderBankDraftWithdraw, limits);
      ++outcomes[OutcomeText(CheckOrderForm(GoodWithdrawal(kOrderBankDraftWithdraw, amount), record))];
    }
  PrintGrid("withdraw (bank draft)", outcomes);
}

void WireTransferGrid(const CashierClientRecord& record) {
  Outcomes outcomes;
  for (Limits limits : {Limits{0, 0}, Limits{50, 1000}})
    for (const char* amount : kWithdrawAmounts)
      for (const char* swift : {"", "DEUTDEFF"})
        for (const char* routing : {"", "12345678", "123456789", "1234567890", "12345678A"})
          for (const char* aba : {"", "12345678", "123456789"})
            for (const char* account : {"", "12345", "12A45", "12345678901234567890X"})
              for (const char* town : {"Port Amsel", ""}) {
                SetWithdrawLimits(kOrderWireTransfer, limits);
                OrderForm form = GoodWithdrawal(kOrderWireTransfer, amount);
                CopyField(form.swift, swift);
                CopyField(form.routing, routing);
                CopyField(form.aba, aba);
                CopyField(form.accountNo, account);
                CopyField(form.bankTown, town);
                ++outcomes[OutcomeText(CheckOrderForm(form, record))];
              }
  PrintGrid("withdraw (wire transfer)", outcomes);
}

int Validation() {
  CashierClientRecord record{};
  record.accountSum = 300;
  record.securityLimit = 500;
  DepositGrid(record);
  BankDraftGrid(record);
  WireTransferGrid(record);
  return 0;
}

// The play-for-fun account's cap, written out here so that the run checks
// the server rather than repeating it.
constexpr std::int64_t kCapCents = 467310942;

// "D.CC" or "D" with digits only, as --start is given; -1 otherwise.
std::int64_t StartCents(const char* text) {
  std::int64_t cents = 0;
  int decimals = -1;
  for (const char* at = text; *at; ++at) {
    if (*at == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (*at < '0' || *at > '9' || decimals == 2 || cents > kCapCents * 10) return -1;
    cents = cents * 10 + (*at - '0');
    if (decimals >= 0) ++decimals;
  }
  if (!*text || decimals == 0) return -1;
  for (int d = decimals < 0 ? 0 : decimals; d < 2; ++d) cents *= 10;
  return cents;
}

struct OfflineServer {
  CashierServerRecord* record;
  CPlayerRecord player;
};

int StepOffline(void* server, CComm& comm, int userId) {
  auto* offline = static_cast<OfflineServer*>(server);
  return OfflineServerRun(offline->record, comm, userId, offline->player);
}

int OfflineSequence(const char* startText, long requests) {
  std::int64_t expected = StartCents(startText);
  if (expected < 0 || expected > kCapCents || requests < 0) {
    std::fprintf(stderr, "cashier_check: bad --start or --requests\n");
    return 2;
  }
  OfflineServer server{OfflineServerInit(), {}};
  server.player.SetMoney(static_cast<double>(expected) / 100);
  dbSetBalance(1, server.player.GetMoney());
  CScriptedServerLink link("cashier_check", StepOffline, &server);
  const auto begun = std::chrono::steady_clock::now();
  long made[2] = {0, 0};
  long refused[2] = {0, 0};
  std::uint64_t x = 1;
  for (long k = 1; k <= requests; ++k) {
    x = x * 48271 % 2147483647;
    const std::int64_t amount = static_cast<std::int64_t>(x % 100000000);
    const int deposit = x & 1;
    char packet[96];
    std::snprintf(packet, sizeof packet, "command=%s&AMOUNT=%" PRId64 ".%02" PRId64,
                  deposit ? "DEPOSIT" : "WITHDRAW", amount / 100, amount % 100);
    const CKeyValueList* answer = link.Exchange(packet, "fail");
    if (!answer) return 1;
    const bool allowed = deposit ? expected + amount <= kCapCents : amount <= expected;
    const bool answeredOk = std::strcmp(answer->GetValue("answer"), "ok") == 0;
    if (answeredOk != allowed) {
      std::fprintf(stderr, "request %ld (%s) at balance %.2f: answered %s\n", k, packet,
                   static_cast<double>(expected) / 100, answer->GetValue("answer"));
      return 1;
    }
    if (allowed) {
      ++made[deposit];
      expected += deposit ? amount : -amount;
    } else {
      ++refused[deposit];
    }
    double local = 0;
    dbGetBalance(1, &local);
    if (std::llround(server.player.GetMoney() * 100) != expected || local != server.player.GetMoney()) {
      std::fprintf(stderr, "request %ld (%s): balance %.2f, local %.2f, expected %.2f\n", k, packet,
                   server.player.GetMoney(), local, static_cast<double>(expected) / 100);
      return 1;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
  std::printf("deposits made %ld refused %ld; withdrawals made %ld refused %ld; final balance %.2f\n", made[1],
              refused[1], made[0], refused[0], server.player.GetMoney());
  std::fprintf(stderr, "%ld requests in %.2f s\n", requests, seconds);
  OfflineServerFree(server.record);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--validation") == 0) return Validation();
  if (argc == 6 && std::strcmp(argv[1], "--offline-sequence") == 0 && std::strcmp(argv[2], "--start") == 0 &&
      std::strcmp(argv[4], "--requests") == 0)
    return OfflineSequence(argv[3], std::strtol(argv[5], nullptr, 10));
  std::fprintf(stderr,
               "usage: cashier_check --validation\n"
               "       cashier_check --offline-sequence --start AMOUNT --requests N\n");
  return 2;
}
