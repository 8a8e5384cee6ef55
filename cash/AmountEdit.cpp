#include "cash/AmountEdit.h"

#include <cstring>

int CutAmountText(char* text, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t length = std::strlen(text);
  text[std::strcspn(text, ",.")] = 0;
  if (text[0] == 0) std::strcpy(text, "0");
  return std::strlen(text) != length;
}
