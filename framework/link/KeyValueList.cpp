#include "framework/link/KeyValueList.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "framework/link/Text.h"

CKeyValue::CKeyValue(const char* k, const char* v) : key(StrDup(k)), value(StrDup(v)), next(nullptr) {}

CKeyValue::~CKeyValue() {
  std::free(key);
  std::free(value);
}

void CKeyValue::SetValue(const char* text) {
  std::free(value);
  value = StrDup(text);
}

int CKeyValue::ValueIs(const char* text) const { return StrICmp(value, text) == 0 ? 1 : 0; }

CKeyValueList::~CKeyValueList() { Clear(); }

CKeyValue* CKeyValueList::Add(const char* key, const char* value) {
  CKeyValue* node = new (std::nothrow) CKeyValue(key, value);
  if (node) Append(node);
  return node;
}

void CKeyValueList::Append(CKeyValue* node) {
  node->next = nullptr;
  if (tail) {
    tail->next = node;
  } else {
    head = node;
  }
  tail = node;
}

CKeyValue* CKeyValueList::Find(const char* key, CKeyValue* start) const {
  for (CKeyValue* n = start ? start : head; n; n = n->next) {
    if (StrICmp(n->key, key) == 0) return n;
  }
  return nullptr;
}

const char* CKeyValueList::GetValue(const char* key) const {
  CKeyValue* n = Find(key, nullptr);
  return n ? n->value : nullptr;
}

void CKeyValueList::Clear() {
  CKeyValue* n = head;
  while (n) {
    CKeyValue* following = n->next;
    delete n;
    n = following;
  }
  head = tail = nullptr;
}

namespace {

bool MustEscape(unsigned char c) {
  return c < 0x20 || c >= 0x80 || c == '%' || c == '&' || c == '+' || c == '=';
}

char* UrlEncode(const char* text, char* out) {
  static const char kHex[] = "0123456789ABCDEF";
  if (!text) return out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (*p == ' ') {
      *out++ = '+';
    } else if (MustEscape(*p)) {
      *out++ = '%';
      *out++ = kHex[*p >> 4];
      *out++ = kHex[*p & 0x0F];
    } else {
      *out++ = static_cast<char>(*p);
    }
  }
  return out;
}

int HexValue(signed char c) {
  if (c < 'A') return c - '0';
  return (c & ~0x20) - 55;
}

// Unescapes text in place. A '%' without two characters after it ends the text.
void UrlDecodeInPlace(char* text) {
  char* out = text;
  for (char* p = text; *p; ++p) {
    if (*p == '+') {
      *out++ = ' ';
    } else if (*p == '%') {
      if (!p[1] || !p[2]) break;
      *out++ = static_cast<char>((HexValue(p[1]) * 16 + HexValue(p[2])) & 0xFF);
      p += 2;
    } else {
      *out++ = *p;
    }
  }
  *out = '\0';
}

}  // namespace

char* CKeyValueList::Encode() const {
  std::size_t sum = 0;
  for (CKeyValue* n = head; n; n = n->next) sum += StrLen(n->key) + StrLen(n->value) + 2;
  char* text = static_cast<char*>(std::malloc(3 * sum + 1));
  if (!text) return nullptr;
  char* out = text;
  for (CKeyValue* n = head; n; n = n->next) {
    if (n != head) *out++ = '&';
    out = UrlEncode(n->key, out);
    *out++ = '=';
    out = UrlEncode(n->value, out);
  }
  *out = '\0';
  return text;
}

int CKeyValueList::Decode(const char* text) { return text ? Decode(text, std::strlen(text)) : 0; }

int CKeyValueList::Decode(const char* text, std::size_t length) {
  if (!text) return 0;
  length = strnlen(text, length);
  if (length == 0) return 0;
  char* copy = static_cast<char*>(std::malloc(length + 1));
  if (!copy) return 0;
  std::memcpy(copy, text, length);
  copy[length] = '\0';

  int pairs = 0;
  char* piece = copy;
  char* const end = copy + length;
  while (piece < end) {
    char* amp = static_cast<char*>(std::memchr(piece, '&', static_cast<std::size_t>(end - piece)));
    if (amp) *amp = '\0';
    char* value = std::strchr(piece, '=');
    if (value) {
      *value++ = '\0';
    } else {
      value = piece + std::strlen(piece);
    }
    UrlDecodeInPlace(piece);
    UrlDecodeInPlace(value);
    if (!Add(piece, value)) break;
    ++pairs;
    if (!amp) break;
    piece = amp + 1;
  }
  std::free(copy);
  return pairs;
}
