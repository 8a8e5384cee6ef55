// The whole platform interface.
#pragma once

#include "platform/include/plat/app.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/sound.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/time.h"
#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"
