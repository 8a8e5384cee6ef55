// The one table through which a program tells the shell what it is: its
// names, files, periods, switches, screen layout, button table and hooks.
// Every program defines one constant GameDefinition and hands it to
// RunProgram (Program.h); the shell drives the game only through it.
//
// Defaults are the Craps program's values; a program sets what differs.
#pragma once

#include <cstdint>

#include "framework/shell/ButtonEntry.h"
#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"

class CComm;

// How ErrorBox reports a start-up error.
enum ErrorReport : int {
  kErrorShowBox = 0,    // "ERROR" box at once, then WM_CLOSE
  kErrorStoreText = 1,  // only keeps the text and posts WM_CLOSE; shown when the loop ends
};

// Fixed screen positions of the shared screen helpers (640 x 480 layout).
struct ScreenLayout {
  int statusX = 6, statusY = 467, statusWidth = 580, statusHeight = 13;
  int userX = 590, userY = 467, userWidth = 50, userHeight = 13;
  int moneyX = 18, moneyY = 434, moneyWidth = 80, moneyHeight = 13;
  int lagX = 0, lagY = 458, lagWidth = 41, lagHeight = 7;
  int lagSourceX = 302, lagSourceY = 598;  // the meter strip in the picture
  int tickerX = 336, tickerY = 26;
  int tickerOnX = 301, tickerOnY = 276;    // picture pixel giving the "on" dot colour
  int tickerOffX = 344, tickerOffY = 28;   // picture pixel giving the "off" dot colour
};

// Row ranges of the button table; every range runs to the table's last row.
struct ButtonRanges {
  int firstChipRow = 5;  // chip rows enabled by the balance ($1, $5, $25, $100, $500)
  int chipRowCount = 5;  // at most 5
  int firstBetRow = 5;   // DisableBetButtons
  int firstGameRow = 10; // DisableGameButtons, EnableGameButtons
};

struct GameDefinition {
  // ---- Names ----
  const char* name = nullptr;          // window class and title, box captions
  const char* code = nullptr;          // two-letter game code ("DQ"), saved-game key
  const char* settingsFile = nullptr;  // written by ShutdownApp; null: none
  void* settings = nullptr;            // the game's settings record (settingsSize bytes)
  int settingsSize = 0;

  // ---- Files ----
  const char* dataFile = "res\\Data.dat";
  const char* hitMapFile = "res\\Btndata.dat";
  const char* musicFile = nullptr;     // null: no music

  // ---- Periods (ms) ----
  plat::DWORD alivePeriod = 3000;
  plat::DWORD idleSleep = 0;           // Sleep after each idle tick; 0: none

  // ---- Switches ----
  int colourTest = 1;     // refuse displays of fewer than 8 bits per pixel
  int restoresGames = 1;  // saved-game playback, and the restore window on a hidden start
  ErrorReport errorReport = kErrorShowBox;

  // ---- Screen ----
  int screenWidth = 640;
  int screenHeight = 480;
  const std::int16_t* smallFont = nullptr;  // glyph table of the status line and balance (in the picture)
  ScreenLayout layout;

  // ---- Buttons ----
  ButtonEntry* buttons = nullptr;  // the game's own table; the shell draws and enables it
  int buttonCount = 0;
  ButtonRanges ranges;

  // ---- Resources ----
  // Registered as accelerator table 103; the start fails without one.
  const plat::ACCEL* accelerators = nullptr;
  int acceleratorCount = 0;

  // ---- Hooks (records travel as void*; only the game knows their types) ----
  // Reads "Casino.cfg" (ReadCasinoCfg into gCasinoCfg) and the game's own file.
  void (*LoadGameConfig)() = nullptr;
  // Makes the game's work bitmaps; 0 ends the start without a box.
  int (*CreateWorkBitmaps)() = nullptr;
  // Frees them again (ShutdownApp); null: nothing to free.
  void (*FreeWorkBitmaps)() = nullptr;
  // Maps the game's bitmaps to the palette, sets gTransparentIndex; 1 or 0.
  int (*RemapBitmaps)() = nullptr;
  // The client record, or null (the program then ends).
  void* (*CreateClientRecord)() = nullptr;
  void (*DestroyClientRecord)(void* record) = nullptr;
  // One frame of the game client; a negative answer ends the program.
  int (*ClientRun)(void* record, CComm& comm, int userId) = nullptr;
  // The server record for the game code, or null (the program then ends).
  void* (*ServerInit)(const char* code) = nullptr;
  void (*ServerFree)(void* record) = nullptr;
  int (*GameServerRun)(void* record, CComm& comm, int userId) = nullptr;
  // Runs in place of GameServerRun while a saved game is replayed.
  int (*GameServerPlayback)(CComm& comm, void* record, int userId) = nullptr;
  // Saved-game restore: the record from its saved copy (0 or an error), and
  // what a removed game leaves open (null: nothing).
  int (*GameServerLoad)(void* record, int userId, const char* game) = nullptr;
  void (*GameServerOnRemove)(void* record, int userId) = nullptr;
  // Button presses: button -1 means hit-test (x, y); with a button number,
  // message 2 is a right-button release and anything else a left one.
  void (*HandleButtonInput)(int x, int y, plat::UINT message, plat::WPARAM keys,
                            int button) = nullptr;
  // The game's window procedure; it calls HandleShellMessage first.
  plat::WNDPROC MainWndProc = nullptr;
  // The game's voice switch (first word of its settings); null: none.
  std::uint16_t* (*VoiceSwitch)() = nullptr;
  // 1 while bets may be placed (DrawMoney enables the chips then).
  int (*BettingOpen)() = nullptr;
};
