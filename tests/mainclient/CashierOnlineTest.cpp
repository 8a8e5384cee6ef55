// The main client online: the programs play with the online account, and
// the cashier's module requests are answered to its client end while every
// other packet is relayed as offline.
#include "mainclient/CashierDesk.h"
#include "tests/mainclient/CashierTags.h"
#include "tests/mainclient/MainClientFixture.h"
#include "tests/support/ScriptedProgram.h"

namespace {

using P = CScriptedProgram;

TEST_F(MainClientTest, OnlineTheProgramsPlayWithTheOnlineAccount) {
  mainClient.GoOnline();
  P cashier("TestCashier");
  ASSERT_EQ(cashier.Connect(), 1);
  Pump(mainClient);
  EXPECT_STREQ(cashier.record.GetText(), "ONLINE");
  EXPECT_EQ(cashier.record.GetMoney(), 1000.0);
  cashier.balance = 1012.25;
  ASSERT_EQ(P::Send(cashier.server, {{"command", "BETDATA"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(mainClient.Balance(), 1012.25);
  mainClient.Destroy();
  CAccountStore store;
  ASSERT_EQ(store.Open(StoreFile(), ""), 0) << store.Error();
  EXPECT_EQ(store.Online().balance, 101225);
  EXPECT_EQ(store.BalanceCents(), 300000);  // the play-for-fun balance is untouched
}

TEST_F(MainClientTest, OfflineNothingIsBookedOnlineAndTheCashiersRequestsAreRelayed) {
  P cashier("TestCashier");
  ASSERT_EQ(cashier.Connect(), 1);
  Pump(mainClient);
  EXPECT_STREQ(cashier.record.GetText(), "OFFLINE");
  cashier.balance = 3100.0;
  ASSERT_EQ(P::Send(cashier.client, {{"command", "DEPOSIT"}, {"AMOUNT", "100"}}), 1);
  ASSERT_EQ(P::Send(cashier.server, {{"command", "DEPOSIT"}, {"answer", "ok"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(cashier.server), "command=DEPOSIT&AMOUNT=100");
  EXPECT_EQ(mainClient.Balance(), 3100.0);
  mainClient.Destroy();
  CAccountStore store;
  ASSERT_EQ(store.Open(StoreFile(), ""), 0) << store.Error();
  EXPECT_EQ(store.Online().balance, 100000);
  EXPECT_TRUE(store.Online().orders.empty());
}

TEST_F(MainClientTest, OnlineTheCashiersRequestsAreAnsweredToItsClientEnd) {
  mainClient.GoOnline();
  P cashier("TestCashier");
  ASSERT_EQ(cashier.Connect(), 1);
  ASSERT_EQ(P::Send(cashier.client, {{"command", "GETACCOUNTINFO"}}), 1);
  Pump(mainClient);
  const TagList info = TagsOf(P::Take(cashier.client));
  EXPECT_EQ(TagValue(info, "command"), "GETACCOUNTINFO");
  EXPECT_EQ(TagValue(info, "ACCOUNTSUM"), "1000.00");
  ASSERT_EQ(P::Send(cashier.client, {{"command", "WITHDRAW"},
                                     {"type", "bankdraft"},
                                     {"amount", "100"},
                                     {"securitycode", "K7Q2M9X"}}),
            1);
  Pump(mainClient);
  const TagList placed = TagsOf(P::Take(cashier.client));
  EXPECT_EQ(NamesOf(placed), (std::vector<std::string>{"command", "answer", "MESSAGE", "ORDERID"}));
  EXPECT_EQ(TagValue(placed, "ORDERID"), "1");
  EXPECT_EQ(mainClient.Balance(), 900.0);
  // Nothing of it reached the server end; other packets still do.
  EXPECT_EQ(P::Take(cashier.server), "");
  ASSERT_EQ(P::Send(cashier.client, {{"command", "CLIENTINIT"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(cashier.server), "command=CLIENTINIT");
}

TEST_F(MainClientTest, OnlineAnAnswerWaitsForTheClientEndAndIsMadeOnce) {
  mainClient.GoOnline();
  P cashier("TestCashier");
  ASSERT_EQ(cashier.Connect(), 1);
  // The client end holds the first answer unread, so it refuses the second.
  ASSERT_EQ(P::Send(cashier.client, {{"command", "GETUSER"}}), 1);
  ASSERT_EQ(P::Send(cashier.client, {{"command", "DEPOSIT"},
                                     {"type", "creditcard"},
                                     {"amount", "25"},
                                     {"cardtype", "MasterCard"},
                                     {"number", "5500000000000004"}}),
            1);
  for (int i = 0; i < 3; ++i) Pump(mainClient);
  EXPECT_EQ(TagValue(TagsOf(P::Take(cashier.client)), "command"), "GETUSER");
  Pump(mainClient);
  EXPECT_EQ(TagValue(TagsOf(P::Take(cashier.client)), "ORDERID"), "1");
  Pump(mainClient);
  EXPECT_EQ(P::Take(cashier.client), "");
  EXPECT_EQ(mainClient.OnlineFigures().orders.size(), 1u);
  EXPECT_EQ(mainClient.Balance(), 1025.0);
}

}  // namespace
