// Device contexts, palettes, showing 8-bit pictures, and the 2D drawing that
// self-painting dialogs use.
#pragma once

#include "platform/include/plat/types.h"

namespace plat {

// ---- Device contexts -------------------------------------------------------------

// The window's own device context (classes with CS_OWNDC keep one for the
// window's life). ReleaseDC of it succeeds and keeps it valid. A null hwnd
// answers the screen's context: it answers GetDeviceCaps, drawing into it
// does nothing.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
};
// Inside WM_PAINT only; validates the window.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

constexpr int BITSPIXEL = 12;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int SIZEPALETTE = 104;
constexpr int NUMRESERVED = 106;
constexpr int RC_PALETTE = 0x0100;
// The display is true colour: BITSPIXEL is its real depth (24 or 32 unless a
// headless test sets another), RASTERCAPS has no RC_PALETTE, NUMCOLORS is -1.
int GetDeviceCaps(HDC hdc, int index);

// ---- Palettes ------------------------------------------------------------------------

HPALETTE CreatePalette(const LOGPALETTE* palette);
// Deletes any GDI object (palette, font, brush, bitmap); stock objects and
// null are ignored (answer 0 for null).
BOOL DeleteObject(HGDIOBJ object);
inline HGDIOBJ ToObject(HPALETTE p) { return reinterpret_cast<HGDIOBJ>(p); }
inline HGDIOBJ ToObject(HFONT f) { return reinterpret_cast<HGDIOBJ>(f); }
inline HGDIOBJ ToObject(HBRUSH b) { return reinterpret_cast<HGDIOBJ>(b); }
inline HGDIOBJ ToObject(HBITMAP b) { return reinterpret_cast<HGDIOBJ>(b); }

// Selects the palette used to turn palette indices into colours when this
// DC shows DIB_PAL_COLORS pictures; answers the previous one (a default
// palette at first).
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
// Answers the number of entries mapped (the palette's size on a true-colour display).
UINT RealizePalette(HDC hdc);
BOOL ResizePalette(HPALETTE palette, UINT entries);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
constexpr UINT CLR_INVALID = 0xFFFFFFFF;
// The index of the entry closest to the colour (squared RGB distance, lowest
// index on a tie); CLR_INVALID for a bad palette.
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour);
// The system palette: 256 entries, the 20 static colours at the ends.
UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries);
constexpr UINT SYSPAL_ERROR = 0;
constexpr UINT SYSPAL_STATIC = 1;
constexpr UINT SYSPAL_NOSTATIC = 2;
UINT SetSystemPaletteUse(HDC hdc, UINT use);  // answers the previous use
UINT GetSystemPaletteUse(HDC hdc);

// ---- Showing pictures ------------------------------------------------------------------

constexpr UINT DIB_RGB_COLORS = 0;  // bmiColors are RGBQUADs
constexpr UINT DIB_PAL_COLORS = 1;  // bmiColors are WORD indices into the DC's palette
constexpr DWORD SRCCOPY = 0x00CC0020;
// Copies a rectangle of an 8-bit bottom-up picture (rows padded to 4 bytes)
// to the DC, stretching when the sizes differ. ySrc counts from the bottom
// row of the picture, as the stored rows do. Answers the rows drawn, 0 on
// failure (bad DC, not 8 bits, rectangle outside the picture).
int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                  int ySrc, int srcWidth, int srcHeight, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop);

// ---- Drawing for dialogs ------------------------------------------------------------

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
// A font by face, pixel height and weight; width 0 keeps the face's aspect.
// A face that is missing is replaced by a metric-compatible one.
HFONT CreateFont(int height, int width, int weight, const char* face);
HFONT SelectFont(HDC hdc, HFONT font);  // answers the previous font
COLORREF SetTextColor(HDC hdc, COLORREF colour);  // answers the previous one
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
int SetBkMode(HDC hdc, int mode);
COLORREF SetBkColor(HDC hdc, COLORREF colour);
BOOL TextOut(HDC hdc, int x, int y, const char* text, int length);

constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
// length -1: up to the zero byte. Answers the height of the text drawn;
// DT_CALCRECT only measures and widens or lowers rect.
int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format);
BOOL GetTextExtentPoint(HDC hdc, const char* text, int length, SIZE* size);

HBRUSH CreateSolidBrush(COLORREF colour);
HBRUSH GetStockBrush(int stockBrush);  // WHITE_BRUSH .. NULL_BRUSH of window.h
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL DrawFocusRect(HDC hdc, const RECT* rect);
COLORREF GetPixel(HDC hdc, int x, int y);  // CLR_INVALID outside

// Bitmaps: a program's bitmap resources (plat/resource.h), or made from an
// 8-bit picture and its colour table.
HBITMAP LoadBitmap(HINSTANCE instance, int resourceId);
HBITMAP CreateDIBitmap(const BITMAPINFO* info, const void* bits);
BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size);
// Draws a bitmap area; transparent CLR_INVALID copies every pixel, any other
// colour is left out (masked drawing).
BOOL DrawBitmap(HDC hdc, int x, int y, int width, int height, HBITMAP bitmap, int srcX,
                int srcY, int srcWidth, int srcHeight, COLORREF transparent);

}  // namespace plat
