#include "framework/shell/SystemInfo.h"

#include "platform/include/plat/gdi.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

void ReadSystemInfo(SystemInfo* info) {
  plat::HDC screen = plat::GetDC(nullptr);
  info->bitsPerPixel = static_cast<std::uint16_t>(plat::GetDeviceCaps(screen, plat::BITSPIXEL));
  plat::ReleaseDC(nullptr, screen);

  plat::SYSTEM_INFO cpu{};
  plat::GetSystemInfo(&cpu);
  info->processor = static_cast<std::uint32_t>(cpu.wProcessorLevel) |
                    (static_cast<std::uint32_t>(cpu.wProcessorRevision) << 16);

  plat::OSVERSIONINFO version{};
  plat::GetVersionEx(&version);
  info->platformId = version.dwPlatformId;
  info->version = (version.dwMinorVersion & 0xFFFF) | (version.dwMajorVersion << 16);
  info->buildNumber = version.dwBuildNumber;

  plat::MEMORYSTATUS memory{};
  plat::GlobalMemoryStatus(&memory);
  info->totalMemory = memory.dwTotalPhys > 0xFFFFFFFFull
                          ? 0xFFFFFFFFu
                          : static_cast<std::uint32_t>(memory.dwTotalPhys);

  info->screenWidth = static_cast<std::int16_t>(plat::GetSystemMetrics(plat::SM_CXSCREEN));
  info->screenHeight = static_cast<std::int16_t>(plat::GetSystemMetrics(plat::SM_CYSCREEN));
}
