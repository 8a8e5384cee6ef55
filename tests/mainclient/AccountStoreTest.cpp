// The account store: whole cents over many bookings, a store that cannot be
// used refused with nothing overwritten, the old balance file taken over
// once, and the balance kept across reopening.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "mainclient/AccountStore.h"
#include "mainclient/CashierDesk.h"
#include "framework/link/Cents.h"
#include "mainclient/PlayerAccount.h"
#include "tests/mainclient/CashierTags.h"
#include "tests/support/TempFolder.h"

namespace {

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Every regular file written by this process fails while one lives.
class CNoFileWrites {
 public:
  CNoFileWrites() {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit none = saved_;
    none.rlim_cur = 0;
    ::setrlimit(RLIMIT_FSIZE, &none);
  }
  ~CNoFileWrites() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

class AccountStoreTest : public ::testing::Test {
 protected:
  std::string Store() const { return folder.Path() + "/account.db"; }
  std::string OldFile() const { return folder.Path() + "/balance.txt"; }
  TempFolder folder;
};

TEST(Cents, RoundToTheNearestCentAndRefuseWhatIsNoAmount) {
  std::int64_t c = 0;
  ASSERT_EQ(CentsOf(3013.8000001907349, &c), 1);
  EXPECT_EQ(c, 301380);
  ASSERT_EQ(CentsOf(0.1 + 0.2, &c), 1);
  EXPECT_EQ(c, 30);
  ASSERT_EQ(CentsOf(-12.345000001, &c), 1);
  EXPECT_EQ(c, -1235);
  EXPECT_EQ(CentsOf(std::nan(""), &c), 0);
  EXPECT_EQ(CentsOf(1e300, &c), 0);
  EXPECT_EQ(MoneyOf(301380), 3013.80);
}

TEST_F(AccountStoreTest, ManyBookingsKeepEveryCentAcrossReopening) {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  std::int64_t expected = kStartBalanceCents;
  {
    CPlayerAccount account;
    ASSERT_EQ(account.Open(Store(), ""), 0) << account.Error();
    for (int i = 0; i < 400; ++i) {
      // A game adds a win or loss to the money it was given, in doubles.
      const std::int64_t change = static_cast<std::int64_t>(random() % 20001) - 10000;
      const double base = account.MakeRecord().GetMoney();
      const double reported = base + static_cast<double>(change) / 100.0;
      ASSERT_EQ(account.Book(base, reported), 1) << "seed " << seed;
      expected = std::max<std::int64_t>(0, expected + change);
      ASSERT_EQ(account.Balance(), MoneyOf(expected)) << "seed " << seed << " booking " << i;
    }
  }
  CAccountStore reopened;
  ASSERT_EQ(reopened.Open(Store(), ""), 0) << reopened.Error();
  EXPECT_EQ(reopened.BalanceCents(), expected) << "seed " << seed;
}

TEST_F(AccountStoreTest, ALossOfMoreThanTheAccountHoldsEmptiesIt) {
  CPlayerAccount account;
  ASSERT_EQ(account.Open(Store(), ""), 0);
  EXPECT_EQ(account.Book(5000.0, 0.0), 1);
  EXPECT_EQ(account.Balance(), 0.0);
  EXPECT_EQ(account.Book(0.0, std::nan("")), 0);
  EXPECT_EQ(account.Balance(), 0.0);
}

TEST_F(AccountStoreTest, FilesThatAreNoStoreAreRefusedAndLeftAsTheyAre) {
  // Garbage, a database of something else, and one of ours without a balance.
  WriteText(Store(), std::string("not a database at all\n\x01\x02", 24));
  const auto garbage = ReadBytes(Store());
  CAccountStore store;
  EXPECT_EQ(store.Open(Store(), ""), kStoreFailed);
  EXPECT_NE(store.Error().find(Store()), std::string::npos) << store.Error();
  EXPECT_EQ(ReadBytes(Store()), garbage);

  std::filesystem::remove(Store());
  for (const char* sql : {"CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine');",
                          "PRAGMA application_id = 1129533007; PRAGMA user_version = 1;"
                          "CREATE TABLE account (kind TEXT PRIMARY KEY, balance_cents INTEGER);"}) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Store().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const auto before = ReadBytes(Store());
    EXPECT_EQ(store.Open(Store(), ""), kStoreFailed) << sql;
    EXPECT_EQ(ReadBytes(Store()), before) << sql;
    std::filesystem::remove(Store());
  }

  std::filesystem::create_directory(Store());
  EXPECT_EQ(store.Open(Store(), ""), kStoreFailed);
}

// A store altered to hold amounts the main client never writes would
// overflow the cashier's sums of cents: it is refused and left as it is.
TEST_F(AccountStoreTest, AStoreHoldingOnlineAmountsOutOfRangeIsRefused) {
  {
    CAccountStore store;
    ASSERT_EQ(store.Open(Store(), ""), 0) << store.Error();
  }
  for (const char* sql : {"UPDATE online_user SET security_limit = -9223372036854775808",
                          "UPDATE order_type SET max_deposit = 1000000000000001 WHERE protocol_id = 'creditcard'",
                          "INSERT INTO orders (placed_at, type, state, amount_cents, service_cents, comment)"
                          " VALUES (0, 'creditcard', 'done', -1000000000000001, 0, '')"}) {
    const std::string copy = folder.Path() + "/altered.db";
    std::filesystem::copy_file(Store(), copy, std::filesystem::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(copy.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
    const auto before = ReadBytes(copy);
    CAccountStore store;
    EXPECT_EQ(store.Open(copy, ""), kStoreFailed) << sql;
    EXPECT_NE(store.Error().find("holds amounts out of range"), std::string::npos) << store.Error();
    EXPECT_EQ(ReadBytes(copy), before) << sql;
  }
}

TEST_F(AccountStoreTest, AStoreHeldElsewhereIsInUse) {
  CAccountStore first;
  ASSERT_EQ(first.Open(Store(), ""), 0);
  CAccountStore second;
  EXPECT_EQ(second.Open(Store(), ""), kStoreInUse) << second.Error();
  first.Close();
  EXPECT_EQ(second.Open(Store(), ""), 0) << second.Error();
}

TEST_F(AccountStoreTest, ABookingThatCannotBeWrittenChangesNothing) {
  CPlayerAccount account;
  ASSERT_EQ(account.Open(Store(), ""), 0);
  ASSERT_EQ(account.Book(3000.0, 3012.5), 1);
  {
    CNoFileWrites full;
    EXPECT_EQ(account.Book(3012.5, 4000.0), kBookStoreFailed);
  }
  EXPECT_EQ(account.Balance(), 3012.5);
  EXPECT_NE(account.Error().find("cannot be written"), std::string::npos) << account.Error();
  account.Close();
  CAccountStore reopened;
  ASSERT_EQ(reopened.Open(Store(), ""), 0) << reopened.Error();
  EXPECT_EQ(reopened.BalanceCents(), 301250);
}

TEST_F(AccountStoreTest, ACashierOrderThatCannotBeWrittenIsRefusedAndChangesNothing) {
  CAccountStore store;
  ASSERT_EQ(store.Open(Store(), ""), 0);
  const char* request = "command=DEPOSIT&type=creditcard&amount=40&cardtype=VISA&number=4111111111111111";
  {
    CNoFileWrites full;
    EXPECT_EQ(TagsOf(AnswerCashierRequest(store, request, 0, 0)),
              (TagList{{"command", "DEPOSIT"}, {"answer", "fail"}, {"errormsg", kRefuseStore}}));
    EXPECT_NE(AnswerCashierRequest(store, "command=REQUESTSECURITYCODE", 0, 99).find("answer=fail"), std::string::npos);
  }
  EXPECT_EQ(store.Online().balance, 100000);
  EXPECT_TRUE(store.Online().orders.empty());
  EXPECT_FALSE(store.Online().hasCard);
  EXPECT_EQ(store.Online().securityCode, "K7Q2M9X");
  store.Close();
  ASSERT_EQ(store.Open(Store(), ""), 0) << store.Error();
  EXPECT_EQ(store.Online().balance, 100000);
  EXPECT_TRUE(store.Online().orders.empty());
  EXPECT_EQ(store.Online().securityCode, "K7Q2M9X");
  // Written again, the same order is taken.
  EXPECT_NE(AnswerCashierRequest(store, request, 0, 0).find("ORDERID=1"), std::string::npos);
}

TEST_F(AccountStoreTest, AStoreThatCannotBeWrittenIsNotOpened) {
  { CAccountStore made; ASSERT_EQ(made.Open(Store(), ""), 0); }
  const auto before = ReadBytes(Store());
  CAccountStore store;
  {
    CNoFileWrites full;
    EXPECT_EQ(store.Open(Store(), ""), kStoreFailed);
  }
  EXPECT_EQ(ReadBytes(Store()), before);
}

TEST_F(AccountStoreTest, TheOldBalanceFileIsTakenOverOnce) {
  WriteText(OldFile(), "3013.8000001907349\n");
  {
    CPlayerAccount account;
    ASSERT_EQ(account.Open(Store(), OldFile()), 0) << account.Error();
    EXPECT_EQ(account.Balance(), 3013.80);
    ASSERT_EQ(account.Book(3013.80, 3000.0), 1);
  }
  // The old file is left as it was and never read again.
  std::ifstream in(OldFile());
  std::string text;
  std::getline(in, text);
  EXPECT_EQ(text, "3013.8000001907349");
  WriteText(OldFile(), "99999\n");
  CAccountStore reopened;
  ASSERT_EQ(reopened.Open(Store(), OldFile()), 0);
  EXPECT_EQ(reopened.BalanceCents(), 300000);
}

TEST_F(AccountStoreTest, AnOldBalanceFileThatIsNoBalanceMakesNoStore) {
  for (const char* text : {"", "abc", "12x", "-5", "nan", "inf", "1e999"}) {
    WriteText(OldFile(), text);
    CAccountStore store;
    EXPECT_EQ(store.Open(Store(), OldFile()), kStoreFailed) << text;
    EXPECT_NE(store.Error().find(OldFile()), std::string::npos) << store.Error();
    EXPECT_FALSE(std::filesystem::exists(Store())) << text;
    std::ifstream in(OldFile());
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, text);
  }
}

}  // namespace
