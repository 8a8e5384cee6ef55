// Lookups of the resources a program registered with plat/resource.h; used
// by both backends. Thread-safe; answers refer to the caller's static data.
#pragma once

#include <string>

#include "platform/include/plat/resource.h"

namespace plat::common {

struct AcceleratorTable {
  const ACCEL* entries;
  int count;
};

// False (and out untouched) when no table has that number.
bool FindAcceleratorResource(int id, AcceleratorTable* out);
// Null when no template has that number.
const DLGTEMPLATE* FindDialogResource(int id);
// The standard cursor (IDC_*) a cursor resource shows; 0 when unknown.
int FindCursorResource(int id);
// The file name a bitmap resource is read from; empty when unknown.
std::string FindBitmapResourceFile(int id);

}  // namespace plat::common
