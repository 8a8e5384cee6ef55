// Basic types, handles and records of the platform layer.
//
// The layer speaks the vocabulary of the services the programs were written
// against (windows, messages, palettes, wave and MIDI devices), but every
// declaration here is our own and holds only what the programs call.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using ATOM = std::uint16_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles are opaque values, never dereferenced by callers. A backend keeps a
// table of the live ones; a null or unknown handle makes every call fail.
// Window handles stay meaningful in another process: they may travel in
// wParam or lParam to the main client and come back.
struct HWND__;
struct HINSTANCE__;
struct HDC__;
struct HPALETTE__;
struct HCURSOR__;
struct HICON__;
struct HACCEL__;
struct HFONT__;
struct HBRUSH__;
struct HBITMAP__;
struct HGDIOBJ__;
using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HDC = HDC__*;
using HPALETTE = HPALETTE__*;
using HCURSOR = HCURSOR__*;
using HICON = HICON__*;
using HACCEL = HACCEL__*;
using HFONT = HFONT__*;
using HBRUSH = HBRUSH__*;
using HBITMAP = HBITMAP__*;
using HGDIOBJ = HGDIOBJ__*;  // any of HPALETTE, HFONT, HBRUSH, HBITMAP

inline WPARAM HandleToWParam(HWND h) { return reinterpret_cast<WPARAM>(h); }
inline LPARAM HandleToLParam(HWND h) { return reinterpret_cast<LPARAM>(h); }
inline HWND WParamToHandle(WPARAM w) { return reinterpret_cast<HWND>(w); }
inline HWND LParamToHandle(LPARAM l) { return reinterpret_cast<HWND>(l); }

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
// Signed coordinates packed in lParam of mouse messages.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>((static_cast<DWORD>(static_cast<WORD>(lo))) |
                             (static_cast<DWORD>(static_cast<WORD>(hi)) << 16));
}
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return c & 0xFF; }
constexpr int GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }

// Resource numbers (accelerators, dialogs, cursors, icons, bitmaps) are plain
// ints; programs register the resources they own with plat/resource.h.

struct POINT {
  LONG x;
  LONG y;
};

struct RECT {
  LONG left;
  LONG top;
  LONG right;   // exclusive
  LONG bottom;  // exclusive
};

struct SIZE {
  LONG cx;
  LONG cy;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

// WM_COPYDATA payload. lpData is valid only during the call; the receiver
// copies what it keeps.
struct COPYDATASTRUCT {
  std::uintptr_t dwData;  // data kind
  DWORD cbData;           // bytes at lpData
  const void* lpData;
};

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};

// Stored layouts of the bitmap file format (little-endian, packed).
#pragma pack(push, 1)
struct BITMAPFILEHEADER {
  WORD bfType;  // 0x4D42 "BM"
  DWORD bfSize;
  WORD bfReserved1;
  WORD bfReserved2;
  DWORD bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;  // positive: bottom-up rows
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};
static_assert(sizeof(RGBQUAD) == 4);

// A header followed by its colour table: 256 RGBQUADs, or 256 WORD palette
// indices when drawn with DIB_PAL_COLORS.
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};
static_assert(sizeof(BITMAPINFO) == 1064);

constexpr DWORD BI_RGB = 0;

struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;  // 0 or PC_NOCOLLAPSE / PC_RESERVED
};
static_assert(sizeof(PALETTEENTRY) == 4);

constexpr BYTE PC_RESERVED = 0x01;
constexpr BYTE PC_EXPLICIT = 0x02;
constexpr BYTE PC_NOCOLLAPSE = 0x04;

// A logical palette of up to 256 entries (palNumEntries are used).
struct LOGPALETTE {
  WORD palVersion;  // 0x300
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[256];
};

}  // namespace plat
