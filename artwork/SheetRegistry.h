// The sheets the generator stages. Each program's sheet library registers
// its sheet from a static object of its own, so the generator names no
// program; CMake links such a library whole into the generator
// (artwork_add_sheet), which keeps that object.
#pragma once

#include <span>

#include "artwork/Sheet.h"

namespace artwork {

using SheetSource = const Sheet& (*)();

// Adds a sheet; answers 1, the value for the registering object. Safe to
// call during static initialisation.
int RegisterSheet(SheetSource source);
// Every registered sheet, in no particular order.
std::span<const SheetSource> RegisteredSheets();

}  // namespace artwork
