// The cashier's whole program on the headless backend against a scripted
// main client that relays to its play-for-fun server (CCardTableRun), and
// what its steps look at: the client record, the buttons, the boxes.
#pragma once

#include <string>

#include "cash/CashierClientRecord.h"
#include "cash/CashierLayout.h"
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
  // Some pixel of the area differs from the bare picture: something is drawn there.
  static bool Drawn(const cash::Area& a);
  // The area shows the picture's area at source.
  static bool Shows(const cash::Area& a, cash::Point source);
  // How many message boxes showed text (or, with caption, that caption too).
  static int Boxes(const std::string& text, const char* caption = nullptr);
  // The offline dialog confirmed with amount on the page of tab (the dialog's
  // own first page when tab is -1); installed for every later dialog.
  static void AnswerDialogs(int tab, const char* amount);
};
