#include "framework/link/PlayerRecord.h"

#include <cstring>

namespace {

void CopyField(char* field, std::size_t size, const char* value) {
  std::memset(field, 0, size);
  if (value) std::memcpy(field, value, strnlen(value, size - 1));
}

}  // namespace

void CPlayerRecord::SetName(const char* value) { CopyField(name, sizeof name, value); }

void CPlayerRecord::SetText(const char* value) { CopyField(text, sizeof text, value); }

int CPlayerRecord::Receive(const void* data, std::size_t size) {
  if (!data || size != sizeof(CPlayerRecord)) return 0;
  std::memcpy(this, data, sizeof(CPlayerRecord));
  name[sizeof name - 1] = '\0';
  text[sizeof text - 1] = '\0';
  return 1;
}
