// The local account (balance and table limits) and the saved-game records in
// "db_savef" that the main client writes and the programs read and prune.
//
// Results: 0 success, negative codes otherwise. All routines take the user id
// first; the balance and the limits ignore it. The file is opened and closed
// within each call.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int kDbOk = 0;
inline constexpr int kDbInvalidData = -1;      // bad argument, or file not opened/read/written
inline constexpr int kDbNotEnoughMoney = -8;
inline constexpr int kDbNoSuchLimit = -16;
inline constexpr int kDbNoRecord = -18;        // no such record, or no file (readers)

inline constexpr char kDbFileName[] = "db_savef";
inline constexpr std::size_t kDbNameSize = 32;  // game and key fields

// The head of every record: 76 bytes, little-endian, no padding, followed at
// once by size bytes of data. The file is a plain sequence of records.
struct DbRecordHeader {
  std::uint32_t userId;
  char game[kDbNameSize];  // zero-padded, not always zero-terminated
  char key[kDbNameSize];
  std::uint32_t index;
  std::uint32_t size;
};
inline constexpr std::size_t kDbRecordHeaderSize = 76;
inline constexpr std::size_t kDbOffsetUserId = 0;
inline constexpr std::size_t kDbOffsetGame = 4;
inline constexpr std::size_t kDbOffsetKey = 36;
inline constexpr std::size_t kDbOffsetIndex = 68;
inline constexpr std::size_t kDbOffsetSize = 72;
static_assert(sizeof(DbRecordHeader) == kDbRecordHeaderSize);
static_assert(offsetof(DbRecordHeader, userId) == kDbOffsetUserId);
static_assert(offsetof(DbRecordHeader, game) == kDbOffsetGame);
static_assert(offsetof(DbRecordHeader, key) == kDbOffsetKey);
static_assert(offsetof(DbRecordHeader, index) == kDbOffsetIndex);
static_assert(offsetof(DbRecordHeader, size) == kDbOffsetSize);

// Little-endian 32-bit words of stored data.
std::uint32_t DbGetU32(const void* bytes);
void DbPutU32(void* bytes, std::uint32_t value);
// The stored form of a head and back (byte by byte, whatever the host order).
void EncodeDbRecordHeader(const DbRecordHeader& head, unsigned char out[kDbRecordHeaderSize]);
void DecodeDbRecordHeader(const unsigned char in[kDbRecordHeaderSize], DbRecordHeader* head);

// ---- Account ----
// The table limit of key (exact, case included). -1 for user 0 or a null key
// or value; -16 when no row has the key; else 0 and the value.
int GetCasinoLimit(int userId, const char* key, double* value);
// 0 and the balance (3000.0 at start, process-wide, never saved here).
int dbGetBalance(int userId, double* balance);
// Replaces the balance (with the money of a received player record). 0.
int dbSetBalance(int userId, double balance);
// Both move the balance by the amount rounded to the cent, and refuse with
// -1 an amount or a balance that is no number or beyond any account.
// Adds amount of any sign. 0.
int dbAddMoney(int userId, double amount);
// 0 when balance - amount is 0.0 or more (the balance becomes that); else -8
// and the balance is unchanged.
int dbSubtractMoney(int userId, double amount);
// Sees every change a server makes to the balance: the amount credited
// (positive) or debited (negative), in cents as it moved, after the change. Tests and fuzzers keep
// a ledger with it; null (the default) stops it.
using DbMoneyObserver = void (*)(int userId, double amount);
void SetDbMoneyObserver(DbMoneyObserver observer);
// The error name servers send for a code; "UNKNOWN DB ERROR" for codes
// outside -8..-1 (0 included).
const char* DbErrorName(int code);
// One code a program names beyond the shared names.
struct DbExtraErrorName {
  int code;
  const char* name;  // null: no extra code
};
inline constexpr DbExtraErrorName kNoExtraDbError{0, nullptr};
// The extra code of the Keno and Roulette programs: a limit key that is not
// in the table.
inline constexpr DbExtraErrorName kDbNoPropertyName{kDbNoSuchLimit, "DB_NO_PROPERTY_ERR"};
// extra.name for extra.code, else the shared name of code.
const char* DbErrorName(int code, const DbExtraErrorName& extra);

// ---- Saved-game records ----
// The first record of userId and game whose key equals key (any key when key
// is null) and whose index equals index; names compare exactly over at most
// 32 bytes. 0 with a std::malloc'd block (caller frees) of *size bytes plus
// one zero byte after them, so a text record is always terminated. -1 for a
// null game or output, -18 without file or match. A record whose data cannot
// be allocated or read is passed over; a size beyond the end of the file
// ends the walk.
int dbRead(int userId, const char* game, const char* key, int index, void** data,
           std::uint32_t* size);
// Rewrites the file without the records of userId and game (any game when
// null) and, only when keyed, with this key (any when null) and index. The new
// file is written beside the old one and renamed over it, so a failure leaves
// the old file whole. -1 when the file cannot be read or the new one written,
// or when a record that stays is cut short; -18 when keyed and nothing
// matched; else 0. When nothing matched the file is left untouched.
int dbRemove(int userId, const char* game, const char* key, int index, int keyed);
// Every record of the user, of one game or (null) of all. Answer ignored by callers.
int dbRemoveUser(int userId, const char* game);
// The game name of the user's first record into name (kDbNameSize bytes,
// always terminated). -1 for a null name, -18 without file or record; else 0.
int dbGetSavedGameName(int userId, char* name);
// Appends one record at the end of the file (created when missing). 0, or -1
// for a null game or key, data missing for a non-zero size, or a write error.
// Used by the main client, which writes the saved games, and by tests.
int dbWrite(int userId, const char* game, const char* key, int index, const void* data,
            std::uint32_t size);
