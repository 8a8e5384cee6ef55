// The local account, the limits table and the "db_savef" records.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "tests/framework/link/DbFile.h"
#include "tests/support/TempFolderFixture.h"

namespace {

using DbFileTest = TempFolderTest;

std::string ReadString(int user, const char* game, const char* key, int index, int* result) {
  void* data = nullptr;
  std::uint32_t size = 0;
  *result = dbRead(user, game, key, index, &data, &size);
  if (*result != kDbOk) return "<none>";
  std::string s(static_cast<const char*>(data), size);
  EXPECT_EQ(static_cast<const char*>(data)[size], '\0');
  std::free(data);
  return s;
}

std::string Read(int user, const char* game, const char* key, int index) {
  int result = 0;
  return ReadString(user, game, key, index, &result);
}

}  // namespace

TEST(CasinoLimit, ExactKeysOnly) {
  double v = 0.0;
  EXPECT_EQ(GetCasinoLimit(1, "maxOddsCraps", &v), 0);
  EXPECT_EQ(v, 3.0);
  EXPECT_EQ(GetCasinoLimit(1, "minBetBlackJack", &v), 0);
  EXPECT_EQ(v, 5.0);
  EXPECT_EQ(GetCasinoLimit(7, "maxNrRoulette", &v), 0);
  EXPECT_EQ(v, 100.0);
  EXPECT_EQ(GetCasinoLimit(1, "maxTableBaccarat", &v), 0);
  EXPECT_EQ(v, 500.0);
  v = -1.0;
  EXPECT_EQ(GetCasinoLimit(1, "maxoddscraps", &v), kDbNoSuchLimit);
  EXPECT_EQ(GetCasinoLimit(1, "maxOddsCraps ", &v), kDbNoSuchLimit);
  EXPECT_EQ(v, -1.0);
  EXPECT_EQ(GetCasinoLimit(0, "maxOddsCraps", &v), kDbInvalidData);
  EXPECT_EQ(GetCasinoLimit(1, nullptr, &v), kDbInvalidData);
  EXPECT_EQ(GetCasinoLimit(1, "maxOddsCraps", nullptr), kDbInvalidData);
}

TEST(Balance, NeverBelowZero) {
  double b = 0.0;
  dbSetBalance(1, 3000.0);
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 3000.0);
  dbSetBalance(1, 5.0);
  EXPECT_EQ(dbSubtractMoney(1, 5.0), 0);
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 0.0);
  dbSetBalance(1, 5.0);
  EXPECT_EQ(dbSubtractMoney(1, 5.01), kDbNotEnoughMoney);
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 5.0);
  EXPECT_EQ(dbAddMoney(1, -2.5), 0);
  EXPECT_EQ(dbAddMoney(1, 10.0), 0);
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 12.5);
  EXPECT_EQ(dbSubtractMoney(1, -1.0), 0);  // a negative debit credits
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 13.5);
}

TEST(Balance, MovesInWholeCents) {
  double b = 0.0;
  dbSetBalance(1, 10.0);
  EXPECT_EQ(dbAddMoney(1, 7 * 1.95 - 7), 0);
  EXPECT_EQ(dbAddMoney(1, 13 * 1.95 - 13), 0);
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 29.0);  // the doubles alone give 28.999999999999996
  EXPECT_EQ(dbSubtractMoney(1, 29.0), 0);
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 0.0);
  dbSetBalance(1, 10.8);
  EXPECT_EQ(dbSubtractMoney(1, 10.8f), 0);  // the float's 10.8000001907 is $10.80
  EXPECT_EQ(dbAddMoney(1, 0.004), 0);           // less than half a cent moves nothing
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 0.0);
}

TEST(Balance, AnAmountOrBalanceThatIsNoNumberIsRefused) {
  double b = 0.0;
  dbSetBalance(1, 5.0);
  for (double amount : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e17}) {
    EXPECT_EQ(dbAddMoney(1, amount), kDbInvalidData) << amount;
    EXPECT_EQ(dbSubtractMoney(1, -amount), kDbInvalidData) << amount;
  }
  dbGetBalance(1, &b);
  EXPECT_EQ(b, 5.0);
  dbSetBalance(1, std::nan(""));  // a broken player record
  EXPECT_EQ(dbAddMoney(1, 1.0), kDbInvalidData);
  EXPECT_EQ(dbSubtractMoney(1, 1.0), kDbInvalidData);
}

std::vector<double> gMoved;
void RecordMove(int, double amount) { gMoved.push_back(amount); }

TEST(Balance, ObserverSeesEveryChangeAServerMakes) {
  gMoved.clear();
  dbSetBalance(1, 10.0);
  SetDbMoneyObserver(RecordMove);
  dbAddMoney(1, 2.5);
  dbSubtractMoney(1, 4.0);
  dbSubtractMoney(1, 100.0);  // refused: nothing moved
  dbSetBalance(1, 50.0);      // a player record, not the server's doing
  SetDbMoneyObserver(nullptr);
  dbAddMoney(1, 1.0);
  EXPECT_EQ(gMoved, (std::vector<double>{2.5, -4.0}));
  gMoved.clear();
  SetDbMoneyObserver(RecordMove);
  dbSubtractMoney(1, 10.8f);  // told in cents, as the balance moved
  SetDbMoneyObserver(nullptr);
  EXPECT_EQ(gMoved, (std::vector<double>{-10.8}));
}

TEST(DbErrorName, SharedRows) {
  EXPECT_STREQ(DbErrorName(-8), "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_STREQ(DbErrorName(-7), "DB_INVALID_CARD_ERR");
  EXPECT_STREQ(DbErrorName(-4), "DB_INVALID_CONTENT_ERR");
  EXPECT_STREQ(DbErrorName(-1), "DB_INVALID_DATA_ERR");
  EXPECT_STREQ(DbErrorName(-18), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(-16), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(-9), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(0), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(1), "UNKNOWN DB ERROR");
}

TEST(DbErrorName, AProgramsExtraCodeBesideTheSharedRows) {
  const DbExtraErrorName busy{-9, "A game is already running"};
  EXPECT_STREQ(DbErrorName(-9, busy), "A game is already running");
  EXPECT_STREQ(DbErrorName(-8, busy), "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_STREQ(DbErrorName(-16, busy), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(-16, kDbNoPropertyName), "DB_NO_PROPERTY_ERR");
  EXPECT_STREQ(DbErrorName(0, kNoExtraDbError), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(-1, kNoExtraDbError), "DB_INVALID_DATA_ERR");
}

TEST(DbRecordHeader, LittleEndianAtFixedOffsets) {
  DbRecordHeader head{};
  head.userId = 0x01020304;
  std::memcpy(head.game, "DQ", 3);
  std::memcpy(head.key, "COMM", 5);
  head.index = 5;
  head.size = 0x00000100;
  unsigned char raw[kDbRecordHeaderSize];
  EncodeDbRecordHeader(head, raw);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(raw), sizeof raw),
            RawHead(0x01020304, "DQ", "COMM", 5, 256));
  DbRecordHeader back{};
  DecodeDbRecordHeader(raw, &back);
  EXPECT_EQ(back.userId, head.userId);
  EXPECT_EQ(back.index, 5u);
  EXPECT_EQ(back.size, 256u);
  EXPECT_STREQ(back.key, "COMM");
}

TEST_F(DbFileTest, WithoutFile) {
  void* data = nullptr;
  std::uint32_t size = 0;
  char name[kDbNameSize];
  EXPECT_EQ(dbRead(1, "DQ", "COMM", 0, &data, &size), kDbNoRecord);
  EXPECT_EQ(dbGetSavedGameName(1, name), kDbNoRecord);
  EXPECT_EQ(dbRemove(1, "DQ", "COMM", 0, 1), kDbInvalidData);
  EXPECT_EQ(dbRead(1, nullptr, "COMM", 0, &data, &size), kDbInvalidData);
  EXPECT_EQ(dbGetSavedGameName(1, nullptr), kDbInvalidData);
}

TEST_F(DbFileTest, ReadMatchesUserGameKeyAndIndex) {
  WriteText(2, "DQ", "COMM", 0, "other user");
  WriteText(1, "KW", "COMM", 0, "other game");
  WriteText(1, "DQ", "COMM", 1, "index one");
  WriteText(1, "DQ", "COMM", 0, "first key");
  WriteText(1, "DQ", "comm", 0, "lower key");
  EXPECT_EQ(dbWrite(1, "DQ", "EMPTY", 0, nullptr, 0), 0);

  EXPECT_EQ(Read(1, "DQ", "COMM", 0), std::string("first key", 10));
  EXPECT_EQ(Read(1, "DQ", "comm", 0), std::string("lower key", 10));
  EXPECT_EQ(Read(1, "DQ", nullptr, 0), std::string("first key", 10));
  EXPECT_EQ(Read(1, "DQ", nullptr, 1), std::string("index one", 10));
  EXPECT_EQ(Read(2, "DQ", "COMM", 0), std::string("other user", 11));
  EXPECT_EQ(Read(1, "dq", "COMM", 0), "<none>");
  EXPECT_EQ(Read(1, "DQ", "COMM", 2), "<none>");
  EXPECT_EQ(Read(1, "DQ", "EMPTY", 0), "");

  char name[kDbNameSize];
  ASSERT_EQ(dbGetSavedGameName(1, name), 0);
  EXPECT_STREQ(name, "KW");
  EXPECT_EQ(dbGetSavedGameName(3, name), kDbNoRecord);
}

TEST_F(DbFileTest, NamesCompareOverAtMost32Bytes) {
  std::string longGame(32, 'G');
  WriteText(1, longGame.c_str(), "K", 0, "x");
  std::string longer = longGame + "tail";
  EXPECT_EQ(Read(1, longer.c_str(), "K", 0), std::string("x", 2));
  char name[kDbNameSize];
  ASSERT_EQ(dbGetSavedGameName(1, name), 0);
  EXPECT_EQ(std::string(name), std::string(31, 'G'));  // cut to fit with its zero
}

TEST_F(DbFileTest, RemoveKeyedAndByUser) {
  WriteText(1, "DQ", "A", 0, "a0");
  WriteText(1, "DQ", "A", 1, "a1");
  WriteText(2, "DQ", "A", 0, "user 2");
  WriteText(1, "KW", "A", 0, "kw");
  std::string before = ReadWholeFile(kDbFileName);

  EXPECT_EQ(dbRemove(1, "DQ", "B", 0, 1), kDbNoRecord);
  EXPECT_EQ(ReadWholeFile(kDbFileName), before);

  EXPECT_EQ(dbRemove(1, "DQ", "A", 1, 1), 0);
  EXPECT_EQ(Read(1, "DQ", "A", 1), "<none>");
  EXPECT_EQ(Read(1, "DQ", "A", 0), std::string("a0", 3));

  EXPECT_EQ(dbRemove(1, "DQ", nullptr, 0, 1), 0);  // any key, index 0
  EXPECT_EQ(Read(1, "DQ", "A", 0), "<none>");

  dbRemoveUser(1, nullptr);
  EXPECT_EQ(Read(1, "KW", "A", 0), "<none>");
  EXPECT_EQ(Read(2, "DQ", "A", 0), std::string("user 2", 7));
  EXPECT_EQ(ReadWholeFile(kDbFileName), RawHead(2, "DQ", "A", 0, 7) + std::string("user 2", 7));

  EXPECT_EQ(dbRemoveUser(2, "DQ"), 0);
  EXPECT_EQ(ReadWholeFile(kDbFileName), "");
  EXPECT_FALSE(std::ifstream("db_savef.tmp").good());
}

TEST_F(DbFileTest, RemoveThatCannotWriteLeavesTheFileWhole) {
  WriteText(1, "DQ", "A", 0, "keep me");
  WriteText(2, "DQ", "A", 0, "and me");
  std::string before = ReadWholeFile(kDbFileName);
  ASSERT_EQ(::mkdir("db_savef.tmp", 0700), 0);  // the new file cannot be made
  EXPECT_EQ(dbRemoveUser(1, nullptr), kDbInvalidData);
  EXPECT_EQ(ReadWholeFile(kDbFileName), before);
}

TEST_F(DbFileTest, TruncatedHeadIsNoRecordButIsKept) {
  std::string other = RawHead(2, "DQ", "X", 0, 2) + std::string("x", 2);
  std::string mine = RawHead(1, "DQ", "A", 0, 2) + std::string("a", 2);
  std::string partial = RawHead(1, "DQ", "B", 0, 2).substr(0, 50);
  WriteWholeFile(kDbFileName, other + mine + partial);
  EXPECT_EQ(Read(1, "DQ", "A", 0), std::string("a", 2));
  EXPECT_EQ(Read(1, "DQ", "B", 0), "<none>");
  EXPECT_EQ(dbRemoveUser(2, nullptr), 0);
  EXPECT_EQ(ReadWholeFile(kDbFileName), mine + partial);

  WriteWholeFile(kDbFileName, RawHead(1, "DQ", "A", 0, 2).substr(0, 75));
  char name[kDbNameSize];
  EXPECT_EQ(dbGetSavedGameName(1, name), kDbNoRecord);
  EXPECT_EQ(dbRemoveUser(1, nullptr), 0);
}

TEST_F(DbFileTest, SizeBeyondTheFile) {
  WriteText(1, "DQ", "A", 0, "fine");
  std::string good = ReadWholeFile(kDbFileName);
  // A head that claims almost 4 GiB, then a few bytes: never allocated.
  std::string bad = RawHead(1, "DQ", "B", 0, 0xFFFFFFF0u) + "short";
  WriteWholeFile(kDbFileName, good + bad);
  EXPECT_EQ(Read(1, "DQ", "A", 0), std::string("fine", 5));
  EXPECT_EQ(Read(1, "DQ", "B", 0), "<none>");
  EXPECT_EQ(Read(1, "DQ", nullptr, 1), "<none>");

  // Removing another user's record must not drop a record cut short.
  WriteWholeFile(kDbFileName, RawHead(2, "DQ", "Z", 0, 2) + std::string("z", 2) + bad);
  EXPECT_EQ(dbRemoveUser(2, nullptr), kDbInvalidData);
  EXPECT_EQ(ReadWholeFile(kDbFileName), RawHead(2, "DQ", "Z", 0, 2) + std::string("z", 2) + bad);

  // The user's own record cut short goes with the user's records.
  WriteWholeFile(kDbFileName, good + bad);
  EXPECT_EQ(dbRemoveUser(1, nullptr), 0);
  EXPECT_EQ(ReadWholeFile(kDbFileName), "");
}
