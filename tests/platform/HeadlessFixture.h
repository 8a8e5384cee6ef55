// Shared set-up of the headless backend tests: a clean backend per test and
// window classes whose procedure is a test's lambda.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace headless_test {

using Proc = std::function<plat::LRESULT(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM)>;

inline Proc& Slot(int n) {
  static Proc procs[4];
  return procs[n];
}

template <int N>
plat::LRESULT Thunk(plat::HWND h, plat::UINT m, plat::WPARAM w, plat::LPARAM l) {
  if (Slot(N)) return Slot(N)(h, m, w, l);
  return plat::DefWindowProc(h, m, w, l);
}

inline plat::WNDPROC ThunkOf(int n) {
  static const plat::WNDPROC thunks[4] = {Thunk<0>, Thunk<1>, Thunk<2>, Thunk<3>};
  return thunks[n];
}

class Headless : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    for (int i = 0; i < 4; ++i) Slot(i) = nullptr;
  }
  void TearDown() override {
    plat::headless::Reset();
    for (int i = 0; i < 4; ++i) Slot(i) = nullptr;
  }
  // Registers class name with procedure slot n running proc.
  static void Register(int n, const char* name, Proc proc, plat::UINT style = 0) {
    Slot(n) = std::move(proc);
    plat::WNDCLASS wc{};
    wc.style = style;
    wc.lpfnWndProc = ThunkOf(n);
    wc.lpszClassName = name;
    ASSERT_NE(plat::RegisterClass(&wc), 0) << name;
  }
  static plat::HWND Create(const char* cls, const char* title = "", plat::DWORD style = plat::WS_POPUP,
                           int w = 640, int h = 480) {
    return plat::CreateWindow(cls, title, style, 0, 0, w, h, nullptr, 0, nullptr, nullptr);
  }
};

}  // namespace headless_test
