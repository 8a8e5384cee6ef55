// Wave sounds and the MIDI sequencer. They run with SDL's dummy device
// and again with no device at all (silent); both must behave alike.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/desktop/SoundFiles.h"
#include "tests/desktop/TestSupport.h"
#include "tests/support/TempFolder.h"
#include "platform/include/plat/plat.h"

using namespace plat;
using desktop_test::CRecordingClass;
using desktop_test::PumpUntil;

namespace {

struct SoundTest : testing::Test {
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    hwnd = windows.Create(WS_POPUP, 0, 0, 10, 10);
    ASSERT_NE(hwnd, nullptr);
  }
  void TearDown() override {
    PlaySound(nullptr, 0);
    DestroyWindow(hwnd);
  }
  std::string Write(const char* name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder.Path() + "/" + name;
    EXPECT_TRUE(desktop_test::WriteFile(path, bytes));
    return path;
  }
  MCIDEVICEID Open(const std::string& file) {
    MCI_OPEN_PARMS open{};
    open.lpstrDeviceType = "sequencer";
    open.lpstrElementName = file.c_str();
    EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT, &open), 0u);
    return open.wDeviceID;
  }
  DWORD Status(MCIDEVICEID id, DWORD item) {
    MCI_STATUS_PARMS s{};
    s.dwItem = item;
    EXPECT_EQ(mciSendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &s), 0u);
    return s.dwReturn;
  }
  // The MM_MCINOTIFY codes that reached the window for a device, in order.
  std::vector<WPARAM> Notifications(MCIDEVICEID id) const {
    std::vector<WPARAM> codes;
    for (const auto& r : windows.log) {
      if (r.msg == MM_MCINOTIFY && r.lParam == static_cast<LPARAM>(id)) codes.push_back(r.wParam);
    }
    return codes;
  }
  CRecordingClass windows{"SoundTestWindow"};
  HWND hwnd = nullptr;
  TempFolder folder;
};

TEST_F(SoundTest, WavesPlayFromMemoryOrByNameAndBadOnesAreRefused) {
  const std::vector<std::uint8_t> wave = desktop_test::MakeWave(150, 440);
  EXPECT_TRUE(PlaySound(wave.data(), SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
  EXPECT_TRUE(PlaySound(wave.data(), SND_MEMORY | SND_SYNC));
  EXPECT_TRUE(PlaySound(wave.data(), SND_MEMORY | SND_ASYNC | SND_LOOP));
  EXPECT_TRUE(PlaySound(nullptr, 0));
  EXPECT_TRUE(PlaySound(wave.data(), SND_PURGE));
  Write("Chips.wav", wave);
  // Names as the programs write them: another case, the other separator.
  const std::string name = folder.Path() + "\\chips.WAV";
  EXPECT_TRUE(PlaySound(name.c_str(), SND_FILENAME | SND_ASYNC));
  EXPECT_FALSE(PlaySound((folder.Path() + "/missing.wav").c_str(), SND_FILENAME | SND_ASYNC));
  std::vector<std::uint8_t> bad = wave;
  std::memcpy(bad.data(), "RIFX", 4);
  EXPECT_FALSE(PlaySound(bad.data(), SND_MEMORY | SND_ASYNC));
  std::vector<std::uint8_t> notWave = wave;
  std::memcpy(notWave.data() + 20, "\x55\x55", 2);  // an unknown sample format
  EXPECT_FALSE(PlaySound(notWave.data(), SND_MEMORY | SND_SYNC));
  Write("text.wav", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'});
  EXPECT_FALSE(PlaySound((folder.Path() + "/text.wav").c_str(), SND_FILENAME | SND_SYNC));
}

TEST_F(SoundTest, ThePieceLengthComesFromItsTempo) {
  // Three quarter notes at 120 a minute: 1.5 s; at twice the tempo, 0.75 s.
  const MCIDEVICEID slow = Open(Write("slow.mid", desktop_test::MakeMidi({60, 62, 64}, 480, 0)));
  const MCIDEVICEID fast = Open(Write("fast.mid", desktop_test::MakeMidi({60, 62, 64}, 480, 250000)));
  ASSERT_NE(slow, 0u);
  ASSERT_NE(fast, 0u);
  EXPECT_NE(slow, fast);
  EXPECT_EQ(Status(slow, MCI_STATUS_LENGTH), 1500u);
  EXPECT_EQ(Status(fast, MCI_STATUS_LENGTH), 750u);
  EXPECT_EQ(Status(slow, MCI_STATUS_MODE), MCI_MODE_STOP);
  EXPECT_EQ(Status(slow, MCI_STATUS_POSITION), 0u);
  EXPECT_EQ(mciSendCommand(slow, MCI_CLOSE, 0, nullptr), 0u);
  EXPECT_EQ(mciSendCommand(fast, MCI_CLOSE, 0, nullptr), 0u);
  EXPECT_EQ(mciSendCommand(slow, MCI_STATUS, MCI_STATUS_ITEM, nullptr), MCIERR_INVALID_DEVICE_ID);
}

TEST_F(SoundTest, APieceThatEndsNotifiesTheWindow) {
  const MCIDEVICEID id = Open(Write("tune.mid", desktop_test::MakeMidi({60, 64}, 240, 0)));
  MCI_PLAY_PARMS play{};
  play.dwCallback = hwnd;
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &play), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PLAY);
  ASSERT_TRUE(PumpUntil([&] { return !Notifications(id).empty(); }));
  EXPECT_EQ(Notifications(id), std::vector<WPARAM>{MCI_NOTIFY_SUCCESSFUL});
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), Status(id, MCI_STATUS_LENGTH));
  // Played again from the start, as the music loop does.
  play.dwFrom = 0;
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &play), 0u);
  EXPECT_LT(Status(id, MCI_STATUS_POSITION), 500u);
  ASSERT_TRUE(PumpUntil([&] { return Notifications(id).size() == 2; }));
  mciSendCommand(id, MCI_CLOSE, 0, nullptr);
}

TEST_F(SoundTest, PauseHoldsThePositionAndResumePlaysOn) {
  const MCIDEVICEID id = Open(Write("long.mid", desktop_test::MakeMidi({60, 62, 64, 65}, 480, 0)));
  MCI_PLAY_PARMS play{};
  play.dwCallback = hwnd;
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &play), 0u);
  MCI_GENERIC_PARMS generic{hwnd};
  ASSERT_EQ(mciSendCommand(id, MCI_PAUSE, 0, &generic), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PAUSE);
  const DWORD held = Status(id, MCI_STATUS_POSITION);
  Sleep(30);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), held);
  // The interrupted play says so, and the window may tell it from an end.
  ASSERT_TRUE(PumpUntil([&] { return !Notifications(id).empty(); }));
  EXPECT_EQ(Notifications(id), std::vector<WPARAM>{MCI_NOTIFY_ABORTED});
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &play), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PLAY);
  EXPECT_GE(Status(id, MCI_STATUS_POSITION), held);
  ASSERT_TRUE(PumpUntil([&] { return Notifications(id).size() == 2; }));
  EXPECT_EQ(Notifications(id).back(), MCI_NOTIFY_SUCCESSFUL);
  MCI_SEEK_PARMS seek{};
  ASSERT_EQ(mciSendCommand(id, MCI_SEEK, MCI_SEEK_TO_START, &seek), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 0u);
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, 0, &play), 0u);
  ASSERT_EQ(mciSendCommand(id, MCI_STOP, 0, &generic), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  ASSERT_EQ(mciSendCommand(id, MCI_RESUME, 0, &generic), 0u);  // nothing to resume
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  mciSendCommand(id, MCI_CLOSE, 0, nullptr);
}

TEST_F(SoundTest, TheSequencerAnswersErrorsWithTexts) {
  MCI_OPEN_PARMS open{};
  open.lpstrDeviceType = "sequencer";
  const std::string missing = folder.Path() + "/missing.mid";
  open.lpstrElementName = missing.c_str();
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open), MCIERR_FILE_NOT_FOUND);
  const std::string text = Write("text.mid", {'n', 'o', 't', ' ', 'm', 'i', 'd', 'i'});
  open.lpstrElementName = text.c_str();
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open), MCIERR_INVALID_FILE);
  open.lpstrDeviceType = "waveaudio";
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open), MCIERR_INVALID_DEVICE_NAME);
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE, &open), MCIERR_MISSING_PARAMETER);
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT, nullptr), MCIERR_MISSING_PARAMETER);
  EXPECT_EQ(mciSendCommand(77, MCI_PLAY, 0, nullptr), MCIERR_INVALID_DEVICE_ID);
  const MCIDEVICEID id = Open(Write("ok.mid", desktop_test::MakeMidi({60}, 480, 0)));
  EXPECT_EQ(mciSendCommand(id, 0x0999, 0, nullptr), MCIERR_UNRECOGNIZED_COMMAND);
  MCI_STATUS_PARMS status{};
  EXPECT_EQ(mciSendCommand(id, MCI_STATUS, 0, &status), MCIERR_MISSING_PARAMETER);
  mciSendCommand(id, MCI_CLOSE, 0, nullptr);
  char buffer[200];
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, buffer, sizeof buffer));
  EXPECT_GT(std::strlen(buffer), 5u);
  char small[5];
  EXPECT_TRUE(mciGetErrorString(MCIERR_INVALID_FILE, small, sizeof small));
  EXPECT_EQ(std::strlen(small), 4u);
  EXPECT_FALSE(mciGetErrorString(12345, buffer, sizeof buffer));
}

}  // namespace
