// The platform contract: tests written once and compiled against each
// backend. A test whose behaviour one device cannot show is compiled only
// where it can, and its name ends in the device (OnDesktop, Headless).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/include/plat/plat.h"
#include "tests/platform/contract/Pump.h"

namespace contract {

// Back to a clean backend between tests (the headless one forgets
// everything; the desktop process keeps its state and only loses windows).
void ResetBackend();

struct Received {
  plat::HWND hwnd;
  plat::UINT msg;
  plat::WPARAM wParam;
  plat::LPARAM lParam;
};


class Contract : public ::testing::Test {
 protected:
  using Hook = std::function<bool(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM, plat::LRESULT*)>;
  void SetUp() override;
  void TearDown() override;
  // A popup with that client size, of a class with a black background whose
  // procedure records every message and asks hook first.
  plat::HWND MakeWindow(int width = 64, int height = 64, plat::UINT classStyle = plat::CS_OWNDC);
  // A window of the recording class in any style; the outer frame as given.
  plat::HWND Create(plat::DWORD style, int x, int y, int width, int height, const char* title = "Contract",
                    void* createParam = nullptr);
  // Registers a class of that name whose procedure is the recording one;
  // it goes again after the test.
  plat::ATOM Register(const char* className);
  // A window of a class that Register made.
  plat::HWND CreateOf(const char* className, plat::DWORD style, int x, int y, int width, int height,
                      const char* title = "");
  // A pixel of the window's client area through a DC of its own.
  static plat::COLORREF PixelOf(plat::HWND hwnd, int x, int y);
  int Count(plat::UINT msg) const;
  bool Has(plat::UINT msg) const { return Count(msg) > 0; }

  std::vector<Received> log;
  Hook hook;

 private:
  static plat::LRESULT Proc(plat::HWND, plat::UINT, plat::WPARAM, plat::LPARAM);
  static const char* ClassOf(plat::UINT classStyle);
  std::vector<plat::HWND> m_windows;
  std::vector<std::string> m_registered;
  int m_classes = 0;
};

// An 8-bit bottom-up picture: rows padded to 4 bytes, the first stored row
// is the bottom one.
struct Picture {
  int width, height;
  std::vector<plat::BYTE> bits;
  plat::BITMAPINFO info{};
  Picture(int w, int h);
  // Sets the pixel at (x, y) counted from the top row, as it is shown.
  void Set(int x, int y, plat::BYTE index);
  // DIB_PAL_COLORS: entry i of the colour table is palette index i.
  void IdentityIndices();
};

plat::HPALETTE MakePalette(std::initializer_list<plat::COLORREF> colours);

}  // namespace contract
