// Palettes, brushes, fonts and bitmaps behind their handles.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include <memory>
#include <vector>

#include "platform/include/plat/gdi.h"
#include "platform/include/plat/window.h"

namespace plat::desktop {

enum class GdiKind { kPalette, kBrush, kFont, kBitmap };

struct CGdiObject {
  explicit CGdiObject(GdiKind k) : kind(k) {}
  virtual ~CGdiObject() = default;
  GdiKind kind;
  bool stock = false;  // never deleted
};

struct CPaletteObject : CGdiObject {
  static constexpr GdiKind kKind = GdiKind::kPalette;
  CPaletteObject() : CGdiObject(kKind) {}
  std::vector<PALETTEENTRY> entries;
};

struct CBrushObject : CGdiObject {
  static constexpr GdiKind kKind = GdiKind::kBrush;
  CBrushObject() : CGdiObject(kKind) {}
  QColor colour;
  bool hollow = false;  // NULL_BRUSH paints nothing
};

struct CFontObject : CGdiObject {
  static constexpr GdiKind kKind = GdiKind::kFont;
  CFontObject() : CGdiObject(kKind) {}
  QFont font;
};

struct CBitmapObject : CGdiObject {
  static constexpr GdiKind kKind = GdiKind::kBitmap;
  CBitmapObject() : CGdiObject(kKind) {}
  QImage image;  // RGB32
};

// Takes ownership and answers the new handle.
HGDIOBJ AddGdiObject(std::unique_ptr<CGdiObject> object);
CGdiObject* FindGdiObject(HGDIOBJ handle);
// Deletes a non-stock object; false for null, unknown and stock handles.
bool DeleteGdiObject(HGDIOBJ handle);
void DeleteAllGdiObjects();

template <class T>
T* GdiCast(const void* handle) {
  CGdiObject* o = FindGdiObject(reinterpret_cast<HGDIOBJ>(const_cast<void*>(handle)));
  return o && o->kind == T::kKind ? static_cast<T*>(o) : nullptr;
}

// The palette every DC has before SelectPalette: the 20 static colours.
HPALETTE DefaultPalette();
// The system font; a DC whose font is null draws with its window's font
// (a control's or dialog's), else with this one.
HFONT DefaultFont();
// The colour of a dialog's face (the stock background of dialogs and statics).
QColor DialogFaceColour();
HBRUSH DialogFaceBrush();
QColor ToQColor(COLORREF colour);
COLORREF ToColorRef(QRgb rgb);

}  // namespace plat::desktop
