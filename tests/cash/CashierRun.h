// The cashier's whole program on the headless backend against a scripted
// main client that relays to its play-for-fun server (CCardTableRun), and
// what its steps look at: the client record, the buttons, the boxes.
#pragma once

#include <functional>
#include <string>

#include "cash/CashierClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/CardTableRun.h"

class CashierRun : public CCardTableRun {
 public:
  CashierRun();

  static CashierClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static bool InMenu();  // the menu waits for the player
  static void ClickButton(int row);  // at the centre of its area
  static plat::COLORREF PictureColour(int x, int y);
  // How many message boxes showed text (or, with caption, that caption too).
  static int Boxes(const std::string& text, const char* caption = nullptr);
  // A condition that holds once frames frames have run since it was first asked.
  static std::function<bool()> AfterFrames(int frames);
  // The offline dialog confirmed with amount on the page of tab (the dialog's
  // own first page when tab is -1); installed for every later dialog.
  static void AnswerDialogs(int tab, const char* amount);
};
