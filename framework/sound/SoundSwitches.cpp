#include "framework/sound/SoundSwitches.h"

#include "platform/include/plat/system.h"

namespace {

SoundSwitches g_switches = {nullptr, nullptr, plat::VER_PLATFORM_WIN32_NT};

}  // namespace

void SetSoundSwitches(const SoundSwitches& switches) { g_switches = switches; }

const SoundSwitches& GetSoundSwitches() { return g_switches; }
