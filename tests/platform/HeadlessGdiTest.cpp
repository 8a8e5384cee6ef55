#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/HeadlessFixture.h"

namespace {

using namespace plat;
using headless_test::Headless;

// An 8-bit bottom-up picture: rows padded to 4 bytes, the first stored row
// is the bottom one.
struct Picture {
  int width, height;
  std::vector<BYTE> bits;
  BITMAPINFO info{};
  Picture(int w, int h) : width(w), height(h), bits(static_cast<std::size_t>((w + 3) & ~3) * h, 0) {
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 8;
  }
  // Sets the pixel at (x, y) counted from the top row, as it is shown.
  void Set(int x, int y, BYTE index) { bits[static_cast<std::size_t>(height - 1 - y) * ((width + 3) & ~3) + x] = index; }
  // DIB_PAL_COLORS: entry i of the colour table is palette index i.
  void IdentityIndices() {
    WORD* w = reinterpret_cast<WORD*>(info.bmiColors);
    for (int i = 0; i < 256; ++i) w[i] = static_cast<WORD>(i);
  }
};

HPALETTE MakePalette(const std::vector<COLORREF>& colours) {
  LOGPALETTE lp{};
  lp.palVersion = 0x300;
  lp.palNumEntries = static_cast<WORD>(colours.size());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    lp.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(GetRValue(colours[i])),
                                     static_cast<BYTE>(GetGValue(colours[i])),
                                     static_cast<BYTE>(GetBValue(colours[i])), 0};
  }
  return CreatePalette(&lp);
}

class Gdi : public Headless {
 protected:
  HWND MakeWindow(int w = 64, int h = 32) {
    Register(0, "Game", nullptr, CS_OWNDC);
    return Create("Game", "", WS_POPUP, w, h);
  }
};

TEST_F(Gdi, PaletteIndicesBecomeColoursOfTheSelectedPaletteAtDrawTime) {
  HWND h = MakeWindow();
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
  EXPECT_EQ(headless::Pixel(h, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(headless::Pixel(h, 1, 0), RGB(0, 255, 0));
  EXPECT_EQ(headless::Pixel(h, 2, 0), RGB(10, 20, 30));
  EXPECT_EQ(headless::Pixel(h, 3, 1), RGB(0, 255, 0));
  EXPECT_EQ(headless::Pixel(h, 0, 1), RGB(0, 0, 0));

  // A later palette change does not alter what was shown; the next draw uses it.
  PALETTEENTRY blue{0, 0, 255, 0};
  EXPECT_EQ(SetPaletteEntries(pal, 1, 1, &blue), 1u);
  EXPECT_EQ(headless::Pixel(h, 0, 0), RGB(255, 0, 0));
  StretchDIBits(dc, 0, 0, 4, 2, 0, 0, 4, 2, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY);
  EXPECT_EQ(headless::Pixel(h, 0, 0), RGB(0, 0, 255));
  // The window's own DC keeps its palette across ReleaseDC.
  EXPECT_EQ(ReleaseDC(h, dc), 1);
  EXPECT_EQ(GetDC(h), dc);
  EXPECT_EQ(SelectPalette(dc, old, FALSE), pal);
}

TEST_F(Gdi, ColourTableIndicesGoThroughTheTableFirst) {
  HWND h = MakeWindow();
  HDC dc = GetDC(h);
  SelectPalette(dc, MakePalette({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)}), FALSE);
  Picture p(1, 1);
  reinterpret_cast<WORD*>(p.info.bmiColors)[7] = 2;  // pixel value 7 -> palette entry 2
  p.Set(0, 0, 7);
  StretchDIBits(dc, 5, 5, 1, 1, 0, 0, 1, 1, p.bits.data(), &p.info, DIB_PAL_COLORS, SRCCOPY);
  EXPECT_EQ(headless::Pixel(h, 5, 5), RGB(3, 3, 3));
}

TEST_F(Gdi, RgbColoursStretchingAndSourceRectangles) {
  HWND h = MakeWindow();
  HDC dc = GetDC(h);
  Picture p(3, 3);
  p.info.bmiColors[1] = RGBQUAD{30, 20, 10, 0};  // blue, green, red
  p.info.bmiColors[2] = RGBQUAD{0, 0, 200, 0};
  p.Set(0, 0, 1);  // top left
  p.Set(2, 2, 2);  // bottom right
  // The bottom-right 2x2 of the picture: ySrc counts from the bottom row.
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 4, 1, 0, 2, 2, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 2);
  EXPECT_EQ(headless::Pixel(h, 3, 3), RGB(200, 0, 0));
  EXPECT_EQ(headless::Pixel(h, 2, 2), RGB(200, 0, 0));
  EXPECT_EQ(headless::Pixel(h, 1, 1), RGB(0, 0, 0));
  // The top-left pixel, doubled.
  StretchDIBits(dc, 10, 10, 2, 2, 0, 2, 1, 1, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(headless::Pixel(h, 11, 11), RGB(10, 20, 30));
  // Partly outside the window: clipped, still drawn.
  EXPECT_EQ(StretchDIBits(dc, 62, 30, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 3);
  EXPECT_EQ(headless::Pixel(h, 64, 0), CLR_INVALID);
  // Clipped on the left: column 0 shows the picture's column 2.
  StretchDIBits(dc, -2, 20, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(headless::Pixel(h, 0, 22), RGB(200, 0, 0));
  EXPECT_EQ(headless::Pixel(h, 1, 22), RGB(0, 0, 0));
  // Refused: a source outside the picture, a depth other than 8, no DC.
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 1, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
  BITMAPINFO deep = p.info;
  deep.bmiHeader.biBitCount = 24;
  EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 3, 0, 0, 3, 3, p.bits.data(), &deep, DIB_RGB_COLORS, SRCCOPY), 0);
  EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 3, 3, 0, 0, 3, 3, p.bits.data(), &p.info, DIB_RGB_COLORS, SRCCOPY), 0);
  const std::vector<RECT> log = headless::PresentLog(h);
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[1].left, 10);
  EXPECT_EQ(log[1].bottom, 12);
  headless::ClearPresentLog();
  EXPECT_TRUE(headless::PresentLog(h).empty());
}

TEST_F(Gdi, PaletteCalls) {
  HWND h = MakeWindow();
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
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
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
  EXPECT_EQ(headless::Pixel(h, 10, 20), RGB(1, 2, 3));
  EXPECT_EQ(headless::Pixel(h, 39, 49), RGB(1, 2, 3));
  EXPECT_EQ(headless::Pixel(h, 40, 20), RGB(0, 0, 0));  // clipped to the child
  EXPECT_EQ(GetPixel(cdc, 0, 0), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(cdc, 30, 0), CLR_INVALID);
  EXPECT_EQ(headless::Pixel(child, 29, 29), RGB(1, 2, 3));
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
  EXPECT_EQ(headless::Pixel(h, 50, 50), RGB(0, 0, 0));
  EXPECT_EQ(headless::Pixel(h, 53, 51), RGB(255, 0, 0));
  EXPECT_TRUE(DrawBitmap(dc, 50, 50, 2, 1, bmp, 0, 0, 2, 1, CLR_INVALID));
  EXPECT_EQ(headless::Pixel(h, 50, 50), RGB(0, 0, 255));
  EXPECT_FALSE(DrawBitmap(dc, 0, 0, 2, 1, bmp, 1, 0, 2, 1, CLR_INVALID));
  EXPECT_FALSE(DrawBitmap(dc, 0, 0, 2, 1, nullptr, 0, 0, 2, 1, CLR_INVALID));
  EXPECT_EQ(GetStockBrush(99), nullptr);
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(NULL_BRUSH)), 1);
  EXPECT_TRUE(DeleteObject(ToObject(GetStockBrush(WHITE_BRUSH))));  // ignored
  EXPECT_NE(GetStockBrush(WHITE_BRUSH), nullptr);
  EXPECT_EQ(FillRect(dc, &all, GetStockBrush(WHITE_BRUSH)), 1);
  EXPECT_EQ(headless::Pixel(h, 99, 99), RGB(255, 255, 255));
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
  HWND h = MakeWindow();
  HDC dc = GetDC(h);
  DrawBitmap(dc, 0, 0, 3, 2, b, 0, 0, 3, 2, CLR_INVALID);
  EXPECT_EQ(headless::Pixel(h, 2, 0), RGB(7, 8, 9));
  std::remove(name.c_str());
}

TEST_F(Gdi, TextDrawingIsLoggedForTheWindow) {
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

// The file must be a PNG a decoder takes: signature, IHDR with the size, and
// the chunk CRCs and the zlib checksum over the stored rows.
TEST_F(Gdi, SavedPngIsWellFormed) {
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

}  // namespace

namespace {

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

}  // namespace
