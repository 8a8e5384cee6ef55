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
