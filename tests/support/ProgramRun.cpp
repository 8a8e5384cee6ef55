#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"

int CProgramRun::Run(const std::vector<std::string>& options) {
  std::vector<std::string> words{game_.name};
  words.insert(words.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  script.Start(&gMainWindow);
  const int code = RunProgram(static_cast<int>(words.size()), argv.data(), game_);
  script.Stop();
  EXPECT_EQ(script.Done(), 1) << "script not finished: step " << script.stepsDone << " of "
                              << script.Steps();
  return code;
}
