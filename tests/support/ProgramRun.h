// A whole program on the headless backend: the shell runs its
// GameDefinition while a step script drives it from the idle hook; the one
// whole-program runner of the tests.
#pragma once

#include <string>
#include <vector>

#include "framework/shell/GameDefinition.h"
#include "tests/support/StepScript.h"

class CProgramRun {
 public:
  explicit CProgramRun(const GameDefinition& game) : game_(game) {}

  CStepScript script;

  // Runs the program to its end with these arguments after its name;
  // answers its exit code. Fails the test when the script is not done.
  int Run(const std::vector<std::string>& options = {});

 private:
  const GameDefinition& game_;
};
