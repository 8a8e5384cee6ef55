// CTimer: the multimedia frame timer. Its callback runs on the timer thread
// and only sets the fired word, which the frame pump reads and clears.
#pragma once

#include <atomic>

#include "platform/include/plat/time.h"
#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"

class CTimer {
 public:
  CTimer() = default;
  // Stops a running timer.
  ~CTimer();
  CTimer(const CTimer&) = delete;
  CTimer& operator=(const CTimer&) = delete;

  // When active: kills the timer event, ends the timer period, active = 0
  // and forgets the callback. Nothing otherwise.
  void Stop();
  // Safe from the timer thread. A message wakes the loop waiting for its
  // next frame.
  void SetFired() {
    fired.store(1);
    plat::PostMessage(nullptr, plat::WM_NULL, 0, 0);
  }
  void ClearFired() { fired.store(0); }
  int HasFired() const { return fired.load(); }

  plat::LPTIMECALLBACK callback = nullptr;
  int active = 0;
  plat::UINT timerId = 0;
  plat::UINT period = 0;  // the timer resolution begun
  std::atomic<int> fired{0};
};
