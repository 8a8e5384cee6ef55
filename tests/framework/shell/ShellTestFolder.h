// Each test runs in a temporary folder laid out like the staged tree:
// <tmp>/games/toy/ is the working folder (res/ inside), <tmp>/Casino.cfg
// lies two folders up.
#pragma once

#include <string>

class ShellTestFolder {
 public:
  // Creates the folders and enters the working folder.
  ShellTestFolder();
  // Leaves and removes everything.
  ~ShellTestFolder();
  const std::string& Root() const { return root; }
  // Writes bytes to a file relative to the working folder.
  static void WriteFile(const std::string& name, const std::string& bytes);
  // The whole file; empty when missing.
  static std::string ReadFile(const std::string& name);
  static bool Exists(const std::string& name);

 private:
  std::string root;
  std::string previous;
};
