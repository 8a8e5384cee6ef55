// The resources a program registered, by number, and the handles of the
// cursors, icons and accelerator tables loaded from them. A handle carries
// its id under a tag of its kind.
#include "platform/common/ResourceRegistry.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <type_traits>

#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/common/WindowState.h"
#include "platform/include/plat/app.h"

namespace plat {
namespace common {
namespace {

struct Registry {
  std::mutex lock;
  std::map<int, std::span<const ACCEL>> accelerators;
  std::map<int, const DLGTEMPLATE*> dialogs;
  std::map<int, int> cursors;
  std::map<int, std::string> bitmaps;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;  // never destroyed: used until exit
  return *registry;
}

template <class V>
void Put(std::map<int, V> Registry::*table, int id, const std::type_identity_t<V>& value, bool present) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  if (present) {
    (r.*table)[id] = value;
  } else {
    (r.*table).erase(id);
  }
}

template <class V>
V Get(std::map<int, V> Registry::*table, int id, const std::type_identity_t<V>& missing) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  auto it = (r.*table).find(id);
  return it == (r.*table).end() ? missing : it->second;
}

constexpr std::uintptr_t kAccelTag = 0x6100000000000000ull;
constexpr std::uintptr_t kCursorTag = 0x6300000000000000ull;
constexpr std::uintptr_t kIconTag = 0x6400000000000000ull;
constexpr std::uintptr_t kResourceIcon = 0x10000;

int g_cursor = IDC_ARROW;

bool IsStandard(int id) { return id == IDC_ARROW || id == IDC_WAIT || id == IDC_HAND; }

HCURSOR CursorHandle(int id) { return reinterpret_cast<HCURSOR>(kCursorTag | static_cast<std::uintptr_t>(id)); }

// The standard id a handle names; 0 for anything else.
int CursorId(HCURSOR cursor) {
  const auto value = reinterpret_cast<std::uintptr_t>(cursor);
  if ((value & ~0xFFFFull) != kCursorTag) return 0;
  const int id = static_cast<int>(value & 0xFFFF);
  return IsStandard(id) ? id : 0;
}

std::set<std::uintptr_t>& LoadedTables() {
  static std::set<std::uintptr_t> loaded;
  return loaded;
}

int TableId(HACCEL table) {
  const auto value = reinterpret_cast<std::uintptr_t>(table);
  if (!LoadedTables().count(value)) return -1;
  return static_cast<int>(static_cast<std::int32_t>(value & 0xFFFFFFFFu));
}

bool ModifiersMatch(BYTE flags) {
  return ((flags & FSHIFT) != 0) == ShiftHeld() && ((flags & FCONTROL) != 0) == ControlHeld() &&
         ((flags & FALT) != 0) == AltHeld();
}

}  // namespace

std::span<const ACCEL> FindAcceleratorResource(int id) { return Get(&Registry::accelerators, id, {}); }

const DLGTEMPLATE* FindDialogResource(int id) { return Get(&Registry::dialogs, id, nullptr); }

int FindCursorResource(int id) { return Get(&Registry::cursors, id, 0); }

std::string FindBitmapResourceFile(int id) { return Get(&Registry::bitmaps, id, std::string()); }

int CurrentCursor() { return g_cursor; }

void ResetCursor(int standardCursor) { g_cursor = standardCursor; }

}  // namespace common

using common::Put;
using common::Registry;

void RegisterAcceleratorResource(int id, const ACCEL* entries, int count) {
  const bool present = entries && count > 0;
  Put(&Registry::accelerators, id, std::span(entries, present ? static_cast<std::size_t>(count) : 0), present);
}

void RegisterDialogResource(int id, const DLGTEMPLATE* dialog) {
  Put(&Registry::dialogs, id, dialog, dialog != nullptr);
}

void RegisterCursorResource(int id, int standardCursor) { Put(&Registry::cursors, id, standardCursor, true); }

void RegisterBitmapResource(int id, const char* fileName) {
  Put(&Registry::bitmaps, id, fileName ? fileName : "", fileName != nullptr);
}

HCURSOR LoadCursor(HINSTANCE instance, int id) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  const int standard = instance ? common::FindCursorResource(id) : id;
  return common::IsStandard(standard) ? common::CursorHandle(standard) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
  const int id = common::CursorId(cursor);
  if (cursor && !id) return nullptr;
  const int old = common::g_cursor;
  if (id != old) {
    common::g_cursor = id;
    common::Device().ShowPointer(id);
  }
  return old ? common::CursorHandle(old) : nullptr;
}

// Icons are not shown; every number answers a handle so set-up code goes on.
HICON LoadIcon(HINSTANCE instance, int id) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  return reinterpret_cast<HICON>(common::kIconTag | (instance ? common::kResourceIcon : 0) |
                                 static_cast<std::uint16_t>(id));
}

HACCEL LoadAccelerators(HINSTANCE instance, int resourceId) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  if (common::FindAcceleratorResource(resourceId).empty()) return nullptr;
  const std::uintptr_t value = common::kAccelTag | static_cast<std::uint32_t>(resourceId);
  common::LoadedTables().insert(value);
  return reinterpret_cast<HACCEL>(value);
}

BOOL DestroyAcceleratorTable(HACCEL table) {
  return common::LoadedTables().erase(reinterpret_cast<std::uintptr_t>(table)) ? TRUE : FALSE;
}

// A key of the table becomes its command when the modifiers held match.
int TranslateAccelerator(HWND hwnd, HACCEL table, const MSG* msg) {
  const int id = common::TableId(table);
  if (!common::FindCore(hwnd) || !msg || id < 0) return 0;
  if (msg->message != WM_KEYDOWN && msg->message != WM_CHAR) return 0;
  for (const ACCEL& a : common::FindAcceleratorResource(id)) {
    const bool virtualKey = (a.fVirt & FVIRTKEY) != 0;
    if (virtualKey != (msg->message == WM_KEYDOWN) || msg->wParam != a.key) continue;
    if (virtualKey && !common::ModifiersMatch(a.fVirt)) continue;
    SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
    return 1;
  }
  return 0;
}

}  // namespace plat
