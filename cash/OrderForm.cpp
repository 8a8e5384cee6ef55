#include "cash/OrderForm.h"

#include <cstring>

OrderForm gOrderForm{};

void CopyField(char* field, std::size_t size, const char* text) {
  if (size == 0) return;
  std::size_t length = 0;
  if (text) {
    while (length + 1 < size && text[length]) ++length;
    std::memcpy(field, text, length);
  }
  std::memset(field + length, 0, size - length);
}
