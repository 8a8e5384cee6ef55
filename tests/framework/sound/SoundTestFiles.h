// Files the sound tests write: pictures, hit maps and waves in a folder of
// this test process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "artwork/BitmapWriter.h"
#include "platform/include/plat/types.h"

namespace soundtest {

// A path in the process's own temporary folder.
std::string TempPath(const std::string& name);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// An image whose pixel (x, y) is (x + 16 y) mod 256 and whose colour i is
// (i, 255 - i, i / 2).
artwork::IndexedImage PatternImage(int width, int height);
// Every byte through the picture file's scramble.
std::vector<std::uint8_t> Scrambled(std::vector<std::uint8_t> plain);

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);
void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

// A whole RIFF wave file of a few samples.
std::vector<std::uint8_t> SmallWave(int samples);

// A shown pop-up window of the given client size (after headless::Reset).
plat::HWND MakeTestWindow(int width, int height);

}  // namespace soundtest
