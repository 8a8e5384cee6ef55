// The online account's tables of the account store.
#include <sqlite3.h>

#include <initializer_list>

#include "mainclient/AccountStore.h"
#include "framework/link/Cents.h"

namespace {

constexpr char kOnlineSchema[] =
    "CREATE TABLE online_user (id INTEGER PRIMARY KEY CHECK (id = 1), pin TEXT NOT NULL, name TEXT NOT NULL,"
    " address1 TEXT NOT NULL, address2 TEXT NOT NULL, address3 TEXT NOT NULL, zipcode TEXT NOT NULL,"
    " town TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL, security_code TEXT NOT NULL,"
    " security_limit INTEGER NOT NULL, max_deposit_30_days INTEGER NOT NULL,"
    " max_withdraw_30_days INTEGER NOT NULL, max_deposit INTEGER NOT NULL, max_withdraw INTEGER NOT NULL,"
    " max_24_hour_card_deposit INTEGER NOT NULL, max_24_hour_card_count INTEGER NOT NULL);"
    "CREATE TABLE card_type (position INTEGER PRIMARY KEY, name TEXT NOT NULL);"
    "CREATE TABLE order_type (position INTEGER PRIMARY KEY, protocol_id TEXT NOT NULL,"
    " deposit_service INTEGER NOT NULL, min_deposit INTEGER NOT NULL, max_deposit INTEGER NOT NULL,"
    " withdraw_service INTEGER NOT NULL, min_withdraw INTEGER NOT NULL, max_withdraw INTEGER NOT NULL);"
    "CREATE TABLE card_on_file (id INTEGER PRIMARY KEY CHECK (id = 1), card_type TEXT NOT NULL,"
    " number TEXT NOT NULL, exp_date TEXT NOT NULL, name TEXT NOT NULL, start_date TEXT NOT NULL,"
    " issue_no TEXT NOT NULL, bank_name TEXT NOT NULL, bank_phone TEXT NOT NULL);"
    "CREATE TABLE orders (id INTEGER PRIMARY KEY AUTOINCREMENT, placed_at INTEGER NOT NULL,"
    " type TEXT NOT NULL, state TEXT NOT NULL, amount_cents INTEGER NOT NULL,"
    " service_cents INTEGER NOT NULL, comment TEXT NOT NULL);";

// A prepared statement freed at the end of its scope.
class CStatement {
 public:
  CStatement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &s_, nullptr) != SQLITE_OK) s_ = nullptr;
  }
  ~CStatement() { sqlite3_finalize(s_); }
  CStatement(const CStatement&) = delete;
  CStatement& operator=(const CStatement&) = delete;
  int Ok() const { return s_ ? 1 : 0; }
  void Bind(int i, std::int64_t v) { sqlite3_bind_int64(s_, i, v); }
  void Bind(int i, const std::string& v) { sqlite3_bind_text(s_, i, v.c_str(), -1, SQLITE_TRANSIENT); }
  int Step() { return s_ ? sqlite3_step(s_) : SQLITE_ERROR; }
  int Done() { return Step() == SQLITE_DONE ? 1 : 0; }
  std::int64_t Int(int i) const { return sqlite3_column_int64(s_, i); }
  std::string Text(int i) const {
    const unsigned char* t = sqlite3_column_text(s_, i);
    return t ? reinterpret_cast<const char*>(t) : "";
  }

 private:
  sqlite3_stmt* s_ = nullptr;
};

int WriteCard(sqlite3* db, const OnlineCard& c) {
  CStatement s(db,
               "INSERT OR REPLACE INTO card_on_file VALUES (1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  const std::string* fields[] = {&c.cardType, &c.number,  &c.expDate,  &c.name,
                                 &c.startDate, &c.issueNo, &c.bankName, &c.bankPhone};
  for (int i = 0; i < 8; ++i) s.Bind(i + 1, *fields[i]);
  return s.Done();
}

// What the store itself writes; an altered file holding more would
// overflow the desk's sums of cents.
bool AreCents(std::initializer_list<std::int64_t> values, std::int64_t low) {
  for (std::int64_t v : values) {
    if (v < low || v > kMaxCents) return false;
  }
  return true;
}

}  // namespace

int CAccountStore::CreateOnline() {
  const OnlineAccount seed = SeedOnlineAccount();
  if (!Exec(kOnlineSchema)) return 0;
  {
    CStatement s(db_, "INSERT INTO account (kind, balance_cents) VALUES ('online', ?1)");
    s.Bind(1, seed.balance);
    if (!s.Done()) return 0;
  }
  {
    CStatement s(db_, "INSERT INTO online_user VALUES (1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10,"
                      " ?11, ?12, ?13, ?14, ?15, ?16, ?17)");
    const OnlineUser& u = seed.user;
    const std::string* texts[] = {&u.pin,  &u.name,  &u.address1, &u.address2,         &u.address3,
                                  &u.zipcode, &u.town, &u.state,  &u.country, &seed.securityCode};
    for (int i = 0; i < 10; ++i) s.Bind(i + 1, *texts[i]);
    const OnlineFigures& f = seed.figures;
    const std::int64_t figures[] = {f.securityLimit, f.maxDepositPer30Days, f.maxWithdrawPer30Days, f.maxDeposit,
                                    f.maxWithdraw,   f.max24HourCardDeposit, f.max24HourCardDepositCount};
    for (int i = 0; i < 7; ++i) s.Bind(i + 11, figures[i]);
    if (!s.Done()) return 0;
  }
  for (const std::string& name : seed.cardTypes) {
    CStatement s(db_, "INSERT INTO card_type (name) VALUES (?1)");
    s.Bind(1, name);
    if (!s.Done()) return 0;
  }
  for (const OnlineOrderType& t : seed.orderTypes) {
    CStatement s(db_, "INSERT INTO order_type (protocol_id, deposit_service, min_deposit, max_deposit,"
                      " withdraw_service, min_withdraw, max_withdraw) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    s.Bind(1, t.protocolId);
    const std::int64_t values[] = {t.depositService, t.minDeposit, t.maxDeposit,
                                   t.withdrawService, t.minWithdraw, t.maxWithdraw};
    for (int i = 0; i < 6; ++i) s.Bind(i + 2, values[i]);
    if (!s.Done()) return 0;
  }
  return 1;
}

int CAccountStore::ReadOnline() {
  OnlineAccount a;
  {
    CStatement s(db_, "SELECT balance_cents FROM account WHERE kind = 'online'");
    if (s.Step() != SQLITE_ROW) return Fail("holds no online account");
    a.balance = s.Int(0);
  }
  {
    CStatement s(db_, "SELECT pin, name, address1, address2, address3, zipcode, town, state, country,"
                      " security_code, security_limit, max_deposit_30_days, max_withdraw_30_days, max_deposit,"
                      " max_withdraw, max_24_hour_card_deposit, max_24_hour_card_count FROM online_user");
    if (s.Step() != SQLITE_ROW) return Fail("holds no online user");
    a.user = {s.Text(0), s.Text(1), s.Text(2), s.Text(3), s.Text(4), s.Text(5), s.Text(6), s.Text(7), s.Text(8)};
    a.securityCode = s.Text(9);
    a.figures = {s.Int(10), s.Int(11), s.Int(12), s.Int(13), s.Int(14), s.Int(15), s.Int(16)};
  }
  {
    CStatement s(db_, "SELECT name FROM card_type ORDER BY position");
    while (s.Step() == SQLITE_ROW) a.cardTypes.push_back(s.Text(0));
  }
  {
    CStatement s(db_, "SELECT protocol_id, deposit_service, min_deposit, max_deposit, withdraw_service,"
                      " min_withdraw, max_withdraw FROM order_type ORDER BY position");
    while (s.Step() == SQLITE_ROW) {
      a.orderTypes.push_back({s.Text(0), s.Int(1), s.Int(2), s.Int(3), s.Int(4), s.Int(5), s.Int(6)});
    }
  }
  {
    CStatement s(db_, "SELECT card_type, number, exp_date, name, start_date, issue_no, bank_name, bank_phone"
                      " FROM card_on_file");
    if (s.Step() == SQLITE_ROW) {
      a.hasCard = true;
      a.card = {s.Text(0), s.Text(1), s.Text(2), s.Text(3), s.Text(4), s.Text(5), s.Text(6), s.Text(7)};
    }
  }
  {
    CStatement s(db_, "SELECT id, placed_at, type, state, amount_cents, service_cents, comment FROM orders"
                      " ORDER BY id");
    int step = SQLITE_ROW;
    while ((step = s.Step()) == SQLITE_ROW) {
      a.orders.push_back({s.Int(0), s.Int(1), s.Text(2), s.Text(3), s.Int(4), s.Int(5), s.Text(6)});
    }
    if (step != SQLITE_DONE) return Fail("cannot be read");
  }
  const OnlineFigures& f = a.figures;
  bool sound = AreCents({a.balance, f.securityLimit, f.maxDepositPer30Days, f.maxWithdrawPer30Days, f.maxDeposit,
                         f.maxWithdraw, f.max24HourCardDeposit, f.max24HourCardDepositCount},
                        0);
  for (const OnlineOrderType& t : a.orderTypes) {
    sound = sound && AreCents({t.depositService, t.minDeposit, t.maxDeposit, t.withdrawService, t.minWithdraw,
                               t.maxWithdraw},
                              0);
  }
  for (const OnlineOrder& o : a.orders) sound = sound && AreCents({o.amount, o.service}, -kMaxCents);
  if (!sound) return Fail("holds amounts out of range");
  online_ = std::move(a);
  return 1;
}

int CAccountStore::PlaceOrder(const OnlineOrder& order, const OnlineCard* newCard, std::int64_t* id) {
  if (!db_) return Fail("is not open");
  const std::int64_t next = online_.balance + order.amount;
  if (next < 0 || next > kMaxCents) return Fail("would take the online balance out of range");
  int done = Exec("BEGIN IMMEDIATE");
  if (done) {
    CStatement s(db_, "INSERT INTO orders (placed_at, type, state, amount_cents, service_cents, comment)"
                      " VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    s.Bind(1, order.placedAt);
    s.Bind(2, order.type);
    s.Bind(3, order.state);
    s.Bind(4, order.amount);
    s.Bind(5, order.service);
    s.Bind(6, order.comment);
    done = s.Done();
  }
  const std::int64_t rowId = sqlite3_last_insert_rowid(db_);
  done = done && WriteBalance("online", next) && (!newCard || WriteCard(db_, *newCard)) && Exec("COMMIT");
  if (!done) {
    Fail("cannot be written");
    if (!sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
    return 0;
  }
  OnlineOrder placed = order;
  placed.id = rowId;
  online_.orders.push_back(placed);
  online_.balance = next;
  if (newCard) {
    online_.hasCard = true;
    online_.card = *newCard;
  }
  *id = rowId;
  return 1;
}

int CAccountStore::SetSecurityCode(const std::string& code) {
  if (!db_) return Fail("is not open");
  CStatement s(db_, "UPDATE online_user SET security_code = ?1");
  s.Bind(1, code);
  // Outside a transaction the update is its own, committed in full.
  if (!s.Done()) return Fail("cannot be written");
  online_.securityCode = code;
  return 1;
}
