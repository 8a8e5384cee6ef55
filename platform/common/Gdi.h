// GDI objects and device contexts, kept once for both backends, and the
// drawing device each backend supplies for the pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/include/plat/gdi.h"
#include "platform/include/plat/window.h"

namespace plat::common {

// A pixel of the 32-bit pictures windows are drawn on: 0xFFRRGGBB.
using Pixel = std::uint32_t;
inline Pixel ToPixel(COLORREF c) {
  return 0xFF000000u | (static_cast<Pixel>(GetRValue(c)) << 16) |
         (static_cast<Pixel>(GetGValue(c)) << 8) | GetBValue(c);
}
inline COLORREF ToColour(Pixel p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

enum class GdiKind { kPalette, kFont, kBrush, kBitmap };

// A font as CreateFont was asked for it; the device decides how it looks.
struct CFontSpec {
  int height = 0;  // > 0 cell height, < 0 character height, 0 the default
  int width = 0;   // 0 keeps the face's aspect
  int weight = FW_NORMAL;
  std::string face;
};

struct CGdiObject {
  GdiKind kind = GdiKind::kBrush;
  bool stock = false;                   // never deleted
  std::vector<PALETTEENTRY> entries{};  // palette
  CFontSpec font{};                     // font
  COLORREF colour = 0;                  // brush
  bool hollow = false;                  // NULL_BRUSH paints nothing
  int width = 0, height = 0;            // bitmap, top row first
  std::vector<Pixel> pixels{};
};

struct CDeviceContext {
  HWND window = nullptr;      // null: the screen
  void* device = nullptr;     // what the device keeps with this DC, if anything
  bool own = false;           // kept by ReleaseDC (CS_OWNDC)
  bool paint = false;         // made by BeginPaint, deleted by EndPaint
  HPALETTE palette = nullptr;
  HFONT font = nullptr;       // null: the window's font
  COLORREF textColour = RGB(0, 0, 0);
  COLORREF bkColour = RGB(255, 255, 255);
  int bkMode = OPAQUE;
};

// Takes the object and answers its new handle.
HGDIOBJ AddGdiObject(CGdiObject object);
CGdiObject* FindGdi(const void* handle, GdiKind kind);
HDC NewDc(HWND window, void* device = nullptr);
CDeviceContext* FindDc(HDC hdc);
void DeleteDc(HDC hdc);
void DeleteDcsOf(HWND window);
// Drops every DC and every object but the stock ones.
void ResetGdi();

HFONT SystemFont();
// The colour and stock brush of a dialog's face.
constexpr COLORREF kDialogFace = RGB(240, 240, 240);
HBRUSH DialogFaceBrush();
// The palette of the DC (the default one when its own is gone).
const std::vector<PALETTEENTRY>& PaletteOf(const CDeviceContext& dc);

// Part of a device's picture that a DC draws on: bits[y * stride + x] for
// surface coordinates; the DC's (0, 0) is at origin; only clip may change.
struct CSurface {
  Pixel* bits = nullptr;
  int stride = 0;
  POINT origin{0, 0};
  RECT clip{0, 0, 0, 0};
  void* owner = nullptr;  // the device's note of whose picture it is
  Pixel* Row(int y) const { return bits + static_cast<std::ptrdiff_t>(y) * stride; }
};

// A line of text at its place, in DC coordinates.
struct CTextLine {
  int x = 0, y = 0;
  std::string text;
};

// What a backend supplies to show drawing.
class CDrawingDevice {
 public:
  virtual ~CDrawingDevice() = default;
  // The picture the DC draws on now; false when its window shows none.
  virtual bool Surface(const CDeviceContext& dc, CSurface* out) = 0;
  // The DC changed that rectangle of its surface (surface coordinates): show it.
  virtual void Changed(const CDeviceContext& dc, const CSurface& surface, const RECT& rect) = 0;
  // A picture was sent to the DC's window at that rectangle (DC coordinates).
  virtual void Presented(const CDeviceContext& dc, const RECT& rect) = 0;
  // The display's depth in bits.
  virtual int ScreenBits() = 0;
  // Draws the lines TextOut or DrawText made of text in the DC's font and
  // colours, clipped to clip when not null; false when its window shows none.
  virtual bool DrawLines(const CDeviceContext& dc, const std::string& text, const std::vector<CTextLine>& lines,
                         const RECT* clip) = 0;
  // The width of text in the DC's font and the height of its lines.
  virtual SIZE TextExtent(const CDeviceContext& dc, const std::string& text) = 0;
  // The dotted focus frame.
  virtual void DrawFocusFrame(const CDeviceContext& dc, const RECT& rect) = 0;
  // Shows that standard cursor (IDC_*; 0: none) over the program's windows.
  virtual void ShowPointer(int standardCursor) = 0;
};

// The backend's device.
CDrawingDevice& Device();

}  // namespace plat::common
