// A whole Black Jack run on the headless backend: a temporary staged tree
// with the generated artwork, a scripted main client relaying every packet,
// the decks the server is to shuffle, and a script of steps that the idle
// hook works through while the program plays.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hx/BlackJackClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/CardTableRun.h"

class BlackJackRun : public CCardTableRun {
 public:
  BlackJackRun();

  // ---- Before Run ----
  // The top of each game's deck, "AS KH 9D" (the first dealt first).
  std::vector<std::string> decks;
  int Run();

  // ---- What happened ----
  bool decksRanOut = false;
  // 1 when a packet the receiver took on channel holds piece.
  bool Sent(int channel, const std::string& piece) const;

  // ---- For the steps ----
  static hx::BlackJackClientRecord* Record();
  static bool InState(int state);
  static void ClickButton(int button);
  static void RightClickButton(int button);
  static plat::COLORREF PictureColour(int x, int y);
};

// The server's draws that shuffle these decks in turn (52 a game).
std::vector<int> DrawsForDecks(const std::vector<std::string>& decks);
// 1 when the sound was played in this run.
bool Played(const char* name);
