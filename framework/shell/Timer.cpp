#include "framework/shell/Timer.h"

CTimer::~CTimer() { Stop(); }

void CTimer::Stop() {
  if (!active) return;
  plat::timeKillEvent(timerId);
  plat::timeEndPeriod(period);
  active = 0;
  callback = nullptr;
}
