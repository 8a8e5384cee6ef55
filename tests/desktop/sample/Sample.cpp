// A small program on the desktop backend: a window showing an 8-bit picture
// through its palette, a wave and a MIDI tune, a dialog, and a second
// process that it exchanges WM_COPYDATA with. With --auto it does every step
// by itself and answers 0 when all of them worked; without, it stays open
// until its window is closed.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/SoundFiles.h"
#include "tests/desktop/sample/SampleDialog.h"
#include "tests/desktop/sample/SamplePeer.h"
#include "tests/desktop/sample/SamplePicture.h"
#include "platform/include/plat/plat.h"

using namespace plat;

namespace {

constexpr const char* kClass = "CasinoDesktopSample";
constexpr DWORD kStepTimeoutMs = 20000;

struct SampleState {
  sample::CPicture picture;
  HPALETTE palette = nullptr;
  MCIDEVICEID music = 0;
  bool musicEnded = false;
  HWND peer = nullptr;
};
SampleState g_state;

LRESULT SampleProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      SelectPalette(dc, g_state.palette, FALSE);
      RealizePalette(dc);
      StretchDIBits(dc, 0, 0, sample::kWidth, sample::kHeight, 0, 0, sample::kWidth,
                    sample::kHeight, g_state.picture.bits.data(), &g_state.picture.info,
                    DIB_PAL_COLORS, SRCCOPY);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      HFONT font = CreateFont(28, 0, FW_BOLD, "Arial");
      HFONT old = SelectFont(dc, font);
      TextOut(dc, 20, 440, "Casino desktop sample", 21);
      SelectFont(dc, old);
      DeleteObject(ToObject(font));
      EndPaint(hwnd, &ps);
      return 0;
    }
    case MM_MCINOTIFY:
      if (static_cast<MCIDEVICEID>(lParam) == g_state.music && wParam == MCI_NOTIFY_SUCCESSFUL) {
        g_state.musicEnded = true;
      }
      return 0;
    case WM_COPYDATA: {
      const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (cds->dwData != sample::kHelloKind) return FALSE;
      g_state.peer = WParamToHandle(wParam);
      std::printf("sample: peer says \"%.*s\"\n", static_cast<int>(cds->cbData),
                  static_cast<const char*>(cds->lpData));
      return TRUE;
    }
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) PostMessage(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

// Runs the message loop until done() holds; false on timeout or WM_QUIT.
template <class Done>
bool LoopUntil(Done done) {
  const DWORD start = timeGetTime();
  MSG m;
  while (!done()) {
    if (timeGetTime() - start > kStepTimeoutMs) return false;
    if (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (m.message == WM_QUIT) return false;
      TranslateMessage(&m);
      DispatchMessage(&m);
    }
  }
  return true;
}

bool Report(const char* step, bool ok) {
  std::printf("sample: %-28s %s\n", step, ok ? "ok" : "FAILED");
  return ok;
}

HWND CreateSampleWindow() {
  WNDCLASS wc{};
  wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = SampleProc;
  wc.hInstance = GetModuleInstance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetStockBrush(BLACK_BRUSH);
  wc.lpszClassName = kClass;
  if (!RegisterClass(&wc)) return nullptr;
  const int width = sample::kWidth + 2 * GetSystemMetrics(SM_CXFRAME);
  const int height = sample::kHeight + 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
  return CreateWindow(kClass, "Casino desktop sample", WS_OVERLAPPEDWINDOW,
                      (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, 0,
                      GetModuleInstance(), nullptr);
}

bool StartMusic(HWND hwnd, const std::string& file) {
  MCI_OPEN_PARMS open{};
  open.lpstrDeviceType = "sequencer";
  open.lpstrElementName = file.c_str();
  if (mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT, &open) != 0) return false;
  g_state.music = open.wDeviceID;
  MCI_PLAY_PARMS play{};
  play.dwCallback = hwnd;
  return mciSendCommand(g_state.music, MCI_PLAY, MCI_NOTIFY, &play) == 0;
}

bool StartPeer(const char* self, HWND hwnd) {
  char handle[32];
  std::snprintf(handle, sizeof handle, "%llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(hwnd)));
  const char* args[] = {"--peer", handle, nullptr};
  return StartProgram(self, args, ".") != 0;
}

bool PingPeer(HWND hwnd) {
  static const char kPing[] = "ping";
  const COPYDATASTRUCT ping{sample::kPingKind, 4, kPing};
  const LRESULT sum = SendMessage(g_state.peer, WM_COPYDATA, HandleToWParam(hwnd),
                                  reinterpret_cast<LPARAM>(&ping));
  return sum == 'p' + 'i' + 'n' + 'g';
}

}  // namespace

int main(int argc, char** argv) {
  if (!InitBackend(argc, argv)) {
    std::fprintf(stderr, "sample: no display (set DISPLAY)\n");
    return 2;
  }
  if (argc == 3 && std::strcmp(argv[1], "--peer") == 0) {
    const HWND main = reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 16));
    const int rc = sample::RunPeer(main);
    ShutdownBackend();
    return rc;
  }
  const bool autoRun = argc > 1 && std::strcmp(argv[1], "--auto") == 0;
  sample::MakePicture(&g_state.picture);
  g_state.palette = CreatePalette(&g_state.picture.palette);
  sample::RegisterSampleDialog();
  bool ok = true;
  HWND hwnd = CreateSampleWindow();
  ok &= Report("window", hwnd != nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);

  const std::vector<std::uint8_t> wave = test_sound::MakeWave(400, 440);
  ok &= Report("wave", PlaySound(wave.data(), SND_MEMORY | SND_ASYNC) != 0);

  char temp[512];
  GetEnvironmentVariable("TEMP", temp, sizeof temp);
  const std::string midi = std::string(temp) + "/casino_sample_" + std::to_string(timeGetTime()) + ".mid";
  test_sound::WriteFile(midi, test_sound::MakeMidi({60, 64, 67, 72}, 240, 0));
  ok &= Report("music started", StartMusic(hwnd, midi));
  ok &= Report("second process started", StartPeer(argv[0], hwnd));
  ok &= Report("music played to its end", LoopUntil([] { return g_state.musicEnded; }));
  ok &= Report("second process greeted", LoopUntil([] { return g_state.peer != nullptr; }));
  ok &= Report("second process answered", g_state.peer && PingPeer(hwnd));

  const std::string name = sample::AskName(hwnd, autoRun);
  ok &= Report("dialog", !autoRun || name == "Player1");
  std::printf("sample: the name entered was \"%s\"\n", name.c_str());

  mciSendCommand(g_state.music, MCI_CLOSE, 0, nullptr);
  std::remove(midi.c_str());
  if (autoRun) {
    if (g_state.peer) PostMessage(g_state.peer, WM_CLOSE, 0, 0);
    DestroyWindow(hwnd);
  }
  MSG m;
  while (GetMessage(&m, nullptr, 0, 0)) {
    TranslateMessage(&m);
    DispatchMessage(&m);
  }
  if (!autoRun && g_state.peer) PostMessage(g_state.peer, WM_CLOSE, 0, 0);
  DeleteObject(ToObject(g_state.palette));
  ShutdownBackend();
  std::printf("sample: %s\n", ok ? "all steps worked" : "some steps FAILED");
  return ok ? 0 : 1;
}
