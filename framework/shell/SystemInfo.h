// What the program learns about the machine once at start.
#pragma once

#include <cstdint>

struct SystemInfo {
  std::uint32_t processor;     // level in the low half, revision in the high half
  std::uint32_t totalMemory;   // bytes, capped at 0xFFFFFFFF
  std::uint32_t platformId;    // 0 Win32s, 1 Windows 95 family, 2 NT
  std::uint32_t version;       // minor in the low half, major in the high half
  std::uint32_t buildNumber;
  std::int16_t screenWidth;
  std::int16_t screenHeight;
  std::uint16_t bitsPerPixel;  // of the display
};

// Fills info from the display's depth, the processor, the version, the
// memory status and the screen size.
void ReadSystemInfo(SystemInfo* info);
