#include "platform/common/ResourceRegistry.h"

#include <map>
#include <mutex>

namespace plat {
namespace {

struct Registry {
  std::mutex lock;
  std::map<int, common::AcceleratorTable> accelerators;
  std::map<int, const DLGTEMPLATE*> dialogs;
  std::map<int, int> cursors;
  std::map<int, std::string> bitmaps;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;  // never destroyed: used until exit
  return *registry;
}

}  // namespace

void RegisterAcceleratorResource(int id, const ACCEL* entries, int count) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  if (!entries || count <= 0) {
    r.accelerators.erase(id);
    return;
  }
  r.accelerators[id] = common::AcceleratorTable{entries, count};
}

void RegisterDialogResource(int id, const DLGTEMPLATE* dialog) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  if (!dialog) {
    r.dialogs.erase(id);
    return;
  }
  r.dialogs[id] = dialog;
}

void RegisterCursorResource(int id, int standardCursor) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  r.cursors[id] = standardCursor;
}

void RegisterBitmapResource(int id, const char* fileName) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  if (!fileName) {
    r.bitmaps.erase(id);
    return;
  }
  r.bitmaps[id] = fileName;
}

namespace common {

bool FindAcceleratorResource(int id, AcceleratorTable* out) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  auto it = r.accelerators.find(id);
  if (it == r.accelerators.end()) return false;
  if (out) *out = it->second;
  return true;
}

const DLGTEMPLATE* FindDialogResource(int id) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  auto it = r.dialogs.find(id);
  return it == r.dialogs.end() ? nullptr : it->second;
}

int FindCursorResource(int id) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  auto it = r.cursors.find(id);
  return it == r.cursors.end() ? 0 : it->second;
}

std::string FindBitmapResourceFile(int id) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> g(r.lock);
  auto it = r.bitmaps.find(id);
  return it == r.bitmaps.end() ? std::string() : it->second;
}

}  // namespace common
}  // namespace plat
