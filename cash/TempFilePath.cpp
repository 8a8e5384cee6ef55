#include "cash/TempFilePath.h"

#include <cstdio>
#include <cstring>

int TempFilePath(const char* temp, const char* tmp, char* out, std::size_t size) {
  const char* folder = temp && *temp ? temp : tmp && *tmp ? tmp : "C:\\";
  const std::size_t length = std::strlen(folder);
  const char last = folder[length - 1];
  const char* separator = last == '\\' || last == '/' ? "" : "\\";
  const int written = std::snprintf(out, size, "%s%s%s", folder, separator, kTempFileName);
  if (written < 0 || static_cast<std::size_t>(written) >= size) {
    if (size) out[0] = '\0';
    return 0;
  }
  return 1;
}
