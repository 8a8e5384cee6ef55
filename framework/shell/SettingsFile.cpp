#include "framework/shell/SettingsFile.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/include/plat/system.h"

int ReadSettingsFile(const char* fileName, void* settings, int size) {
  std::FILE* file = plat::OpenFile(fileName, "r");
  if (file == nullptr || size <= 0) {
    if (file != nullptr) std::fclose(file);
    return 0;
  }
  // Read aside first: a failing read leaves the defaults whole.
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  std::memcpy(settings, bytes.data(), got);
  return got > 0 ? 1 : 0;
}

int WriteSettingsFile(const char* fileName, const void* settings, int size) {
  std::FILE* file = plat::OpenFile(fileName, "w");
  if (file == nullptr) return 0;
  const std::size_t written = std::fwrite(settings, 1, static_cast<std::size_t>(size), file);
  const int closed = std::fclose(file) == 0;
  return written == static_cast<std::size_t>(size) && closed ? 1 : 0;
}
