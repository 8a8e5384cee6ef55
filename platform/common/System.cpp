// System information, files with Windows-style names, settings files, the
// environment, help and the program's instance: what both backends share.
#include <dirent.h>
#include <strings.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "platform/common/Files.h"
#include "platform/include/plat/app.h"
#include "platform/include/plat/system.h"

namespace plat {
namespace {

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

// The entry of folder dir whose name equals name ignoring case; empty when
// none. With several, the first in byte order wins, so the answer is stable.
std::string MatchIgnoringCase(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return std::string();
  std::string best;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, name.c_str()) == 0 && (best.empty() || best > e->d_name)) best = e->d_name;
  }
  ::closedir(d);
  return best;
}

// Separators turned and a drive prefix dropped ("C:\\" is the root), then
// component by component: keep what exists, else look for it ignoring case.
std::string Resolve(const char* name) {
  std::string s(name);
  std::replace(s.begin(), s.end(), '\\', '/');
  if (s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':') s.erase(0, 2);
  const bool absolute = !s.empty() && s[0] == '/';
  std::string out = absolute ? "/" : "";
  bool lost = false;  // a folder was not found: keep the rest as written
  std::istringstream parts(s);
  for (std::string part; std::getline(parts, part, '/');) {
    if (part.empty()) continue;
    if (!out.empty() && out.back() != '/') out += '/';
    const std::string folder = out;
    out += part;
    if (lost || part == "." || part == ".." || Exists(out)) continue;
    const std::string match = MatchIgnoringCase(folder, part);
    lost = match.empty();
    if (!lost) out = folder + match;
  }
  return out.empty() ? "." : out;
}

}  // namespace

void GetSystemInfo(SYSTEM_INFO* info) {
  if (!info) return;
  const long n = ::sysconf(_SC_NPROCESSORS_ONLN);
  *info = SYSTEM_INFO{6, 0, n > 0 ? static_cast<DWORD>(n) : 1};
}

void GlobalMemoryStatus(MEMORYSTATUS* status) {
  if (!status) return;
  const long page = ::sysconf(_SC_PAGESIZE);
  const long total = ::sysconf(_SC_PHYS_PAGES);
  const long avail = ::sysconf(_SC_AVPHYS_PAGES);
  status->dwTotalPhys = (page > 0 && total > 0) ? static_cast<std::uint64_t>(page) * total : 0;
  status->dwAvailPhys = (page > 0 && avail > 0) ? static_cast<std::uint64_t>(page) * avail : 0;
}

BOOL GetVersionEx(OSVERSIONINFO* info) {
  if (!info) return FALSE;
  *info = OSVERSIONINFO{0, 0, 0, VER_PLATFORM_WIN32_NT};
  struct utsname u;
  if (::uname(&u) == 0) {
    std::sscanf(u.release, "%u.%u.%u", &info->dwMajorVersion, &info->dwMinorVersion, &info->dwBuildNumber);
  }
  return TRUE;
}

BOOL ResolvePath(const char* name, char* out, std::size_t outSize) {
  if (!name || !out || outSize == 0) return FALSE;
  const std::string resolved = Resolve(name);
  if (resolved.size() + 1 > outSize) return FALSE;
  std::memcpy(out, resolved.c_str(), resolved.size() + 1);
  return TRUE;
}

std::FILE* OpenFile(const char* name, const char* mode) {
  if (!name || !mode || !*name) return nullptr;
  return std::fopen(Resolve(name).c_str(), mode);
}

namespace common {

bool ReadWholeFile(const char* name, std::vector<std::uint8_t>* out) {
  std::FILE* f = OpenFile(name, "rb");
  if (!f) return false;
  std::uint8_t chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out->insert(out->end(), chunk, chunk + n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

}  // namespace common

BOOL DeleteFile(const char* name) {
  if (!name || !*name) return FALSE;
  return ::unlink(Resolve(name).c_str()) == 0 ? TRUE : FALSE;
}

BOOL MoveFileReplace(const char* oldName, const char* newName) {
  if (!oldName || !newName || !*oldName || !*newName) return FALSE;
  return std::rename(Resolve(oldName).c_str(), Resolve(newName).c_str()) == 0 ? TRUE : FALSE;
}

BOOL FileExists(const char* name) {
  if (!name || !*name) return FALSE;
  return Exists(Resolve(name)) ? TRUE : FALSE;
}

namespace {

std::string Trim(const std::string& s) {
  static const char kSpace[] = " \t\n\v\f\r";
  const std::size_t b = s.find_first_not_of(kSpace);
  return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(kSpace) - b + 1);
}

// The value of key in [section], quotes around it dropped; value is left as it is when missing.
void FindValue(const std::string& content, const char* section, const char* key, std::string* value) {
  std::istringstream lines(content);
  bool inSection = false;
  for (std::string line; std::getline(lines, line);) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      inSection = ::strcasecmp(Trim(line.substr(1, line.find(']') - 1)).c_str(), section) == 0;
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos || ::strcasecmp(Trim(line.substr(0, eq)).c_str(), key) != 0) continue;
    *value = Trim(line.substr(eq + 1));
    if (value->size() >= 2 && (value->front() == '"' || value->front() == '\'') && value->back() == value->front()) {
      *value = value->substr(1, value->size() - 2);
    }
    return;
  }
}

}  // namespace

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultText,
                              char* buffer, DWORD bufferSize, const char* fileName) {
  if (!buffer || bufferSize == 0) return 0;
  std::string value = Trim(defaultText ? defaultText : "");
  std::vector<std::uint8_t> bytes;
  if (section && key && fileName && common::ReadWholeFile(fileName, &bytes)) {
    FindValue(std::string(bytes.begin(), bytes.end()), section, key, &value);
  }
  // Cut to the buffer, always ended by a zero.
  const DWORD n = std::min<DWORD>(static_cast<DWORD>(value.size()), bufferSize - 1);
  std::memcpy(buffer, value.data(), n);
  buffer[n] = 0;
  return n;
}

DWORD GetEnvironmentVariable(const char* name, char* buffer, DWORD bufferSize) {
  if (!name || !*name) return 0;
  const char* value = std::getenv(name);
  if (!value && (::strcasecmp(name, "TEMP") == 0 || ::strcasecmp(name, "TMP") == 0)) {
    value = std::getenv("TMPDIR");
    if (!value || !*value) value = "/tmp";
  }
  if (!value) return 0;
  const DWORD len = static_cast<DWORD>(std::strlen(value));
  // As Windows: the length without the zero when it fits, else the size needed.
  if (!buffer || bufferSize < len + 1) return len + 1;
  std::memcpy(buffer, value, len + 1);
  return len;
}

// No help viewer is ever started, so closing it always succeeds.
BOOL WinHelp(HWND, const char*, UINT command, std::uintptr_t) { return command == HELP_QUIT ? TRUE : FALSE; }

HINSTANCE GetModuleInstance() { return reinterpret_cast<HINSTANCE>(0x400000); }

}  // namespace plat
