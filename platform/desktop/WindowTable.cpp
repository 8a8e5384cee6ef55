#include "platform/desktop/WindowTable.h"

#include <unistd.h>

#include "platform/desktop/Handles.h"

namespace plat::desktop {

std::uint32_t ThisProcess() {
  static const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
  return pid;
}

CWindow* CWindowTable::Create(WindowKind kind) {
  auto window = std::make_unique<CWindow>();
  const std::uint32_t serial = m_nextSerial++;
  window->handle = MakeWindowHandle(ThisProcess(), serial);
  window->kind = kind;
  CWindow* raw = window.get();
  m_windows[serial] = std::move(window);
  std::lock_guard<std::mutex> g(m_liveLock);
  m_live.insert(reinterpret_cast<std::uintptr_t>(raw->handle));
  return raw;
}

CWindow* CWindowTable::FindAny(HWND handle) const {
  if (!handle || WindowProcess(handle) != ThisProcess()) return nullptr;
  auto it = m_windows.find(WindowSerial(handle));
  return it == m_windows.end() ? nullptr : it->second.get();
}

CWindow* CWindowTable::Find(HWND handle) const {
  CWindow* w = FindAny(handle);
  return w && !w->destroying ? w : nullptr;
}

CWindow* CWindowTable::FindByWidget(const QWidget* widget) const {
  auto it = m_byWidget.find(widget);
  return it == m_byWidget.end() || it->second->destroying ? nullptr : it->second;
}

bool CWindowTable::Exists(HWND handle) const {
  std::lock_guard<std::mutex> g(m_liveLock);
  return m_live.count(reinterpret_cast<std::uintptr_t>(handle)) != 0;
}

void CWindowTable::BindWidget(CWindow* window, QWidget* widget) {
  if (window->widget) m_byWidget.erase(window->widget);
  window->widget = widget;
  if (widget) m_byWidget[widget] = window;
}

void CWindowTable::Remove(CWindow* window) {
  if (window->widget) m_byWidget.erase(window->widget);
  {
    std::lock_guard<std::mutex> g(m_liveLock);
    m_live.erase(reinterpret_cast<std::uintptr_t>(window->handle));
  }
  m_windows.erase(WindowSerial(window->handle));
}

std::vector<CWindow*> CWindowTable::TopLevels() const {
  std::vector<CWindow*> out;
  for (const auto& [serial, w] : m_windows) {
    if (w->kind != WindowKind::kControl && !w->destroying) out.push_back(w.get());
  }
  return out;
}

std::vector<CWindow*> CWindowTable::All() const {
  std::vector<CWindow*> out;
  for (const auto& [serial, w] : m_windows) out.push_back(w.get());
  return out;
}

CWindowTable& Windows() {
  static CWindowTable* table = new CWindowTable;  // lives until exit: handles may be asked about late
  return *table;
}

bool IsInside(const CWindow* window, const CWindow* root) {
  for (const CWindow* w = window; w; w = w->kind == WindowKind::kControl ? w->parent : nullptr) {
    if (w == root) return true;
  }
  return false;
}

CWindow* RootOf(CWindow* window) {
  CWindow* w = window;
  while (w && w->kind == WindowKind::kControl) w = w->parent;
  return w;
}

}  // namespace plat::desktop
