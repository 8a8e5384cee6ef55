// Handle values of the desktop backend.
#pragma once

#include <cstdint>

#include "platform/include/plat/types.h"

namespace plat::desktop {

// This process's id, as window handles carry it.
std::uint32_t ThisProcess();

// A window handle holds its process id in the high 32 bits and a serial
// number unique within that process in the low 32 bits, so a handle that
// travels to another program still names the window and its owner.
inline HWND MakeWindowHandle(std::uint32_t process, std::uint32_t serial) {
  return reinterpret_cast<HWND>((static_cast<std::uintptr_t>(process) << 32) | serial);
}
inline std::uint32_t WindowProcess(HWND h) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h) >> 32);
}
// A handle of a window in another running program (never null).
inline bool IsRemoteHandle(HWND h) {
  return h && WindowProcess(h) != 0 && WindowProcess(h) != ThisProcess();
}

}  // namespace plat::desktop
