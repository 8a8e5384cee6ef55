// The real clock, and the thread that fires the multimedia timers on it.
#include <chrono>
#include <ctime>
#include <thread>

#include "platform/common/Device.h"
#include "platform/common/Schedule.h"
#include "platform/desktop/Audio.h"

namespace plat::desktop {
namespace {

const std::chrono::steady_clock::time_point kStart = std::chrono::steady_clock::now();
// Never destroyed: a test that ends without shutting the backend down
// leaves the thread waiting, not a thread object that ends the process.
std::thread& g_timerThread = *new std::thread;

}  // namespace

void KillAllTimers() {
  common::StopFiringTimers();
  if (g_timerThread.joinable()) g_timerThread.join();
  common::ResetTimers();
}

}  // namespace plat::desktop

namespace plat::common {

std::uint64_t ClockMs() {
  const auto elapsed = std::chrono::steady_clock::now() - desktop::kStart;
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

void PassTime(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void TimersChanged() {
  if (!desktop::g_timerThread.joinable()) desktop::g_timerThread = std::thread(FireTimersOnRealClock);
}

}  // namespace plat::common
