#include "dq/CrapsOptions.h"

#include <cstdio>
#include <cstring>

#include "platform/include/plat/system.h"

namespace dq {

CrapsOptions gCrapsOptions = kDefaultCrapsOptions;

int LoadCrapsOptions(CrapsOptions* options, const char* fileName) {
  *options = kDefaultCrapsOptions;
  std::FILE* file = plat::OpenFile(fileName, "r");
  if (file == nullptr) return 0;
  unsigned char bytes[sizeof(CrapsOptions)];
  const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
  std::fclose(file);
  std::memcpy(options, bytes, got);
  return got > 0 ? 1 : 0;
}

int SaveCrapsOptions(const CrapsOptions* options, const char* fileName) {
  std::FILE* file = plat::OpenFile(fileName, "w");
  if (file == nullptr) return 0;
  const std::size_t written = std::fwrite(options, 1, sizeof *options, file);
  const int closed = std::fclose(file) == 0;
  return written == sizeof *options && closed ? 1 : 0;
}

}  // namespace dq
