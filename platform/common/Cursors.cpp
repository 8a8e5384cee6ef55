// Cursor and icon handles carry their standard id, so they need no table.
#include "platform/common/Cursors.h"

#include "platform/common/Gdi.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/include/plat/app.h"

namespace plat::common {
namespace {

constexpr std::uintptr_t kCursorTag = 0x6300000000000000ull;
constexpr std::uintptr_t kIconTag = 0x6400000000000000ull;
constexpr std::uintptr_t kResourceIcon = 0x10000;

int g_current = IDC_ARROW;

bool IsStandard(int id) { return id == IDC_ARROW || id == IDC_WAIT || id == IDC_HAND; }

HCURSOR HandleOf(int id) { return reinterpret_cast<HCURSOR>(kCursorTag | static_cast<std::uintptr_t>(id)); }

// The standard id a handle names; 0 for anything else.
int IdOf(HCURSOR cursor) {
  const auto value = reinterpret_cast<std::uintptr_t>(cursor);
  if ((value & ~0xFFFFull) != kCursorTag) return 0;
  const int id = static_cast<int>(value & 0xFFFF);
  return IsStandard(id) ? id : 0;
}

}  // namespace

int CurrentCursor() { return g_current; }

void ResetCursor(int standardCursor) { g_current = standardCursor; }

}  // namespace plat::common

namespace plat {

HCURSOR LoadCursor(HINSTANCE instance, int id) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  const int standard = instance ? common::FindCursorResource(id) : id;
  return common::IsStandard(standard) ? common::HandleOf(standard) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
  const int id = common::IdOf(cursor);
  if (cursor && !id) return nullptr;
  const int old = common::g_current;
  if (id != old) {
    common::g_current = id;
    common::Device().ShowPointer(id);
  }
  return old ? common::HandleOf(old) : nullptr;
}

// Icons are not shown; every number answers a handle so set-up code goes on.
HICON LoadIcon(HINSTANCE instance, int id) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  return reinterpret_cast<HICON>(common::kIconTag | (instance ? common::kResourceIcon : 0) |
                                 static_cast<std::uint16_t>(id));
}

}  // namespace plat
