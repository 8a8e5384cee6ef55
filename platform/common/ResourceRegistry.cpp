#include "platform/common/ResourceRegistry.h"

#include <map>
#include <mutex>
#include <type_traits>

namespace plat {
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

}  // namespace

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

namespace common {

std::span<const ACCEL> FindAcceleratorResource(int id) { return Get(&Registry::accelerators, id, {}); }

const DLGTEMPLATE* FindDialogResource(int id) { return Get(&Registry::dialogs, id, nullptr); }

int FindCursorResource(int id) { return Get(&Registry::cursors, id, 0); }

std::string FindBitmapResourceFile(int id) { return Get(&Registry::bitmaps, id, std::string()); }

}  // namespace common
}  // namespace plat
