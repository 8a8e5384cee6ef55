// The real clock.
#include <chrono>
#include <ctime>
#include <thread>

#include "platform/common/Device.h"

namespace plat::common {
namespace {

const std::chrono::steady_clock::time_point kStart = std::chrono::steady_clock::now();

}  // namespace

std::uint64_t ClockMs() {
  const auto elapsed = std::chrono::steady_clock::now() - kStart;
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

void PassTime(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace plat::common
