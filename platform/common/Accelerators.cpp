// Accelerator tables: a loaded table is named by its resource id, and a key
// of the table becomes its command when the modifiers held match.
#include <cstdint>
#include <set>

#include "platform/common/Device.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/common/Window.h"
#include "platform/include/plat/app.h"

namespace plat {
namespace {

constexpr std::uintptr_t kAccelTag = 0x6100000000000000ull;

std::set<std::uintptr_t>& Loaded() {
  static std::set<std::uintptr_t> loaded;
  return loaded;
}

int TableId(HACCEL table) {
  const auto value = reinterpret_cast<std::uintptr_t>(table);
  if (!Loaded().count(value)) return -1;
  return static_cast<int>(static_cast<std::int32_t>(value & 0xFFFFFFFFu));
}

bool ModifiersMatch(BYTE flags) {
  return ((flags & FSHIFT) != 0) == common::ShiftHeld() && ((flags & FCONTROL) != 0) == common::ControlHeld() &&
         ((flags & FALT) != 0) == common::AltHeld();
}

}  // namespace

HACCEL LoadAccelerators(HINSTANCE instance, int resourceId) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  if (!common::FindAcceleratorResource(resourceId, nullptr)) return nullptr;
  const std::uintptr_t value = kAccelTag | static_cast<std::uint32_t>(resourceId);
  Loaded().insert(value);
  return reinterpret_cast<HACCEL>(value);
}

BOOL DestroyAcceleratorTable(HACCEL table) {
  return Loaded().erase(reinterpret_cast<std::uintptr_t>(table)) ? TRUE : FALSE;
}

int TranslateAccelerator(HWND hwnd, HACCEL table, const MSG* msg) {
  const int id = TableId(table);
  common::AcceleratorTable entries{};
  if (!common::FindCore(hwnd) || !msg || id < 0 || !common::FindAcceleratorResource(id, &entries)) return 0;
  if (msg->message != WM_KEYDOWN && msg->message != WM_CHAR) return 0;
  for (int i = 0; i < entries.count; ++i) {
    const ACCEL& a = entries.entries[i];
    const bool virtualKey = (a.fVirt & FVIRTKEY) != 0;
    if (virtualKey != (msg->message == WM_KEYDOWN) || msg->wParam != a.key) continue;
    if (virtualKey && !ModifiersMatch(a.fVirt)) continue;
    SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
    return 1;
  }
  return 0;
}

}  // namespace plat
