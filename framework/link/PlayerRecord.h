// The player record that a program and the main client exchange whole.
#pragma once

#include <bit>
#include <cstddef>

#pragma pack(push, 1)
class CPlayerRecord {
 public:
  // The field addresses; each field holds a zero within it once set here.
  const char* GetName() const { return name; }
  const char* GetText() const { return text; }
  double GetMoney() const { return money; }
  // Clear the field and copy at most its size - 1 bytes of text (null: empty).
  void SetName(const char* value);
  void SetText(const char* value);
  void SetMoney(double value) { money = value; }
  // Takes a record as it came from the main client: 0 unless size is exactly
  // sizeof(CPlayerRecord); the last byte of name and of text is forced to
  // zero, so an unterminated field cannot run over.
  int Receive(const void* data, std::size_t size);

  char name[21] = {};
  char text[20] = {};
  double money = 0.0;  // IEEE 754, little-endian on the wire
};
#pragma pack(pop)

static_assert(sizeof(CPlayerRecord) == 49);
static_assert(offsetof(CPlayerRecord, name) == 0);
static_assert(offsetof(CPlayerRecord, text) == 21);
static_assert(offsetof(CPlayerRecord, money) == 41);
static_assert(std::endian::native == std::endian::little, "the record is exchanged as it lies in memory");
