// The main client's answers to the cashier's module requests online: the
// tags the cashier reads, in its order, and every refusal of an order.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "mainclient/CashierDesk.h"
#include "framework/link/Cents.h"
#include "tests/mainclient/CashierTags.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr std::int64_t kNow = 1'800'000'000;  // 2027-01-15 08:00 UTC
constexpr char kSeedCode[] = "K7Q2M9X";

const TagList kNewCard = {{"cardtype", "VISA"},   {"number", "4111111111111111"}, {"expdate", "1228"},
                          {"name", "Ann Player"}, {"startdate", ""},              {"issueno", ""},
                          {"bankname", "Lake Bank"}, {"bankphone", "555-0100"}};

class CashierDeskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    ASSERT_EQ(store.Open(folder.Path() + "/account.db", ""), 0) << store.Error();
  }
  TagList Ask(const TagList& request, std::int64_t now = kNow) {
    return TagsOf(AnswerCashierRequest(store, RequestText(request).c_str(), now, 12345));
  }
  static TagList Deposit(const std::string& amount, const std::string& code, bool withCard = true) {
    TagList r = {{"command", "DEPOSIT"}, {"type", "creditcard"}, {"amount", amount}, {"securitycode", code}};
    if (withCard) r.insert(r.end(), kNewCard.begin(), kNewCard.end());
    return r;
  }
  static TagList Withdraw(const std::string& type, const std::string& amount, const std::string& code) {
    return {{"command", "WITHDRAW"}, {"type", type}, {"amount", amount}, {"securitycode", code},
            {"accountno", "12345678"}};
  }
  // Asks, expects "ok", answers the order id.
  std::string Placed(const TagList& request, std::int64_t now = kNow) {
    const TagList a = Ask(request, now);
    EXPECT_EQ(TagValue(a, "answer"), "ok") << TagValue(a, "errormsg");
    return TagValue(a, "ORDERID");
  }

  TempFolder folder;
  CAccountStore store;
};

TEST_F(CashierDeskTest, TheSeededAccountIsAnsweredWithTheTagsInTheCashiersOrder) {
  TagList a = Ask({{"command", "GETUSER"}});
  EXPECT_EQ(NamesOf(a), (std::vector<std::string>{"command", "answer", "pin", "name", "address1", "address2",
                                                  "address3", "zipcode", "town", "state", "country"}));
  EXPECT_EQ(TagValue(a, "command"), "GETUSER");
  EXPECT_EQ(TagValue(a, "answer"), "ok");
  // Within the cashier's field sizes (with their terminating zero).
  const std::pair<const char*, std::size_t> sizes[] = {{"pin", 10},     {"name", 31}, {"address1", 31},
                                                       {"zipcode", 11}, {"town", 21}, {"state", 3},
                                                       {"country", 21}};
  for (const auto& [tag, size] : sizes) {
    EXPECT_FALSE(TagValue(a, tag).empty()) << tag;
    EXPECT_LT(TagValue(a, tag).size(), size) << tag;
  }

  a = Ask({{"command", "GETVALIDCARDS"}});
  EXPECT_EQ(a, (TagList{{"command", "GETVALIDCARDS"}, {"answer", "ok"}, {"type", "VISA"}, {"type", "MasterCard"},
                        {"type", "AmericanExpress"}}));

  a = Ask({{"command", "GETACCOUNTINFO"}});
  EXPECT_EQ(a, (TagList{{"command", "GETACCOUNTINFO"}, {"answer", "ok"}, {"ACCOUNTSUM", "1000.00"},
                        {"securitylimit", "500.00"}, {"currentsecuritylimit", "500.00"},
                        {"maxdepositper30days", "5000.00"}, {"maxwithdrawper30days", "10000.00"},
                        {"maxdeposit", "2500.00"}, {"maxwithdraw", "5000.00"}, {"max24hourcarddeposit", "1000.00"},
                        {"max24hourcarddepositcount", "3"}}));

  a = Ask({{"command", "GETORDERTYPEINFO"}});
  ASSERT_EQ(a.size(), 2u + 5 * 7);
  std::vector<std::string> types;
  for (std::size_t i = 2; i < a.size(); i += 7) {
    types.push_back(a[i].second);
    EXPECT_EQ(NamesOf(TagList(a.begin() + static_cast<long>(i), a.begin() + static_cast<long>(i) + 7)),
              (std::vector<std::string>{"type", "depositservice", "mindeposit", "maxdeposit", "withdrawservice",
                                        "minwithdraw", "maxwithdraw"}));
  }
  EXPECT_EQ(types, (std::vector<std::string>{"creditcard", "bankdraft", "WUMoneyTransfer", "wiretransfer", "security"}));
  EXPECT_EQ(TagList(a.begin() + 9, a.begin() + 16),
            (TagList{{"type", "bankdraft"}, {"depositservice", "0.00"}, {"mindeposit", "100.00"},
                     {"maxdeposit", "0.00"}, {"withdrawservice", "15.00"}, {"minwithdraw", "50.00"},
                     {"maxwithdraw", "2000.00"}}));

  a = Ask({{"command", "GETCREDITCARDINFO"}});
  EXPECT_EQ(a, (TagList{{"command", "GETCREDITCARDINFO"}, {"answer", "ok"}, {"CARDTYPE", ""}, {"NUMBER", ""},
                        {"EXPDATE", ""}, {"NAME", ""}}));
  a = Ask({{"command", "GETORDERLOG"}});
  EXPECT_EQ(a, (TagList{{"command", "GETORDERLOG"}, {"answer", "ok"}}));
  EXPECT_EQ(Ask({{"command", "endmodule"}}), (TagList{{"command", "ENDMODULE"}, {"answer", "ok"}}));
}

TEST_F(CashierDeskTest, OrdersMoveTheBalanceAndAreListedOldestFirst) {
  EXPECT_EQ(Placed(Deposit("250.5", kSeedCode)), "1");
  // The card went on file: shown masked, and the next deposit needs no card tags.
  EXPECT_EQ(Ask({{"command", "GETCREDITCARDINFO"}}),
            (TagList{{"command", "GETCREDITCARDINFO"}, {"answer", "ok"}, {"CARDTYPE", "VISA"},
                     {"NUMBER", "************1111"}, {"EXPDATE", "1228"}, {"NAME", "Ann Player"},
                     {"startdate", ""}, {"issueno", ""}, {"bankname", "Lake Bank"}, {"bankphone", "555-0100"}}));
  EXPECT_EQ(Placed(Deposit("20", "", false), kNow + 60), "2");
  EXPECT_EQ(Placed(Withdraw("wiretransfer", "300", kSeedCode), kNow + 120), "3");
  EXPECT_EQ(store.Online().balance, 100000 + 25050 + 2000 - 30000);
  const TagList info = Ask({{"command", "GETACCOUNTINFO"}});
  EXPECT_EQ(TagValue(info, "ACCOUNTSUM"), "970.50");
  EXPECT_EQ(TagValue(info, "currentsecuritylimit"), "229.50");  // 500 - 250.50 - 20

  const TagList log = Ask({{"command", "GETORDERLOG"}});
  ASSERT_EQ(log.size(), 2u + 3 * 7);
  EXPECT_EQ(TagList(log.begin() + 2, log.begin() + 9),
            (TagList{{"orderid", "1"}, {"date", "2027-01-15 08:00"}, {"type", "creditcard"}, {"state", "accepted"},
                     {"amount", "250.50"}, {"service", "0.00"}, {"comment", "VISA ending 1111"}}));
  EXPECT_EQ(TagValue(TagList(log.begin() + 16, log.end()), "amount"), "-300.00");
  EXPECT_EQ(TagValue(TagList(log.begin() + 16, log.end()), "service"), "25.00");
  EXPECT_EQ(TagValue(TagList(log.begin() + 16, log.end()), "orderid"), "3");

  // Everything was committed: a reopened store answers the same.
  store.Close();
  ASSERT_EQ(store.Open(folder.Path() + "/account.db", ""), 0);
  EXPECT_EQ(Ask({{"command", "GETORDERLOG"}}), log);
  EXPECT_EQ(store.Online().card.number, "4111111111111111");
}

TEST_F(CashierDeskTest, EveryRefusalLeavesBalanceAndOrdersAsTheyWere) {
  const TagList refused[] = {
      Deposit("abc", kSeedCode),
      Deposit("nan", kSeedCode),
      Deposit("inf", kSeedCode),
      Deposit("-50", kSeedCode),
      Deposit("0", kSeedCode),
      Deposit("0.004", kSeedCode),
      {{"command", "DEPOSIT"}, {"type", "bankdraft"}, {"amount", "200"}, {"securitycode", kSeedCode}},
      {{"command", "DEPOSIT"}, {"amount", "200"}, {"securitycode", kSeedCode}},
      {{"command", "DEPOSIT"}, {"type", "creditcard"}, {"amount", "100"}, {"securitycode", kSeedCode},
       {"cardtype", "JCB"}, {"number", "3530111333300000"}},
      {{"command", "DEPOSIT"}, {"type", "creditcard"}, {"amount", "100"}, {"securitycode", kSeedCode},
       {"cardtype", "VISA"}, {"number", "4111 1111 1111 1111"}},
      {{"command", "DEPOSIT"}, {"type", "creditcard"}, {"amount", "100"}, {"securitycode", kSeedCode},
       {"cardtype", "VISA"}, {"number", ""}},
      Deposit("19.99", kSeedCode),
      Deposit("500.01", ""),
      Deposit("500.01", "K7Q2M9Y"),
      Withdraw("bankdraft", "100", ""),
      Withdraw("bankdraft", "100", "k7q2m9x"),
      Withdraw("creditcard", "100", kSeedCode),
      Withdraw("WUMoneyTransfer", "100", kSeedCode),
      Withdraw("bankdraft", "49.99", kSeedCode),
      Withdraw("bankdraft", "1000.01", kSeedCode),  // within the type's 2000, above the balance
      Withdraw("wiretransfer", "1e300", kSeedCode),
  };
  const std::string before = AnswerCashierRequest(store, "command=GETORDERLOG", kNow, 1);
  for (const TagList& request : refused) {
    const TagList a = Ask(request);
    EXPECT_EQ(TagValue(a, "command"), request[0].second) << RequestText(request);
    EXPECT_EQ(TagValue(a, "answer"), "fail") << RequestText(request);
    EXPECT_NE(TagValue(a, "errormsg"), "(missing)") << RequestText(request);
    EXPECT_EQ(store.Online().balance, 100000) << RequestText(request);
    EXPECT_TRUE(store.Online().orders.empty()) << RequestText(request);
    EXPECT_FALSE(store.Online().hasCard) << RequestText(request);
  }
  EXPECT_EQ(TagValue(Ask(Withdraw("bankdraft", "1000.01", kSeedCode)), "errormsg"), kRefuseBalance);
  EXPECT_EQ(TagValue(Ask(Deposit("500.01", "")), "errormsg"), kRefuseSecurityCode);
  EXPECT_EQ(TagValue(Ask(Deposit("19.99", "")), "errormsg"), "The minimum amount for this order type is $20.00.");
  store.Close();
  ASSERT_EQ(store.Open(folder.Path() + "/account.db", ""), 0);
  EXPECT_EQ(AnswerCashierRequest(store, "command=GETORDERLOG", kNow, 1), before);
}

TEST_F(CashierDeskTest, LimitsPassAtTheirEdgeAndRefuseACentOver) {
  // Without a code up to the security limit, to the cent.
  EXPECT_EQ(TagValue(Ask(Deposit("500.00", "")), "answer"), "ok");
  EXPECT_EQ(TagValue(Ask(Deposit("20.00", "", false), kNow + 1), "errormsg"), kRefuseSecurityCode);
  // Type maximum 2000 and 24-hour card maximum 1000: 500 + 500 passes, a cent more does not.
  EXPECT_EQ(TagValue(Ask(Deposit("2000.01", kSeedCode, false), kNow + 1), "errormsg"),
            "The maximum amount for this order type is $2000.00.");
  EXPECT_EQ(TagValue(Ask(Deposit("500.01", kSeedCode, false), kNow + 1), "errormsg"),
            "This deposit would pass the card limit of $1000.00 per 24 hours.");
  EXPECT_EQ(TagValue(Ask(Deposit("500.00", kSeedCode, false), kNow + 1), "answer"), "ok");
  // A day later the 24-hour figures start again; the third deposit of a day is the last.
  const std::int64_t day = 24 * 60 * 60;
  EXPECT_EQ(TagValue(Ask(Deposit("20", kSeedCode, false), kNow + day + 1), "answer"), "ok");
  EXPECT_EQ(TagValue(Ask(Deposit("20", kSeedCode, false), kNow + day + 2), "answer"), "ok");
  EXPECT_EQ(TagValue(Ask(Deposit("20", kSeedCode, false), kNow + day + 3), "answer"), "ok");
  EXPECT_EQ(TagValue(Ask(Deposit("20", kSeedCode, false), kNow + day + 4), "errormsg"),
            "No more than 3 card deposits are taken per 24 hours.");
  EXPECT_EQ(store.Online().balance, 100000 + 50000 + 50000 + 3 * 2000);  // 2060.00

  // Withdrawal: the type's bounds, then exactly the balance.
  EXPECT_EQ(TagValue(Ask(Withdraw("bankdraft", "50.00", kSeedCode)), "answer"), "ok");
  EXPECT_EQ(TagValue(Ask(Withdraw("bankdraft", "2000.01", kSeedCode)), "errormsg"),
            "The maximum amount for this order type is $2000.00.");
  EXPECT_EQ(TagValue(Ask(Withdraw("wiretransfer", "199.99", kSeedCode)), "errormsg"),
            "The minimum amount for this order type is $200.00.");
  EXPECT_EQ(TagValue(Ask(Withdraw("wiretransfer", "2010.01", kSeedCode)), "errormsg"), kRefuseBalance);
  EXPECT_EQ(TagValue(Ask(Withdraw("wiretransfer", "2010.00", kSeedCode)), "answer"), "ok");
  EXPECT_EQ(store.Online().balance, 0);
}

TEST_F(CashierDeskTest, The30DayFiguresCountTheOrdersOfThe30DaysBefore) {
  const std::int64_t day = 24 * 60 * 60;
  // 5000 per 30 days at 1000 per card day: five days of 1000, then the smallest deposit refuses.
  for (int d = 0; d < 5; ++d) {
    EXPECT_EQ(TagValue(Ask(Deposit("1000", kSeedCode, d == 0), kNow + d * day), "answer"), "ok") << d;
  }
  EXPECT_EQ(TagValue(Ask(Deposit("20", kSeedCode, false), kNow + 5 * day), "errormsg"),
            "This order would pass the limit of $5000.00 per 30 days.");
  // Thirty days after the first, it no longer counts.
  EXPECT_EQ(TagValue(Ask(Deposit("1000", kSeedCode, false), kNow + 30 * day), "answer"), "ok");
}

// A store altered to hold 10,000 card deposits of the most an order can be,
// more than 64 bits can sum: the 30-day sum stops at that most, and refuses.
TEST_F(CashierDeskTest, OrdersOfTheMostCentsSumWithoutOverflow) {
  store.Close();
  const std::string path = folder.Path() + "/account.db";
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  const std::string insert = "INSERT INTO orders (placed_at, type, state, amount_cents, service_cents, comment)"
                             " VALUES (" + std::to_string(kNow - 60) + ", 'creditcard', 'done', " +
                             std::to_string(kMaxCents) + ", 0, '')";
  ASSERT_EQ(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(sqlite3_exec(db, insert.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  ASSERT_EQ(store.Open(path, ""), 0) << store.Error();
  EXPECT_EQ(TagValue(Ask(Deposit("20", kSeedCode, false)), "errormsg"),
            "This order would pass the limit of $5000.00 per 30 days.");
}

TEST_F(CashierDeskTest, ANewSecurityCodeReplacesTheOldAtOnce) {
  const TagList a = Ask({{"command", "REQUESTSECURITYCODE"}});
  EXPECT_EQ(NamesOf(a), (std::vector<std::string>{"command", "answer", "MESSAGE"}));
  const std::string code = store.Online().securityCode;
  EXPECT_EQ(code.size(), 7u);
  EXPECT_NE(code, kSeedCode);
  EXPECT_EQ(TagValue(Ask(Withdraw("bankdraft", "100", kSeedCode)), "errormsg"), kRefuseSecurityCode);
  EXPECT_EQ(TagValue(Ask(Withdraw("bankdraft", "100", code)), "answer"), "ok");
  store.Close();
  ASSERT_EQ(store.Open(folder.Path() + "/account.db", ""), 0);
  EXPECT_EQ(store.Online().securityCode, code);
}

TEST_F(CashierDeskTest, OnlyTheModuleRequestsAreTheCashiers) {
  for (const char* r : {"command=GETUSER", "command=deposit&amount=1", "command=ENDMODULE", "command=GetOrderLog"}) {
    EXPECT_EQ(IsCashierRequest(r), 1) << r;
  }
  for (const char* r : {"command=CLIENTINIT", "", "amount=1", "command=GETUSERS", "command="}) {
    EXPECT_EQ(IsCashierRequest(r), 0) << r;
  }
}

}  // namespace
