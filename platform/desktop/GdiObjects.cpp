#include "platform/desktop/GdiObjects.h"

#include <array>
#include <map>

#include "platform/desktop/Fonts.h"
#include "platform/common/PaletteMath.h"

namespace plat::desktop {
namespace {

constexpr std::uintptr_t kGdiTag = 0x6D00000000000000ull;

struct CGdiTable {
  std::map<std::uintptr_t, std::unique_ptr<CGdiObject>> objects;
  std::uintptr_t nextSerial = 1;
  std::array<HBRUSH, 6> stockBrushes{};
  HPALETTE defaultPalette = nullptr;
  HFONT defaultFont = nullptr;
  HBRUSH faceBrush = nullptr;
};

CGdiTable& Table() {
  static CGdiTable* table = new CGdiTable;  // objects may be asked about until exit
  return *table;
}

HGDIOBJ AddStock(std::unique_ptr<CGdiObject> object) {
  object->stock = true;
  return AddGdiObject(std::move(object));
}

}  // namespace

HGDIOBJ AddGdiObject(std::unique_ptr<CGdiObject> object) {
  CGdiTable& t = Table();
  const std::uintptr_t value = kGdiTag | t.nextSerial++;
  t.objects[value] = std::move(object);
  return reinterpret_cast<HGDIOBJ>(value);
}

CGdiObject* FindGdiObject(HGDIOBJ handle) {
  CGdiTable& t = Table();
  auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == t.objects.end() ? nullptr : it->second.get();
}

bool DeleteGdiObject(HGDIOBJ handle) {
  CGdiTable& t = Table();
  auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == t.objects.end() || it->second->stock) return false;
  t.objects.erase(it);
  return true;
}

void DeleteAllGdiObjects() {
  CGdiTable& t = Table();
  t.objects.clear();
  t.stockBrushes = {};
  t.defaultPalette = nullptr;
  t.defaultFont = nullptr;
  t.faceBrush = nullptr;
}

HPALETTE DefaultPalette() {
  CGdiTable& t = Table();
  if (!t.defaultPalette) {
    auto p = std::make_unique<CPaletteObject>();
    const PALETTEENTRY* s = common::StaticColours();
    p->entries.assign(s, s + common::kStaticColours);
    t.defaultPalette = reinterpret_cast<HPALETTE>(AddStock(std::move(p)));
  }
  return t.defaultPalette;
}

HFONT DefaultFont() {
  CGdiTable& t = Table();
  if (!t.defaultFont) {
    auto f = std::make_unique<CFontObject>();
    f->font = MakeFont(0, 0, FW_NORMAL, nullptr);
    t.defaultFont = reinterpret_cast<HFONT>(AddStock(std::move(f)));
  }
  return t.defaultFont;
}

QColor DialogFaceColour() { return QColor(240, 240, 240); }

HBRUSH DialogFaceBrush() {
  CGdiTable& t = Table();
  if (!t.faceBrush) {
    auto b = std::make_unique<CBrushObject>();
    b->colour = DialogFaceColour();
    t.faceBrush = reinterpret_cast<HBRUSH>(AddStock(std::move(b)));
  }
  return t.faceBrush;
}

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

COLORREF ToColorRef(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

}  // namespace plat::desktop

namespace plat {

BOOL DeleteObject(HGDIOBJ object) {
  if (!object) return FALSE;
  desktop::CGdiObject* o = desktop::FindGdiObject(object);
  if (!o) return FALSE;
  if (o->stock) return TRUE;  // stock objects are ignored
  return desktop::DeleteGdiObject(object) ? TRUE : FALSE;
}

HBRUSH GetStockBrush(int stockBrush) {
  if (stockBrush < WHITE_BRUSH || stockBrush > NULL_BRUSH) return nullptr;
  desktop::CGdiTable& t = desktop::Table();
  HBRUSH& slot = t.stockBrushes[static_cast<std::size_t>(stockBrush)];
  if (!slot) {
    static constexpr int kGrey[] = {255, 192, 128, 64, 0, 0};
    auto b = std::make_unique<desktop::CBrushObject>();
    const int g = kGrey[stockBrush];
    b->colour = QColor(g, g, g);
    b->hollow = stockBrush == NULL_BRUSH;
    slot = reinterpret_cast<HBRUSH>(desktop::AddStock(std::move(b)));
  }
  return slot;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  auto b = std::make_unique<desktop::CBrushObject>();
  b->colour = desktop::ToQColor(colour);
  return reinterpret_cast<HBRUSH>(desktop::AddGdiObject(std::move(b)));
}

}  // namespace plat
