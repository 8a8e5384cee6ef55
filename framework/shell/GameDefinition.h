// The one table through which a program tells the shell what it is: its
// names, files, periods, switches, screen layout, button table and hooks.
// Every program defines one constant GameDefinition and hands it to
// RunProgram (Program.h); the shell drives the game only through it.
//
// The table holds no program's values: each program sets its names, files,
// periods, layout, ranges and hooks. Defaults are only what every program
// shares. GameHooks.h gives typed hooks over a game's own record types.
#pragma once

#include <cstdint>

#include "framework/shell/ButtonEntry.h"
#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"

class CComm;
class CDib;

// How ErrorBox reports a start-up error.
enum ErrorReport : int {
  kErrorShowBox = 0,    // "ERROR" box at once, then WM_CLOSE
  kErrorStoreText = 1,  // only keeps the text and posts WM_CLOSE; shown when the loop ends
  // As kErrorStoreText, the text led by "Error in module "<module>" at line <line>:"
  kErrorModuleText = 2,
};

// The dataFileError of the programs that do not name the picture file.
inline constexpr char kBitmapDataError[] = "Failed to load the bitmap data!";

// Screen positions of the shared screen helpers, in the game's own layout.
struct ScreenLayout {
  int statusX, statusY, statusWidth, statusHeight;
  int userX, userY, userWidth, userHeight;
  int moneyX, moneyY, moneyWidth, moneyHeight;
  int lagX, lagY, lagWidth, lagHeight;
  int lagSourceX, lagSourceY;  // the meter strip in the picture
  int tickerX, tickerY;
  int tickerOnX, tickerOnY;    // picture pixel giving the "on" dot colour
  int tickerOffX, tickerOffY;  // picture pixel giving the "off" dot colour
};

// Row ranges of the button table; every range runs to the table's last row.
struct ButtonRanges {
  int firstChipRow;  // chip rows enabled by the balance ($1, $5, $25, $100, $500)
  int chipRowCount;  // at most 5
  int firstBetRow;   // DisableBetButtons
  int firstGameRow;  // DisableGameButtons, EnableGameButtons
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
  // The start-up error when the picture fails; null: "Failed to load the "<dataFile>" file!".
  const char* dataFileError = nullptr;
  // null: no hit map; a point hits the first enabled button whose rectangle holds it.
  const char* hitMapFile = "res\\Btndata.dat";
  // A second picture loaded after the first into *backgroundPicture (the
  // game's own), freed by ShutdownApp; null: none.
  const char* backgroundFile = nullptr;
  CDib* backgroundPicture = nullptr;
  const char* musicFile = nullptr;     // null: no music
  // 1: a music call of the window procedure that fails (start, pause or
  // resume, the restart at the piece's end) goes to ErrorBox with its text.
  int musicErrorsReported = 0;

  // ---- Periods (ms) ----
  plat::DWORD alivePeriod = 0;         // between alive queries; 0 refuses the table
  plat::DWORD idleSleep = 0;           // Sleep after each idle tick; 0: none
  // A frame later than kMaxFrameLateness: 0 starts a new frame grid, 1 keeps
  // the grid and catches up kMaxFrameLateness (the card games).
  int catchUpLateFrames = 0;

  // ---- Switches ----
  int colourTest = 1;     // refuse displays of fewer than 8 bits per pixel
  const char* colourText =
      "This game requires 256 colors or more!\nChange to display mode that has at least 256 colors and try again.";
  int commonControls = 0;  // InitCommonControls at start (list views, tab controls)
  int restoresGames = 1;  // saved-game playback, and the restore window on a hidden start
  ErrorReport errorReport = kErrorShowBox;
  // Title of the box that tells the main client is lost.
  const char* linkLostTitle = "FATAL ERROR";
  // Title of the "SERVER FATAL ERROR" box shown once when the game server
  // answers -2; null: no box.
  const char* serverFatalTitle = nullptr;

  // ---- Screen ----
  int screenWidth = 640;
  int screenHeight = 480;
  // A display this high or less gets a popup window at 0,0 of the display's
  // full size; 0: a popup of the screen's size when the display is no higher
  // than the screen.
  int popupDisplayHeight = 0;
  const std::int16_t* smallFont = nullptr;  // glyph table of the status line and balance (in the picture)
  const std::int16_t* moneyFont = nullptr;  // glyph table of the balance when not the small font
  ScreenLayout layout{};
  // Frames a hint stays on the status line while the pointer is over no
  // enabled button: after statusEmptyFrames the line is emptied, after
  // statusDefaultFrames the default text shows; whichever comes later is
  // kept up each frame from then on.
  int statusEmptyFrames = 15;
  int statusDefaultFrames = 50;
  // The last row whose hover holds the status line (the counter stays at 0);
  // rows past it time out as if the pointer were over none. 0: every row.
  int statusHoldLastRow = 0;

  // ---- Buttons ----
  ButtonEntry* buttons = nullptr;  // the game's own table; the shell draws and enables it
  int buttonCount = 0;
  ButtonRanges ranges{};

  // ---- Resources ----
  // Registered as accelerator table 103; the start fails without one.
  const plat::ACCEL* accelerators = nullptr;
  int acceleratorCount = 0;

  // ---- Hooks (records travel as void*; only the game knows their types) ----
  // Puts everything the program keeps between runs back to its start, so a
  // process can run the program more than once; null: nothing kept.
  void (*ResetRun)() = nullptr;
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
  // The button that stands on a hit-map button's place now (a button drawn
  // over another's place while it is on), for every hit test: the game's
  // presses, the cursor and the status line's timeout; null: the map's own.
  int (*ButtonInPlace)(int button) = nullptr;
  // The game's window procedure; it calls HandleShellMessage first.
  plat::WNDPROC MainWndProc = nullptr;
  // The game's voice switch (first word of its settings); null: none.
  std::uint16_t* (*VoiceSwitch)() = nullptr;
  // 1 while bets may be placed (DrawMoney enables the chips then).
  int (*BettingOpen)() = nullptr;
  // The client link end's trace hook, installed after the playback hooks;
  // null: none.
  void (*ClientWaitCallback)(CComm& comm, int code) = nullptr;
  // Once per frame after the game client and server and the status line's
  // timeout, while the client goes on; null: nothing.
  void (*ExtraFrameStep)() = nullptr;
  // Once per frame, with the link or without it, before the screen is
  // flushed (the machine's idle animations); null: nothing.
  void (*IdleFrameStep)() = nullptr;
  // When the message loop starts (the machine's frame timer); null: nothing.
  void (*LoopStarting)() = nullptr;
};

// The hooks the shell calls that the table leaves null: the name of the
// first one missing (or "name", "code", "alivePeriod" for a missing value),
// null when the table is whole.
const char* MissingGameHook(const GameDefinition& game);
