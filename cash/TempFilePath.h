// Where the cashier's temporary file lies: pure, so it can be tested alone.
#pragma once

#include <cstddef>

inline constexpr char kTempFileName[] = "mivane.tmp";
inline constexpr std::size_t kTempPathSize = 260;

// The folder temp (else tmp, else "C:\" when both are null or empty) with
// a "\" added unless it ends in "\" or "/", then kTempFileName, into out
// (size bytes). 0 when the path does not fit (out then empty).
int TempFilePath(const char* temp, const char* tmp, char* out, std::size_t size);
