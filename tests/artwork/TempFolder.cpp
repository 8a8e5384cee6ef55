#include "tests/artwork/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "casino-test-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
