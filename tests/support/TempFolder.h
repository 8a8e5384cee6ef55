// A fresh folder under the system's temporary folder, removed with all it
// holds at the end; the one temporary folder of the tests and benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempFolder {
 public:
  // Path() is empty when the folder could not be made.
  TempFolder();
  // Goes back to the working folder Enter found, then removes the folder.
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Creates Path()/sub and the folders above it. 1 or 0.
  int Make(const std::string& sub) const;
  // Creates Path()/sub and makes it the working folder. 1 or 0.
  int Enter(const std::string& sub = "");

 private:
  std::string path_;
  std::string previous_;  // the working folder before the first Enter
};

// Whole files, relative to the working folder or absolute.
int WriteFile(const std::string& name, const std::string& bytes);  // 1 or 0
std::string ReadFile(const std::string& name);                     // empty when missing
std::vector<std::uint8_t> ReadBytes(const std::string& name);      // empty when missing
bool FileExists(const std::string& name);
