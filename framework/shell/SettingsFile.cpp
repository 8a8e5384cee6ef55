#include "framework/shell/SettingsFile.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/include/plat/system.h"

namespace {

// Reads up to size bytes aside, so a failing read leaves the defaults whole;
// the count read, 0 when the file is missing.
std::size_t ReadAside(const char* fileName, std::vector<unsigned char>* bytes, int size) {
  std::FILE* file = plat::OpenFile(fileName, "r");
  if (file == nullptr || size <= 0) {
    if (file != nullptr) std::fclose(file);
    return 0;
  }
  bytes->resize(static_cast<std::size_t>(size));
  const std::size_t got = std::fread(bytes->data(), 1, bytes->size(), file);
  std::fclose(file);
  return got;
}

}  // namespace

int ReadSettingsFile(const char* fileName, void* settings, int size) {
  std::vector<unsigned char> bytes;
  const std::size_t got = ReadAside(fileName, &bytes, size);
  if (got == 0) return 0;
  std::memcpy(settings, bytes.data(), got);
  return 1;
}

int ReadWholeSettingsFile(const char* fileName, void* settings, int size) {
  std::vector<unsigned char> bytes;
  if (ReadAside(fileName, &bytes, size) != static_cast<std::size_t>(size)) return 0;
  std::memcpy(settings, bytes.data(), bytes.size());
  return 1;
}

int WriteSettingsFile(const char* fileName, const void* settings, int size) {
  std::FILE* file = plat::OpenFile(fileName, "w");
  if (file == nullptr) return 0;
  const std::size_t written = std::fwrite(settings, 1, static_cast<std::size_t>(size), file);
  const int closed = std::fclose(file) == 0;
  return written == static_cast<std::size_t>(size) && closed ? 1 : 0;
}
