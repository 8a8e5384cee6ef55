// The template game (the toy): a small game on the real shell with a few
// buttons, a client that says CLIENTINIT and plays one PLAY per press of its
// Go button, and a server that answers. The shell's tests script it through
// gToyScript and read what it saw; the idle benchmarks run it as a game that
// does next to nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/sound/Dib.h"
#include "framework/shell/GameDefinition.h"
#include "framework/shell/Ticker.h"
#include "platform/include/plat/types.h"

inline constexpr int kToyButtons = 12;
inline constexpr int kToyGoButton = 10;
inline constexpr int kToyMaxFrames = 20000;  // a stuck run gives up instead of hanging
inline constexpr char kToyName[] = "Toy";
inline constexpr char kToySettingsFile[] = "Toy.cfg";

// Picture layout of the toy's artwork (palette entry i has red i).
inline constexpr int kToyPictureHeight = 620;
inline constexpr int kToyBackground = 1;    // every pixel not named below
inline constexpr int kToyTransparent = 0;   // button art and font leave it out
inline constexpr int kToyTickerOn = 250;    // at (301, 276)
inline constexpr int kToyTickerOff = 251;   // at (344, 28)
inline constexpr int kToyFontY = 610;       // glyph of c at ((c - 32) * 6, 610), 5 x 8
inline constexpr int kToyFontHeight = 8;
inline constexpr int kToyLagColour = 60;    // meter strip at (302, 598), 41 x 7
int ToyGlyphColour(char c);                  // 100 + (c - 32); the blank is transparent
int ToyChipColour(int chip, int state);      // chip 0..4, state 1 or 2
int ToyGoColour(int state);                  // 40 + state

// The toy's layout of the shared screen helpers and its button ranges.
extern const ScreenLayout kToyScreenLayout;
extern const ButtonRanges kToyButtonRanges;

struct ToyClientRecord {
  int state = 0;
  int frames = 0;
  int quitRequest = 0;
  int goRequest = 0;
  int bettingOpen = 0;
  int answers = 0;
  double money = 0.0;
  std::string lastResult;
  std::vector<plat::DWORD> frameTimes;  // timeGetTime() at each frame
  std::vector<int> presses;             // buttons reaching HandleButtonInput
};

struct ToyServerRecord {
  int packets = 0;
  std::string lastCommand;
  std::string lastBet;
  std::string lastBtn;
};

struct ToyScript {
  std::function<void(ToyClientRecord&)> onClientFrame;  // at the start of each client frame
  double serverMoney = 1234.5;  // MONEY of CLIENTINITANSWER
  int failWorkBitmaps = 0;
  int endRun = 0;  // the client step answers -1 at its next frame
  int frameLimit = kToyMaxFrames;  // the client step answers -1 after it; 0: never
  // What the run left behind.
  int clientRecordsMade = 0;
  int clientRecordsFreed = 0;
  int serverRecordsFreed = 0;
  ToyClientRecord lastClient;  // copy taken when the client record is freed
  ToyServerRecord lastServer;
};

extern ToyScript gToyScript;
extern CDib gToyStrip;                 // the ticker's work bitmap (145 x 17)
extern char gToyTickerText[kTickerTextSize];
extern std::uint16_t gToySettings[2];  // voice switch, one more option

// The toy's table; InstallGame(ToyGameDefinition()) makes it the running game.
const GameDefinition& ToyGameDefinition();
// Fresh script, settings and button table before a run.
void ResetToyGame();
// Writes res/Data.dat and res/Btndata.dat into the working folder. 1 or 0.
int WriteToyArtwork();
// The client record of the running program (null outside a run).
ToyClientRecord* ToyClient();
