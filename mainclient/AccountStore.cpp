#include "mainclient/AccountStore.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "framework/link/Cents.h"
#include "mainclient/FileReplace.h"

namespace {

// Longest text the earlier main client wrote: "%.17g" and a line end.
constexpr std::size_t kMaxOldBalanceText = 64;

}  // namespace

int ReadOldBalanceFile(const std::string& path, std::int64_t* cents) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes) || bytes.empty() || bytes.size() > kMaxOldBalanceText) return 0;
  const std::string text(bytes.begin(), bytes.end());
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  while (end && (*end == '\n' || *end == '\r' || *end == ' ')) ++end;
  if (end == text.c_str() || *end != '\0' || !(value >= 0.0)) return 0;
  return CentsOf(value, cents);
}

int CAccountStore::Fail(const char* what) {
  error_ = "The account store " + path_ + " " + what;
  if (db_ && sqlite3_errcode(db_) != SQLITE_OK) error_ += std::string(" (") + sqlite3_errmsg(db_) + ")";
  error_ += ".";
  return 0;
}

int CAccountStore::Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

namespace {

// The first column of the first row of sql; 0 when there is none.
int QueryInt(sqlite3* db, const char* sql, std::int64_t* out) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return 0;
  const int found = sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) == SQLITE_INTEGER;
  if (found) *out = sqlite3_column_int64(statement, 0);
  sqlite3_finalize(statement);
  return found ? 1 : 0;
}

}  // namespace

int CAccountStore::Open(const std::string& path, const std::string& oldBalanceFile) {
  Close();
  error_.clear();
  path_ = path;
  struct stat info {};
  const bool existed = ::stat(path.c_str(), &info) == 0;
  if (existed && !S_ISREG(info.st_mode)) {
    Fail("is not a file");
    return kStoreFailed;
  }
  int result = kStoreFailed;
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    Fail("cannot be opened");
  } else if (sqlite3_db_readonly(db_, "main") != 0) {
    Fail("can only be read");
  } else if (!Exec("PRAGMA locking_mode = EXCLUSIVE") || !Exec("PRAGMA synchronous = FULL") ||
             !Exec("BEGIN EXCLUSIVE")) {
    const bool busy = (sqlite3_errcode(db_) & 0xFF) == SQLITE_BUSY;
    Fail(busy ? "is in use by another main client" : "cannot be read");
    if (busy) result = kStoreInUse;
  } else {
    std::int64_t applicationId = 0, version = 0, tables = 0;
    if (!QueryInt(db_, "PRAGMA application_id", &applicationId) || !QueryInt(db_, "PRAGMA user_version", &version) ||
        !QueryInt(db_, "SELECT count(*) FROM sqlite_schema", &tables)) {
      Fail("cannot be read");
    } else if (applicationId == 0 && version == 0 && tables == 0) {
      if (CreateSchema(oldBalanceFile) && Exec("COMMIT")) result = 0;
      else if (error_.empty()) Fail("cannot be written");
    } else if (applicationId != kStoreApplicationId) {
      Fail("is not a main client account store");
    } else if (version != 1 && version != kStoreSchemaVersion) {
      Fail("was made by another version of the main client");
    } else if (ReadBalance()) {
      const std::string upgrade = "PRAGMA user_version = " + std::to_string(kStoreSchemaVersion);
      if (version == 1 && (!CreateOnline() || !Exec(upgrade.c_str()))) {
        Fail("cannot be written");
      } else if (ReadOnline()) {
        // Writing proves the store can take the bookings before any game is
        // given money; an unchanged row would not be written at all.
        if (WriteBalance("offline", balanceCents_ + 1) && WriteBalance("offline", balanceCents_) && Exec("COMMIT")) {
          result = 0;
        } else {
          Fail("cannot be written");
        }
      }
    }
  }
  if (result == 0) return 0;
  if (db_ && !sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
  sqlite3_close(db_);
  db_ = nullptr;
  if (!existed) {
    ::unlink(path.c_str());
    ::unlink((path + "-journal").c_str());
  }
  return result;
}

void CAccountStore::Close() {
  if (!db_) return;
  sqlite3_close(db_);
  db_ = nullptr;
}

int CAccountStore::ReadBalance() {
  std::int64_t cents = -1;
  if (!QueryInt(db_, "SELECT balance_cents FROM account WHERE kind = 'offline'", &cents)) {
    return Fail("holds no balance");
  }
  if (cents < 0 || cents > kMaxCents) return Fail("holds a balance out of range");
  balanceCents_ = cents;
  return 1;
}

int CAccountStore::CreateSchema(const std::string& oldBalanceFile) {
  std::int64_t start = kStartBalanceCents;
  if (!oldBalanceFile.empty() && ::access(oldBalanceFile.c_str(), F_OK) == 0 &&
      !ReadOldBalanceFile(oldBalanceFile, &start)) {
    error_ = "The balance file " + oldBalanceFile + " holds no balance; it is left as it is and no account store is made.";
    return 0;
  }
  const std::string sql = "PRAGMA application_id = " + std::to_string(kStoreApplicationId) +
                          "; PRAGMA user_version = " + std::to_string(kStoreSchemaVersion) +
                          "; CREATE TABLE account (kind TEXT PRIMARY KEY NOT NULL,"
                          " balance_cents INTEGER NOT NULL CHECK (balance_cents >= 0));"
                          " INSERT INTO account (kind, balance_cents) VALUES ('offline', 0);";
  if (!Exec(sql.c_str()) || !WriteBalance("offline", start) || !CreateOnline()) return Fail("cannot be written");
  balanceCents_ = start;
  return ReadOnline();
}

int CAccountStore::WriteBalance(const char* kind, std::int64_t cents) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, "UPDATE account SET balance_cents = ?1 WHERE kind = ?2", -1, &statement, nullptr) !=
      SQLITE_OK) {
    return 0;
  }
  sqlite3_bind_int64(statement, 1, cents);
  sqlite3_bind_text(statement, 2, kind, -1, SQLITE_STATIC);
  const bool done = sqlite3_step(statement) == SQLITE_DONE && sqlite3_changes(db_) == 1;
  sqlite3_finalize(statement);
  return done ? 1 : 0;
}

int CAccountStore::Book(std::int64_t deltaCents) { return BookKind("offline", &balanceCents_, deltaCents); }

int CAccountStore::BookOnline(std::int64_t deltaCents) { return BookKind("online", &online_.balance, deltaCents); }

int CAccountStore::BookKind(const char* kind, std::int64_t* balance, std::int64_t deltaCents) {
  if (!db_) return Fail("is not open");
  std::int64_t next = *balance + deltaCents;
  if (next < 0) next = 0;  // two programs that both lose all they were given
  if (next > kMaxCents) next = kMaxCents;
  if (Exec("BEGIN IMMEDIATE") && WriteBalance(kind, next) && Exec("COMMIT")) {
    *balance = next;
    return 1;
  }
  Fail("cannot be written");
  if (!sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
  return 0;
}
