#include "tests/framework/sound/SoundTestFiles.h"

#include "platform/include/plat/plat.h"
#include "tests/support/TempFolder.h"

namespace soundtest {

namespace {

// One folder for the whole process, removed as the process ends.
const TempFolder& ProcessFolder() {
  static const TempFolder folder;
  return folder;
}

}  // namespace

std::string TempPath(const std::string& name) { return ProcessFolder().Path() + "/" + name; }

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

artwork::IndexedImage PatternImage(int width, int height) {
  artwork::IndexedImage image;
  image.Resize(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.At(x, y) = static_cast<std::uint8_t>(x + 16 * y);
  }
  for (int i = 0; i < 256; ++i) {
    image.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                        static_cast<std::uint8_t>(i / 2)};
  }
  return image;
}

std::vector<std::uint8_t> Scrambled(std::vector<std::uint8_t> plain) {
  for (std::uint8_t& b : plain) b = artwork::ScrambleByte(b);
  return plain;
}

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value & 0xFFFF);
  Put16(bytes, at + 2, value >> 16);
}

std::vector<std::uint8_t> SmallWave(int samples) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples);
  std::vector<std::uint8_t> w(44 + dataBytes, 0x80);
  const char* tags[] = {"RIFF", "WAVE", "fmt ", "data"};
  const std::size_t at[] = {0, 8, 12, 36};
  for (int i = 0; i < 4; ++i) {
    for (int c = 0; c < 4; ++c) w[at[i] + c] = static_cast<std::uint8_t>(tags[i][c]);
  }
  Put32(w, 4, 36 + dataBytes);
  Put32(w, 16, 16);
  Put16(w, 20, 1);      // PCM
  Put16(w, 22, 1);      // mono
  Put32(w, 24, 8000);   // samples per second
  Put32(w, 28, 8000);   // bytes per second
  Put16(w, 32, 1);      // block align
  Put16(w, 34, 8);      // bits per sample
  Put32(w, 40, dataBytes);
  return w;
}

plat::HWND MakeTestWindow(int width, int height) {
  plat::WNDCLASS wc = {};
  wc.style = plat::CS_OWNDC;
  wc.lpfnWndProc = plat::DefWindowProc;
  wc.lpszClassName = "SoundTestWindow";
  plat::RegisterClass(&wc);  // 0 when this process has it already
  return plat::CreateWindow("SoundTestWindow", "sound test", plat::WS_POPUP | plat::WS_VISIBLE, 0,
                            0, width, height, nullptr, 0, nullptr, nullptr);
}

}  // namespace soundtest
