#include "framework/link/Text.h"

#include <cstdlib>
#include <cstring>

char* StrDup(const char* text) {
  if (!text) return nullptr;
  std::size_t n = std::strlen(text) + 1;
  char* copy = static_cast<char*>(std::malloc(n));
  if (copy) std::memcpy(copy, text, n);
  return copy;
}

std::size_t StrLen(const char* text) { return text ? std::strlen(text) : 0; }

int StrICmp(const char* a, const char* b) {
  if (!a || !b) return -1;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
  // A blank folds onto the zero byte: stop at the end of either text.
  while (*p && *q && (*p | 0x20) == (*q | 0x20)) {
    ++p;
    ++q;
  }
  return static_cast<int>(*p) - static_cast<int>(*q);
}
