// The main client's online answers read back by the cashier's own readers:
// what the store holds is what the cashier gets, for each of its requests,
// and an order the cashier's form makes is booked once.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierReaders.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "framework/link/Comm.h"
#include "framework/link/Text.h"
#include "mainclient/CashierDesk.h"
#include "tests/cash/CashierPackets.h"
#include "tests/mainclient/CashierTags.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr std::int64_t kNow = 1'800'000'000;  // 2027-01-15 08:00 UTC

double Dollars(std::int64_t cents) { return static_cast<double>(cents) / 100; }

// One row of the account log as the cashier's log lists it.
struct LogRow {
  std::string date, id, type, state, amount, charge, comment;
  bool operator==(const LogRow&) const = default;
};

// The log rows of the GETORDERLOG answer on comm, walked as the account log
// dialog walks it: each orderid opens a row on top, so the newest comes first.
std::vector<LogRow> ReadLog(CComm& comm) {
  std::vector<LogRow> rows;
  comm.RewindReceived();
  for (comm.FirstTag(); comm.HasTag(); comm.NextTag()) {
    const char* name = comm.TagName();
    const std::string value = comm.TagValue() ? comm.TagValue() : "";
    if (StrICmp(name, "orderid") == 0) rows.insert(rows.begin(), LogRow{});
    if (rows.empty()) continue;
    LogRow& top = rows.front();
    const std::string money = value.rfind('-', 0) == 0 ? "-$" + value.substr(1) : "$" + value;
    if (StrICmp(name, "date") == 0) top.date = value;
    if (StrICmp(name, "orderid") == 0) top.id = value;
    if (StrICmp(name, "type") == 0) top.type = value;
    if (StrICmp(name, "state") == 0) top.state = value;
    if (StrICmp(name, "amount") == 0) top.amount = money;
    if (StrICmp(name, "service") == 0) top.charge = money;
    if (StrICmp(name, "comment") == 0) top.comment = value;
  }
  return rows;
}

// The row an order of the store should show as.
LogRow Shown(const OnlineOrder& order) {
  char date[48];
  const std::int64_t minutes = (order.placedAt - kNow) / 60;
  std::snprintf(date, sizeof date, "2027-01-15 %02lld:%02lld", static_cast<long long>(8 + minutes / 60),
                static_cast<long long>(minutes % 60));
  char amount[32];
  const std::int64_t magnitude = order.amount < 0 ? -order.amount : order.amount;
  std::snprintf(amount, sizeof amount, "%s$%lld.%02lld", order.amount < 0 ? "-" : "",
                static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
  char charge[32];
  std::snprintf(charge, sizeof charge, "$%lld.%02lld", static_cast<long long>(order.service / 100),
                static_cast<long long>(order.service % 100));
  return {date, std::to_string(order.id), order.type, order.state, amount, charge, order.comment};
}

// The DEPOSIT or WITHDRAW request of gOrderForm with the tags the cashier
// sends: type, amount, securitycode, and the card fields when no card is on
// file (a deposit) or the bank fields (a withdrawal).
std::string OrderRequest(const char* command) {
  const OrderForm& f = gOrderForm;
  TagList tags = {{"command", command},
                  {"type", gOrderTypes[f.orderType].protocolId},
                  {"amount", f.amount},
                  {"securitycode", f.securityCode}};
  if (f.orderType == kOrderCreditCard && !f.cardOnFile) {
    const TagList card = {{"cardtype", f.cardType},   {"number", f.cardNumber}, {"expdate", f.expiryDate},
                          {"name", f.cardholder},     {"startdate", f.startDate}, {"issueno", f.issueNo},
                          {"bankname", f.bankName},   {"bankphone", f.bankPhone}};
    tags.insert(tags.end(), card.begin(), card.end());
  }
  if (f.orderType == kOrderWireTransfer) tags.push_back({"accountno", f.accountNo});
  return RequestText(tags);
}

class CashierRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    ASSERT_EQ(store.Open(folder.Path() + "/account.db", ""), 0) << store.Error();
    ResetOrderTypes();
    gOrderForm = OrderForm{};
    record = CashierClientRecord{};
  }
  void TearDown() override { ResetOrderTypes(); }

  // The answer to request, arrived on the cashier's link end; its answer tag.
  std::string Ask(const std::string& request, std::int64_t now = kNow) {
    answer = AnswerCashierRequest(store, request.c_str(), now, 987654321);
    Arrive(comm, answer.c_str());
    const char* value = comm.recvList.GetValue("answer");
    return value ? value : "(missing)";
  }
  // Places gOrderForm's order as the cashier sends it; answers its id.
  double Place(const char* command, std::int64_t now) {
    EXPECT_EQ(Ask(OrderRequest(command), now), "ok") << comm.recvList.GetValue("errormsg");
    EXPECT_TRUE(comm.FindNextTag("MESSAGE"));
    double id = -1;
    comm.RewindReceived();
    EXPECT_TRUE(comm.FindNextTag("ORDERID"));
    EXPECT_EQ(ReadDoubleTag(comm, &id), 1);
    return id;
  }
  void ExpectFiguresOfTheStore() {
    ASSERT_EQ(Ask("command=GETACCOUNTINFO"), "ok");
    ASSERT_EQ(ParseAccountInfo(comm, &record), 1);
    const OnlineAccount& a = store.Online();
    EXPECT_EQ(record.accountSum, Dollars(a.balance));
    EXPECT_EQ(record.securityLimit, Dollars(a.figures.securityLimit));
    EXPECT_EQ(record.maxDepositPer30Days, Dollars(a.figures.maxDepositPer30Days));
    EXPECT_EQ(record.maxWithdrawPer30Days, Dollars(a.figures.maxWithdrawPer30Days));
    EXPECT_EQ(record.maxDeposit, Dollars(a.figures.maxDeposit));
    EXPECT_EQ(record.maxWithdraw, Dollars(a.figures.maxWithdraw));
    EXPECT_EQ(record.max24HourCardDeposit, Dollars(a.figures.max24HourCardDeposit));
    EXPECT_EQ(record.max24HourCardDepositCount, a.figures.max24HourCardDepositCount);
  }
  std::vector<LogRow> StoredLogNewestFirst() {
    std::vector<LogRow> rows;
    for (const OnlineOrder& o : store.Online().orders) rows.insert(rows.begin(), Shown(o));
    return rows;
  }

  TempFolder folder;
  CAccountStore store;
  CComm comm;
  std::string answer;
  CashierClientRecord record{};
};

TEST_F(CashierRoundTripTest, EachAnswerReadsBackAsTheStoreHoldsIt) {
  const OnlineAccount& a = store.Online();

  ASSERT_EQ(Ask("command=GETUSER"), "ok");
  ASSERT_EQ(ParseUserInfo(comm), 1);
  EXPECT_EQ(gCashierUser.pin, a.user.pin);
  EXPECT_EQ(gCashierUser.name, a.user.name);
  EXPECT_EQ(gCashierUser.address1, a.user.address1);
  EXPECT_EQ(gCashierUser.address2, a.user.address2);
  EXPECT_EQ(gCashierUser.address3, a.user.address3);
  EXPECT_EQ(gCashierUser.zipcode, a.user.zipcode);
  EXPECT_EQ(gCashierUser.town, a.user.town);
  EXPECT_EQ(gCashierUser.state, a.user.state);
  EXPECT_EQ(gCashierUser.country, a.user.country);

  ASSERT_EQ(Ask("command=GETVALIDCARDS"), "ok");
  ParseValidCards(comm);
  int accepted = 0;
  for (const CardTypeRow& card : gCardTypes) {
    bool stored = false;
    for (const std::string& t : a.cardTypes) stored = stored || t == card.protocolName;
    EXPECT_EQ(card.accepted, stored ? 1 : 0) << card.protocolName;
    accepted += card.accepted;
  }
  EXPECT_EQ(accepted, static_cast<int>(a.cardTypes.size()));

  ExpectFiguresOfTheStore();
  EXPECT_EQ(record.currentSecurityLimit, Dollars(a.figures.securityLimit));  // no deposits yet

  ASSERT_EQ(Ask("command=GETORDERTYPEINFO"), "ok");
  ASSERT_EQ(ParseOrderTypeInfo(comm), 1);
  int matched = 0;
  for (int type = 0; type < kOrderTypeCount; ++type) {
    for (const OnlineOrderType& t : a.orderTypes) {
      if (StrICmp(t.protocolId.c_str(), gOrderTypes[type].protocolId) != 0) continue;
      ++matched;
      const OrderLimits& l = gOrderLimits[type];
      EXPECT_EQ(l.depositService, Dollars(t.depositService)) << type;
      EXPECT_EQ(l.minDeposit, Dollars(t.minDeposit)) << type;
      EXPECT_EQ(l.maxDeposit, Dollars(t.maxDeposit)) << type;
      EXPECT_EQ(l.withdrawService, Dollars(t.withdrawService)) << type;
      EXPECT_EQ(l.minWithdraw, Dollars(t.minWithdraw)) << type;
      EXPECT_EQ(l.maxWithdraw, Dollars(t.maxWithdraw)) << type;
    }
  }
  EXPECT_EQ(matched, kOrderTypeCount);  // both bank drafts take the one "bankdraft" row
  EXPECT_EQ(ComposeOrderTexts(0), kOrderTextsComposed);
  EXPECT_STREQ(gOrderTypes[kOrderCreditCard].limitText,
               "The minimum amount is 20 USD. The maximum amount is 2,000 USD per 30 days.");

  ASSERT_EQ(Ask("command=GETCREDITCARDINFO"), "ok");
  ASSERT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 0);

  ASSERT_EQ(Ask("command=GETORDERLOG"), "ok");
  EXPECT_TRUE(ReadLog(comm).empty());

  const std::string oldCode = a.securityCode;
  ASSERT_EQ(Ask("command=REQUESTSECURITYCODE"), "ok");
  EXPECT_TRUE(comm.FindNextTag("MESSAGE"));
  EXPECT_NE(a.securityCode, oldCode);

  ASSERT_EQ(Ask("command=ENDMODULE"), "ok");
  EXPECT_STREQ(comm.recvList.GetValue("command"), "ENDMODULE");
}

TEST_F(CashierRoundTripTest, OrdersOfTheCashiersFormAreBookedOnceAndListedNewestFirst) {
  const std::string code = store.Online().securityCode;
  const std::int64_t start = store.Online().balance;

  // A credit-card deposit with a new card, as the form holds it.
  gOrderForm.orderType = kOrderCreditCard;
  CopyField(gOrderForm.amount, "612.34");
  CopyField(gOrderForm.securityCode, code.c_str());
  CopyField(gOrderForm.cardType, "MasterCard");
  CopyField(gOrderForm.cardNumber, "5500000000000004");
  CopyField(gOrderForm.expiryDate, "0929");
  CopyField(gOrderForm.cardholder, "Ann Player");
  CopyField(gOrderForm.bankName, "Lake Bank");
  CopyField(gOrderForm.bankPhone, "555-0100");
  const double first = Place("DEPOSIT", kNow);
  ASSERT_EQ(store.Online().orders.size(), 1u);
  EXPECT_EQ(first, static_cast<double>(store.Online().orders[0].id));
  EXPECT_EQ(store.Online().balance, start + 61234);

  // The card is on file now: read back masked, the next deposit goes without it.
  gOrderForm = OrderForm{};
  ASSERT_EQ(Ask("command=GETCREDITCARDINFO"), "ok");
  ASSERT_EQ(ParseCreditCardInfo(comm), 1);
  EXPECT_EQ(gOrderForm.cardOnFile, 1);
  EXPECT_STREQ(gOrderForm.cardType, "MasterCard");
  EXPECT_STREQ(gOrderForm.cardNumber, "************0004");
  EXPECT_STREQ(gOrderForm.expiryDate, "0929");
  EXPECT_STREQ(gOrderForm.cardholder, "Ann Player");
  EXPECT_STREQ(gOrderForm.bankName, "Lake Bank");
  EXPECT_STREQ(gOrderForm.bankPhone, "555-0100");
  gOrderForm.orderType = kOrderCreditCard;
  CopyField(gOrderForm.amount, "20");
  CopyField(gOrderForm.securityCode, code.c_str());  // the first used up the security limit
  const double second = Place("DEPOSIT", kNow + 60);

  // A wire transfer out.
  gOrderForm = OrderForm{};
  gOrderForm.orderType = kOrderWireTransfer;
  CopyField(gOrderForm.amount, "250.01");
  CopyField(gOrderForm.securityCode, code.c_str());
  CopyField(gOrderForm.accountNo, "12345678");
  const double third = Place("WITHDRAW", kNow + 120);
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);

  // Each order once, the balance moved once by each.
  ASSERT_EQ(store.Online().orders.size(), 3u);
  EXPECT_EQ(store.Online().balance, start + 61234 + 2000 - 25001);
  ExpectFiguresOfTheStore();
  EXPECT_EQ(record.accountSum, 1382.33);  // 1000 + 612.34 + 20 - 250.01

  ASSERT_EQ(Ask("command=GETORDERLOG"), "ok");
  const std::vector<LogRow> log = ReadLog(comm);
  EXPECT_EQ(log, StoredLogNewestFirst());
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], (LogRow{"2027-01-15 08:02", std::to_string(static_cast<long long>(third)), "wiretransfer",
                            "accepted", "-$250.01", "$25.00", "Wire transfer to account 12345678"}));
  EXPECT_EQ(log[2].amount, "$612.34");
  EXPECT_EQ(log[2].comment, "MasterCard ending 0004");

  // What was committed is what a reopened store answers.
  store.Close();
  ASSERT_EQ(store.Open(folder.Path() + "/account.db", ""), 0) << store.Error();
  ASSERT_EQ(Ask("command=GETORDERLOG"), "ok");
  EXPECT_EQ(ReadLog(comm), log);
  ExpectFiguresOfTheStore();
}

}  // namespace
