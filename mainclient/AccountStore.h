// The main client's account store: an SQLite database beside the main
// client that keeps the player's balance in whole cents.
//
// Schema (user_version 2, application_id kStoreApplicationId):
//   account(kind TEXT PRIMARY KEY, balance_cents INTEGER NOT NULL >= 0)
// with a row of kind "offline", the balance the games play for fun with,
// and one of kind "online", the online account's; the online account's
// user, figures, cards, order types, card on file and orders have tables
// of their own (OnlineStore.cpp). A store of version 1 (the offline
// balance only) gets the online tables, seeded, when it is opened.
//
// The store is held exclusively while open, so a second main client on the
// same store is refused. Every booking is one transaction committed with
// full synchronisation before it counts. A file that is not such a store is
// never written, so nothing stored is lost to a reset.
#pragma once

#include <cstdint>
#include <string>

#include "mainclient/OnlineAccount.h"

struct sqlite3;

inline constexpr std::int32_t kStoreApplicationId = 0x43534E4F;  // "CSNO"
inline constexpr int kStoreSchemaVersion = 2;
inline constexpr std::int64_t kStartBalanceCents = 300000;

// What Open answers besides 0.
inline constexpr int kStoreInUse = -1;   // another main client holds it
inline constexpr int kStoreFailed = -2;  // not readable or writable as a store

class CAccountStore {
 public:
  CAccountStore() = default;
  ~CAccountStore() { Close(); }
  CAccountStore(const CAccountStore&) = delete;
  CAccountStore& operator=(const CAccountStore&) = delete;

  // Opens the store at path, or creates it: its first balance is read from
  // oldBalanceFile (the earlier main client's text file, left as it is)
  // when that exists, else kStartBalanceCents. A store that opens has just
  // been written, so it can be written. 0, kStoreInUse or kStoreFailed;
  // Error() then says why and the file is as it was.
  int Open(const std::string& path, const std::string& oldBalanceFile);
  void Close();
  int IsOpen() const { return db_ ? 1 : 0; }
  std::int64_t BalanceCents() const { return balanceCents_; }
  // Moves the balance by deltaCents, never below 0 nor above kMaxCents, in
  // one committed transaction. 1, or 0 when the store could not be written
  // (the balance then stays as stored and Error() says why).
  int Book(std::int64_t deltaCents);
  // As Book, for the online account.
  int BookOnline(std::int64_t deltaCents);
  const OnlineAccount& Online() const { return online_; }
  // Stores the order (its id is made here) and moves the online balance by
  // its amount, and puts newCard on file when given, in one committed
  // transaction. 1 with *id set, or 0 with nothing changed (Error() says
  // why).
  int PlaceOrder(const OnlineOrder& order, const OnlineCard* newCard, std::int64_t* id);
  // 1, or 0 with the old code kept.
  int SetSecurityCode(const std::string& code);
  const std::string& Error() const { return error_; }

 private:
  int Fail(const char* what);
  int Exec(const char* sql);
  int ReadBalance();
  int CreateSchema(const std::string& oldBalanceFile);
  int CreateOnline();
  int ReadOnline();
  int WriteBalance(const char* kind, std::int64_t cents);
  int BookKind(const char* kind, std::int64_t* balance, std::int64_t deltaCents);

  sqlite3* db_ = nullptr;
  std::string path_;
  std::int64_t balanceCents_ = 0;
  OnlineAccount online_;
  std::string error_;
};

// The balance of the earlier main client's file ("%.17g" and a line end)
// in cents. 0 when the file cannot be read or holds no finite amount of 0
// or more.
int ReadOldBalanceFile(const std::string& path, std::int64_t* cents);
