// Reading whole files named as the programs name them.
#pragma once

#include <cstdint>
#include <vector>

namespace plat::common {

// Appends the file's bytes to out; false when it cannot be opened or read.
bool ReadWholeFile(const char* name, std::vector<std::uint8_t>* out);

}  // namespace plat::common
