// The windows of this process by handle and the classes the program
// registered, kept once for both backends.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/common/Window.h"

namespace plat::common {

// The class name dialogs and message boxes carry.
inline constexpr const char* kDialogClassName = "#32770";
// Class names compare ignoring case, as the system's do.
bool SameClassName(const std::string& a, const char* b);
// The registered class of that name, or null.
const CWindowClass* FindWindowClass(const char* name);
// Forgets every registered class (a fresh program has none).
void ForgetClasses();

class CWindowTable {
 public:
  // Takes the record, gives it a fresh handle and answers it.
  template <class W>
  W* Add(std::unique_ptr<W> window) {
    W* raw = window.get();
    Insert(std::move(window));
    return raw;
  }
  // The live window with that handle: null for other processes' handles
  // and for windows whose records are going.
  CWindowCore* Find(HWND handle) const;
  // Like Find, but also answers a window whose record is going.
  CWindowCore* FindAny(HWND handle) const;
  // From any thread: whether the handle names a window of this process.
  bool Exists(HWND handle) const;
  void Remove(HWND handle);
  // Every record, oldest first.
  std::vector<CWindowCore*> All() const;
  void Clear();

 private:
  void Insert(std::unique_ptr<CWindowCore> window);
  // Only the program's thread changes the map, under the lock, so it reads without it.
  mutable std::mutex m_lock;
  std::map<std::uintptr_t, std::unique_ptr<CWindowCore>> m_windows;  // handles grow: oldest first
};

CWindowTable& WindowTable();

}  // namespace plat::common
