#include <chrono>
#include <ctime>
#include <thread>

#include "platform/include/plat/time.h"

namespace plat {
namespace {

const std::chrono::steady_clock::time_point kStart = std::chrono::steady_clock::now();

}  // namespace

DWORD timeGetTime() {
  const auto elapsed = std::chrono::steady_clock::now() - kStart;
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

DWORD GetTickCount() { return timeGetTime(); }

std::int64_t GetCalendarTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

void Sleep(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace plat
