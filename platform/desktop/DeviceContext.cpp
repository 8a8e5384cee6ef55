#include "platform/desktop/DeviceContext.h"

#include <QGuiApplication>
#include <QScreen>

#include <map>
#include <memory>

#include "platform/desktop/GdiObjects.h"
#include "platform/common/PaletteMath.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

constexpr std::uintptr_t kDcTag = 0x6C00000000000000ull;

struct CDcTable {
  std::map<std::uintptr_t, std::unique_ptr<CDeviceContext>> dcs;
  std::uintptr_t nextSerial = 1;
};

CDcTable& Table() {
  static CDcTable table;
  return table;
}

// Back to the initial palette, font (the window's own) and colours.
void ResetDc(CDeviceContext* dc) {
  dc->palette = DefaultPalette();
  dc->font = nullptr;
  dc->textColour = RGB(0, 0, 0);
  dc->bkColour = RGB(255, 255, 255);
  dc->bkMode = OPAQUE;
}

HDC Add(std::unique_ptr<CDeviceContext> dc) {
  CDcTable& t = Table();
  const std::uintptr_t value = kDcTag | t.nextSerial++;
  ResetDc(dc.get());
  t.dcs[value] = std::move(dc);
  return reinterpret_cast<HDC>(value);
}

}  // namespace

HDC CreateWindowDc(HWND window) {
  auto dc = std::make_unique<CDeviceContext>();
  dc->window = window;
  return Add(std::move(dc));
}

HDC CreatePainterDc(HWND control, QPainter* painter, const QRect& clip) {
  auto dc = std::make_unique<CDeviceContext>();
  dc->window = control;
  dc->painter = painter;
  dc->painterClip = clip;
  return Add(std::move(dc));
}

void DestroyDc(HDC hdc) { Table().dcs.erase(reinterpret_cast<std::uintptr_t>(hdc)); }

CDeviceContext* FindDc(HDC hdc) {
  CDcTable& t = Table();
  auto it = t.dcs.find(reinterpret_cast<std::uintptr_t>(hdc));
  return it == t.dcs.end() ? nullptr : it->second.get();
}

CDcPainter::CDcPainter(HDC hdc) : m_dc(FindDc(hdc)) {
  if (!m_dc) return;
  if (m_dc->painter) {
    m_painter = m_dc->painter;
    m_painter->save();
    m_painter->setClipRect(m_dc->painterClip);
    return;
  }
  CWindow* w = Windows().Find(m_dc->window);
  if (!CanvasOf(w, &m_area)) {
    m_area = CCanvasArea{};
    return;
  }
  m_own.emplace(m_area.image);
  m_painter = &*m_own;
  m_painter->setClipRect(m_area.clip);
  m_painter->translate(m_area.origin);
}

CDcPainter::~CDcPainter() {
  if (!m_painter) return;
  if (m_dc->painter) {
    m_painter->restore();
    return;
  }
  m_own.reset();
  if (!m_touched.isEmpty()) CanvasChanged(m_area, m_touched.translated(m_area.origin));
}

}  // namespace plat::desktop

namespace plat {

using desktop::CDeviceContext;
using desktop::CWindow;
using desktop::FindDc;
using desktop::Windows;

HDC GetDC(HWND hwnd) {
  if (!hwnd) {
    static const HDC screen = desktop::CreateWindowDc(nullptr);
    return screen;
  }
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->dc) return nullptr;
  if (!(w->classStyle & CS_OWNDC)) desktop::ResetDc(FindDc(w->dc));
  return w->dc;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
  if (!hwnd) return hdc == GetDC(nullptr) ? 1 : 0;
  CWindow* w = Windows().Find(hwnd);
  return w && w->dc == hdc ? 1 : 0;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->dc || !ps) return nullptr;
  if (!(w->classStyle & CS_OWNDC)) desktop::ResetDc(FindDc(w->dc));
  BOOL erase = FALSE;
  if (w->needsErase) {
    w->needsErase = false;
    erase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(w->dc), 0) ? FALSE : TRUE;
  }
  w = Windows().Find(hwnd);
  if (!w) return nullptr;
  w->needsPaint = false;
  ps->hdc = w->dc;
  ps->fErase = erase;
  GetClientRect(hwnd, &ps->rcPaint);
  return w->dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  return Windows().Find(hwnd) && ps ? TRUE : FALSE;
}

int GetDeviceCaps(HDC hdc, int index) {
  if (!FindDc(hdc)) return 0;
  constexpr int kHorzRes = 8, kVertRes = 10;
  constexpr int kCapsBitBlt = 0x0001, kCapsDibToDev = 0x0200, kCapsStretchDib = 0x2000;
  const QScreen* screen = QGuiApplication::primaryScreen();
  switch (index) {
    case BITSPIXEL:
      return screen ? screen->depth() : 24;
    case NUMCOLORS:
      return -1;
    case RASTERCAPS:
      return kCapsBitBlt | kCapsDibToDev | kCapsStretchDib;  // never RC_PALETTE
    case SIZEPALETTE:
      return 0;
    case NUMRESERVED:
      return common::kStaticColours;
    case kHorzRes:
      return screen ? screen->geometry().width() : 0;
    case kVertRes:
      return screen ? screen->geometry().height() : 0;
    default:
      return 0;
  }
}

HFONT SelectFont(HDC hdc, HFONT font) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || !desktop::GdiCast<desktop::CFontObject>(font)) return nullptr;
  HFONT old = dc->font ? dc->font : desktop::DefaultFont();
  dc->font = font;
  return old;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF old = dc->textColour;
  dc->textColour = colour & 0xFFFFFF;
  return old;
}

int SetBkMode(HDC hdc, int mode) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF old = dc->bkColour;
  dc->bkColour = colour & 0xFFFFFF;
  return old;
}

}  // namespace plat
