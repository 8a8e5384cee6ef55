// System information, files with Windows-style names, settings files and the
// environment: the parts of plat/system.h both backends share.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/common/Files.h"
#include "platform/include/plat/system.h"

namespace plat {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The entry of folder dir whose name equals name ignoring case; empty when
// none. With several, the first in byte order wins, so the answer is stable.
std::string MatchIgnoringCase(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return std::string();
  std::string best;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, name.c_str()) == 0) {
      std::string candidate = e->d_name;
      if (best.empty() || candidate < best) best = candidate;
    }
  }
  ::closedir(d);
  return best;
}

std::string Resolve(const char* name) {
  std::string s(name);
  std::replace(s.begin(), s.end(), '\\', '/');
  bool absolute = false;
  if (s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':') {
    if (s.size() >= 3 && s[2] == '/') {
      absolute = true;
      s = s.substr(3);
    } else {
      s = s.substr(2);
    }
  } else if (!s.empty() && s[0] == '/') {
    absolute = true;
  }
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= s.size()) {
    std::size_t slash = s.find('/', start);
    if (slash == std::string::npos) slash = s.size();
    if (slash > start) parts.push_back(s.substr(start, slash - start));
    start = slash + 1;
  }
  std::string joined = absolute ? "/" : "";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += '/';
    joined += parts[i];
  }
  if (joined.empty()) return absolute ? "/" : ".";
  if (Exists(joined)) return joined;

  // Component by component: keep what exists, else look for it ignoring case.
  std::string out = absolute ? "/" : "";
  bool lost = false;  // a folder was not found: keep the rest as written
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    std::string candidate = out;
    if (!candidate.empty() && candidate.back() != '/') candidate += '/';
    std::string exact = candidate + part;
    if (!lost && part != "." && part != ".." && !Exists(exact)) {
      const std::string dir = out.empty() ? std::string(".") : out;
      std::string match = MatchIgnoringCase(dir, part);
      if (!match.empty()) {
        exact = candidate + match;
      } else {
        lost = true;
      }
    }
    out = exact;
  }
  return out;
}

}  // namespace

void GetSystemInfo(SYSTEM_INFO* info) {
  if (!info) return;
  long n = ::sysconf(_SC_NPROCESSORS_ONLN);
  info->wProcessorLevel = 6;
  info->wProcessorRevision = 0;
  info->dwNumberOfProcessors = n > 0 ? static_cast<DWORD>(n) : 1;
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
  info->dwMajorVersion = 0;
  info->dwMinorVersion = 0;
  info->dwBuildNumber = 0;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  struct utsname u;
  if (::uname(&u) == 0) {
    unsigned major = 0, minor = 0, build = 0;
    if (std::sscanf(u.release, "%u.%u.%u", &major, &minor, &build) >= 1) {
      info->dwMajorVersion = major;
      info->dwMinorVersion = minor;
      info->dwBuildNumber = build;
    }
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
  std::size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

// Copies text into buffer (at most size - 1 bytes and a zero); answers the bytes copied.
DWORD CopyOut(const std::string& text, char* buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  const DWORD n = std::min<DWORD>(static_cast<DWORD>(text.size()), size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = 0;
  return n;
}

// Copies a list of zero-terminated names ending in a double zero; answers as
// Windows does (bytes without the final zero, size - 2 when truncated).
DWORD CopyList(const std::vector<std::string>& names, char* buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  if (size == 1) {
    buffer[0] = 0;
    return 0;
  }
  DWORD pos = 0;
  for (const std::string& n : names) {
    if (pos + n.size() + 2 > size) {
      // Truncate: what fits, then the double zero.
      const DWORD room = size - 2 - pos;
      std::memcpy(buffer + pos, n.data(), room);
      buffer[size - 2] = 0;
      buffer[size - 1] = 0;
      return size - 2;
    }
    std::memcpy(buffer + pos, n.data(), n.size());
    pos += static_cast<DWORD>(n.size());
    buffer[pos++] = 0;
  }
  buffer[pos] = 0;
  return pos;
}

}  // namespace

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultText,
                              char* buffer, DWORD bufferSize, const char* fileName) {
  if (!buffer || bufferSize == 0) return 0;
  std::string fallback = Trim(defaultText ? defaultText : "");
  std::FILE* f = fileName ? OpenFile(fileName, "rb") : nullptr;
  if (!f) {
    if (!section || !key) return CopyList({}, buffer, bufferSize);
    return CopyOut(fallback, buffer, bufferSize);
  }
  std::string content;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) content.append(chunk, got);
  std::fclose(f);

  std::vector<std::string> names;
  bool inSection = false;
  bool found = false;
  std::string value;
  std::size_t pos = 0;
  while (pos < content.size() && !found) {
    std::size_t eol = content.find('\n', pos);
    if (eol == std::string::npos) eol = content.size();
    std::string line = Trim(content.substr(pos, eol - pos));
    pos = eol + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const std::size_t close = line.find(']');
      const std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      if (!section) {
        names.push_back(name);
        continue;
      }
      inSection = ::strcasecmp(name.c_str(), section) == 0;
      continue;
    }
    if (!section || !inSection) continue;
    const std::size_t eq = line.find('=');
    const std::string k = Trim(line.substr(0, eq));
    if (!key) {
      if (!k.empty()) names.push_back(k);
      continue;
    }
    if (eq == std::string::npos) continue;
    if (::strcasecmp(k.c_str(), key) == 0) {
      value = Trim(line.substr(eq + 1));
      if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                                (value.front() == '\'' && value.back() == '\''))) {
        value = value.substr(1, value.size() - 2);
      }
      found = true;
    }
  }
  if (!section || !key) return CopyList(names, buffer, bufferSize);
  return CopyOut(found ? value : fallback, buffer, bufferSize);
}

DWORD GetEnvironmentVariable(const char* name, char* buffer, DWORD bufferSize) {
  if (!name || !*name) return 0;
  const char* value = std::getenv(name);
  std::string fallback;
  if (!value && (::strcasecmp(name, "TEMP") == 0 || ::strcasecmp(name, "TMP") == 0)) {
    const char* tmpdir = std::getenv("TMPDIR");
    fallback = (tmpdir && *tmpdir) ? tmpdir : "/tmp";
    value = fallback.c_str();
  }
  if (!value) return 0;
  const DWORD len = static_cast<DWORD>(std::strlen(value));
  // As Windows: the length without the zero when it fits, else the size needed.
  if (!buffer || bufferSize < len + 1) return len + 1;
  std::memcpy(buffer, value, len + 1);
  return len;
}

}  // namespace plat
