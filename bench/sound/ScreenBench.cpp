// A frame of 50 sprite rectangles composed and flushed to a headless
// window, and one 640 x 480 opaque blit.
#include <benchmark/benchmark.h>

#include "framework/sound/Dib.h"
#include "framework/sound/Screen.h"
#include "platform/include/plat/plat.h"
#include "platform/include/plat/headless.h"

namespace {

// A fresh headless backend with one 640 x 480 window to flush to.
plat::HWND OpenWindow() {
  plat::headless::Reset();
  plat::WNDCLASS wc = {};
  wc.style = plat::CS_OWNDC;
  wc.lpfnWndProc = plat::DefWindowProc;
  wc.lpszClassName = "SoundBench";
  plat::RegisterClass(&wc);
  plat::HWND window = plat::CreateWindow("SoundBench", "bench", plat::WS_POPUP | plat::WS_VISIBLE,
                                         0, 0, 640, 480, nullptr, 0, nullptr, nullptr);
  return window;
}

void FullFrameOfFiftyDirtyRectangles(benchmark::State& state) {
  plat::HWND window = OpenWindow();
  plat::HDC dc = plat::GetDC(window);
  CDib picture;
  picture.Create(640, 560);
  for (int y = 0; y < 560; ++y) {
    for (int x = 0; x < 640; ++x) *picture.PixelAddress(x, y) = static_cast<plat::BYTE>(x ^ y);
  }
  CScreen screen;
  screen.Init(dc, &picture, 640, 480);
  screen.Palette().CreateFromDib(picture);
  plat::SelectPalette(dc, screen.Palette().Handle(), plat::FALSE);
  plat::RealizePalette(dc);
  screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
  int frame = 0;
  for (auto _ : state) {
    for (int i = 0; i < CScreen::kMaxDirty; ++i) {
      const int x = (i % 10) * 60 + frame % 20;
      const int y = (i / 10) * 90 + frame % 10;
      screen.BlitTop(x, y, &picture, (i * 37) % 600, 480, 48, 64, 0);
    }
    benchmark::DoNotOptimize(screen.Flush(dc, 0, 0, CScreen::kFlushDirty));
    ++frame;
  }
  plat::DestroyWindow(window);
}
BENCHMARK(FullFrameOfFiftyDirtyRectangles);

// The whole picture restored and flushed in one rectangle: the headless
// compose that a full-screen present is weighed against.
void FullScreenFrame(benchmark::State& state) {
  plat::HWND window = OpenWindow();
  plat::HDC dc = plat::GetDC(window);
  CDib picture;
  picture.Create(640, 480);
  CScreen screen;
  screen.Init(dc, &picture, 640, 480);
  screen.Palette().CreateFromDib(picture);
  plat::SelectPalette(dc, screen.Palette().Handle(), plat::FALSE);
  plat::RealizePalette(dc);
  for (auto _ : state) {
    screen.Restore(0, 0, 640, 480);
    benchmark::DoNotOptimize(screen.Flush(dc, 0, 0, CScreen::kFlushDirty));
  }
  plat::DestroyWindow(window);
}
BENCHMARK(FullScreenFrame);

void OpaqueBlitOfAWholeScreen(benchmark::State& state) {
  CDib source;
  CDib target;
  source.Create(640, 480);
  target.Create(640, 480);
  source.Fill(0, 0, 640, 480, 7);
  for (auto _ : state) {
    benchmark::DoNotOptimize(source.Blit(&target, 0, 0, 0, 0, 640, 480, -1));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(OpaqueBlitOfAWholeScreen);

}  // namespace
