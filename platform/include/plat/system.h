// System information, settings files, files, help and the environment.
#pragma once

#include <cstdio>

#include "platform/include/plat/types.h"

namespace plat {

// ---- System information -------------------------------------------------------

struct SYSTEM_INFO {
  WORD wProcessorLevel;
  WORD wProcessorRevision;
  DWORD dwNumberOfProcessors;
};
void GetSystemInfo(SYSTEM_INFO* info);

struct MEMORYSTATUS {
  std::uint64_t dwTotalPhys;
  std::uint64_t dwAvailPhys;
};
void GlobalMemoryStatus(MEMORYSTATUS* status);

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
struct OSVERSIONINFO {
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;  // always VER_PLATFORM_WIN32_NT here
};
BOOL GetVersionEx(OSVERSIONINFO* info);

// ---- Files ----------------------------------------------------------------------
// Names may be written with '\' or '/'; a name that is not found exactly is
// matched ignoring case, one path component at a time. A drive prefix such
// as "C:\" means the file system root.

// The name as this system opens it: separators turned, the existing file
// (or, for a new file, its existing folder) matched ignoring case.
// Answers 0 when out is too small.
BOOL ResolvePath(const char* name, char* out, std::size_t outSize);
// fopen with the name resolved. Mode as fopen ("rb", "r", "w", "wb", "ab").
std::FILE* OpenFile(const char* name, const char* mode);
BOOL DeleteFile(const char* name);
// Replaces newName by oldName in one step (both in one folder).
BOOL MoveFileReplace(const char* oldName, const char* newName);
BOOL FileExists(const char* name);

// Reads key of [section] in an INI file (section and key match ignoring
// case). Copies default when missing. Answers the bytes copied.
DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultText,
                              char* buffer, DWORD bufferSize, const char* fileName);

// An environment variable (null when unset). TEMP and TMP fall back to the
// system's temporary folder when unset.
DWORD GetEnvironmentVariable(const char* name, char* buffer, DWORD bufferSize);

// ---- Programs -------------------------------------------------------------------

// Starts the executable at path (a relative name counts from this program's
// working folder) with arguments (a list ended by null, not holding the
// program's own name) in the working folder, without waiting; it shares
// this session's display and bus. Answers its process id (above
// 0), or 0 when it cannot be started.
DWORD StartProgram(const char* path, const char* const* arguments, const char* folder);
// 1 while a program started with StartProgram runs; 0 once it has ended (its
// end is then collected) and for an id it did not answer.
BOOL IsProgramRunning(DWORD processId);
// Once the program started with StartProgram has ended, posts message to
// notify with wParam the process id (its end is then collected). Learnt
// from the process itself, never by asking. 1 when watched.
BOOL WatchProgram(DWORD processId, HWND notify, UINT message);

// ---- Help ---------------------------------------------------------------------

// Opens a page or file with the desktop's default handler. Answers a value
// above 32 on success, 2 when the file is missing, 31 when nothing handles it.
INT_PTR ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                     const char* folder, int showCommand);
constexpr UINT HELP_QUIT = 0x0002;
// The shared help file viewer: only HELP_QUIT is used, which closes it.
BOOL WinHelp(HWND hwnd, const char* file, UINT command, std::uintptr_t data);

}  // namespace plat
