#include "platform/desktop/WindowTable.h"

#include <QWidget>

#include <unistd.h>

#include "platform/desktop/Handles.h"

namespace plat::common {

HWND NewWindowHandle() {
  static std::uint32_t serial = 0;
  return desktop::MakeWindowHandle(desktop::ThisProcess(), ++serial);
}

}  // namespace plat::common

namespace plat::desktop {

std::uint32_t ThisProcess() {
  static const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
  return pid;
}

CWindow* CWindowTable::Create(WindowKind kind) {
  auto window = std::make_unique<CWindow>();
  window->kind = kind;
  return common::WindowTable().Add(std::move(window));
}

std::vector<CWindow*> CWindowTable::TopLevels() const {
  std::vector<CWindow*> out;
  for (CWindow* w : All()) {
    if (w->kind != WindowKind::kControl && !w->destroying) out.push_back(w);
  }
  return out;
}

std::vector<CWindow*> CWindowTable::All() const {
  std::vector<CWindow*> out;
  for (common::CWindowCore* core : common::WindowTable().All()) out.push_back(static_cast<CWindow*>(core));
  return out;
}

HWND WindowOfWidget(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    for (const CWindow* w : Windows().All()) {
      if (w->widget == widget && !w->destroying) return w->handle;
    }
  }
  return nullptr;
}

}  // namespace plat::desktop
