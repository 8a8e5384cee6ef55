#include "fuzz/FuzzArguments.h"

#include <filesystem>
#include <system_error>

std::vector<std::string> AnchoredArguments(int argc, char** argv) {
  std::error_code error;
  const std::string here = std::filesystem::current_path(error).string();
  std::vector<std::string> words(argv, argv + argc);
  bool prefix = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    std::string& word = words[i];
    if (word.rfind("-artifact_prefix=", 0) == 0) prefix = true;
    if (!word.empty() && word[0] != '-') word = std::filesystem::absolute(word, error).string();
  }
  if (!prefix) words.push_back("-artifact_prefix=" + here + "/");
  return words;
}
