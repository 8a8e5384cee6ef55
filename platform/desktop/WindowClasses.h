// Window classes registered by the program.
#pragma once

#include <string>

#include "platform/include/plat/window.h"

namespace plat::desktop {

struct CWindowClass {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
};

// The registered class of that name (ignoring case), or null.
const CWindowClass* FindWindowClass(const char* name);
// Class names compare ignoring case, as the system's do.
bool SameClassName(const std::string& a, const std::string& b);

// The class name dialogs and message boxes carry.
inline constexpr const char* kDialogClassName = "#32770";

}  // namespace plat::desktop
