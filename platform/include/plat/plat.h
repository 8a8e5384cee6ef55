// TEAM NOTE TO HELPERS (temporary, the lead removes it): before writing any code, read /tmp/common.md - the rules that bind every helper (no git commits, no mentions of the specification, no copying of any existing implementation, tests, build dirs).
// The whole platform interface.
#pragma once

#include "plat/app.h"
#include "plat/dialog.h"
#include "plat/gdi.h"
#include "plat/resource.h"
#include "plat/sound.h"
#include "plat/system.h"
#include "plat/time.h"
#include "plat/types.h"
#include "plat/window.h"
