#include "framework/link/WholeNumbers.h"

#include <cerrno>
#include <cstdlib>

int ReadWholeNumber(const char** at, int base, long* value) {
  char* end = nullptr;
  errno = 0;
  const long read = std::strtol(*at, &end, base);
  if (end == *at || errno == ERANGE) return 0;
  *value = read;
  *at = end;
  return 1;
}

int ReadWholeNumber(const char** at, int base, std::int32_t* value) {
  const char* p = *at;
  long read = 0;
  if (!ReadWholeNumber(&p, base, &read) || read < INT32_MIN || read > INT32_MAX) return 0;
  *value = static_cast<std::int32_t>(read);
  *at = p;
  return 1;
}

int ReadWholeNumberList(const char** at, int base, std::int32_t* values, int count) {
  const char* p = *at;
  for (int i = 0; i < count; ++i) {
    if (i > 0 && *p++ != ',') return 0;
    if (!ReadWholeNumber(&p, base, &values[i])) return 0;
  }
  *at = p;
  return 1;
}
