// The main module the card games share: their settings file (voice samples
// and the New Game button, 4 bytes read whole or not at all), the window
// procedure and the options dialog, each driven by a per-game table, and
// the link end's wait callback that clears the title's status.
#pragma once

#include <cstdint>

#include "framework/link/Comm.h"
#include "framework/shell/KeyButtons.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/types.h"

namespace kw {

struct CardGameOptions {
  std::uint16_t voice;          // play voice samples
  std::uint16_t newGameButton;  // a round waits for "Start a new game"; off: any click or key
};
static_assert(sizeof(CardGameOptions) == 4, "the settings file holds 4 bytes");
extern CardGameOptions gCardGameOptions;

struct CardGameTable {
  const char* name;          // box titles
  const char* settingsFile;  // "Paigow.cfg"
  const char* helpPage;      // "kw.htm"
  const KeyButton* keys;     // WM_CHAR presses
  int keyCount;
  int exitButton;            // WM_CLOSE asks only while it is enabled
  int newGameButton;         // any key release presses it while enabled
  int repeatBetButton;       // Space presses it
  void (*setExitRequest)(int on);
  void (*setNewGameMark)();
};

// "Casino.cfg", then both options on and the file read over them whole.
void LoadCardGameConfig(const CardGameTable& game);
// The game's window procedure body after the shell's shared messages.
plat::LRESULT CardGameWindowMessage(const CardGameTable& game, plat::HWND window, plat::UINT message,
                                    plat::WPARAM wParam, plat::LPARAM lParam);
// The options dialog (resource 106): the shared boxes, voice samples (105)
// and the New Game button (1010).
inline constexpr int kControlNewGameButton = 1010;
plat::INT_PTR CardGameConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam);
extern const plat::DLGTEMPLATE kCardGameConfigDialog;
// The same dialog under another game's caption.
plat::DLGTEMPLATE CardGameConfigDialog(const char* caption);
// The client link end's wait callback: once a sent packet's answer has been
// found the title shows no status.
void OnCommWait(CComm& comm, int code);
// The last bet, logged once each round.
inline constexpr int kLastBetEvent = 10001;
// The last bet a new game starts with: the replayed one when the log holds
// one from 0 to maxBet (the newest of several), else lastBet; logged again
// for the next restore.
double CarryLastBet(double lastBet, double maxBet);
// Options to their defaults, no wait pending (start of a run).
void ResetCardGameShell();

}  // namespace kw
