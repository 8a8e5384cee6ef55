#include "mainclient/CashierDesk.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "framework/game/ProtocolNames.h"
#include "framework/link/KeyValueList.h"
#include "framework/link/Text.h"
#include "framework/link/Cents.h"

namespace {

constexpr const char* kRequests[] = {"GETUSER",  "GETVALIDCARDS", "GETACCOUNTINFO",      "GETORDERTYPEINFO",
                                     "GETCREDITCARDINFO", "DEPOSIT", "WITHDRAW", "REQUESTSECURITYCODE",
                                     "GETORDERLOG", "ENDMODULE"};
constexpr std::int64_t kDay = 24 * 60 * 60;
constexpr std::size_t kMaxCardNumber = 30;
constexpr char kCodeLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";

std::string Money(std::int64_t cents) {
  const std::int64_t whole = cents < 0 ? -cents : cents;
  char text[40];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", cents < 0 ? "-" : "", static_cast<long long>(whole / 100),
                static_cast<long long>(whole % 100));
  return text;
}

std::string Fill(const char* format, const std::string& value) {
  char text[200];
  std::snprintf(text, sizeof text, format, value.c_str());
  return text;
}

const char* Value(const CKeyValueList& request, const char* tag) {
  const char* v = request.GetValue(tag);
  return v ? v : "";
}

// The answer under construction.
class CAnswer {
 public:
  CAnswer(const char* command, const char* answer) {
    tags_.Add("command", command);
    tags_.Add("answer", answer);
  }
  void Add(const char* tag, const std::string& value) { tags_.Add(tag, value.c_str()); }
  std::string Text() const {
    char* text = tags_.Encode();
    std::string out = text ? text : "";
    std::free(text);
    return out;
  }

 private:
  CKeyValueList tags_;
};

std::string Refuse(const char* command, const std::string& why) {
  CAnswer a(command, game::kAnswerFail);
  a.Add("errormsg", why);
  return a.Text();
}

const OnlineOrderType* FindType(const OnlineAccount& account, const char* protocolId) {
  for (const OnlineOrderType& t : account.orderTypes) {
    if (StrICmp(t.protocolId.c_str(), protocolId) == 0) return &t;
  }
  return nullptr;
}

int IsDigits(const std::string& text) {
  if (text.empty() || text.size() > kMaxCardNumber) return 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
  }
  return 1;
}

// The amount as the cashier reads it, in cents; 0 when it is no sum above 0.
int ReadAmount(const CKeyValueList& request, std::int64_t* cents) {
  double amount = 0.0;
  if (std::sscanf(Value(request, "amount"), "%lf", &amount) != 1 || !std::isfinite(amount) || !(amount > 0.0)) {
    return 0;
  }
  return CentsOf(amount, cents) && *cents > 0 ? 1 : 0;
}

// The sums stop at kMaxCents, the most any figure they are held against can
// be; an order is no more than that either, so no sum overflows.
std::int64_t CardDepositsSince(const OnlineAccount& a, std::int64_t since, std::int64_t* count) {
  std::int64_t sum = 0;
  *count = 0;
  for (const OnlineOrder& o : a.orders) {
    if (o.placedAt > since && o.amount > 0 && StrICmp(o.type.c_str(), "creditcard") == 0) {
      sum = std::min(sum + o.amount, kMaxCents);
      ++*count;
    }
  }
  return sum;
}

// Deposits (sign 1) or withdrawals (sign -1) of the last 30 days, as a sum above 0.
std::int64_t MovedSince(const OnlineAccount& a, std::int64_t since, int sign) {
  std::int64_t sum = 0;
  for (const OnlineOrder& o : a.orders) {
    if (o.placedAt > since && o.amount * sign > 0) sum = std::min(sum + o.amount * sign, kMaxCents);
  }
  return sum;
}

std::int64_t CurrentSecurityLimit(const OnlineAccount& a) {
  std::int64_t count = 0;
  const std::int64_t left = a.figures.securityLimit - CardDepositsSince(a, INT64_MIN, &count);
  return left > 0 ? left : 0;
}

// The refusal text of an amount outside [minimum, maximum] (0: none), or "".
std::string OutsideLimits(std::int64_t amount, std::int64_t minimum, std::int64_t maximum, const char* maxText) {
  if (minimum && amount < minimum) return Fill(kRefuseTypeMinimum, Money(minimum));
  if (maximum && amount > maximum) return Fill(maxText, Money(maximum));
  return "";
}

// The refusal of an amount against the type's bounds, the account's
// maximum per order and its 30-day figure, or "". sign: 1 deposit, -1
// withdrawal.
std::string OutsideAllLimits(const OnlineAccount& a, const OnlineOrderType& type, std::int64_t amount,
                             std::int64_t now, int sign) {
  const bool deposit = sign > 0;
  std::string why = OutsideLimits(amount, deposit ? type.minDeposit : type.minWithdraw,
                                  deposit ? type.maxDeposit : type.maxWithdraw, kRefuseTypeMaximum);
  if (why.empty()) {
    why = OutsideLimits(amount, 0, deposit ? a.figures.maxDeposit : a.figures.maxWithdraw, kRefuseOrderMaximum);
  }
  const std::int64_t month = deposit ? a.figures.maxDepositPer30Days : a.figures.maxWithdrawPer30Days;
  if (why.empty() && month && MovedSince(a, now - 30 * kDay, sign) + amount > month) {
    why = Fill(kRefuse30Days, Money(month));
  }
  return why;
}

std::string Placed(CAccountStore& store, const char* command, const OnlineOrder& order, const OnlineCard* card,
                   const char* message) {
  std::int64_t id = 0;
  if (!store.PlaceOrder(order, card, &id)) return Refuse(command, kRefuseStore);
  CAnswer a(command, game::kAnswerOk);
  a.Add("MESSAGE", Fill(message, Money(order.amount < 0 ? -order.amount : order.amount)));
  a.Add("ORDERID", std::to_string(id));
  return a.Text();
}

std::string Deposit(CAccountStore& store, const CKeyValueList& request, std::int64_t now) {
  constexpr const char* kCommand = "DEPOSIT";
  const OnlineAccount& a = store.Online();
  std::int64_t amount = 0;
  if (!ReadAmount(request, &amount)) return Refuse(kCommand, kRefuseAmount);
  const OnlineOrderType* type = FindType(a, Value(request, "type"));
  if (!type || StrICmp(type->protocolId.c_str(), "creditcard") != 0) return Refuse(kCommand, kRefuseDepositType);
  const std::string why = OutsideAllLimits(a, *type, amount, now, 1);
  if (!why.empty()) return Refuse(kCommand, why);
  std::int64_t count = 0;
  const std::int64_t day = CardDepositsSince(a, now - kDay, &count);
  if (a.figures.max24HourCardDepositCount && count >= a.figures.max24HourCardDepositCount) {
    return Refuse(kCommand, Fill(kRefuse24HourCount, std::to_string(a.figures.max24HourCardDepositCount)));
  }
  if (a.figures.max24HourCardDeposit && day + amount > a.figures.max24HourCardDeposit) {
    return Refuse(kCommand, Fill(kRefuse24HourSum, Money(a.figures.max24HourCardDeposit)));
  }
  OnlineCard card = a.card;
  if (!a.hasCard) {
    card = {Value(request, "cardtype"), Value(request, "number"),   Value(request, "expdate"),
            Value(request, "name"),     Value(request, "startdate"), Value(request, "issueno"),
            Value(request, "bankname"), Value(request, "bankphone")};
    bool accepted = false;
    for (const std::string& t : a.cardTypes) accepted = accepted || StrICmp(t.c_str(), card.cardType.c_str()) == 0;
    if (!accepted) return Refuse(kCommand, kRefuseCardType);
    if (!IsDigits(card.number)) return Refuse(kCommand, kRefuseCardNumber);
  }
  if (amount > CurrentSecurityLimit(a) && a.securityCode != Value(request, "securitycode")) {
    return Refuse(kCommand, kRefuseSecurityCode);
  }
  const std::string last4 = card.number.size() > 4 ? card.number.substr(card.number.size() - 4) : card.number;
  const OnlineOrder order{0, now, type->protocolId, kOrderAccepted, amount, type->depositService,
                          card.cardType + " ending " + last4};
  return Placed(store, kCommand, order, a.hasCard ? nullptr : &card, "Your deposit of $%s has been booked.");
}

std::string Withdraw(CAccountStore& store, const CKeyValueList& request, std::int64_t now) {
  constexpr const char* kCommand = "WITHDRAW";
  const OnlineAccount& a = store.Online();
  std::int64_t amount = 0;
  if (!ReadAmount(request, &amount)) return Refuse(kCommand, kRefuseAmount);
  const OnlineOrderType* type = FindType(a, Value(request, "type"));
  const bool wire = type && StrICmp(type->protocolId.c_str(), "wiretransfer") == 0;
  if (!type || (!wire && StrICmp(type->protocolId.c_str(), "bankdraft") != 0)) {
    return Refuse(kCommand, kRefuseWithdrawType);
  }
  const std::string why = OutsideAllLimits(a, *type, amount, now, -1);
  if (!why.empty()) return Refuse(kCommand, why);
  if (a.securityCode != Value(request, "securitycode")) return Refuse(kCommand, kRefuseSecurityCode);
  if (amount > a.balance) return Refuse(kCommand, kRefuseBalance);
  const std::string account = Value(request, "accountno");
  const std::string comment = wire ? "Wire transfer to account " + account : "Bank draft to the address on file";
  const OnlineOrder order{0, now, type->protocolId, kOrderAccepted, -amount, type->withdrawService, comment};
  return Placed(store, kCommand, order, nullptr, "Your withdrawal of $%s has been booked.");
}

std::string NewSecurityCode(CAccountStore& store, std::uint64_t random) {
  std::string code;
  for (int i = 0; i < kSecurityCodeLength; ++i) {
    code += kCodeLetters[random % (sizeof kCodeLetters - 1)];
    random /= sizeof kCodeLetters - 1;
  }
  if (!store.SetSecurityCode(code)) return Refuse("REQUESTSECURITYCODE", kRefuseStore);
  CAnswer a("REQUESTSECURITYCODE", game::kAnswerOk);
  a.Add("MESSAGE", "A new security code has been made; your old code is no longer valid.");
  return a.Text();
}

std::string OrderLog(const OnlineAccount& account) {
  CAnswer a("GETORDERLOG", game::kAnswerOk);
  for (const OnlineOrder& o : account.orders) {
    const std::time_t at = static_cast<std::time_t>(o.placedAt);
    std::tm when{};
    char date[32] = "";
    if (gmtime_r(&at, &when)) std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", &when);
    a.Add("orderid", std::to_string(o.id));
    a.Add("date", date);
    a.Add("type", o.type);
    a.Add("state", o.state);
    a.Add("amount", Money(o.amount));
    a.Add("service", Money(o.service));
    a.Add("comment", o.comment);
  }
  return a.Text();
}

std::string AccountInfo(const OnlineAccount& account) {
  const OnlineFigures& f = account.figures;
  CAnswer a("GETACCOUNTINFO", game::kAnswerOk);
  a.Add("ACCOUNTSUM", Money(account.balance));
  a.Add("securitylimit", Money(f.securityLimit));
  a.Add("currentsecuritylimit", Money(CurrentSecurityLimit(account)));
  a.Add("maxdepositper30days", Money(f.maxDepositPer30Days));
  a.Add("maxwithdrawper30days", Money(f.maxWithdrawPer30Days));
  a.Add("maxdeposit", Money(f.maxDeposit));
  a.Add("maxwithdraw", Money(f.maxWithdraw));
  a.Add("max24hourcarddeposit", Money(f.max24HourCardDeposit));
  a.Add("max24hourcarddepositcount", std::to_string(f.max24HourCardDepositCount));
  return a.Text();
}

std::string CardInfo(const OnlineAccount& account) {
  CAnswer a("GETCREDITCARDINFO", game::kAnswerOk);
  if (!account.hasCard) {
    for (const char* tag : {"CARDTYPE", "NUMBER", "EXPDATE", "NAME"}) a.Add(tag, "");
    return a.Text();
  }
  static constexpr std::pair<const char*, std::string OnlineCard::*> kCardTags[] = {
      {"CARDTYPE", &OnlineCard::cardType},   {"NUMBER", &OnlineCard::number},
      {"EXPDATE", &OnlineCard::expDate},     {"NAME", &OnlineCard::name},
      {"startdate", &OnlineCard::startDate}, {"issueno", &OnlineCard::issueNo},
      {"bankname", &OnlineCard::bankName},   {"bankphone", &OnlineCard::bankPhone}};
  OnlineCard shown = account.card;
  // All but the last four digits stay with the main client.
  for (std::size_t i = 0; i + 4 < shown.number.size(); ++i) shown.number[i] = '*';
  for (const auto& [tag, field] : kCardTags) a.Add(tag, shown.*field);
  return a.Text();
}

std::string User(const OnlineUser& u) {
  static constexpr std::pair<const char*, std::string OnlineUser::*> kUserTags[] = {
      {"pin", &OnlineUser::pin},         {"name", &OnlineUser::name},         {"address1", &OnlineUser::address1},
      {"address2", &OnlineUser::address2}, {"address3", &OnlineUser::address3}, {"zipcode", &OnlineUser::zipcode},
      {"town", &OnlineUser::town},       {"state", &OnlineUser::state},       {"country", &OnlineUser::country}};
  CAnswer a("GETUSER", game::kAnswerOk);
  for (const auto& [tag, field] : kUserTags) a.Add(tag, u.*field);
  return a.Text();
}

std::string OrderTypes(const OnlineAccount& account) {
  CAnswer a("GETORDERTYPEINFO", game::kAnswerOk);
  for (const OnlineOrderType& t : account.orderTypes) {
    a.Add("type", t.protocolId);
    a.Add("depositservice", Money(t.depositService));
    a.Add("mindeposit", Money(t.minDeposit));
    a.Add("maxdeposit", Money(t.maxDeposit));
    a.Add("withdrawservice", Money(t.withdrawService));
    a.Add("minwithdraw", Money(t.minWithdraw));
    a.Add("maxwithdraw", Money(t.maxWithdraw));
  }
  return a.Text();
}

}  // namespace

int IsCashierRequest(const char* packet) {
  CKeyValueList list;
  list.Decode(packet);
  const char* command = list.GetValue("command");
  if (!command) return 0;
  for (const char* name : kRequests) {
    if (StrICmp(command, name) == 0) return 1;
  }
  return 0;
}

std::string AnswerCashierRequest(CAccountStore& store, const char* request, std::int64_t now, std::uint64_t random) {
  CKeyValueList list;
  list.Decode(request);
  const std::string command = Value(list, "command");
  const OnlineAccount& account = store.Online();
  auto is = [&](const char* name) { return StrICmp(command.c_str(), name) == 0; };
  if (is("GETUSER")) return User(account.user);
  if (is("GETVALIDCARDS")) {
    CAnswer a("GETVALIDCARDS", game::kAnswerOk);
    for (const std::string& t : account.cardTypes) a.Add("type", t);
    return a.Text();
  }
  if (is("GETACCOUNTINFO")) return AccountInfo(account);
  if (is("GETORDERTYPEINFO")) return OrderTypes(account);
  if (is("GETCREDITCARDINFO")) return CardInfo(account);
  if (is("DEPOSIT")) return Deposit(store, list, now);
  if (is("WITHDRAW")) return Withdraw(store, list, now);
  if (is("REQUESTSECURITYCODE")) return NewSecurityCode(store, random);
  if (is("GETORDERLOG")) return OrderLog(account);
  return CAnswer("ENDMODULE", game::kAnswerOk).Text();
}
