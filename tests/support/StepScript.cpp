#include "tests/support/StepScript.h"

#include <gtest/gtest.h>

#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

void CStepScript::When(std::function<bool()> condition, std::function<void()> action) {
  steps_.push_back({std::move(condition), std::move(action)});
}

void CStepScript::Then(std::function<void()> action) {
  steps_.push_back({[] { return true; }, std::move(action)});
}

void CStepScript::Start(plat::HWND* mainWindow) {
  mainWindow_ = mainWindow;
  stepsDone = 0;
  plat::headless::SetIdleHook([this] { Idle(); });
}

void CStepScript::Stop() { plat::headless::SetIdleHook(nullptr); }

void CStepScript::Idle() {
  if (everyIdle) everyIdle();
  const plat::HWND window = mainWindow_ != nullptr ? *mainWindow_ : nullptr;
  if (plat::headless::Now() > limit) {
    ADD_FAILURE() << "the script stopped at step " << stepsDone << " of " << steps_.size()
                  << (describe ? describe() : std::string());
    steps_.clear();
    if (window != nullptr) plat::DestroyWindow(window);
    return;
  }
  if (stepsDone >= Steps()) return;
  Step& step = steps_[static_cast<std::size_t>(stepsDone)];
  if (!step.condition()) return;
  ++stepsDone;
  step.action();
}
