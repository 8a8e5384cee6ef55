#include "tests/framework/shell/ShellTestFolder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

ShellTestFolder::ShellTestFolder() {
  char here[4096];
  previous = ::getcwd(here, sizeof(here)) ? here : "/";
  char pattern[] = "/tmp/shelltest-XXXXXX";
  root = ::mkdtemp(pattern) ? pattern : "";
  std::error_code ec;
  std::filesystem::create_directories(root + "/games/toy/res", ec);
  if (root.empty() || ec || ::chdir((root + "/games/toy").c_str()) != 0) std::abort();
}

ShellTestFolder::~ShellTestFolder() {
  if (::chdir(previous.c_str()) != 0) return;
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
}

void ShellTestFolder::WriteFile(const std::string& name, const std::string& bytes) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string ShellTestFolder::ReadFile(const std::string& name) {
  std::string bytes;
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return bytes;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

bool ShellTestFolder::Exists(const std::string& name) {
  std::error_code ec;
  return std::filesystem::exists(name, ec);
}
