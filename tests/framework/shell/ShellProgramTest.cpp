// The toy game on the real shell and the headless backend, against a
// scripted main client: start-up failures, a round of packets, the alive
// check, frame pacing, a second instance, the hidden start, the status line.
#include <gtest/gtest.h>

#include <string>

#include "framework/shell/Buttons.h"
#include "framework/shell/MessageLoop.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Program.h"
#include "framework/link/RestoreWindow.h"
#include "tests/support/ScriptedMainClient.h"
#include "framework/shell/ShellGlobals.h"
#include "tests/support/TempFolder.h"
#include "framework/shell/Startup.h"
#include "framework/shell/StatusLine.h"
#include "tests/support/TemplateGame.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace {

using plat::headless::MessageBoxes;

class ToyProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(EnterToyFolder(folder), 1);
    plat::headless::Reset();
    gMainWindow = nullptr;  // the last run's window is gone with the reset
    ResetToyGame();
    ASSERT_TRUE(WriteToyArtwork());
    InstallGame(ToyGameDefinition());
  }

  int Run(int show = plat::SW_SHOWNORMAL) {
    return WinMain(plat::GetModuleInstance(), nullptr, "", show);
  }

  // Closes the window at the given client frame (WM_CLOSE -> quit request ->
  // the client answers -1 -> window destroyed -> WM_QUIT).
  static void CloseAtFrame(int frame) {
    gToyScript.onClientFrame = [frame](ToyClientRecord& c) {
      if (c.frames == frame) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
    };
  }

  // The red channel of a screen pixel is the palette index in the toy's artwork.
  static int ScreenIndex(int x, int y) {
    return plat::GetRValue(plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y));
  }

  TempFolder folder;
};

// ---- Start-up failures: each one box with its text, and the end ----------------

TEST_F(ToyProgram, MissingPictureShowsItsErrorBoxAndEnds) {
  StartScriptedMainClient();
  std::remove("res/Data.dat");
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the \"res\\Data.dat\" file!");
  EXPECT_EQ(MessageBoxes()[0].caption, "ERROR");
  EXPECT_EQ(MessageBoxes()[0].owner, nullptr);
  EXPECT_EQ(gToyScript.clientRecordsMade, 0);
}

TEST_F(ToyProgram, MissingHitMapShowsItsErrorBoxAndEnds) {
  StartScriptedMainClient();
  std::remove("res/Btndata.dat");
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the \"res\\Btndata.dat\" file!");
  EXPECT_EQ(MessageBoxes()[0].caption, "ERROR");
  EXPECT_EQ(gToyScript.clientRecordsMade, 0);
}

TEST_F(ToyProgram, NoMainClientShowsFatalErrorAndEndsWithoutTheLoop) {
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Cannot find local Main Client!");
  EXPECT_EQ(MessageBoxes()[0].caption, "FATAL ERROR");
  EXPECT_EQ(MessageBoxes()[0].owner, gMainWindow);
  EXPECT_EQ(gToyScript.clientRecordsMade, 1);
  EXPECT_EQ(gToyScript.clientRecordsFreed, 1);
  EXPECT_EQ(gToyScript.lastClient.frames, 0);
  EXPECT_FALSE(FileExists(kToySettingsFile));
}

TEST_F(ToyProgram, MainClientRefusingTheConnectEndsTheStart) {
  StartScriptedMainClient();
  TheScriptedMainClient().connectAnswer = 0;
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Can't communicate with main client");
  EXPECT_EQ(gToyScript.clientRecordsFreed, 1);
}

TEST_F(ToyProgram, DisplayBelow256ColoursIsRefused) {
  StartScriptedMainClient();
  plat::headless::SetScreen(1024, 768, 4);
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text,
            "This game requires 256 colors or more!\nChange to display mode that has at least "
            "256 colors and try again.");
  EXPECT_EQ(MessageBoxes()[0].caption, kToyName);
  EXPECT_EQ(plat::FindWindow(kToyName, nullptr), nullptr);
}

TEST_F(ToyProgram, FailedWorkBitmapsEndTheStartWithoutABox) {
  StartScriptedMainClient();
  gToyScript.failWorkBitmaps = 1;
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MessageBoxes().empty());
  EXPECT_EQ(gToyScript.clientRecordsMade, 0);
}

TEST_F(ToyProgram, SecondInstanceBringsTheFirstToTheFrontAndEnds) {
  StartScriptedMainClient();
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = plat::DefWindowProc;
  wc.lpszClassName = kToyName;
  ASSERT_NE(plat::RegisterClass(&wc), 0);
  plat::HWND first = plat::CreateWindow(kToyName, kToyName, plat::WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                        200, nullptr, 0, nullptr, nullptr);
  plat::ShowWindow(first, plat::SW_MINIMIZE);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MessageBoxes().empty());
  EXPECT_EQ(plat::headless::ForegroundWindow(), first);
  EXPECT_FALSE(plat::IsIconic(first));
  EXPECT_EQ(gMainWindow, nullptr);
  EXPECT_EQ(gToyScript.clientRecordsMade, 0);
}

TEST_F(ToyProgram, StoredErrorTextIsShownWithTheGameNameWhenTheStartEnds) {
  StartScriptedMainClient();
  static GameDefinition game;
  game = ToyGameDefinition();
  game.errorReport = kErrorStoreText;
  InstallGame(game);
  std::remove("res/Data.dat");
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the \"res\\Data.dat\" file!");
  EXPECT_EQ(MessageBoxes()[0].caption, kToyName);
  EXPECT_EQ(gErrorText[0], '\0');
}

TEST_F(ToyProgram, ATableLackingAHookIsRefusedWithABoxNamingIt) {
  StartScriptedMainClient();
  static GameDefinition game;
  game = ToyGameDefinition();
  game.GameServerLoad = nullptr;
  InstallGame(game);
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].caption, "ERROR");
  EXPECT_NE(MessageBoxes()[0].text.find("GameServerLoad"), std::string::npos);
  EXPECT_EQ(gMainWindow, nullptr);
  EXPECT_EQ(gToyScript.clientRecordsMade, 0);

  // A game that restores no games needs no restore hooks.
  game.restoresGames = 0;
  game.alivePeriod = 0;
  InstallGame(game);
  plat::headless::ClearMessageBoxes();
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_NE(MessageBoxes()[0].text.find("alivePeriod"), std::string::npos);
}

TEST_F(ToyProgram, ProgramWithoutTheColourTestStartsOnA16ColourDisplay) {
  StartScriptedMainClient();
  static GameDefinition game;
  game = ToyGameDefinition();
  game.colourTest = 0;
  InstallGame(game);
  plat::headless::SetScreen(1024, 768, 4);
  CloseAtFrame(3);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MessageBoxes().empty());
  EXPECT_GE(gToyScript.lastClient.frames, 3);
}

// ---- A normal run -------------------------------------------------------------------

TEST_F(ToyProgram, CloseEndsWithCodeZeroAndWritesTheSettings) {
  StartScriptedMainClient();
  CloseAtFrame(10);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(MessageBoxes().empty());
  EXPECT_EQ(gToyScript.lastClient.answers, 1);
  EXPECT_DOUBLE_EQ(gToyScript.lastClient.money, 1234.5);
  EXPECT_EQ(gToyScript.clientRecordsFreed, 1);
  EXPECT_EQ(gToyScript.serverRecordsFreed, 1);
  EXPECT_EQ(ReadFile(kToySettingsFile), std::string("\1\0\7\0", 4));
  EXPECT_EQ(gHitMap, nullptr);  // ShutdownApp ran
  EXPECT_EQ(gPicture.Width(), 0);
}

TEST_F(ToyProgram, SharedSettingsChooseHowTheWindowShows) {
  StartScriptedMainClient();
  WriteFile("../../Casino.cfg", std::string("\0\0", 2));
  bool zoomed = true;
  gToyScript.onClientFrame = [&zoomed](ToyClientRecord& c) {
    zoomed = plat::IsZoomed(gMainWindow);
    if (c.frames == 2) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(zoomed);
  EXPECT_EQ(gCasinoCfg.maximised, 0);
  EXPECT_EQ(gCasinoCfg.showAnimations, 1);
}

TEST_F(ToyProgram, RoundOfPacketsThroughTheMainClient) {
  StartScriptedMainClient();
  gToyScript.onClientFrame = [](ToyClientRecord& c) {
    if (c.state == 3 && c.answers == 1 && c.presses.empty()) {
      // The Go button lies at (300, 400), 40 x 20.
      plat::headless::Click(gMainWindow, gOffsetX + 310, gOffsetY + 410);
    }
    if (c.answers == 2 && c.state == 3) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  const ToyClientRecord& c = gToyScript.lastClient;
  EXPECT_EQ(c.answers, 2);
  EXPECT_EQ(c.lastResult, "won");
  ASSERT_EQ(c.presses.size(), 1u);
  EXPECT_EQ(c.presses[0], kToyGoButton);
  EXPECT_EQ(gToyScript.lastServer.packets, 2);
  EXPECT_EQ(gToyScript.lastServer.lastCommand, "PLAY");
  EXPECT_EQ(gToyScript.lastServer.lastBet, "5");
  EXPECT_EQ(gToyScript.lastServer.lastBtn, "10");  // the logged press travelled along
  ASSERT_EQ(TheScriptedMainClient().Taken().size(), 4u);
  EXPECT_EQ(TheScriptedMainClient().Taken()[0].text, "command=CLIENTINIT");
  EXPECT_EQ(TheScriptedMainClient().Taken()[1].text.rfind("command=CLIENTINITanswer&answer=ok&MONEY=", 0), 0u);
}

TEST_F(ToyProgram, PlayerRecordFromTheMainClientReachesTheUserField) {
  StartScriptedMainClient();
  gToyScript.onClientFrame = [](ToyClientRecord& c) {
    if (c.frames == 1) {
      CPlayerRecord record;
      record.SetName("Ann");
      record.SetText("OFFLINE");
      record.SetMoney(77.0);
      plat::COPYDATASTRUCT data{kDataPlayerRecord, sizeof(record), &record};
      plat::SendMessage(gMainWindow, plat::WM_COPYDATA, 0, reinterpret_cast<plat::LPARAM>(&data));
    }
    if (c.frames == 3) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_STREQ(gPlayerRecord.GetText(), "OFFLINE");
  EXPECT_DOUBLE_EQ(gPlayerRecord.GetMoney(), 77.0);
}

// ---- The alive check ----------------------------------------------------------------

TEST_F(ToyProgram, AliveQueryAnsweredWronglyEndsAfterOneBoxWithoutSettings) {
  StartScriptedMainClient();
  TheScriptedMainClient().aliveAnswer = 0;
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Connection with mainclient is lost");
  EXPECT_EQ(MessageBoxes()[0].caption, "FATAL ERROR");
  EXPECT_EQ(MessageBoxes()[0].owner, gMainWindow);
  EXPECT_EQ(TheScriptedMainClient().aliveQueries, 1);
  EXPECT_FALSE(FileExists(kToySettingsFile));
  // The first query is due 3000 ms after the start; frames ran every 20 ms until then.
  ASSERT_FALSE(gToyScript.lastClient.frameTimes.empty());
  EXPECT_LT(gToyScript.lastClient.frameTimes.back(), 3000u);
  EXPECT_GT(gToyScript.lastClient.frames, 140);
  EXPECT_EQ(gToyScript.clientRecordsFreed, 1);
}

TEST_F(ToyProgram, AliveQueryIsSentEveryPeriodWhileAnswered) {
  StartScriptedMainClient();
  gToyScript.onClientFrame = [](ToyClientRecord& c) {
    if (c.frameTimes.back() >= 9500) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(TheScriptedMainClient().aliveQueries, 3);  // at 3000, 6000 and 9000 ms
  EXPECT_TRUE(MessageBoxes().empty());
}

// ---- Frame pacing on the virtual clock -----------------------------------------------

TEST_F(ToyProgram, FramesKeepTheGridUpTo40MsLateAndRestartItAfterALongerStall) {
  StartScriptedMainClient();
  // Each empty message check moves the clock 1 ms, so setting it to T + 24
  // inside a frame makes the next check see T + 25.
  gToyScript.onClientFrame = [](ToyClientRecord& c) {
    plat::DWORD t = c.frameTimes.back();
    if (c.frames == 10) plat::headless::SetClock(t + 24);  // next frame 25 ms after this one
    if (c.frames == 20) plat::headless::SetClock(t + 69);  // next frame 70 ms after this one
    if (c.frames == 25) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  const auto& t = gToyScript.lastClient.frameTimes;
  ASSERT_GE(t.size(), 24u);
  for (int i = 1; i < 10; ++i) EXPECT_EQ(t[i] - t[i - 1], 20u) << "frame " << i + 1;
  EXPECT_EQ(t[10] - t[9], 25u);
  EXPECT_EQ(t[11] - t[10], 15u);  // the grid is kept: the reference went 5 ms back
  EXPECT_EQ(t[12] - t[11], 20u);
  EXPECT_EQ(t[20] - t[19], 70u);
  EXPECT_EQ(t[21] - t[20], 20u);  // a new grid from the late frame
  EXPECT_EQ(t[22] - t[21], 20u);
}

// A game that catches up late frames (the card games, the machines): a
// 75 ms stall runs its frame at once and carries 40 ms of the 55 ms lag,
// so the next two ticks each run a frame at once and the 20 ms rhythm
// resumes on the grid of the late frame.
TEST_F(ToyProgram, AStallOf75MsCarries40MsIntoTheNextTwoFrames) {
  static GameDefinition catchingUp;
  catchingUp = ToyGameDefinition();
  catchingUp.catchUpLateFrames = 1;
  catchingUp.idleSleep = 0;
  InstallGame(catchingUp);
  StartScriptedMainClient();
  gToyScript.onClientFrame = [](ToyClientRecord& c) {
    plat::DWORD t = c.frameTimes.back();
    if (c.frames == 10) plat::headless::SetClock(t + 74);  // next check 75 ms after this frame
    if (c.frames == 16) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  const auto& t = gToyScript.lastClient.frameTimes;
  ASSERT_GE(t.size(), 15u);
  EXPECT_EQ(t[10] - t[9], 75u);
  EXPECT_EQ(t[11] - t[10], 1u);  // at the next tick: an empty message check moves the clock 1 ms
  EXPECT_EQ(t[12] - t[11], 1u);
  EXPECT_EQ(t[13] - t[10], 20u);  // back on the grid of the late frame
  EXPECT_EQ(t[14] - t[13], 20u);
}

TEST_F(ToyProgram, FiredFrameTimerRunsAFrameAtOnceAndMovesTheGrid) {
  StartScriptedMainClient();
  gToyScript.onClientFrame = [](ToyClientRecord& c) {
    if (c.frames == 10) {
      plat::DWORD t = c.frameTimes.back();
      plat::headless::SetIdleHook([t]() {
        if (plat::headless::Now() == t + 5) {
          gTimer.SetFired();
          plat::headless::SetIdleHook(nullptr);
        }
      });
    }
    if (c.frames == 14) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  const auto& t = gToyScript.lastClient.frameTimes;
  ASSERT_GE(t.size(), 13u);
  EXPECT_EQ(t[10] - t[9], 6u);   // at the first check after the timer fired
  EXPECT_EQ(t[11] - t[10], 24u);  // the reference stood 4 ms ahead of that frame
  EXPECT_EQ(t[12] - t[11], 20u);
}

TEST_F(ToyProgram, InactiveProgramRunsNoFrames) {
  StartScriptedMainClient();
  int framesWhileInactive = -1;
  gToyScript.onClientFrame = [&framesWhileInactive](ToyClientRecord& c) {
    if (c.frames == 5) {
      plat::headless::SetAppActive(plat::FALSE);
      int frames = c.frames;
      plat::headless::SetIdleHook([&framesWhileInactive, frames]() {
        ToyClientRecord* now = ToyClient();
        if (plat::headless::Now() > 2000) {
          framesWhileInactive = now->frames - frames;
          plat::headless::SetIdleHook(nullptr);
          plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
          plat::headless::SetAppActive(plat::TRUE);
        }
      });
    }
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(framesWhileInactive, 0);
}

// ---- Hidden start and replay guard ------------------------------------------------------

TEST_F(ToyProgram, HiddenStartShowsTheRestoreWindowUntilTheClientHasSeenAPacket) {
  StartScriptedMainClient();
  gCasinoCfg.soundEffects = 1;
  struct Seen {
    bool restoreAtFirstFrame = false;
    bool hiddenAtFirstFrame = false;
    int mutedAtFirstFrame = -1;
    bool restoreAtEnd = true;
    bool visibleAtEnd = false;
  } seen;
  gToyScript.onClientFrame = [&seen](ToyClientRecord& c) {
    if (c.frames == 1) {
      seen.restoreAtFirstFrame = IsRestoring() && plat::FindWindow(kRestoreClassName, nullptr);
      seen.hiddenAtFirstFrame = !plat::IsWindowVisible(gMainWindow);
      seen.mutedAtFirstFrame = gCasinoCfg.soundEffects == 0 && gToySettings[0] == 0;
    }
    if (c.frames == 40) {
      seen.restoreAtEnd = IsRestoring();
      seen.visibleAtEnd = plat::IsWindowVisible(gMainWindow);
      plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
    }
  };
  // The restore window never activates the program, so frames need an active flag.
  plat::headless::SetIdleHook([]() {
    if (!gActive && gMainWindow) plat::headless::SetAppActive(plat::TRUE);
  });
  EXPECT_EQ(Run(plat::SW_HIDE), 0);
  EXPECT_TRUE(seen.restoreAtFirstFrame);
  EXPECT_TRUE(seen.hiddenAtFirstFrame);
  EXPECT_EQ(seen.mutedAtFirstFrame, 1);
  EXPECT_FALSE(seen.restoreAtEnd);
  EXPECT_TRUE(seen.visibleAtEnd);
  EXPECT_EQ(gCasinoCfg.soundEffects, 1);  // put back when the restore ended
  EXPECT_EQ(gToySettings[0], 1);
}

TEST_F(ToyProgram, PressesAreDroppedWhileAReplayRunsButNotThroughThePlaybackWay) {
  StartScriptedMainClient();
  int pressesDuringReplay = -1;
  int playbackPresses = -1;
  gToyScript.onClientFrame = [&](ToyClientRecord& c) {
    if (c.state == 3 && c.frames > 5 && pressesDuringReplay < 0) {
      gPlaybackClient.playing = 1;
      PressButton(kToyGoButton, 1);
      pressesDuringReplay = static_cast<int>(c.presses.size());
      PlaybackPressButton(kToyGoButton, kPressLeft);
      playbackPresses = static_cast<int>(c.presses.size());
      gPlaybackClient.playing = 0;
      plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
    }
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(pressesDuringReplay, 0);
  EXPECT_EQ(playbackPresses, 1);
}

TEST_F(ToyProgram, HiddenOptionOfTheCommandLineAsksForAHiddenStart) {
  StartScriptedMainClient();
  bool hiddenAtFirstFrame = false;
  gToyScript.onClientFrame = [&hiddenAtFirstFrame](ToyClientRecord& c) {
    if (c.frames == 1) hiddenAtFirstFrame = !plat::IsWindowVisible(gMainWindow) && IsRestoring();
    if (c.frames == 3) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  plat::headless::SetIdleHook([]() {
    if (!gActive && gMainWindow) plat::headless::SetAppActive(plat::TRUE);
  });
  char program[] = "toy";
  char hidden[] = "--hidden";
  char* argv[] = {program, hidden, nullptr};
  EXPECT_EQ(RunProgram(2, argv, ToyGameDefinition()), 0);
  EXPECT_TRUE(hiddenAtFirstFrame);
}

TEST_F(ToyProgram, ProgramWithoutSavedGamesShowsItsWindowEvenOnAHiddenStart) {
  StartScriptedMainClient();
  static GameDefinition game;
  game = ToyGameDefinition();
  game.restoresGames = 0;
  InstallGame(game);
  bool visible = false;
  int presses = -1;
  gToyScript.onClientFrame = [&](ToyClientRecord& c) {
    if (c.frames == 2) {
      visible = plat::IsWindowVisible(gMainWindow) && !IsRestoring();
      gPlaybackClient.playing = 1;  // no replay machinery in such a program
      PressButton(kToyGoButton, 1);
      gPlaybackClient.playing = 0;
      presses = static_cast<int>(c.presses.size());
      plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
    }
  };
  EXPECT_EQ(Run(plat::SW_HIDE), 0);
  EXPECT_TRUE(visible);
  EXPECT_EQ(presses, 1);
}

// ---- The status line over the frames ---------------------------------------------------

TEST_F(ToyProgram, StatusMessageIsEmptiedOnThe16thFrameAndTheDefaultShownFromThe51st) {
  StartScriptedMainClient();
  plat::headless::SetCursorScreenPos(-50, -50);  // away from every button
  constexpr int kFirst = 20;
  std::vector<int> shown(kFirst + 60, -1);  // status pixel after each frame's flush
  gToyScript.onClientFrame = [&shown](ToyClientRecord& c) {
    if (c.frames > kFirst && c.frames <= kFirst + 60) shown[c.frames - 1] = ScreenIndex(6, 467);
    if (c.frames == kFirst) {
      SetStatusText("A");
      PrintStatusMsg("B");
    }
    if (c.frames == kFirst + 60) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(Run(), 0);
  // Frame kFirst is the message's first frame.
  for (int n = 1; n <= 15; ++n) EXPECT_EQ(shown[kFirst + n - 1], ToyGlyphColour('B')) << n;
  for (int n = 16; n <= 50; ++n) EXPECT_EQ(shown[kFirst + n - 1], kToyBackground) << n;
  for (int n = 51; n <= 60; ++n) EXPECT_EQ(shown[kFirst + n - 1], ToyGlyphColour('A')) << n;
}

TEST_F(ToyProgram, PointerOverAnEnabledButtonKeepsTheMessage) {
  StartScriptedMainClient();
  int shownAfter80 = -1;
  gToyScript.onClientFrame = [&shownAfter80](ToyClientRecord& c) {
    if (c.frames == 2) {
      plat::headless::PostMouse(gMainWindow, plat::WM_MOUSEMOVE, gOffsetX + 310, gOffsetY + 410, 0);
      PrintStatusMsg("B");
    }
    if (c.frames == 82) {
      shownAfter80 = ScreenIndex(6, 467);
      plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
    }
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(shownAfter80, ToyGlyphColour('B'));
  EXPECT_EQ(plat::headless::CurrentCursor(), plat::IDC_HAND);
}

// ---- The money display after CLIENTINITANSWER --------------------------------------------

TEST_F(ToyProgram, BalanceFromTheServerEnablesTheChipsItReaches) {
  StartScriptedMainClient();
  gToyScript.serverMoney = 24.99;
  int dollar = -1, chip6 = -1, chip7 = -1;
  gToyScript.onClientFrame = [&](ToyClientRecord& c) {
    if (c.state == 3 && dollar < 0) {
      dollar = ScreenIndex(18, 434);
      chip6 = ScreenIndex(60, 300);
      chip7 = ScreenIndex(100, 300);
      plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
    }
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(dollar, ToyGlyphColour('$'));
  EXPECT_EQ(chip6, ToyChipColour(1, 1));
  EXPECT_EQ(chip7, kToyBackground);
}

}  // namespace
