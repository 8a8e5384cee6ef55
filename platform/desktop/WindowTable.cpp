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

CWindow* CWindowTable::FindByWidget(const QWidget* widget) const {
  auto it = m_byWidget.find(widget);
  return it == m_byWidget.end() || it->second->destroying ? nullptr : it->second;
}

void CWindowTable::BindWidget(CWindow* window, QWidget* widget) {
  if (window->widget) m_byWidget.erase(window->widget);
  window->widget = widget;
  if (widget) m_byWidget[widget] = window;
}

void CWindowTable::Remove(CWindow* window) {
  if (window->widget) m_byWidget.erase(window->widget);
  common::WindowTable().Remove(window->handle);
}

std::vector<CWindow*> CWindowTable::TopLevels() const {
  std::vector<CWindow*> out;
  for (common::CWindowCore* core : common::WindowTable().All()) {
    auto* w = static_cast<CWindow*>(core);
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
    if (CWindow* w = Windows().FindByWidget(widget)) return w->handle;
  }
  return nullptr;
}

std::vector<CWindow*> ChildrenOf(const CWindow* window) {
  std::vector<CWindow*> out;
  if (!window) return out;
  for (HWND h : window->children) {
    if (CWindow* c = Windows().Find(h)) out.push_back(c);
  }
  return out;
}

CWindowTable& Windows() {
  static CWindowTable* table = new CWindowTable;  // lives until exit: handles may be asked about late
  return *table;
}

}  // namespace plat::desktop
