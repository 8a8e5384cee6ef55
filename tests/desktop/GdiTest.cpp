// Palettes, 8-bit pictures through the DC's palette, text, brushes and
// bitmaps, read back from the window's canvas with GetPixel.
#include <gtest/gtest.h>

#include <vector>

#include "tests/desktop/TestSupport.h"
#include "platform/include/plat/plat.h"

using namespace plat;
using desktop_test::CRecordingClass;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

HPALETTE MakePalette(std::initializer_list<COLORREF> colours) {
  LOGPALETTE lp{};
  lp.palVersion = 0x300;
  lp.palNumEntries = static_cast<WORD>(colours.size());
  int i = 0;
  for (COLORREF c : colours) {
    lp.palPalEntry[i++] = PALETTEENTRY{static_cast<BYTE>(GetRValue(c)),
                                       static_cast<BYTE>(GetGValue(c)),
                                       static_cast<BYTE>(GetBValue(c)), 0};
  }
  return CreatePalette(&lp);
}

// An 8 x 8 bottom-up picture: the bottom row is index 1, the top row 2,
// every other pixel 3, except the top-right pixel, 4.
struct Picture {
  BITMAPINFO info{};
  std::vector<BYTE> bits;
  Picture() : bits(64, 3) {
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 8;
    info.bmiHeader.biHeight = 8;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 8;
    for (int x = 0; x < 8; ++x) {
      bits[x] = 1;           // stored row 0 = the bottom
      bits[7 * 8 + x] = 2;   // stored row 7 = the top
    }
    bits[7 * 8 + 7] = 4;
  }
  void UsePaletteIndices() {
    auto* indices = reinterpret_cast<WORD*>(info.bmiColors);
    for (int i = 0; i < 256; ++i) indices[i] = static_cast<WORD>(i);
  }
};

struct GdiTest : testing::Test {
  void SetUp() override {
    hwnd = windows.Create(WS_POPUP, 0, 0, 64, 64);
    ASSERT_NE(hwnd, nullptr);
    dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    palette = MakePalette({RGB(0, 0, 0), kRed, kGreen, kBlue, kYellow});
    ASSERT_NE(palette, nullptr);
  }
  void TearDown() override {
    DeleteObject(ToObject(palette));
    DestroyWindow(hwnd);
  }
  CRecordingClass windows{"GdiTestWindow", CS_OWNDC};
  HWND hwnd = nullptr;
  HDC dc = nullptr;
  HPALETTE palette = nullptr;
};

TEST_F(GdiTest, PaletteIndicesShowThroughTheSelectedPalette) {
  Picture p;
  p.UsePaletteIndices();
  EXPECT_NE(SelectPalette(dc, palette, FALSE), nullptr);  // the default palette was in
  EXPECT_EQ(RealizePalette(dc), 5u);
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 0, 0), kGreen);   // top row
  EXPECT_EQ(GetPixel(dc, 0, 7), kRed);     // bottom row
  EXPECT_EQ(GetPixel(dc, 3, 3), kBlue);
  EXPECT_EQ(GetPixel(dc, 7, 0), kYellow);
  // A palette changed afterwards does not touch what was drawn (true colour).
  const PALETTEENTRY white{255, 255, 255, 0};
  SetPaletteEntries(palette, 3, 1, &white);
  EXPECT_EQ(GetPixel(dc, 3, 3), kBlue);
  EXPECT_EQ(GetPixel(dc, 64, 0), CLR_INVALID);
}

TEST_F(GdiTest, TheColourTableCanRemapIndicesOrGiveColours) {
  Picture p;
  auto* indices = reinterpret_cast<WORD*>(p.info.bmiColors);
  indices[3] = 4;  // picture index 3 shows palette entry 4
  indices[1] = 1;
  indices[2] = 2;
  indices[4] = 0;
  SelectPalette(dc, palette, FALSE);
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 3, 3), kYellow);
  EXPECT_EQ(GetPixel(dc, 7, 0), RGB(0, 0, 0));
  Picture q;
  q.info.bmiColors[3] = RGBQUAD{10, 20, 30, 0};  // blue, green, red
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, q.bits.data(), &q.info, DIB_RGB_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(30, 20, 10));
}

TEST_F(GdiTest, StretchingAndSourceRectanglesCountRowsFromTheBottom) {
  Picture p;
  p.UsePaletteIndices();
  SelectPalette(dc, palette, FALSE);
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 16, 16, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 15, 0), kYellow);
  EXPECT_EQ(GetPixel(dc, 14, 1), kYellow);
  EXPECT_EQ(GetPixel(dc, 0, 15), kRed);
  EXPECT_EQ(GetPixel(dc, 0, 13), kBlue);
  // ySrc 0, height 1: the bottom row only, drawn at (20, 20).
  ASSERT_EQ(StretchDIBits(dc, 20, 20, 8, 1, 0, 0, 8, 1, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 1);
  EXPECT_EQ(GetPixel(dc, 20, 20), kRed);
  // ySrc 7: the top row.
  ASSERT_EQ(StretchDIBits(dc, 20, 30, 8, 1, 0, 7, 8, 1, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 1);
  EXPECT_EQ(GetPixel(dc, 27, 30), kYellow);
  // Off the window's edge: only the inside is drawn.
  EXPECT_EQ(StretchDIBits(dc, 60, 60, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 63, 60), kGreen);
  EXPECT_EQ(GetPixel(dc, 63, 63), kBlue);
}

TEST_F(GdiTest, BadPicturesAreRefused) {
  Picture p;
  p.UsePaletteIndices();
  const BYTE* bits = p.bits.data();
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 1, 0, 8, 8, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 9, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 8, 8, 0, 0, 8, 8, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, nullptr, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  p.info.bmiHeader.biBitCount = 24;
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
}

TEST_F(GdiTest, PaletteCallsBehaveAsOnATrueColourDisplay) {
  EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE, 0);
  EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), -1);
  EXPECT_GE(GetDeviceCaps(dc, BITSPIXEL), 24);
  EXPECT_EQ(GetDeviceCaps(nullptr, BITSPIXEL), 0);
  HPALETTE p = MakePalette({RGB(0, 0, 0), RGB(250, 0, 0), RGB(0, 0, 250), RGB(250, 0, 0)});
  EXPECT_EQ(GetNearestPaletteIndex(p, RGB(200, 10, 10)), 1u);  // lowest index of the tie
  EXPECT_EQ(GetNearestPaletteIndex(p, RGB(0, 0, 160)), 2u);
  EXPECT_EQ(GetNearestPaletteIndex(nullptr, 0), CLR_INVALID);
  ASSERT_TRUE(ResizePalette(p, 6));
  PALETTEENTRY e[8];
  EXPECT_EQ(GetPaletteEntries(p, 0, 8, e), 6u);
  EXPECT_EQ(e[5].peRed, 0);
  EXPECT_EQ(GetPaletteEntries(p, 4, 8, e), 2u);
  EXPECT_EQ(GetPaletteEntries(p, 0, 0, nullptr), 6u);
  const PALETTEENTRY set[2] = {{1, 2, 3, PC_NOCOLLAPSE}, {4, 5, 6, 0}};
  EXPECT_EQ(SetPaletteEntries(p, 5, 2, set), 1u);
  GetPaletteEntries(p, 5, 1, e);
  EXPECT_EQ(e[0].peBlue, 3);
  EXPECT_EQ(e[0].peFlags, PC_NOCOLLAPSE);
  PALETTEENTRY system[256];
  ASSERT_EQ(GetSystemPaletteEntries(dc, 0, 256, system), 256u);
  EXPECT_EQ(system[0].peRed, 0);
  EXPECT_EQ(system[7].peGreen, 192);
  EXPECT_EQ(system[255].peBlue, 255);
  const UINT use = GetSystemPaletteUse(dc);
  EXPECT_EQ(SetSystemPaletteUse(dc, SYSPAL_NOSTATIC), use);
  EXPECT_EQ(SetSystemPaletteUse(dc, SYSPAL_STATIC), SYSPAL_NOSTATIC);
  EXPECT_TRUE(DeleteObject(ToObject(p)));
  EXPECT_FALSE(DeleteObject(ToObject(p)));
  EXPECT_EQ(GetNearestPaletteIndex(p, 0), CLR_INVALID);
  EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

// The first pixel of the colour in the rectangle, or false.
bool FindColour(HDC dc, const RECT& r, COLORREF colour) {
  for (LONG y = r.top; y < r.bottom; ++y) {
    for (LONG x = r.left; x < r.right; ++x) {
      if (GetPixel(dc, x, y) == colour) return true;
    }
  }
  return false;
}

TEST_F(GdiTest, TextIsDrawnInItsColourAndMeasured) {
  const RECT all{0, 0, 64, 64};
  HBRUSH white = GetStockBrush(WHITE_BRUSH);
  ASSERT_EQ(FillRect(dc, &all, white), 1);
  EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 255, 255));
  HFONT font = CreateFont(30, 0, FW_BOLD, "Arial");
  ASSERT_NE(font, nullptr);
  SelectFont(dc, font);
  SetTextColor(dc, kBlue);
  SetBkMode(dc, TRANSPARENT);
  ASSERT_TRUE(TextOut(dc, 2, 2, "W", 1));
  EXPECT_TRUE(FindColour(dc, RECT{2, 2, 32, 32}, kBlue));
  EXPECT_FALSE(FindColour(dc, RECT{40, 0, 64, 64}, kBlue));
  SIZE one, two;
  ASSERT_TRUE(GetTextExtentPoint(dc, "W", 1, &one));
  ASSERT_TRUE(GetTextExtentPoint(dc, "WW", 2, &two));
  EXPECT_EQ(one.cy, 30);  // the cell height asked for, whatever face stands in for Arial
  EXPECT_GT(two.cx, one.cx);
  RECT single{0, 0, 1000, 0};
  const int lineHeight = DrawText(dc, "aaa bbb ccc", -1, &single, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(lineHeight, 30);
  EXPECT_EQ(single.bottom, 30);
  RECT narrow{0, 0, one.cx * 3, 0};
  const int wrapped = DrawText(dc, "aaa bbb ccc", -1, &narrow, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(wrapped, 3 * lineHeight);
  HFONT condensed = CreateFont(30, 8, FW_NORMAL, "Arial");
  HFONT normal = CreateFont(30, 0, FW_NORMAL, "Arial");
  SIZE a, b;
  SelectFont(dc, condensed);
  GetTextExtentPoint(dc, "abcdefgh", 8, &a);
  SelectFont(dc, normal);
  GetTextExtentPoint(dc, "abcdefgh", 8, &b);
  EXPECT_LT(a.cx, b.cx);
  EXPECT_NEAR(a.cx, 8 * 8, 16);
  DeleteObject(ToObject(font));
  DeleteObject(ToObject(condensed));
  DeleteObject(ToObject(normal));
}

TEST_F(GdiTest, OpaqueTextFillsItsBackgroundAndDrawTextAligns) {
  const RECT all{0, 0, 64, 64};
  FillRect(dc, &all, GetStockBrush(BLACK_BRUSH));
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, kGreen);
  SetTextColor(dc, kRed);
  RECT box{0, 0, 64, 20};
  ASSERT_GT(DrawText(dc, "  ", 2, &box, DT_RIGHT | DT_SINGLELINE), 0);
  EXPECT_EQ(GetPixel(dc, 63, 5), kGreen);  // the right-aligned cell's background
  EXPECT_EQ(GetPixel(dc, 0, 5), RGB(0, 0, 0));
}

TEST_F(GdiTest, BrushesAndBitmapsWithATransparentColour) {
  HBRUSH red = CreateSolidBrush(kRed);
  const RECT all{0, 0, 64, 64};
  ASSERT_EQ(FillRect(dc, &all, red), 1);
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(NULL_BRUSH)), 1);  // paints nothing
  EXPECT_EQ(GetPixel(dc, 1, 1), kRed);
  Picture p;
  p.info.bmiColors[1] = RGBQUAD{0, 255, 0, 0};
  p.info.bmiColors[2] = RGBQUAD{255, 0, 0, 0};
  p.info.bmiColors[3] = RGBQUAD{255, 255, 255, 0};  // the key colour
  p.info.bmiColors[4] = RGBQUAD{0, 0, 0, 0};
  HBITMAP bitmap = CreateDIBitmap(&p.info, p.bits.data());
  ASSERT_NE(bitmap, nullptr);
  SIZE size;
  ASSERT_TRUE(GetBitmapSize(bitmap, &size));
  EXPECT_EQ(size.cx, 8);
  ASSERT_TRUE(DrawBitmap(dc, 0, 0, 16, 16, bitmap, 0, 0, 8, 8, RGB(255, 255, 255)));
  EXPECT_EQ(GetPixel(dc, 6, 6), kRed);            // key colour left out
  EXPECT_EQ(GetPixel(dc, 0, 15), kGreen);         // the bottom row, doubled
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlue);           // the top row
  ASSERT_TRUE(DrawBitmap(dc, 20, 20, 8, 8, bitmap, 0, 0, 8, 8, CLR_INVALID));
  EXPECT_EQ(GetPixel(dc, 23, 23), RGB(255, 255, 255));
  EXPECT_FALSE(DrawBitmap(dc, 0, 0, 8, 8, bitmap, 4, 4, 8, 8, CLR_INVALID));  // outside the bitmap
  EXPECT_TRUE(DrawFocusRect(dc, &all));
  EXPECT_TRUE(DeleteObject(ToObject(bitmap)));
  EXPECT_TRUE(DeleteObject(ToObject(red)));
  EXPECT_TRUE(DeleteObject(ToObject(GetStockBrush(WHITE_BRUSH))));  // stock: ignored
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(WHITE_BRUSH)), 1);
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_EQ(LoadBitmap(GetModuleInstance(), 4242), nullptr);
}

TEST_F(GdiTest, PaintingValidatesAndEraseUsesTheClassBrush) {
  ShowWindow(hwnd, SW_SHOWNORMAL);
  InvalidateRect(hwnd, nullptr, TRUE);
  ASSERT_TRUE(UpdateWindow(hwnd));
  EXPECT_TRUE(windows.Has(WM_PAINT));
  EXPECT_TRUE(windows.Has(WM_ERASEBKGND));
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0));  // the class's black brush
  const int paints = windows.Count(WM_PAINT);
  UpdateWindow(hwnd);
  EXPECT_EQ(windows.Count(WM_PAINT), paints);  // validated by DefWindowProc
}

}  // namespace
