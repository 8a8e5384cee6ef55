#include "platform/desktop/WindowClasses.h"

#include <strings.h>

#include <memory>
#include <vector>

#include "platform/common/ControlClasses.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

std::vector<std::unique_ptr<CWindowClass>>& Classes() {
  static std::vector<std::unique_ptr<CWindowClass>> classes;
  return classes;
}

}  // namespace

bool SameClassName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

const CWindowClass* FindWindowClass(const char* name) {
  if (!name) return nullptr;
  for (const auto& c : Classes()) {
    if (SameClassName(c->name, name)) return c.get();
  }
  return nullptr;
}

}  // namespace plat::desktop

namespace plat {

using desktop::CWindowClass;

ATOM RegisterClass(const WNDCLASS* wc) {
  if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
  if (desktop::FindWindowClass(wc->lpszClassName)) return 0;
  ControlKind builtIn;
  if (common::ControlKindOfClass(wc->lpszClassName, 0, &builtIn) ||
      desktop::SameClassName(wc->lpszClassName, desktop::kDialogClassName)) {
    return 0;
  }
  auto c = std::make_unique<CWindowClass>();
  c->name = wc->lpszClassName;
  c->style = wc->style;
  c->proc = wc->lpfnWndProc;
  c->cursor = wc->hCursor;
  c->background = wc->hbrBackground;
  auto& classes = desktop::Classes();
  classes.push_back(std::move(c));
  return static_cast<ATOM>(0xC000 + classes.size() % 0x3FFF);
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
  if (!className) return FALSE;
  for (desktop::CWindow* w : desktop::Windows().TopLevels()) {
    if (w->kind == desktop::WindowKind::kTopLevel && desktop::SameClassName(w->className, className)) {
      return FALSE;  // still in use
    }
  }
  auto& classes = desktop::Classes();
  for (auto it = classes.begin(); it != classes.end(); ++it) {
    if (desktop::SameClassName((*it)->name, className)) {
      classes.erase(it);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace plat
