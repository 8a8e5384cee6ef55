#include "mainclient/FileReplace.h"

#include <cstdio>

#include "platform/include/plat/system.h"

int ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string fresh = path + ".new";
  std::FILE* f = plat::OpenFile(fresh.c_str(), "wb");
  if (!f) return 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool flushed = std::fflush(f) == 0;
  if (std::fclose(f) != 0 || !written || !flushed || !plat::MoveFileReplace(fresh.c_str(), path.c_str())) {
    plat::DeleteFile(fresh.c_str());
    return 0;
  }
  return 1;
}

int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* out) {
  std::FILE* f = plat::OpenFile(path.c_str(), "rb");
  if (!f) return 0;
  out->clear();
  std::uint8_t buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out->insert(out->end(), buffer, buffer + n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok ? 1 : 0;
}
