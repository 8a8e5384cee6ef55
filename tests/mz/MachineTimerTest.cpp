// The machines' frame timer on the headless backend: a 20 ms periodic event
// whose callback only sets the fired word, and nothing without timer caps.
#include <gtest/gtest.h>

#include "mz/MachineShell.h"
#include "platform/include/plat/headless.h"

namespace {

int gCalls = 0;
int CountCall() { return ++gCalls; }

TEST(MachineTimer, FiresEvery20MsWithoutCallingItsProcedure) {
  plat::headless::Reset();
  gCalls = 0;
  mz::CFrameTimer timer;
  timer.Start(mz::kMachineFramePeriod, CountCall);
  EXPECT_EQ(timer.active, 1);
  EXPECT_EQ(plat::headless::PeriodsBegun(), 1);
  EXPECT_EQ(plat::headless::RunningTimers(), 1);
  plat::headless::AdvanceClock(19);
  EXPECT_EQ(timer.fired.load(), 0);
  plat::headless::AdvanceClock(1);
  EXPECT_EQ(timer.fired.load(), 1);
  plat::headless::AdvanceClock(100);
  EXPECT_EQ(gCalls, 0);
  timer.Stop();
  EXPECT_EQ(timer.active, 0);
  EXPECT_EQ(plat::headless::PeriodsBegun(), 0);
  EXPECT_EQ(plat::headless::RunningTimers(), 0);
}

TEST(MachineTimer, NoCapsNoTimer) {
  plat::headless::Reset();
  plat::headless::SetTimerCapsFail(plat::TRUE);
  mz::CFrameTimer timer;
  timer.Start(mz::kMachineFramePeriod, CountCall);
  EXPECT_EQ(timer.active, 0);
  EXPECT_EQ(plat::headless::PeriodsBegun(), 0);
  EXPECT_EQ(plat::headless::RunningTimers(), 0);
  plat::headless::SetTimerCapsFail(plat::FALSE);
}

TEST(MachineTimer, DestructionEndsARunningTimer) {
  plat::headless::Reset();
  {
    mz::CFrameTimer timer;
    timer.Start(mz::kMachineFramePeriod, CountCall);
  }
  EXPECT_EQ(plat::headless::PeriodsBegun(), 0);
  EXPECT_EQ(plat::headless::RunningTimers(), 0);
}

}  // namespace
