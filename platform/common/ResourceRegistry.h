// Lookups of the resources a program registered with plat/resource.h.
// Thread-safe; answers refer to the caller's static data.
#pragma once

#include <span>
#include <string>

#include "platform/include/plat/resource.h"

namespace plat::common {

// Empty when no table has that number.
std::span<const ACCEL> FindAcceleratorResource(int id);
// Null when no template has that number.
const DLGTEMPLATE* FindDialogResource(int id);
// The standard cursor (IDC_*) a cursor resource shows; 0 when unknown.
int FindCursorResource(int id);
// The file name a bitmap resource is read from; empty when unknown.
std::string FindBitmapResourceFile(int id);

}  // namespace plat::common
