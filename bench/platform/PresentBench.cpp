// Presenting one frame of 50 dirty rectangles: 50 StretchDIBits of 32 x 32
// areas of an 8-bit picture through the palette, then the message check
// that lets Qt paint them to the window; the same on a maximised window,
// where they are scaled; and the whole picture in one rectangle. Weigh them
// against the headless compose of bench_sound_screen run beside it.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/include/plat/plat.h"

using namespace plat;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

LRESULT PresentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

struct CScreen {
  HWND hwnd = nullptr;
  HDC dc = nullptr;
  BITMAPINFO info{};
  std::vector<BYTE> bits;
  std::vector<BYTE> other;  // every pixel different from bits
  bool Open() {
    if (!InitBackend(0, nullptr)) return false;
    WNDCLASS wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = PresentProc;
    wc.lpszClassName = "PresentBench";
    RegisterClass(&wc);
    hwnd = CreateWindow("PresentBench", "Present", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                        nullptr, 0, GetModuleInstance(), nullptr);
    if (!hwnd) return false;
    dc = GetDC(hwnd);
    LOGPALETTE lp{};
    lp.palVersion = 0x300;
    lp.palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
      lp.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(i), static_cast<BYTE>(255 - i),
                                       static_cast<BYTE>(i * 7), 0};
    }
    SelectPalette(dc, CreatePalette(&lp), FALSE);
    RealizePalette(dc);
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    auto* indices = reinterpret_cast<WORD*>(info.bmiColors);
    for (int i = 0; i < 256; ++i) indices[i] = static_cast<WORD>(i);
    bits.resize(static_cast<std::size_t>(kWidth) * kHeight);
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = static_cast<BYTE>(i * 31 / 7);
    other = bits;
    for (BYTE& b : other) b = static_cast<BYTE>(b + 1);
    MSG m;
    for (int i = 0; i < 200; ++i) {
      if (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&m);
    }
    return true;
  }
};

// Fifty 32 x 32 areas, every one changed, then Qt paints them.
void PresentFiftyRectangles(benchmark::State& state, const CScreen& screen) {
  int frame = 0;
  MSG m;
  for (auto _ : state) {
    // The pictures take turns so that every rectangle changes and is shown.
    const std::vector<BYTE>& bits = frame % 2 ? screen.bits : screen.other;
    for (int i = 0; i < 50; ++i) {
      const int x = (i * 97 + frame * 13) % (kWidth - 32);
      const int y = (i * 53 + frame * 7) % (kHeight - 32);
      StretchDIBits(screen.dc, x, y, 32, 32, x, kHeight - y - 32, 32, 32, bits.data(), &screen.info,
                    DIB_PAL_COLORS, SRCCOPY);
    }
    // A message of its own so the check returns at once, after Qt painted.
    PostMessage(screen.hwnd, WM_USER, 0, 0);
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE) && m.message != WM_USER) DispatchMessage(&m);
    ++frame;
  }
}

void BM_Present50DirtyRectangles(benchmark::State& state) {
  static CScreen screen;
  static const bool ready = screen.Open();
  if (!ready) {
    state.SkipWithError("no display");
    return;
  }
  PresentFiftyRectangles(state, screen);
}
BENCHMARK(BM_Present50DirtyRectangles)->Repetitions(5)->DisplayAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// The same on a maximised window, where the picture is scaled to the screen
// as the games show it by default.
void BM_Present50DirtyRectanglesMaximised(benchmark::State& state) {
  static CScreen screen;
  static const bool ready = screen.Open();
  if (!ready) {
    state.SkipWithError("no display");
    return;
  }
  static const bool maximised = [] {
    ShowWindow(screen.hwnd, SW_SHOWMAXIMIZED);
    MSG m;
    for (int i = 0; i < 200; ++i) {
      if (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&m);
    }
    return true;
  }();
  benchmark::DoNotOptimize(maximised);
  PresentFiftyRectangles(state, screen);
}
BENCHMARK(BM_Present50DirtyRectanglesMaximised)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The whole 640 x 480 picture in one call, as a full-screen flush sends it;
// two pictures take turns so that every pixel reaches the window.
void BM_PresentFullScreen(benchmark::State& state) {
  static CScreen screen;
  static const bool ready = screen.Open();
  if (!ready) {
    state.SkipWithError("no display");
    return;
  }
  int frame = 0;
  MSG m;
  for (auto _ : state) {
    const std::vector<BYTE>& bits = frame % 2 ? screen.bits : screen.other;
    StretchDIBits(screen.dc, 0, 0, kWidth, kHeight, 0, 0, kWidth, kHeight, bits.data(), &screen.info,
                  DIB_PAL_COLORS, SRCCOPY);
    PostMessage(screen.hwnd, WM_USER, 0, 0);
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE) && m.message != WM_USER) DispatchMessage(&m);
    ++frame;
  }
}
BENCHMARK(BM_PresentFullScreen)->Repetitions(5)->DisplayAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace
