// Replacing a small file so that a crash never leaves it half written: the
// new contents go to a file beside it, which is then renamed over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// 1 when path now holds bytes; 0 leaves the old file as it was.
int ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The whole file into out. 0 when it cannot be opened or read.
int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* out);
