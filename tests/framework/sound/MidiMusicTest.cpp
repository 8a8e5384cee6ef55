// CMidiMusic against the headless sequencer: looping on the end-of-piece
// notification, pausing, and repairing a device that stopped.
#include <gtest/gtest.h>

#include <string>

#include "framework/sound/MidiMusic.h"
#include "tests/framework/sound/SoundTestFiles.h"
#include "platform/include/plat/plat.h"
#include "platform/include/plat/headless.h"

namespace {

using plat::headless::SoundRecord;

class MidiMusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    plat::headless::SetMidiLength(5000);
    window = soundtest::MakeTestWindow(64, 64);
    ASSERT_NE(window, nullptr);
    tune = soundtest::TempPath("travel.mid");
    // A header and one empty track.
    soundtest::WriteBytes(tune, {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 0x60,
                                 'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0});
  }
  void TearDown() override { music.Close(); }

  // The device of the next MM_MCINOTIFY in the queue (its code through
  // code), 0 when none waits.
  plat::MCIDEVICEID NextNotification(plat::WPARAM* code = nullptr) {
    plat::MSG msg;
    while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) {
      if (msg.message == plat::MM_MCINOTIFY) {
        EXPECT_EQ(msg.hwnd, window);
        if (code) {
          *code = msg.wParam;
        } else {
          EXPECT_EQ(msg.wParam, plat::MCI_NOTIFY_SUCCESSFUL);
        }
        return static_cast<plat::MCIDEVICEID>(msg.lParam);
      }
    }
    return 0;
  }
  int Count(SoundRecord::Kind kind) const {
    int n = 0;
    for (const SoundRecord& s : plat::headless::Sounds()) n += s.kind == kind ? 1 : 0;
    return n;
  }
  plat::DWORD DeviceMode() {
    plat::MCI_STATUS_PARMS status = {};
    status.dwItem = plat::MCI_STATUS_MODE;
    EXPECT_EQ(plat::mciSendCommand(music.DeviceId(), plat::MCI_STATUS,
                                   plat::MCI_STATUS_ITEM | plat::MCI_WAIT, &status),
              0u);
    return status.dwReturn;
  }

  CMidiMusic music;
  plat::HWND window = nullptr;
  std::string tune;
};

}  // namespace

TEST_F(MidiMusicTest, PlayOpensStartsAndReadsTheLength) {
  EXPECT_EQ(music.IsStopped(), 1);
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  EXPECT_NE(music.DeviceId(), 0u);
  EXPECT_EQ(music.IsStopped(), 0);
  EXPECT_EQ(music.IsPaused(), 0);
  EXPECT_EQ(music.Length(), 5000u);
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PLAY);
  EXPECT_EQ(Count(SoundRecord::MIDI_OPEN), 1);
  EXPECT_EQ(Count(SoundRecord::MIDI_PLAY), 1);
}

TEST_F(MidiMusicTest, EndOfThePieceLoopsItThroughTheNotification) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  for (int loop = 0; loop < 3; ++loop) {
    plat::headless::ClearSounds();
    plat::headless::EndMidiPiece();
    const plat::MCIDEVICEID device = NextNotification();
    ASSERT_EQ(device, music.DeviceId()) << loop;
    EXPECT_EQ(music.OnNotify(window, device), 1);
    EXPECT_EQ(Count(SoundRecord::MIDI_PLAY), 1) << loop;
    EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PLAY) << loop;
  }
  EXPECT_EQ(Count(SoundRecord::MIDI_OPEN), 0);
}

TEST_F(MidiMusicTest, PieceThatRunsOutNotifiesAsTheClockPasses) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  plat::headless::AdvanceClock(4999);
  EXPECT_EQ(NextNotification(), 0u);
  plat::headless::AdvanceClock(2);
  const plat::MCIDEVICEID device = NextNotification();
  ASSERT_EQ(device, music.DeviceId());
  EXPECT_EQ(music.OnNotify(window, device), 1);
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PLAY);
}

TEST_F(MidiMusicTest, NotificationOfAnotherDeviceIsIgnored) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  plat::headless::ClearSounds();
  EXPECT_EQ(music.OnNotify(window, music.DeviceId() + 7), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
}

TEST_F(MidiMusicTest, NotificationWhilePausedDoesNotRestart) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  ASSERT_EQ(music.Pause(window, 1), 1);
  plat::headless::ClearSounds();
  EXPECT_EQ(music.OnNotify(window, music.DeviceId()), 1);
  EXPECT_EQ(Count(SoundRecord::MIDI_PLAY), 0);
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PAUSE);
}

TEST_F(MidiMusicTest, NotificationOfAPauseArrivingAfterTheResumeDoesNotRestart) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  ASSERT_EQ(music.Pause(window, 1), 1);
  ASSERT_EQ(music.Pause(window, 0), 1);
  plat::headless::ClearSounds();
  plat::WPARAM code = 0;
  const plat::MCIDEVICEID device = NextNotification(&code);
  ASSERT_EQ(device, music.DeviceId());
  EXPECT_NE(code, plat::MCI_NOTIFY_SUCCESSFUL);
  EXPECT_EQ(music.OnNotify(window, device), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PLAY);
}

TEST_F(MidiMusicTest, TogglingTwicePausesAndResumes) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  plat::headless::ClearSounds();
  ASSERT_EQ(music.Pause(window, -1), 1);
  EXPECT_EQ(music.IsPaused(), 1);
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PAUSE);
  EXPECT_EQ(Count(SoundRecord::MIDI_PAUSE), 1);
  ASSERT_EQ(music.Pause(window, -1), 1);
  EXPECT_EQ(music.IsPaused(), 0);
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PLAY);
  // Resuming a playing device or pausing a paused one does nothing.
  plat::headless::ClearSounds();
  EXPECT_EQ(music.Pause(window, 0), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
}

TEST_F(MidiMusicTest, WithoutADeviceNothingHappens) {
  EXPECT_EQ(music.Pause(window, -1), 1);
  EXPECT_EQ(music.KeepPlaying(window, tune.c_str()), 1);
  EXPECT_EQ(music.OnNotify(window, 1), 1);
  EXPECT_EQ(music.Close(), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
  EXPECT_EQ(music.IsPaused(), 0);
}

TEST_F(MidiMusicTest, KeepPlayingLeavesPlayingMusicAlone) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  plat::headless::AdvanceClock(1000);
  plat::headless::ClearSounds();
  EXPECT_EQ(music.KeepPlaying(window, tune.c_str()), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
}

TEST_F(MidiMusicTest, KeepPlayingRestartsADeviceThatStoppedSilently) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  plat::headless::StopMidiSilently();
  plat::headless::ClearSounds();
  EXPECT_EQ(music.KeepPlaying(window, tune.c_str()), 1);
  EXPECT_EQ(Count(SoundRecord::MIDI_CLOSE), 1);
  EXPECT_EQ(Count(SoundRecord::MIDI_OPEN), 1);
  EXPECT_EQ(Count(SoundRecord::MIDI_PLAY), 1);
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PLAY);
  EXPECT_EQ(music.IsStopped(), 0);
}

TEST_F(MidiMusicTest, KeepPlayingLeavesPausedMusicPaused) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  ASSERT_EQ(music.Pause(window, 1), 1);
  plat::headless::ClearSounds();
  EXPECT_EQ(music.KeepPlaying(window, tune.c_str()), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
  EXPECT_EQ(DeviceMode(), plat::MCI_MODE_PAUSE);
}

TEST_F(MidiMusicTest, ClosedMusicStaysOff) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  ASSERT_EQ(music.Close(), 1);
  EXPECT_EQ(music.DeviceId(), 0u);
  EXPECT_EQ(music.IsStopped(), 1);
  plat::headless::ClearSounds();
  EXPECT_EQ(music.KeepPlaying(window, tune.c_str()), 1);
  EXPECT_TRUE(plat::headless::Sounds().empty());
}

TEST_F(MidiMusicTest, PlayingAgainClosesTheDeviceThatPlays) {
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  const plat::MCIDEVICEID first = music.DeviceId();
  ASSERT_EQ(music.Play(window, tune.c_str()), 1);
  EXPECT_EQ(Count(SoundRecord::MIDI_CLOSE), 1);
  plat::MCI_STATUS_PARMS status = {};
  status.dwItem = plat::MCI_STATUS_MODE;
  if (first != music.DeviceId()) {
    EXPECT_NE(plat::mciSendCommand(first, plat::MCI_STATUS, plat::MCI_STATUS_ITEM, &status), 0u);
  }
}

TEST_F(MidiMusicTest, MissingFileKeepsItsErrorForErrorText) {
  const std::string missing = soundtest::TempPath("nothing.mid");
  EXPECT_EQ(music.Play(window, missing.c_str()), 0);
  EXPECT_EQ(music.DeviceId(), 0u);
  EXPECT_EQ(music.IsStopped(), 1);
  plat::MCIERROR code = 0;
  const char* text = music.ErrorText(&code);
  EXPECT_EQ(code, plat::MCIERR_FILE_NOT_FOUND);
  ASSERT_NE(text, nullptr);
  EXPECT_GT(std::string(text).size(), 0u);
  EXPECT_STREQ(music.ErrorText(nullptr), text);
}
