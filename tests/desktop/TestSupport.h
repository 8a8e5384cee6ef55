// Helpers for tests that run on the desktop backend (a display and a
// session bus are there; InitBackend has run).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/include/plat/plat.h"
#include "tests/platform/contract/Pump.h"

namespace desktop_test {

using contract::PumpFor;
using contract::PumpUntil;

struct Received {
  plat::HWND hwnd;
  plat::UINT msg;
  plat::WPARAM wParam;
  plat::LPARAM lParam;
};

// A window class whose procedure records every message and asks a hook
// first (a hook that answers true has handled it and set *result).
class CRecordingClass {
 public:
  using Hook = std::function<bool(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM,
                                  plat::LRESULT* result)>;
  explicit CRecordingClass(const char* name, plat::UINT style = 0);
  ~CRecordingClass();
  plat::HWND Create(plat::DWORD style, int x, int y, int width, int height,
                    const char* title = "Desktop test");
  std::vector<Received> log;
  Hook hook;
  bool Has(plat::UINT msg) const;
  int Count(plat::UINT msg) const;

 private:
  static plat::LRESULT Proc(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM);
  std::string m_name;
};

}  // namespace desktop_test
