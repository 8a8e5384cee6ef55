#include "platform/desktop/Cursors.h"

#include <QWidget>

#include "platform/common/ResourceRegistry.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

constexpr std::uintptr_t kCursorTag = 0x6300000000000000ull;
HCURSOR g_current = reinterpret_cast<HCURSOR>(kCursorTag | IDC_ARROW);

bool StandardShape(int id, Qt::CursorShape* shape) {
  switch (id) {
    case IDC_ARROW:
      *shape = Qt::ArrowCursor;
      return true;
    case IDC_WAIT:
      *shape = Qt::WaitCursor;
      return true;
    case IDC_HAND:
      *shape = Qt::PointingHandCursor;
      return true;
    default:
      return false;
  }
}

bool CursorShapeOf(HCURSOR cursor, Qt::CursorShape* shape) {
  const auto value = reinterpret_cast<std::uintptr_t>(cursor);
  if ((value & ~0xFFFFull) != kCursorTag) return false;
  return StandardShape(static_cast<int>(value & 0xFFFF), shape);
}

}  // namespace

void ApplyCurrentCursor(QWidget* widget) {
  Qt::CursorShape shape = Qt::ArrowCursor;
  if (!g_current) {
    shape = Qt::BlankCursor;
  } else if (!CursorShapeOf(g_current, &shape)) {
    return;
  }
  widget->setCursor(shape);
}

}  // namespace plat::desktop

namespace plat {

HCURSOR LoadCursor(HINSTANCE instance, int id) {
  const int standard = instance ? common::FindCursorResource(id) : id;
  Qt::CursorShape shape;
  if (!desktop::StandardShape(standard, &shape)) return nullptr;
  return reinterpret_cast<HCURSOR>(desktop::kCursorTag | static_cast<std::uintptr_t>(standard));
}

HCURSOR SetCursor(HCURSOR cursor) {
  Qt::CursorShape shape;
  if (cursor && !desktop::CursorShapeOf(cursor, &shape)) return desktop::g_current;
  HCURSOR old = desktop::g_current;
  if (cursor == old) return old;
  desktop::g_current = cursor;
  for (desktop::CWindow* w : desktop::Windows().TopLevels()) {
    if (w->kind == desktop::WindowKind::kTopLevel && w->widget) desktop::ApplyCurrentCursor(w->widget);
  }
  return old;
}

HICON LoadIcon(HINSTANCE, int id) {
  // Icons are not shown; every number answers a handle so set-up code goes on.
  return reinterpret_cast<HICON>(0x6400000000000000ull | static_cast<std::uint16_t>(id));
}

}  // namespace plat
