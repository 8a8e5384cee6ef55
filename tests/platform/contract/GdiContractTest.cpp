// Device contexts, palettes, 8-bit pictures through the palette, brushes,
// bitmaps and text, read back through the DCs with GetPixel.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
#endif

namespace {

using namespace plat;
using contract::MakePalette;
using contract::Picture;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class Gdi : public contract::Contract {};

// An 8 x 8 bottom-up picture: the bottom row is index 1, the top row 2,
// every other pixel 3, except the top-right pixel, 4.
struct Pattern : Picture {
  Pattern() : Picture(8, 8) {
    std::fill(bits.begin(), bits.end(), BYTE{3});
    for (int x = 0; x < 8; ++x) {
      Set(x, 7, 1);
      Set(x, 0, 2);
    }
    Set(7, 0, 4);
  }
  void UsePaletteIndices() { IdentityIndices(); }
};

// A 64 x 64 window with its own DC and a palette of five colours.
class GdiOnWindow : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    hwnd = MakeWindow(64, 64);
    ASSERT_NE(hwnd, nullptr);
    dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    palette = MakePalette({RGB(0, 0, 0), kRed, kGreen, kBlue, kYellow});
    ASSERT_NE(palette, nullptr);
  }
  void TearDown() override {
    DeleteObject(ToObject(palette));
    Contract::TearDown();
  }
  HWND hwnd = nullptr;
  HDC dc = nullptr;
  HPALETTE palette = nullptr;
};

TEST_F(Gdi, PaletteIndicesBecomeColoursOfTheSelectedPaletteAtDrawTime) {
  HWND h = MakeWindow(64, 32);
  HDC dc = GetDC(h);
  HPALETTE pal = MakePalette({RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(10, 20, 30)});
  ASSERT_NE(pal, nullptr);
  HPALETTE old = SelectPalette(dc, pal, FALSE);
  EXPECT_NE(old, nullptr);  // the default palette
  EXPECT_EQ(RealizePalette(dc), 4u);
  Picture p(4, 2);
  p.IdentityIndices();
  p.Set(0, 0, 1);
  p.Set(1, 0, 2);
  p.Set(2, 0, 3);
  p.Set(3, 1, 2);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 2, 0, 0, 4, 2, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 2);
  EXPECT_EQ(PixelOf(h, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(h, 1, 0), RGB(0, 255, 0));
  EXPECT_EQ(PixelOf(h, 2, 0), RGB(10, 20, 30));
  EXPECT_EQ(PixelOf(h, 3, 1), RGB(0, 255, 0));
  EXPECT_EQ(PixelOf(h, 0, 1), RGB(0, 0, 0));

  // A later palette change does not alter what was shown; the next draw uses it.
  PALETTEENTRY blue{0, 0, 255, 0};
  EXPECT_EQ(SetPaletteEntries(pal, 1, 1, &blue), 1u);
  EXPECT_EQ(PixelOf(h, 0, 0), RGB(255, 0, 0));
  StretchDIBits(dc, 0, 0, 4, 2, 0, 0, 4, 2, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY);
  EXPECT_EQ(PixelOf(h, 0, 0), RGB(0, 0, 255));
  // The window's own DC keeps its palette across ReleaseDC.
  EXPECT_EQ(ReleaseDC(h, dc), 1);
  EXPECT_EQ(GetDC(h), dc);
  EXPECT_EQ(SelectPalette(dc, old, FALSE), pal);
}

TEST_F(Gdi, ColourTableIndicesGoThroughTheTableFirst) {
  HWND h = MakeWindow(64, 32);
  HDC dc = GetDC(h);
  SelectPalette(dc, MakePalette({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)}), FALSE);
  Picture p(1, 1);
  reinterpret_cast<WORD*>(p.info.bmiColors)[7] = 2;  // pixel value 7 -> palette entry 2
  p.Set(0, 0, 7);
  StretchDIBits(dc, 5, 5, 1, 1, 0, 0, 1, 1, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY);
  EXPECT_EQ(PixelOf(h, 5, 5), RGB(3, 3, 3));
}

TEST_F(Gdi, RgbColoursStretchingAndSourceRectangles) {
  HWND h = MakeWindow(64, 32);
  HDC dc = GetDC(h);
  Picture p(3, 3);
  p.info.bmiColors[1] = RGBQUAD{30, 20, 10, 0};  // blue, green, red
  p.info.bmiColors[2] = RGBQUAD{0, 0, 200, 0};
  p.Set(0, 0, 1);  // top left
  p.Set(2, 2, 2);  // bottom right
  // The bottom-right 2x2 of the picture: ySrc counts from the bottom row.
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 4, 1, 0, 2, 2, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 2);
  EXPECT_EQ(PixelOf(h, 3, 3), RGB(200, 0, 0));
  EXPECT_EQ(PixelOf(h, 2, 2), RGB(200, 0, 0));
  EXPECT_EQ(PixelOf(h, 1, 1), RGB(0, 0, 0));
  // The top-left pixel, doubled.
  StretchDIBits(dc, 10, 10, 2, 2, 0, 2, 1, 1, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(PixelOf(h, 11, 11), RGB(10, 20, 30));
  // Partly outside the window: clipped, still drawn.
  EXPECT_EQ(StretchDIBits(dc, 62, 30, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 3);
  EXPECT_EQ(PixelOf(h, 64, 0), CLR_INVALID);
  // Clipped on the left: column 0 shows the picture's column 2.
  StretchDIBits(dc, -2, 20, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(PixelOf(h, 0, 22), RGB(200, 0, 0));
  EXPECT_EQ(PixelOf(h, 1, 22), RGB(0, 0, 0));
  // Refused: a source outside the picture, a depth other than 8, no DC.
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 1, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
  BITMAPINFO deep = p.info;
  deep.bmiHeader.biBitCount = 24;
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 0, 0, 3, 3, p.bits.data(), &deep, DIB_RGB_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
}

#if PLAT_CONTRACT_HEADLESS
TEST_F(Gdi, PresentedRectanglesAreLoggedHeadless) {
  HWND h = MakeWindow(64, 32);
  HDC dc = GetDC(h);
  Picture p(3, 3);
  StretchDIBits(dc, 0, 0, 4, 4, 1, 0, 2, 2, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  StretchDIBits(dc, 10, 10, 2, 2, 0, 2, 1, 1, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  StretchDIBits(dc, 62, 30, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  StretchDIBits(dc, -2, 20, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 1, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
  const std::vector<RECT> log = headless::PresentLog(h);
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[1].left, 10);
  EXPECT_EQ(log[1].bottom, 12);
  headless::ClearPresentLog();
  EXPECT_TRUE(headless::PresentLog(h).empty());
}

TEST_F(Gdi, WithoutKeptPixelsDrawingIsCheckedAndLoggedButLeavesNoPixelsHeadless) {
  HWND h = MakeWindow(16, 16);
  HDC dc = GetDC(h);
  Picture p(3, 3);
  p.info.bmiColors[0] = RGBQUAD{0, 0, 200, 0};
  headless::KeepPixels(FALSE);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 3);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 1, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
  EXPECT_EQ(headless::PresentLog(h).size(), 1u);
  EXPECT_EQ(PixelOf(h, 1, 1), CLR_INVALID);
  headless::KeepPixels(TRUE);
  EXPECT_EQ(PixelOf(h, 1, 1), RGB(0, 0, 0));
  StretchDIBits(dc, 0, 0, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(PixelOf(h, 1, 1), RGB(200, 0, 0));
}
#endif

TEST_F(Gdi, PaletteCalls) {
  HWND h = MakeWindow(64, 32);
  HDC dc = GetDC(h);
  HPALETTE pal = MakePalette({RGB(0, 0, 0), RGB(100, 100, 100), RGB(100, 100, 100), RGB(250, 0, 0)});
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(90, 110, 100)), 1u);
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(255, 10, 0)), 3u);
  EXPECT_EQ(GetNearestPaletteIndex(nullptr, 0), CLR_INVALID);
  EXPECT_EQ(GetPaletteEntries(pal, 0, 0, nullptr), 4u);
  EXPECT_TRUE(ResizePalette(pal, 256));
  EXPECT_EQ(GetPaletteEntries(pal, 0, 0, nullptr), 256u);
  PALETTEENTRY e[2];
  EXPECT_EQ(GetPaletteEntries(pal, 254, 10, e), 2u);
  EXPECT_EQ(e[1].peRed, 0);
  EXPECT_EQ(GetPaletteEntries(pal, 300, 1, e), 0u);
  PALETTEENTRY sys[256];
  EXPECT_EQ(GetSystemPaletteEntries(dc, 0, 256, sys), 256u);
  EXPECT_EQ(RGB(sys[255].peRed, sys[255].peGreen, sys[255].peBlue), RGB(255, 255, 255));
  EXPECT_EQ(RGB(sys[7].peRed, sys[7].peGreen, sys[7].peBlue), RGB(192, 192, 192));
  EXPECT_EQ(GetSystemPaletteUse(dc), SYSPAL_STATIC);
  EXPECT_EQ(SetSystemPaletteUse(dc, SYSPAL_NOSTATIC), SYSPAL_STATIC);
  EXPECT_EQ(SetSystemPaletteUse(dc, SYSPAL_STATIC), SYSPAL_NOSTATIC);
  EXPECT_EQ(SetSystemPaletteUse(nullptr, SYSPAL_STATIC), SYSPAL_ERROR);
  EXPECT_GE(GetDeviceCaps(dc, BITSPIXEL), 24);
#if PLAT_CONTRACT_HEADLESS
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);  // until a test sets another display
#endif
  EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE, 0);
  EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), -1);
  EXPECT_EQ(CreatePalette(nullptr), nullptr);
  EXPECT_TRUE(DeleteObject(ToObject(pal)));
  EXPECT_FALSE(DeleteObject(ToObject(pal)));
  EXPECT_EQ(SelectPalette(dc, pal, FALSE), nullptr);
  EXPECT_FALSE(DeleteObject(nullptr));
}

TEST_F(Gdi, FillsBitmapsAndPixelsOfChildWindows) {
  HWND h = MakeWindow(100, 100);
  HWND child = CreateWindow("STATIC", "", WS_CHILD | WS_VISIBLE, 10, 20, 30, 30, h, 1, nullptr, nullptr);
  HDC cdc = GetDC(child);
  RECT all{0, 0, 100, 100};
  EXPECT_EQ(FillRect(cdc, &all, CreateSolidBrush(RGB(1, 2, 3))), 1);
  EXPECT_EQ(PixelOf(h, 10, 20), RGB(1, 2, 3));
  EXPECT_EQ(PixelOf(h, 39, 49), RGB(1, 2, 3));
  EXPECT_EQ(PixelOf(h, 40, 20), RGB(0, 0, 0));  // clipped to the child
  EXPECT_EQ(GetPixel(cdc, 0, 0), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(cdc, 30, 0), CLR_INVALID);
  EXPECT_EQ(PixelOf(child, 29, 29), RGB(1, 2, 3));
  ReleaseDC(child, cdc);

  Picture p(2, 1);
  p.info.bmiColors[1] = RGBQUAD{255, 0, 0, 0};  // blue
  p.info.bmiColors[2] = RGBQUAD{0, 0, 255, 0};  // red
  p.Set(0, 0, 1);
  p.Set(1, 0, 2);
  HBITMAP bmp = CreateDIBitmap(&p.info, p.bits.data());
  SIZE sz;
  ASSERT_TRUE(GetBitmapSize(bmp, &sz));
  EXPECT_EQ(sz.cx, 2);
  HDC dc = GetDC(h);
  EXPECT_TRUE(DrawBitmap(dc, 50, 50, 4, 2, bmp, 0, 0, 2, 1, RGB(0, 0, 255)));  // blue left out
  EXPECT_EQ(PixelOf(h, 50, 50), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(h, 53, 51), RGB(255, 0, 0));
  EXPECT_TRUE(DrawBitmap(dc, 50, 50, 2, 1, bmp, 0, 0, 2, 1, CLR_INVALID));
  EXPECT_EQ(PixelOf(h, 50, 50), RGB(0, 0, 255));
  EXPECT_FALSE(DrawBitmap(dc, 0, 0, 2, 1, bmp, 1, 0, 2, 1, CLR_INVALID));
  EXPECT_FALSE(DrawBitmap(dc, 0, 0, 2, 1, nullptr, 0, 0, 2, 1, CLR_INVALID));
  EXPECT_EQ(GetStockBrush(99), nullptr);
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(NULL_BRUSH)), 1);
  EXPECT_TRUE(DeleteObject(ToObject(GetStockBrush(WHITE_BRUSH))));  // ignored
  EXPECT_NE(GetStockBrush(WHITE_BRUSH), nullptr);
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(WHITE_BRUSH)), 1);
  EXPECT_EQ(PixelOf(h, 99, 99), RGB(255, 255, 255));
}

TEST_F(Gdi, BitmapResourcesReadFromEightBitFiles) {
  const std::string name = "/tmp/plat_gdi_test_" + std::to_string(::getpid()) + ".bmp";
  {
    Picture p(3, 2);
    p.info.bmiColors[4] = RGBQUAD{9, 8, 7, 0};
    p.Set(2, 0, 4);
    BITMAPFILEHEADER fh{0x4D42, 0, 0, 0, 14 + 40 + 1024};
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(p.bits.size());
    std::FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&p.info, sizeof p.info, 1, f);
    std::fwrite(p.bits.data(), 1, p.bits.size(), f);
    std::fclose(f);
  }
  RegisterBitmapResource(145, name.c_str());
  RegisterBitmapResource(146, "/tmp/plat_missing_file.bmp");
  HBITMAP b = LoadBitmap(GetModuleInstance(), 145);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(LoadBitmap(GetModuleInstance(), 146), nullptr);
  EXPECT_EQ(LoadBitmap(GetModuleInstance(), 147), nullptr);
  HWND h = MakeWindow(64, 32);
  HDC dc = GetDC(h);
  DrawBitmap(dc, 0, 0, 3, 2, b, 0, 0, 3, 2, CLR_INVALID);
  EXPECT_EQ(PixelOf(h, 2, 0), RGB(7, 8, 9));
  std::remove(name.c_str());
}

#if PLAT_CONTRACT_HEADLESS
// Fixed-width metrics: each character half the cell height unless a width is asked.
TEST_F(Gdi, TextDrawingIsLoggedForTheWindowHeadless) {
  HWND h = MakeWindow(200, 100);
  HDC dc = GetDC(h);
  HFONT font = CreateFont(14, 5, FW_BOLD, "Arial");
  ASSERT_NE(font, nullptr);
  HFONT old = SelectFont(dc, font);
  EXPECT_NE(old, nullptr);
  EXPECT_EQ(SetTextColor(dc, RGB(255, 255, 255)), RGB(0, 0, 0));
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_TRUE(TextOut(dc, 64, 77, "Player", 6));
  EXPECT_TRUE(TextOut(dc, 88, 92, "$12.50 and more", 6));
  RECT r{0, 0, 50, 0};
  EXPECT_EQ(DrawText(dc, "one two three four", -1, &r, DT_WORDBREAK | DT_CALCRECT), 28);  // two lines of 10
  EXPECT_EQ(r.bottom, 28);
  EXPECT_LE(r.right, 50);
  EXPECT_EQ(DrawText(dc, "Amount:", -1, &r, DT_LEFT), 14);
  SIZE sz;
  ASSERT_TRUE(GetTextExtentPoint(dc, "abcd", 4, &sz));
  EXPECT_EQ(sz.cx, 20);
  EXPECT_EQ(sz.cy, 14);
  EXPECT_EQ(headless::DrawnTexts(h), (std::vector<std::string>{"Player", "$12.50", "Amount:"}));
  EXPECT_FALSE(TextOut(nullptr, 0, 0, "x", 1));
  EXPECT_EQ(SelectFont(dc, nullptr), nullptr);
}
#endif

#if PLAT_CONTRACT_HEADLESS
// The file must be a PNG a decoder takes: signature, IHDR with the size, and
// the chunk CRCs and the zlib checksum over the stored rows.
TEST_F(Gdi, SavedPngIsWellFormedHeadless) {
  HWND h = MakeWindow(3, 2);
  HDC dc = GetDC(h);
  RECT px{1, 0, 2, 1};
  FillRect(dc, &px, CreateSolidBrush(RGB(10, 20, 30)));
  const std::string name = "/tmp/plat_png_test_" + std::to_string(::getpid()) + ".png";
  ASSERT_TRUE(headless::SavePng(h, name.c_str()));
  std::FILE* f = std::fopen(name.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  std::vector<unsigned char> d(4096);
  d.resize(std::fread(d.data(), 1, d.size(), f));
  std::fclose(f);
  std::remove(name.c_str());
  ASSERT_GT(d.size(), 33u);
  const unsigned char sig[8] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
  EXPECT_EQ(std::memcmp(d.data(), sig, 8), 0);
  auto be32 = [&](std::size_t at) {
    return (static_cast<std::uint32_t>(d[at]) << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
  };
  EXPECT_EQ(be32(8), 13u);
  EXPECT_EQ(std::memcmp(&d[12], "IHDR", 4), 0);
  EXPECT_EQ(be32(16), 3u);
  EXPECT_EQ(be32(20), 2u);
  EXPECT_EQ(d[24], 8);  // bit depth
  EXPECT_EQ(d[25], 2);  // RGB
  // CRC of IHDR, computed here bit by bit.
  auto crc = [](const unsigned char* p, std::size_t n) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
      c ^= p[i];
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
  };
  EXPECT_EQ(be32(29), crc(&d[12], 17));
  // IDAT: a zlib header, one final stored block of 2 rows x (1 + 3 x 3) bytes.
  const std::size_t idat = 33;
  const std::uint32_t len = be32(idat);
  ASSERT_EQ(std::memcmp(&d[idat + 4], "IDAT", 4), 0);
  const unsigned char* z = &d[idat + 8];
  EXPECT_EQ(((z[0] << 8) | z[1]) % 31, 0);
  EXPECT_EQ(z[2], 1);
  EXPECT_EQ(z[3] | (z[4] << 8), 20);
  const unsigned char* raw = z + 7;
  EXPECT_EQ(raw[0], 0);  // filter
  EXPECT_EQ(raw[4], 10);
  EXPECT_EQ(raw[5], 20);
  EXPECT_EQ(raw[6], 30);
  std::uint32_t a = 1, b = 0;
  for (int i = 0; i < 20; ++i) a = (a + raw[i]) % 65521, b = (b + a) % 65521;
  EXPECT_EQ(((static_cast<std::uint32_t>(z[27]) << 24) | (z[28] << 16) | (z[29] << 8) | z[30]), (b << 16) | a);
  EXPECT_EQ(len, 31u);
  EXPECT_EQ(be32(idat + 8 + len), crc(&d[idat + 4], len + 4));
  EXPECT_EQ(std::memcmp(&d[idat + 12 + len + 4], "IEND", 4), 0);
  EXPECT_EQ(d.size(), idat + 12 + len + 12);
}
#endif

TEST_F(Gdi, NullAndUnknownHandlesFail) {
  Picture p(1, 1);
  for (std::uintptr_t v : {std::uintptr_t{0}, std::uintptr_t{0xABCD0}}) {
    HDC dc = reinterpret_cast<HDC>(v);
    HPALETTE pal = reinterpret_cast<HPALETTE>(v);
    HWND wnd = reinterpret_cast<HWND>(v);
    PALETTEENTRY e[1];
    RECT r{0, 0, 1, 1};
    SIZE sz;
    PAINTSTRUCT ps{};
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 0);
    EXPECT_EQ(SelectPalette(dc, pal, FALSE), nullptr);
    EXPECT_EQ(RealizePalette(dc), 0u);
    EXPECT_FALSE(ResizePalette(pal, 10));
    EXPECT_EQ(SetPaletteEntries(pal, 0, 1, e), 0u);
    EXPECT_EQ(GetPaletteEntries(pal, 0, 1, e), 0u);
    EXPECT_EQ(GetNearestPaletteIndex(pal, 0), CLR_INVALID);
    EXPECT_EQ(GetSystemPaletteEntries(dc, 0, 1, e), 0u);
    EXPECT_EQ(GetSystemPaletteUse(dc), SYSPAL_ERROR);
    EXPECT_EQ(SelectFont(dc, reinterpret_cast<HFONT>(v)), nullptr);
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), 0);
    EXPECT_EQ(DrawText(dc, "x", -1, &r, 0), 0);
    EXPECT_FALSE(GetTextExtentPoint(dc, "x", 1, &sz));
    EXPECT_EQ(FillRect(dc, &r, GetStockBrush(WHITE_BRUSH)), 0);
    EXPECT_FALSE(DrawFocusRect(dc, &r));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_FALSE(GetBitmapSize(reinterpret_cast<HBITMAP>(v), &sz));
    EXPECT_FALSE(DrawBitmap(dc, 0, 0, 1, 1, reinterpret_cast<HBITMAP>(v), 0, 0, 1, 1, CLR_INVALID));
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 1, 1, 0, 0, 1, 1, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(BeginPaint(wnd, &ps), nullptr);
    EXPECT_FALSE(EndPaint(wnd, &ps));
    EXPECT_EQ(ReleaseDC(wnd, dc), 0);
  }
  EXPECT_EQ(CreateDIBitmap(nullptr, nullptr), nullptr);
  EXPECT_EQ(LoadBitmap(reinterpret_cast<HINSTANCE>(std::uintptr_t{0x1230}), 1), nullptr);
}

TEST_F(GdiOnWindow, PaletteIndicesShowThroughTheSelectedPalette) {
  Pattern p;
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

// Frames send the same picture dozens of times: what it is drawn through is
// still read at every draw, whichever DC, palette or colour table comes.
TEST_F(GdiOnWindow, EachDrawUsesItsOwnDcsPaletteAndTheTableAsItIsNow) {
  Pattern p;
  p.UsePaletteIndices();
  HWND other = MakeWindow(64, 64);
  ASSERT_NE(other, nullptr);
  HDC otherDc = GetDC(other);
  HPALETTE otherPalette = MakePalette({RGB(0, 0, 0), kBlue, kYellow, kRed, kGreen});
  SelectPalette(dc, palette, FALSE);
  SelectPalette(otherDc, otherPalette, FALSE);
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
    ASSERT_EQ(StretchDIBits(otherDc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
    EXPECT_EQ(GetPixel(dc, 3, 3), kBlue);
    EXPECT_EQ(GetPixel(otherDc, 3, 3), kRed);
  }
  // The same table changed in place between two draws.
  reinterpret_cast<WORD*>(p.info.bmiColors)[3] = 1;
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 3, 3), kRed);
  // Fewer colours used: the indices past them show black.
  p.info.bmiHeader.biClrUsed = 3;
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 0, 7), kRed);
  DeleteObject(ToObject(otherPalette));
}

TEST_F(GdiOnWindow, TheColourTableCanRemapIndicesOrGiveColours) {
  Pattern p;
  auto* indices = reinterpret_cast<WORD*>(p.info.bmiColors);
  indices[3] = 4;  // picture index 3 shows palette entry 4
  indices[1] = 1;
  indices[2] = 2;
  indices[4] = 0;
  SelectPalette(dc, palette, FALSE);
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 3, 3), kYellow);
  EXPECT_EQ(GetPixel(dc, 7, 0), RGB(0, 0, 0));
  Pattern q;
  q.info.bmiColors[3] = RGBQUAD{10, 20, 30, 0};  // blue, green, red
  ASSERT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, q.bits.data(), &q.info, DIB_RGB_COLORS, SRCCOPY), 8);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(30, 20, 10));
}

TEST_F(GdiOnWindow, StretchingAndSourceRectanglesCountRowsFromTheBottom) {
  Pattern p;
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

TEST_F(GdiOnWindow, BadPicturesAreRefused) {
  Pattern p;
  p.UsePaletteIndices();
  const BYTE* bits = p.bits.data();
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 1, 0, 8, 8, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 9, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 8, 8, 0, 0, 8, 8, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, nullptr, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
  p.info.bmiHeader.biBitCount = 24;
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 8, 8, bits, &p.info, DIB_PAL_COLORS, SRCCOPY), 0);
}

TEST_F(GdiOnWindow, PaletteCallsBehaveAsOnATrueColourDisplay) {
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

#if PLAT_CONTRACT_DESKTOP
// The first pixel of the colour in the rectangle, or false.
bool FindColour(HDC dc, const RECT& r, COLORREF colour) {
  for (LONG y = r.top; y < r.bottom; ++y) {
    for (LONG x = r.left; x < r.right; ++x) {
      if (GetPixel(dc, x, y) == colour) return true;
    }
  }
  return false;
}
#endif

#if PLAT_CONTRACT_DESKTOP
TEST_F(GdiOnWindow, TextIsDrawnInItsColourOnDesktop) {
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
  DeleteObject(ToObject(font));
}

TEST_F(GdiOnWindow, OpaqueTextFillsItsBackgroundAndDrawTextAlignsOnDesktop) {
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
#endif

TEST_F(GdiOnWindow, TextIsMeasuredInTheCellHeightAskedFor) {
  HFONT font = CreateFont(30, 0, FW_BOLD, "Arial");
  ASSERT_NE(font, nullptr);
  SelectFont(dc, font);
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

// Both devices lay text out alike; widths come from the device's own extents.
TEST_F(GdiOnWindow, DrawTextBreaksAtLineBreaksAndBetweenWords) {
  SelectFont(dc, CreateFont(20, 0, FW_NORMAL, "Arial"));
  SIZE pair, word;
  ASSERT_TRUE(GetTextExtentPoint(dc, "aaa bbb", 7, &pair));
  ASSERT_TRUE(GetTextExtentPoint(dc, "aaaaaaaaaaaa", 12, &word));
  RECT r{10, 0, 10 + pair.cx, 0};
  EXPECT_EQ(DrawText(dc, "aaa bbb ccc ddd", -1, &r, DT_CALCRECT | DT_WORDBREAK), 2 * pair.cy);
  EXPECT_EQ(r.right, 10 + pair.cx);
  RECT lines{10, 0, 11, 0};
  EXPECT_EQ(DrawText(dc, "aaa bbb\r\n\nccc", -1, &lines, DT_CALCRECT), 3 * pair.cy);
  EXPECT_EQ(lines.right, 10 + pair.cx);  // widened to the widest line
  RECT single{10, 0, 11, 0};
  EXPECT_EQ(DrawText(dc, "aaa\nbbb", -1, &single, DT_CALCRECT | DT_SINGLELINE), pair.cy);
  EXPECT_EQ(single.right, 10 + pair.cx);
  // A word wider than the rectangle keeps its line and widens it.
  RECT narrow{0, 0, pair.cx, 0};
  EXPECT_EQ(DrawText(dc, "aaaaaaaaaaaa bbb", -1, &narrow, DT_CALCRECT | DT_WORDBREAK), 2 * pair.cy);
  EXPECT_EQ(narrow.right, word.cx);
  RECT box{0, 0, 200, 100};
  EXPECT_EQ(DrawText(dc, "aaa bbb ccc ddd", -1, &box, DT_WORDBREAK | DT_CENTER), pair.cy);
}

TEST_F(GdiOnWindow, BrushesAndBitmapsWithATransparentColour) {
  HBRUSH red = CreateSolidBrush(kRed);
  const RECT all{0, 0, 64, 64};
  ASSERT_EQ(FillRect(dc, &all, red), 1);
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(NULL_BRUSH)), 1);  // paints nothing
  EXPECT_EQ(GetPixel(dc, 1, 1), kRed);
  Pattern p;
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

TEST_F(GdiOnWindow, PaintingValidatesAndEraseUsesTheClassBrush) {
  ShowWindow(hwnd, SW_SHOWNORMAL);
  InvalidateRect(hwnd, nullptr, TRUE);
  ASSERT_TRUE(UpdateWindow(hwnd));
  EXPECT_TRUE(Count(WM_PAINT) > 0);
  EXPECT_TRUE(Count(WM_ERASEBKGND) > 0);
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0));  // the class's black brush
  const int paints = Count(WM_PAINT);
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), paints);  // validated by DefWindowProc
  EXPECT_NE(DefWindowProc(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
}

TEST_F(GdiOnWindow, EraseWithoutAClassBrushAnswersNothingErased) {
  WNDCLASS wc{};
  wc.lpfnWndProc = DefWindowProc;
  wc.lpszClassName = "NoBrush";
  ASSERT_NE(RegisterClass(&wc), 0);
  HWND bare = CreateWindow("NoBrush", "", WS_POPUP, 0, 0, 20, 20, nullptr, 0, GetModuleInstance(), nullptr);
  ASSERT_NE(bare, nullptr);
  HDC bareDc = GetDC(bare);
  EXPECT_EQ(DefWindowProc(bare, WM_ERASEBKGND, reinterpret_cast<WPARAM>(bareDc), 0), 0);
  ReleaseDC(bare, bareDc);
  DestroyWindow(bare);
  EXPECT_TRUE(UnregisterClass("NoBrush", nullptr));
}

}  // namespace
