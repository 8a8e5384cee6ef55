#include "tests/support/TempFolder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "casino-test-XXXXXX").string();
  if (::mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
  if (!previous_.empty() && ::chdir(previous_.c_str()) != 0) return;
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

int TempFolder::Make(const std::string& sub) const {
  if (path_.empty()) return 0;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path_) / sub, error);
  return error ? 0 : 1;
}

int TempFolder::Enter(const std::string& sub) {
  if (!Make(sub)) return 0;
  char here[4096];
  if (previous_.empty()) previous_ = ::getcwd(here, sizeof here) ? here : "/";
  std::error_code error;
  std::filesystem::current_path(std::filesystem::path(path_) / sub, error);
  return error ? 0 : 1;
}

int WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out.good() ? 1 : 0;
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& name) {
  std::error_code error;
  return std::filesystem::exists(name, error);
}
