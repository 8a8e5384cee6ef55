// The play-for-fun server between two real link ends: every command, every
// failure text, the cap and the balance to the cent, and the local balance
// kept equal to the player record's money.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "cash/CashierClientRecord.h"
#include "cash/CashierReaders.h"
#include "cash/OfflineServer.h"
#include "framework/link/Comm.h"
#include "framework/link/Db.h"
#include "framework/link/PlayerRecord.h"
#include "tests/support/CaptureTransport.h"

namespace {

constexpr int kUser = 1;

class OfflineServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    client.Init("clientout.log", "clientin.log");
    server.Init("serverout.log", "serverin.log");
    client.SetTransport(toServer);
    server.SetTransport(toClient);
    record = OfflineServerInit();
    ASSERT_NE(record, nullptr);
    SetMoney(3000);
  }
  void TearDown() override { OfflineServerFree(record); }

  void SetMoney(double money) {
    player.SetMoney(money);
    dbSetBalance(kUser, money);
  }
  double LocalBalance() {
    double balance = -1;
    dbGetBalance(kUser, &balance);
    return balance;
  }

  // Sends a request from the client end; runs the server until its answer
  // reaches the client end (at most ten frames) and answers the server's
  // last result. The answer waits on the client end, rewound.
  int Request(const std::string& text) {
    client.ReleaseReceived();
    EXPECT_EQ(client.BeginPacket(), 1);
    client.sendList.Decode(text.c_str());
    EXPECT_EQ(client.SendPacket(), 1);
    const std::string sent = toServer->LastText();
    EXPECT_EQ(server.OnDataReceived(sent.c_str(), sent.size() + 1), 1);
    const std::size_t before = toClient->sent.size();
    int result = 0;
    for (int frame = 0; frame < 10 && toClient->sent.size() == before; ++frame)
      result = OfflineServerRun(record, server, kUser, player);
    if (toClient->sent.size() != before) {
      const std::string answer = toClient->LastText();
      client.OnDataReceived(answer.c_str(), answer.size() + 1);
      client.RewindReceived();
    }
    return result;
  }
  std::string Answer() { return toClient->sent.empty() ? "" : toClient->LastText(); }
  std::string Order(const char* command, const char* amount) {
    Request(std::string("command=") + command + "&AMOUNT=" + amount);
    return Answer();
  }
  int Frame() { return OfflineServerRun(record, server, kUser, player); }

  // The server's answers after a failure: none, and -2 for ever.
  void ExpectFailedForEver() {
    const std::size_t sent = toClient->sent.size();
    EXPECT_EQ(Frame(), -2);
    EXPECT_EQ(server.OnDataReceived("command=GETACCOUNTINFO", 23), 1);
    EXPECT_EQ(Frame(), -2);
    EXPECT_EQ(Frame(), -2);
    EXPECT_EQ(toClient->sent.size(), sent);
  }

  CComm client;
  CComm server;
  CCaptureTransport* toServer = new CCaptureTransport;
  CCaptureTransport* toClient = new CCaptureTransport;
  CashierServerRecord* record = nullptr;
  CPlayerRecord player;
};

const char kDeposited[] =
    "command=DEPOSIT&answer=ok&MESSAGE=+++The+money+was+successfully+deposited%0A++++++to+your+local+"
    "play-for-fun+account&ORDERID=0";
const char kWithdrawn[] =
    "command=WITHDRAW&answer=ok&MESSAGE=+++The+money+was+successfully+withdrawn%0A++++from+your+local+"
    "play-for-fun+account&ORDERID=42";

TEST_F(OfflineServerTest, AccountAndCardInfoAnswerThePlayRecord) {
  SetMoney(1234.5);
  EXPECT_EQ(Request("command=GETACCOUNTINFO"), 0);
  EXPECT_EQ(Answer(),
            "command=GETACCOUNTINFO&answer=ok&ACCOUNTSUM=1234.500000&securitylimit=0.0&currentsecuritylimit=0.0&"
            "maxdepositper30days=0.0&maxwithdrawper30days=0.0&maxdeposit=0.0&maxwithdraw=0.0&"
            "max24hourcarddeposit=0&max24hourcarddepositcount=0");
  // The client's own reader takes it.
  CashierClientRecord account{};
  EXPECT_EQ(ParseAccountInfo(client, &account), 1);
  EXPECT_EQ(account.accountSum, 1234.5);
  Request("command=GETCREDITCARDINFO");
  EXPECT_EQ(Answer(), "command=GETCREDITCARDINFO&answer=ok&CARDTYPE=&NUMBER=&EXPDATE=&NAME=");
}

TEST_F(OfflineServerTest, DepositsAndWithdrawalsMoveTheRecordAndTheLocalBalance) {
  EXPECT_EQ(Order("DEPOSIT", "250.25"), kDeposited);
  EXPECT_EQ(player.GetMoney(), 3250.25);
  EXPECT_EQ(LocalBalance(), player.GetMoney());
  EXPECT_EQ(Order("WITHDRAW", "3250.25"), kWithdrawn);
  EXPECT_EQ(player.GetMoney(), 0);
  EXPECT_EQ(LocalBalance(), 0);
  // Negative amounts go the other way, within the same tests.
  EXPECT_EQ(Order("WITHDRAW", "-10"), kWithdrawn);
  EXPECT_EQ(player.GetMoney(), 10);
  EXPECT_EQ(Order("DEPOSIT", "-10"), kDeposited);
  EXPECT_EQ(player.GetMoney(), 0);
  // Neither order takes the balance below 0 or above the cap.
  EXPECT_EQ(Order("DEPOSIT", "-0.01"),
            "command=DEPOSIT&answer=fail&errormsg=You+don't+have+enough+money+to+take+out+that+much");
  SetMoney(4673109.42);
  EXPECT_EQ(Order("WITHDRAW", "-0.01"),
            "command=WITHDRAW&answer=fail&errormsg=You+can't+have+more+than+4,673,109.42+on+your+"
            "play-for-fun+account");
  EXPECT_EQ(player.GetMoney(), 4673109.42);
}

TEST_F(OfflineServerTest, RefusedOrdersKeepTheBalanceAndTheServerServing) {
  SetMoney(0.01 + 0.06);
  EXPECT_EQ(Order("WITHDRAW", "0.08"),
            "command=WITHDRAW&answer=fail&errormsg=You+don't+have+enough+money+to+take+out+that+much");
  EXPECT_EQ(player.GetMoney(), 0.01 + 0.06);
  EXPECT_EQ(Order("WITHDRAW", "0.07"), kWithdrawn);
  EXPECT_EQ(player.GetMoney(), 0);
  EXPECT_EQ(LocalBalance(), 0);

  SetMoney(2999.73);
  EXPECT_EQ(Order("DEPOSIT", "4670109.70"),
            "command=DEPOSIT&answer=fail&errormsg=You+can't+have+more+than+4,673,109.42+on+your+"
            "play-for-fun+account");
  EXPECT_EQ(player.GetMoney(), 2999.73);
  EXPECT_EQ(LocalBalance(), 2999.73);
  EXPECT_EQ(Order("DEPOSIT", "4670109.69"), kDeposited);
  EXPECT_EQ(player.GetMoney(), 4673109.42);
  EXPECT_EQ(LocalBalance(), 4673109.42);
  EXPECT_EQ(Request("command=GETACCOUNTINFO"), 0);
}

TEST_F(OfflineServerTest, EveryBalanceCanBeFilledExactlyToTheCap) {
  // Balances in steps of 0.01 + 0.06 + 0.05 and some large ones: depositing
  // exactly the rest to the cap is made and lands on the cap.
  const std::int64_t capCents = kOfflineBalanceCapCents;
  for (std::int64_t cents = 0; cents <= capCents; cents += cents < 100000 ? 7 : 4670109) {
    const double balance = static_cast<double>(cents) / 100.0;
    SetMoney(balance);
    char rest[32];
    std::snprintf(rest, sizeof rest, "%.2f", static_cast<double>(capCents - cents) / 100.0);
    ASSERT_EQ(Order("DEPOSIT", rest), kDeposited) << balance << " + " << rest;
    ASSERT_EQ(player.GetMoney(), 4673109.42) << balance;
    ASSERT_EQ(LocalBalance(), player.GetMoney());
    ASSERT_NE(Order("DEPOSIT", "0.01"), kDeposited) << balance;
  }
}

TEST_F(OfflineServerTest, MissingAmountEndsTheServer) {
  Request("command=DEPOSIT&amount2=5");
  EXPECT_EQ(Answer(), "command=DEPOSIT&answer=fail&errormsg=Can't+find+amount+tag");
  ExpectFailedForEver();
  EXPECT_EQ(player.GetMoney(), 3000);
}

TEST_F(OfflineServerTest, UnreadableAmountsEndTheServer) {
  for (const char* amount : {"abc", "nan", "inf", "1e999", "", "1e14"}) {
    OfflineServerFree(record);
    record = OfflineServerInit();
    server.ReleaseReceived();
    Request(std::string("command=WITHDRAW&amount=") + amount);
    EXPECT_EQ(Answer(), "command=WITHDRAW&answer=fail&errormsg=Can't+get+amount+data") << amount;
    ExpectFailedForEver();
    EXPECT_EQ(player.GetMoney(), 3000);
    EXPECT_EQ(LocalBalance(), 3000);
  }
}

TEST_F(OfflineServerTest, RequestsItDoesNotServeAreFailures) {
  for (const char* command : {"REQUESTSECURITYCODE", "GETUSER", "GETVALIDCARDS", "GETORDERTYPEINFO", "GETORDERLOG"}) {
    OfflineServerFree(record);
    record = OfflineServerInit();
    server.ReleaseReceived();
    Request(std::string("command=") + command);
    EXPECT_EQ(Answer(), std::string("command=") + command +
                            "&answer=fail&errormsg=Expected+DEPOSIT/WITHDRAW/ENDMODULE+command+at+this+point");
    ExpectFailedForEver();
  }
}

TEST_F(OfflineServerTest, EndModuleIsAnsweredTwiceThenTheServerIsDone) {
  EXPECT_EQ(Request("command=ENDMODULE"), 0);
  EXPECT_EQ(Answer(), "command=ENDMODULE&answer=ok");
  Request("command=ENDMODULE");
  EXPECT_EQ(Answer(), "command=ENDMODULE&answer=ok");
  EXPECT_EQ(Frame(), -1);
  EXPECT_EQ(Frame(), -1);
}

TEST_F(OfflineServerTest, AnythingButEndModuleAfterItIsAFailure) {
  Request("command=ENDMODULE");
  Request("command=DEPOSIT&AMOUNT=5");
  EXPECT_EQ(Answer(), "command=DEPOSIT&answer=fail&errormsg=Got+DEPOSIT+wanted+ENDMODULE");
  ExpectFailedForEver();
  EXPECT_EQ(player.GetMoney(), 3000);
}

TEST_F(OfflineServerTest, ARefusingMainClientGetsTheAnswerLater) {
  toClient->accept = 0;
  client.BeginPacket();
  client.sendList.Decode("command=DEPOSIT&AMOUNT=1");
  client.SendPacket();
  server.OnDataReceived(toServer->LastText().c_str(), toServer->LastText().size() + 1);
  for (int frame = 0; frame < 5; ++frame) EXPECT_EQ(Frame(), 0);
  EXPECT_TRUE(toClient->sent.empty());
  EXPECT_EQ(player.GetMoney(), 3001);
  toClient->accept = 1;
  Frame();
  EXPECT_EQ(Answer(), kDeposited);
  // The next request is served as usual.
  EXPECT_EQ(Order("WITHDRAW", "1"), kWithdrawn);
  EXPECT_EQ(player.GetMoney(), 3000);
}

}  // namespace
