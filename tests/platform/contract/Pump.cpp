#include "tests/platform/contract/Pump.h"

namespace contract {

using namespace plat;

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = timeGetTime();
  MSG m;
  while (!done()) {
    if (timeGetTime() - start > timeoutMs) return false;
    if (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessage(&m);
    }
  }
  return true;
}

void PumpFor(DWORD ms) {
  const DWORD start = timeGetTime();
  PumpUntil([&] { return timeGetTime() - start >= ms; }, ms + 1000);
}

}  // namespace contract
