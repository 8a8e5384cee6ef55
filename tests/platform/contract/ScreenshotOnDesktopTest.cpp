// What the X server really shows: a known 8-bit picture through a palette,
// read back from a screenshot of the root window at probe points.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/Pump.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace plat;

constexpr int kWidth = 320;
constexpr int kHeight = 240;

struct Rgb {
  int r, g, b;
};

// The screen as a binary PPM made by ImageMagick's import.
class CScreenshot {
 public:
  bool Take(const std::string& path) {
    const std::string command = "import -window root -depth 8 ppm:" + path + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    int maxValue = 0;
    const bool header = std::fscanf(f, "P6 %d %d %d", &m_width, &m_height, &maxValue) == 3 &&
                        maxValue == 255 && std::fgetc(f) != EOF;
    m_pixels.resize(static_cast<std::size_t>(m_width) * m_height * 3);
    const bool ok = header && std::fread(m_pixels.data(), 1, m_pixels.size(), f) == m_pixels.size();
    std::fclose(f);
    std::remove(path.c_str());
    return ok;
  }
  Rgb At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * m_width + x) * 3;
    return Rgb{m_pixels[i], m_pixels[i + 1], m_pixels[i + 2]};
  }

 private:
  int m_width = 0, m_height = 0;
  std::vector<unsigned char> m_pixels;
};

bool Same(Rgb a, COLORREF b) {
  return a.r == GetRValue(b) && a.g == GetGValue(b) && a.b == GetBValue(b);
}

struct Probe {
  int x, y;
  COLORREF colour;
};

// Screenshots until every probe shows its colour (the X server may not
// have the last frame yet); false after a generous wait.
bool ScreenShows(const std::vector<Probe>& probes, std::string* report) {
  const TempFolder folder;
  const std::string path = folder.Path() + "/screen.ppm";
  for (int attempt = 0; attempt < 40; ++attempt) {
    contract::PumpFor(100);
    CScreenshot shot;
    if (!shot.Take(path)) continue;
    report->clear();
    bool all = true;
    for (const Probe& p : probes) {
      const Rgb seen = shot.At(p.x, p.y);
      if (!Same(seen, p.colour)) {
        all = false;
        *report += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ") shows " +
                   std::to_string(seen.r) + "," + std::to_string(seen.g) + "," +
                   std::to_string(seen.b) + "; ";
      }
    }
    if (all) return true;
  }
  return false;
}

// Four quadrants of palette indices 1..4, drawn with DIB_PAL_COLORS.
struct CQuadrants {
  BITMAPINFO info{};
  std::vector<BYTE> bits;
  CQuadrants() : bits(static_cast<std::size_t>(kWidth) * kHeight) {
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    auto* indices = reinterpret_cast<WORD*>(info.bmiColors);
    for (int i = 0; i < 256; ++i) indices[i] = static_cast<WORD>(i);
    for (int row = 0; row < kHeight; ++row) {
      const bool top = row >= kHeight / 2;  // stored bottom-up
      for (int x = 0; x < kWidth; ++x) {
        const bool left = x < kWidth / 2;
        bits[static_cast<std::size_t>(row) * kWidth + x] = static_cast<BYTE>(top ? (left ? 1 : 2) : (left ? 3 : 4));
      }
    }
  }
};

constexpr COLORREF kTopLeft = RGB(200, 30, 40);
constexpr COLORREF kTopRight = RGB(20, 180, 60);
constexpr COLORREF kBottomLeft = RGB(30, 60, 220);
constexpr COLORREF kBottomRight = RGB(250, 220, 10);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Index 0 black, 1..4 the quadrants, 5 white.
HPALETTE QuadrantPalette() {
  LOGPALETTE lp{};
  lp.palVersion = 0x300;
  lp.palNumEntries = 6;
  const COLORREF colours[6] = {RGB(0, 0, 0), kTopLeft, kTopRight, kBottomLeft, kBottomRight, kWhite};
  for (int i = 0; i < 6; ++i) {
    lp.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(GetRValue(colours[i])),
                                     static_cast<BYTE>(GetGValue(colours[i])),
                                     static_cast<BYTE>(GetBValue(colours[i])), 0};
  }
  return CreatePalette(&lp);
}

class Screenshot : public contract::Contract {
 protected:
  // The test's windows paint the picture through the palette.
  void PaintOnEachPaint(const CQuadrants& picture, HPALETTE palette) {
    hook = [&picture, palette](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
      if (msg != WM_PAINT) return false;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
      StretchDIBits(dc, 0, 0, kWidth, kHeight, 0, 0, kWidth, kHeight, picture.bits.data(), &picture.info,
                    DIB_PAL_COLORS, SRCCOPY);
      EndPaint(hwnd, &ps);
      return true;
    };
  }
};

TEST_F(Screenshot, ThePictureShowsThroughThePaletteAndScalesToFitOnDesktop) {
  CQuadrants picture;
  HPALETTE palette = QuadrantPalette();
  PaintOnEachPaint(picture, palette);
  // Its own DC keeps the palette that painting selected for the draws below.
  HWND hwnd = MakeWindow(kWidth, kHeight, CS_OWNDC);
  ASSERT_NE(hwnd, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  std::string report;
  EXPECT_TRUE(ScreenShows({{80, 60, kTopLeft}, {240, 60, kTopRight}, {80, 180, kBottomLeft},
                           {240, 180, kBottomRight}, {159, 119, kTopLeft}, {160, 120, kBottomRight}},
                          &report))
      << report;

  // One dirty rectangle: only it changes on the screen.
  HDC dc = GetDC(hwnd);
  std::vector<BYTE> white(static_cast<std::size_t>(20) * 20, 5);
  BITMAPINFO small = picture.info;
  small.bmiHeader.biWidth = 20;
  small.bmiHeader.biHeight = 20;
  ASSERT_EQ(StretchDIBits(dc, 10, 10, 20, 20, 0, 0, 20, 20, white.data(), &small, DIB_PAL_COLORS, SRCCOPY), 20);
  EXPECT_TRUE(ScreenShows({{20, 20, kWhite}, {35, 35, kTopLeft}, {80, 60, kTopLeft}}, &report)) << report;

  // More rectangles than the window keeps apart before Qt's next pass: all show.
  for (int i = 0; i < 300; ++i) {
    StretchDIBits(dc, 40 + (i % 100) * 2, 150 + (i / 100) * 4, 2, 2, 0, 0, 2, 2, white.data(), &small,
                  DIB_PAL_COLORS, SRCCOPY);
  }
  EXPECT_TRUE(ScreenShows({{40, 150, kWhite}, {141, 155, kWhite}, {239, 159, kWhite}, {41, 153, kBottomLeft},
                           {200, 165, kBottomRight}},
                          &report))
      << report;

  // Maximised: the picture fills the screen's height or width, keeping its
  // aspect, centred between black bars.
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  RECT frame;
  GetWindowRect(hwnd, &frame);
  const int w = frame.right - frame.left;
  const int h = frame.bottom - frame.top;
  const int scale = std::min(w / kWidth, h / kHeight);
  ASSERT_GE(scale, 2) << "the screen is too small for this test";
  const double exact = std::min(static_cast<double>(w) / kWidth, static_cast<double>(h) / kHeight);
  const int left = frame.left + static_cast<int>((w - kWidth * exact) / 2);
  const int top = frame.top + static_cast<int>((h - kHeight * exact) / 2);
  auto at = [&](int x, int y) { return Probe{left + static_cast<int>(x * exact), top + static_cast<int>(y * exact), 0}; };
  std::vector<Probe> probes = {at(80, 60), at(240, 60), at(80, 180), at(240, 180), at(20, 20)};
  probes[0].colour = kTopLeft;
  probes[1].colour = kTopRight;
  probes[2].colour = kBottomLeft;
  probes[3].colour = kBottomRight;
  probes[4].colour = kWhite;
  if (top - frame.top > 4) probes.push_back(Probe{frame.left + w / 2, frame.top + 1, RGB(0, 0, 0)});
  if (left - frame.left > 4) probes.push_back(Probe{frame.left + 1, frame.top + h / 2, RGB(0, 0, 0)});
  EXPECT_TRUE(ScreenShows(probes, &report)) << report;

  // A frame of three dirty rectangles on the scaled picture, two of them
  // close: each shows at its place and what lies between them stays.
  const int drawn[3][2] = {{200, 150}, {226, 150}, {100, 30}};
  for (const auto& at0 : drawn) {
    ASSERT_EQ(StretchDIBits(dc, at0[0], at0[1], 20, 20, 0, 0, 20, 20, white.data(), &small, DIB_PAL_COLORS, SRCCOPY),
              20);
  }
  std::vector<Probe> frameProbes;
  for (const auto& at0 : drawn) {
    frameProbes.push_back(at(at0[0] + 3, at0[1] + 3));
    frameProbes.push_back(at(at0[0] + 16, at0[1] + 16));
  }
  for (Probe& p : frameProbes) p.colour = kWhite;
  const Probe untouched[] = {at(223, 160), at(196, 160), at(210, 147), at(210, 174), at(97, 40), at(124, 40)};
  const COLORREF untouchedColour[] = {kBottomRight, kBottomRight, kBottomRight, kBottomRight, kTopLeft, kTopLeft};
  for (int i = 0; i < 6; ++i) frameProbes.push_back(Probe{untouched[i].x, untouched[i].y, untouchedColour[i]});
  EXPECT_TRUE(ScreenShows(frameProbes, &report)) << report;
  DestroyWindow(hwnd);
  DeleteObject(ToObject(palette));
}

// A window the user (or a window manager) gives another shape than 4:3:
// the picture keeps its aspect, centred between black bars, and the
// pointer over it comes back in picture coordinates.
TEST_F(Screenshot, AWindowOfAnotherShapeKeepsThePicturesAspectAndMapsThePointerBackOnDesktop) {
  ASSERT_EQ(std::system("command -v xdotool >/dev/null"), 0) << "scripts/setup installs xdotool";
  CQuadrants picture;
  HPALETTE palette = QuadrantPalette();
  PaintOnEachPaint(picture, palette);
  constexpr char kTitle[] = "Reshaped picture test";
  HWND hwnd = MakeWindow(kWidth, kHeight, CS_OWNDC);
  ASSERT_NE(hwnd, nullptr);
  SetWindowText(hwnd, kTitle);  // xdotool finds the window by it
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  // Wider than 4:3 and 1.25 times as high: the picture is 400 x 300, with
  // bars of 250 pixels on either side.
  constexpr int kShapeWidth = 900;
  constexpr int kShapeHeight = 300;
  const std::string resize = std::string("xdotool search --name '") + kTitle + "' windowsize %@ " +
                             std::to_string(kShapeWidth) + " " + std::to_string(kShapeHeight);
  ASSERT_EQ(std::system(resize.c_str()), 0);
  RECT frame{};
  ASSERT_TRUE(contract::PumpUntil([&] {
    GetWindowRect(hwnd, &frame);
    return frame.right - frame.left == kShapeWidth && frame.bottom - frame.top == kShapeHeight;
  }));
  // The program's own view is unchanged: the same picture size.
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, kWidth);
  EXPECT_EQ(client.bottom, kHeight);

  constexpr double kScale = 1.25;
  const int left = frame.left + 250;
  const int top = frame.top;
  auto at = [&](int x, int y, COLORREF colour) {
    return Probe{left + static_cast<int>(x * kScale), top + static_cast<int>(y * kScale), colour};
  };
  // Each quadrant's corners just inside it show that the two scales agree.
  std::string report;
  EXPECT_TRUE(ScreenShows({at(2, 2, kTopLeft), at(157, 117, kTopLeft), at(162, 2, kTopRight),
                           at(317, 117, kTopRight), at(2, 122, kBottomLeft), at(157, 237, kBottomLeft),
                           at(162, 122, kBottomRight), at(317, 237, kBottomRight),
                           Probe{frame.left + 2, frame.top + 150, RGB(0, 0, 0)},
                           Probe{left - 3, frame.top + 150, RGB(0, 0, 0)},
                           Probe{left + 403, frame.top + 150, RGB(0, 0, 0)},
                           Probe{frame.right - 3, frame.top + 150, RGB(0, 0, 0)}},
                          &report))
      << report;

  // The pointer at picture point (100, 50) reads as (100, 50), and back.
  POINT expected{100, 50};
  ASSERT_TRUE(ClientToScreen(hwnd, &expected));
  EXPECT_NEAR(expected.x, left + 125, 1);
  EXPECT_NEAR(expected.y, top + 62, 1);
  const std::string move = "xdotool mousemove " + std::to_string(expected.x) + " " + std::to_string(expected.y);
  ASSERT_EQ(std::system(move.c_str()), 0);
  const contract::Received* moved = nullptr;
  ASSERT_TRUE(contract::PumpUntil([&] {
    for (auto it = log.rbegin(); it != log.rend() && !moved; ++it) {
      if (it->msg == WM_MOUSEMOVE) moved = &*it;
    }
    return moved != nullptr;
  }));
  EXPECT_NEAR(GET_X_LPARAM(moved->lParam), 100, 1);
  EXPECT_NEAR(GET_Y_LPARAM(moved->lParam), 50, 1);
  POINT cursor{};
  ASSERT_TRUE(GetCursorPos(&cursor));
  ASSERT_TRUE(ScreenToClient(hwnd, &cursor));
  EXPECT_NEAR(cursor.x, 100, 1);
  EXPECT_NEAR(cursor.y, 50, 1);
  DestroyWindow(hwnd);
  DeleteObject(ToObject(palette));
}

}  // namespace
