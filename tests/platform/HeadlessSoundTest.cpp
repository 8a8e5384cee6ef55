#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/HeadlessFixture.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace plat;
using headless_test::Headless;
using Rec = headless::SoundRecord;

// A wave file of ms milliseconds of 8-bit mono at 8000 bytes per second.
std::vector<unsigned char> Wave(int ms) {
  const std::uint32_t data = static_cast<std::uint32_t>(ms) * 8;
  std::vector<unsigned char> w(44 + data, 0x80);
  auto put32 = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) w[at + i] = static_cast<unsigned char>(v >> (8 * i));
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

class Sound : public Headless {
 protected:
  void SetUp() override {
    Headless::SetUp();
    dir_ = folder_.Path();
    ASSERT_FALSE(dir_.empty());
    Write("button.wav", Wave(250));
    Write("travel.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96});
    Write("noise.wav", {'n', 'o', 'i', 's', 'e'});
  }
  void TearDown() override {
    Headless::TearDown();
  }
  void Write(const char* name, const std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen((dir_ + "/" + name).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  std::string Path(const char* name) { return dir_ + "/" + name; }
  MCIDEVICEID Open(const char* name, HWND notify = nullptr) {
    const std::string path = Path(name);
    MCI_OPEN_PARMS op{notify, 0, "sequencer", path.c_str()};
    EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT, &op), 0u);
    return op.wDeviceID;
  }
  DWORD Status(MCIDEVICEID id, DWORD item) {
    MCI_STATUS_PARMS sp{nullptr, 0, item};
    EXPECT_EQ(mciSendCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &sp), 0u);
    return sp.dwReturn;
  }
  std::vector<MSG> Notifications() {
    std::vector<MSG> out;
    MSG m;
    while (PeekMessage(&m, nullptr, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) out.push_back(m);
    return out;
  }
  TempFolder folder_;
  std::string dir_;
};

TEST_F(Sound, WavesFromFilesAndMemoryAreLogged) {
  const std::vector<unsigned char> mem = Wave(100);
  EXPECT_TRUE(PlaySound(Path("button.wav").c_str(), SND_ASYNC | SND_NODEFAULT));
  EXPECT_EQ(timeGetTime(), 0u);  // asynchronous: at once
  EXPECT_TRUE(PlaySound(mem.data(), SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
  EXPECT_TRUE(PlaySound(Path("BUTTON.WAV").c_str(), SND_SYNC | SND_FILENAME));
  EXPECT_EQ(timeGetTime(), 250u);  // synchronous: returns when the sound has ended
  EXPECT_TRUE(PlaySound(nullptr, SND_PURGE));
  EXPECT_FALSE(PlaySound(Path("missing.wav").c_str(), SND_SYNC));
  EXPECT_FALSE(PlaySound(Path("noise.wav").c_str(), SND_ASYNC));
  EXPECT_EQ(timeGetTime(), 250u);
  const auto& log = headless::Sounds();
  ASSERT_EQ(log.size(), 6u);  // the refused ones are logged as asked for
  EXPECT_EQ(log[4].name, Path("missing.wav"));
  EXPECT_EQ(log[0].kind, Rec::WAVE);
  EXPECT_EQ(log[0].name, Path("button.wav"));
  EXPECT_EQ(log[1].name, "<memory>");
  EXPECT_EQ(log[1].bytes, mem.size());
  EXPECT_EQ(log[1].flags, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  EXPECT_EQ(log[3].kind, Rec::WAVE_STOP);
  headless::ClearSounds();
  EXPECT_TRUE(headless::Sounds().empty());
}

TEST_F(Sound, MidiPlaysOnTheClockAndNotifiesAtTheEnd) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  headless::SetIdleAdvance(0);  // looking for notifications must not move the clock
  headless::SetMidiLength(5000);
  const MCIDEVICEID id = Open("travel.mid");
  ASSERT_NE(id, 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_LENGTH), 5000u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  MCI_PLAY_PARMS pp{h, 0, 0};
  ASSERT_EQ(mciSendCommand(id, MCI_PLAY, MCI_NOTIFY, &pp), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PLAY);
  headless::AdvanceClock(1200);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 1200u);
  // Paused, the position stands still and the notification is aborted.
  ASSERT_EQ(mciSendCommand(id, MCI_PAUSE, 0, nullptr), 0u);
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_PAUSE);
  headless::AdvanceClock(10000);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 1200u);
  auto n = Notifications();
  ASSERT_EQ(n.size(), 1u);
  EXPECT_EQ(n[0].wParam, MCI_NOTIFY_ABORTED);
  MCI_GENERIC_PARMS gp{h};
  ASSERT_EQ(mciSendCommand(id, MCI_RESUME, MCI_NOTIFY, &gp), 0u);
  headless::AdvanceClock(3799);
  EXPECT_TRUE(Notifications().empty());
  headless::AdvanceClock(1);
  n = Notifications();
  ASSERT_EQ(n.size(), 1u);
  EXPECT_EQ(n[0].hwnd, h);
  EXPECT_EQ(n[0].wParam, MCI_NOTIFY_SUCCESSFUL);
  EXPECT_EQ(static_cast<MCIDEVICEID>(n[0].lParam), id);
  EXPECT_EQ(n[0].time, 15000u);  // posted at the moment the piece ended
  EXPECT_EQ(Status(id, MCI_STATUS_MODE), MCI_MODE_STOP);
  EXPECT_EQ(Status(id, MCI_STATUS_POSITION), 5000u);

  // Played again from the start: superseded by a second play, then ended by the test.
  pp.dwFrom = 0;
  mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &pp);
  mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &pp);
  headless::EndMidiPiece();
  n = Notifications();
  ASSERT_EQ(n.size(), 2u);
  EXPECT_EQ(n[0].wParam, MCI_NOTIFY_SUPERSEDED);
  EXPECT_EQ(n[1].wParam, MCI_NOTIFY_SUCCESSFUL);

  // A failed device stops without a word.
  mciSendCommand(id, MCI_PLAY, MCI_NOTIFY | MCI_FROM, &pp);
  headless::StopMidiSilently();
  headless::AdvanceClock(6000);
  EXPECT_TRUE(Notifications().empty());
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
  EXPECT_EQ(headless::Sounds()[0].name, Path("travel.mid"));
}

TEST_F(Sound, MidiErrorsAndTheirTexts) {
  MCI_OPEN_PARMS op{nullptr, 0, "sequencer", "/nonexistent/x.mid"};
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &op), MCIERR_FILE_NOT_FOUND);
  const std::string path = Path("travel.mid");
  op = MCI_OPEN_PARMS{nullptr, 0, "waveaudio", path.c_str()};
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &op), MCIERR_INVALID_DEVICE_NAME);
  EXPECT_EQ(mciSendCommand(0, MCI_OPEN, 0, nullptr), MCIERR_MISSING_PARAMETER);
  EXPECT_EQ(mciSendCommand(77, MCI_PLAY, 0, nullptr), MCIERR_INVALID_DEVICE_ID);
  const MCIDEVICEID id = Open("travel.mid");
  EXPECT_EQ(mciSendCommand(id, MCI_STATUS, 0, nullptr), MCIERR_MISSING_PARAMETER);
  EXPECT_EQ(mciSendCommand(id, 0x9999, 0, nullptr), MCIERR_UNRECOGNIZED_COMMAND);
  char text[200];
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, text, sizeof text));
  EXPECT_GT(std::strlen(text), 10u);
  EXPECT_TRUE(mciGetErrorString(MCIERR_FILE_NOT_FOUND, text, 6));
  EXPECT_EQ(std::strlen(text), 5u);
  EXPECT_FALSE(mciGetErrorString(12345, text, sizeof text));
}

void CALLBACK_Count(UINT, UINT, std::uintptr_t user, std::uintptr_t, std::uintptr_t) {
  reinterpret_cast<std::vector<DWORD>*>(user)->push_back(timeGetTime());
}

TEST_F(Sound, MultimediaTimerFiresAsTheClockMoves) {
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

TEST_F(Sound, ClockWrapsAndDifferencesSurvive) {
  headless::SetClock(0xFFFFFFF0u);
  const DWORD before = timeGetTime();
  headless::AdvanceClock(0x20);
  EXPECT_EQ(timeGetTime(), 0x10u);
  EXPECT_EQ(timeGetTime() - before, 0x20u);
  headless::SetCalendarTime(1000000);
  headless::AdvanceClock(2500);
  EXPECT_EQ(GetCalendarTime(), 1000002);
}

TEST_F(Sound, ShellOpensAreLogged) {
  EXPECT_EQ(ShellExecute(nullptr, "open", "C:\\casino\\help\\trans.htm", nullptr, nullptr, SW_SHOWNORMAL), 42);
  headless::SetShellExecuteResult(2);
  EXPECT_EQ(ShellExecute(nullptr, "open", "other.htm", nullptr, nullptr, SW_SHOWNORMAL), 2);
  EXPECT_EQ(headless::ShellOpens(), (std::vector<std::string>{"C:\\casino\\help\\trans.htm", "other.htm"}));
  EXPECT_TRUE(WinHelp(nullptr, "..\\..\\ORVANTA.HLP", HELP_QUIT, 0));
}

}  // namespace
