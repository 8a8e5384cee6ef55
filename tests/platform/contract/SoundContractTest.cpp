// Wave sounds, the MIDI sequencer, the multimedia timer and the clocks. The
// shared tests run on each device (the desktop ones once more with no sound
// output at all); the sound log and the virtual clock are the headless
// device's, piece lengths read from the file the desktop device's.
#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/TempFolder.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
#endif

namespace {

using namespace plat;
using contract::PumpUntil;

class Sound : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    ASSERT_FALSE(folder.Path().empty());
    hwnd = MakeWindow(10, 10);
    ASSERT_NE(hwnd, nullptr);
#if PLAT_CONTRACT_HEADLESS
    headless::SetMidiLength(1000);  // the desktop device reads the test pieces' lengths, about this
#endif
  }
  void TearDown() override {
    PlaySound(nullptr, 0);
    Contract::TearDown();
  }
  std::string Write(const char* name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder.Path() + "/" + name;
    EXPECT_TRUE(test_sound::WriteFile(path, bytes));
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
    for (const auto& r : log) {
      if (r.msg == MM_MCINOTIFY && r.lParam == static_cast<LPARAM>(id)) codes.push_back(r.wParam);
    }
    return codes;
  }
  TempFolder folder;
  HWND hwnd = nullptr;
};

TEST_F(Sound, ErrorTextsFitTheBufferAndUnknownCodesHaveNone) {
  char text[200];
  for (MCIERROR e : {MCIERROR{0}, MCIERR_INVALID_DEVICE_ID, MCIERR_UNRECOGNIZED_COMMAND, MCIERR_HARDWARE,
                     MCIERR_INVALID_DEVICE_NAME, MCIERR_MISSING_PARAMETER, MCIERR_FILE_NOT_FOUND,
                     MCIERR_INVALID_FILE}) {
    EXPECT_TRUE(mciGetErrorString(e, text, sizeof text)) << e;
    EXPECT_GT(std::strlen(text), 10u) << e;
  }
  char small[6];
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, small, sizeof small));
  EXPECT_EQ(std::strlen(small), 5u);
  EXPECT_FALSE(mciGetErrorString(12345, text, sizeof text));
  EXPECT_STREQ(text, "");
  EXPECT_FALSE(mciGetErrorString(0, nullptr, 10));
}

TEST_F(Sound, WavesPlayFromMemoryOrByNameAndBadOnesAreRefused) {
  const std::vector<std::uint8_t> wave = test_sound::MakeWave(150, 440);
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

TEST_F(Sound, APieceThatEndsNotifiesTheWindow) {
  const MCIDEVICEID id = Open(Write("tune.mid", test_sound::MakeMidi({60, 64}, 240, 0)));
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

TEST_F(Sound, PauseHoldsThePositionAndResumePlaysOn) {
  const MCIDEVICEID id = Open(Write("long.mid", test_sound::MakeMidi({60, 62, 64, 65}, 480, 0)));
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

TEST_F(Sound, ResumeWithNotifyReportsTheEnd) {
  const MCIDEVICEID id = Open(Write("resume.mid", test_sound::MakeMidi({60, 62}, 240, 0)));
  MCI_PLAY_PARMS play{};
  play.dwCallback = hwnd;
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, 0, &play), 0u);
  ASSERT_EQ(mciSendCommand(id, MCI_PAUSE, 0, nullptr), 0u);
  MCI_GENERIC_PARMS generic{hwnd};
  ASSERT_EQ(mciSendCommand(id, MCI_RESUME, MCI_NOTIFY, &generic), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PLAY);
  ASSERT_TRUE(PumpUntil([&] { return !Notifications(id).empty(); }));
  EXPECT_EQ(Notifications(id), std::vector<WPARAM>{MCI_NOTIFY_SUCCESSFUL});
  mciSendCommand(id, MCI_CLOSE, 0, nullptr);
}

TEST_F(Sound, EachPendingNotificationIsAnsweredOnce) {
  const MCIDEVICEID id = Open(Write("again.mid", test_sound::MakeMidi({60, 62, 64, 65}, 480, 0)));
  MCI_PLAY_PARMS play{};
  play.dwCallback = hwnd;
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &play), 0u);
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &play), 0u);  // a new one replaces it
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_FROM, &play), 0u);  // that play will not end as asked
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &play), 0u);
  ASSERT_EQ(mciSendCommand(id, MCI_CLOSE, 0, nullptr), 0u);  // nor will this one
  ASSERT_TRUE(PumpUntil([&] { return Notifications(id).size() == 3; }));
  EXPECT_EQ(Notifications(id),
            (std::vector<WPARAM>{MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_ABORTED, MCI_NOTIFY_ABORTED}));
  // Out of the piece's range: refused, and the device stays as it was.
  const MCIDEVICEID other = Open(Write("range.mid", test_sound::MakeMidi({60}, 480, 0)));
  play.dwFrom = Status(other, MCI_STATUS_LENGTH) + 1;
  EXPECT_NE(mciSendCommand(other, MCI_PLAY, MCI_FROM, &play), 0u);
  EXPECT_EQ(Status(other, MCI_STATUS_MODE), MCI_MODE_STOP);
  mciSendCommand(other, MCI_CLOSE, 0, nullptr);
}

TEST_F(Sound, TheSequencerAnswersErrorsWithTexts) {
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
  const MCIDEVICEID id = Open(Write("ok.mid", test_sound::MakeMidi({60}, 480, 0)));
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

TEST_F(Sound, MidiErrorsAndTheirTexts) {
  MCI_OPEN_PARMS op{nullptr, 0, "sequencer", "/nonexistent/x.mid"};
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &op), MCIERR_FILE_NOT_FOUND);
  const std::string path = Write("travel.mid", test_sound::MakeMidi({60}, 480, 0));
  op = MCI_OPEN_PARMS{nullptr, 0, "waveaudio", path.c_str()};
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &op), MCIERR_INVALID_DEVICE_NAME);
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, 0, nullptr), MCIERR_MISSING_PARAMETER);
  EXPECT_EQ(mciSendCommand(77, MCI_PLAY, 0, nullptr), MCIERR_INVALID_DEVICE_ID);
  const MCIDEVICEID id = Open(path);
  EXPECT_EQ(mciSendCommand(id, MCI_STATUS, 0, nullptr), MCIERR_MISSING_PARAMETER);
  EXPECT_EQ(mciSendCommand(id, 0x9999, 0, nullptr), MCIERR_UNRECOGNIZED_COMMAND);
  char text[200];
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, text, sizeof text));
  EXPECT_GT(std::strlen(text), 10u);
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, text, 6));
  EXPECT_EQ(std::strlen(text), 5u);
  EXPECT_FALSE(mciGetErrorString(12345, text, sizeof text));
  mciSendCommand(id, MCI_CLOSE, 0, nullptr);
}

void CountTick(UINT, UINT, std::uintptr_t user, std::uintptr_t, std::uintptr_t) {
  ++*reinterpret_cast<std::atomic<int>*>(user);
}

TEST_F(Sound, PeriodicTimerEventsRunUntilKilled) {
  TIMECAPS caps{};
  ASSERT_EQ(timeGetDevCaps(&caps, sizeof caps), TIMERR_NOERROR);
  EXPECT_LE(caps.wPeriodMin, 1u);
  EXPECT_GE(caps.wPeriodMax, 1000u);
  EXPECT_EQ(timeGetDevCaps(&caps, 1), TIMERR_NOCANDO);
  EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), TIMERR_NOERROR);
  EXPECT_EQ(timeBeginPeriod(0), TIMERR_NOCANDO);
  std::atomic<int> count{0};
  const UINT timer = timeSetEvent(5, 1, CountTick, reinterpret_cast<std::uintptr_t>(&count),
                                  TIME_PERIODIC);
  ASSERT_NE(timer, 0u);
  const DWORD start = timeGetTime();
  while (count < 5 && timeGetTime() - start < 10000) Sleep(1);
  EXPECT_GE(count.load(), 5);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOERROR);
  const int after = count.load();
  Sleep(30);
  EXPECT_EQ(count.load(), after);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOCANDO);
  EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOERROR);
  EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOCANDO);  // each end matches a begin
  EXPECT_EQ(timeSetEvent(5, 1, nullptr, 0, TIME_PERIODIC), 0u);
  EXPECT_EQ(timeSetEvent(0, 1, CountTick, reinterpret_cast<std::uintptr_t>(&count), TIME_PERIODIC), 0u);
}

TEST_F(Sound, AOneShotTimerFiresOnce) {
  std::atomic<int> count{0};
  const UINT timer = timeSetEvent(5, 1, CountTick, reinterpret_cast<std::uintptr_t>(&count),
                                  TIME_ONESHOT);
  ASSERT_NE(timer, 0u);
  const DWORD start = timeGetTime();
  while (count < 1 && timeGetTime() - start < 10000) Sleep(1);
  Sleep(30);
  EXPECT_EQ(count.load(), 1);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOCANDO);  // it ended when it fired
}

TEST_F(Sound, MillisecondsMoveWithSleepAndCalendarTimeIsNow) {
  const DWORD a = timeGetTime();
  Sleep(20);
  const DWORD b = timeGetTime();
  EXPECT_GE(static_cast<DWORD>(b - a), 20u);
  EXPECT_LE(static_cast<DWORD>(GetTickCount() - b), 1000u);
  EXPECT_GT(GetCalendarTime(), 1600000000);  // after September 2020
}

#if PLAT_CONTRACT_HEADLESS

using Rec = headless::SoundRecord;

// A wave file of ms milliseconds of 8-bit mono at 8000 bytes per second.
std::vector<std::uint8_t> Wave(int ms) {
  const std::uint32_t data = static_cast<std::uint32_t>(ms) * 8;
  std::vector<std::uint8_t> w(44 + data, 0x80);
  auto put32 = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) w[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  std::memcpy(&w[0], "RIFF", 4);
  put32(4, 36 + data);
  std::memcpy(&w[8], "WAVEfmt ", 8);
  put32(16, 16);
  w[20] = 1, w[21] = 0, w[22] = 1, w[23] = 0;  // PCM, mono
  put32(24, 8000);
  put32(28, 8000);
  w[32] = 1, w[33] = 0, w[34] = 8, w[35] = 0;
  std::memcpy(&w[36], "data", 4);
  put32(40, data);
  return w;
}

std::vector<MSG> QueuedNotifications() {
  std::vector<MSG> out;
  MSG m;
  while (PeekMessage(&m, nullptr, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) out.push_back(m);
  return out;
}

TEST_F(Sound, WavesFromFilesAndMemoryAreLoggedHeadless) {
  const std::string button = Write("button.wav", Wave(250));
  Write("noise.wav", {'n', 'o', 'i', 's', 'e'});
  const std::string missing = folder.Path() + "/missing.wav";
  const DWORD start = timeGetTime();
  const std::vector<std::uint8_t> mem = Wave(100);
  EXPECT_TRUE(PlaySound(button.c_str(), SND_ASYNC | SND_NODEFAULT));
  EXPECT_EQ(timeGetTime() - start, 0u);  // asynchronous: at once
  EXPECT_TRUE(PlaySound(mem.data(), SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
  EXPECT_TRUE(PlaySound((folder.Path() + "/BUTTON.WAV").c_str(), SND_SYNC | SND_FILENAME));
  EXPECT_EQ(timeGetTime() - start, 250u);  // synchronous: returns when the sound has ended
  EXPECT_TRUE(PlaySound(nullptr, SND_PURGE));
  EXPECT_FALSE(PlaySound(missing.c_str(), SND_SYNC));
  EXPECT_FALSE(PlaySound((folder.Path() + "/noise.wav").c_str(), SND_ASYNC));
  EXPECT_EQ(timeGetTime() - start, 250u);
  const auto& log = headless::Sounds();
  ASSERT_EQ(log.size(), 6u);  // the refused ones are logged as asked for
  EXPECT_EQ(log[4].name, missing);
  EXPECT_EQ(log[0].kind, Rec::WAVE);
  EXPECT_EQ(log[0].name, button);
  EXPECT_EQ(log[1].name, "<memory>");
  EXPECT_EQ(log[1].bytes, mem.size());
  EXPECT_EQ(log[1].flags, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  EXPECT_EQ(log[3].kind, Rec::WAVE_STOP);
  headless::ClearSounds();
  EXPECT_TRUE(headless::Sounds().empty());
}

TEST_F(Sound, MidiPlaysOnTheClockAndNotifiesAtTheEndHeadless) {
  const std::string travel = Write("travel.mid", test_sound::MakeMidi({60}, 480, 0));
  headless::SetIdleAdvance(0);  // looking for notifications must not move the clock
  headless::SetMidiLength(5000);
  const MCIDEVICEID id = Open(travel);
  ASSERT_NE(id, 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_LENGTH), 5000u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  const DWORD start = timeGetTime();
  MCI_PLAY_PARMS pp{hwnd, 0, 0};
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &pp), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PLAY);
  headless::AdvanceClock(1200);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 1200u);
  // Paused, the position stands still and the notification is aborted.
  ASSERT_EQ(mciSendCommand(id, MCI_PAUSE, 0, nullptr), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PAUSE);
  headless::AdvanceClock(10000);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 1200u);
  auto n = QueuedNotifications();
  ASSERT_EQ(n.size(), 1u);
  EXPECT_EQ(n[0].wParam, MCI_NOTIFY_ABORTED);
  MCI_GENERIC_PARMS gp{hwnd};
  ASSERT_EQ(mciSendCommand(id, MCI_RESUME, MCI_NOTIFY, &gp), 0u);
  headless::AdvanceClock(3799);
  EXPECT_TRUE(QueuedNotifications().empty());
  headless::AdvanceClock(1);
  n = QueuedNotifications();
  ASSERT_EQ(n.size(), 1u);
  EXPECT_EQ(n[0].hwnd, hwnd);
  EXPECT_EQ(n[0].wParam, MCI_NOTIFY_SUCCESSFUL);
  EXPECT_EQ(static_cast<MCIDEVICEID>(n[0].lParam), id);
  EXPECT_EQ(n[0].time - start, 15000u);  // posted at the moment the piece ended
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 5000u);

  // Played again from the start: superseded by a second play, then ended by the test.
  pp.dwFrom = 0;
  mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &pp);
  mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &pp);
  headless::EndMidiPiece();
  n = QueuedNotifications();
  ASSERT_EQ(n.size(), 2u);
  EXPECT_EQ(n[0].wParam, MCI_NOTIFY_SUPERSEDED);
  EXPECT_EQ(n[1].wParam, MCI_NOTIFY_SUCCESSFUL);

  // A failed device stops without a word.
  mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &pp);
  headless::StopMidiSilently();
  headless::AdvanceClock(6000);
  EXPECT_TRUE(QueuedNotifications().empty());
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);

  MCI_SEEK_PARMS sp{nullptr, 0};
  EXPECT_EQ(mciSendCommand(id, MCI_SEEK, MCI_SEEK_TO_START, &sp), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 0u);
  EXPECT_EQ(mciSendCommand(id, MCI_CLOSE, 0, nullptr), 0u);
  EXPECT_EQ(mciSendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &sp), MCIERR_INVALID_DEVICE_ID);

  std::vector<Rec::Kind> kinds;
  for (const Rec& r : headless::Sounds()) kinds.push_back(r.kind);
  EXPECT_EQ(kinds, (std::vector<Rec::Kind>{Rec::MIDI_OPEN, Rec::MIDI_PLAY, Rec::MIDI_PAUSE, Rec::MIDI_RESUME,
                                           Rec::MIDI_PLAY, Rec::MIDI_PLAY, Rec::MIDI_PLAY, Rec::MIDI_SEEK,
                                           Rec::MIDI_CLOSE}));
  EXPECT_EQ(headless::Sounds()[0].name, travel);
}

void CALLBACK_Count(UINT, UINT, std::uintptr_t user, std::uintptr_t, std::uintptr_t) {
  reinterpret_cast<std::vector<DWORD>*>(user)->push_back(timeGetTime());
}

TEST_F(Sound, MultimediaTimerFiresAsTheClockMovesHeadless) {
  TIMECAPS caps{};
  ASSERT_EQ(timeGetDevCaps(&caps, sizeof caps), TIMERR_NOERROR);
  EXPECT_EQ(caps.wPeriodMin, 1u);
  EXPECT_EQ(timeBeginPeriod(20), TIMERR_NOERROR);
  std::vector<DWORD> fired, once;
  const UINT id = timeSetEvent(20, 20, CALLBACK_Count, reinterpret_cast<std::uintptr_t>(&fired), TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  timeSetEvent(30, 1, CALLBACK_Count, reinterpret_cast<std::uintptr_t>(&once), TIME_ONESHOT);
  headless::AdvanceClock(19);
  EXPECT_TRUE(fired.empty());
  headless::AdvanceClock(51);
  EXPECT_EQ(fired, (std::vector<DWORD>{20, 40, 60}));
  EXPECT_EQ(once, (std::vector<DWORD>{30}));
  Sleep(20);  // sleeping moves the clock too
  EXPECT_EQ(fired.back(), 80u);
  EXPECT_EQ(timeKillEvent(id), TIMERR_NOERROR);
  EXPECT_EQ(timeKillEvent(id), TIMERR_NOCANDO);
  headless::AdvanceClock(100);
  EXPECT_EQ(fired.size(), 4u);
  EXPECT_EQ(timeEndPeriod(20), TIMERR_NOERROR);
  EXPECT_EQ(timeSetEvent(20, 1, nullptr, 0, TIME_PERIODIC), 0u);
}

TEST_F(Sound, ClockWrapsAndDifferencesSurviveHeadless) {
  headless::SetClock(0xFFFFFFF0u);
  const DWORD before = timeGetTime();
  headless::AdvanceClock(0x20);
  EXPECT_EQ(timeGetTime(), 0x10u);
  EXPECT_EQ(timeGetTime() - before, 0x20u);
  headless::SetCalendarTime(1000000);
  headless::AdvanceClock(2500);
  EXPECT_EQ(GetCalendarTime(), 1000002);
}

#endif

#if PLAT_CONTRACT_DESKTOP

TEST_F(Sound, ThePieceLengthComesFromItsTempoOnDesktop) {
  // Three quarter notes at 120 a minute: 1.5 s; at twice the tempo, 0.75 s.
  const MCIDEVICEID slow = Open(Write("slow.mid", test_sound::MakeMidi({60, 62, 64}, 480, 0)));
  const MCIDEVICEID fast = Open(Write("fast.mid", test_sound::MakeMidi({60, 62, 64}, 480, 250000)));
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

#endif

}  // namespace
