// Drives a running program frame by frame from the backend's idle hook: a
// list of steps, each an action that runs once its condition holds, one
// after the other; the one step script of the tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/include/plat/types.h"

class CStepScript {
 public:
  // Adds a step: once condition holds (checked whenever the program idles),
  // action runs.
  void When(std::function<bool()> condition, std::function<void()> action);
  // A step that runs as soon as the one before it has.
  void Then(std::function<void()> action);

  // Runs before the steps at every idle moment.
  std::function<void()> everyIdle;
  // Why the script is stuck, added to the failure when the time runs out.
  std::function<std::string()> describe;
  // Virtual time after which a script not done fails the test and closes the
  // program's main window.
  plat::DWORD limit = 30 * 60 * 1000;

  // Installs the idle hook (Stop or the next Start takes it away); the
  // program's main window is read from *mainWindow at each idle moment.
  void Start(plat::HWND* mainWindow);
  void Stop();
  // 1 when every step has run.
  int Done() const { return stepsDone == static_cast<int>(steps_.size()) ? 1 : 0; }
  int Steps() const { return static_cast<int>(steps_.size()); }
  int stepsDone = 0;

 private:
  struct Step {
    std::function<bool()> condition;
    std::function<void()> action;
  };
  void Idle();

  std::vector<Step> steps_;
  plat::HWND* mainWindow_ = nullptr;
};
