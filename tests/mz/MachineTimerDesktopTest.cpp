// The machines' frame timer on the desktop backend: its events come on the
// timer thread while this thread only sleeps and reads the fired word, and
// none come once it is stopped.
#include <gtest/gtest.h>

#include "mz/MachineShell.h"
#include "platform/include/plat/plat.h"

namespace {

int gCalls = 0;
int CountCall() { return ++gCalls; }

TEST(MachineTimerOnTheDesktop, FiresOnTheTimerThreadWithoutCallingItsProcedure) {
  mz::CFrameTimer timer;
  timer.Start(mz::kMachineFramePeriod, CountCall);
  ASSERT_EQ(timer.active, 1);
  // Bounded only to end a broken run: a working timer fires within 20 ms.
  const plat::DWORD start = plat::timeGetTime();
  while (timer.fired.load() == 0 && plat::timeGetTime() - start < 10000) plat::Sleep(1);
  EXPECT_EQ(timer.fired.load(), 1);
  timer.Stop();
  EXPECT_EQ(timer.active, 0);
  timer.fired.store(0);
  plat::Sleep(3 * mz::kMachineFramePeriod);
  EXPECT_EQ(timer.fired.load(), 0);
  EXPECT_EQ(timer.inCallback.load(), 0);
  EXPECT_EQ(gCalls, 0);
}

}  // namespace
