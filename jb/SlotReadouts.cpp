#include <cstdio>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "jb/SlotButtons.h"
#include "jb/SlotLayout.h"
#include "jb/SlotMoney.h"
#include "jb/SlotPresentation.h"

namespace jb {

GlyphTable gReadoutFont = MakeGlyphTable(kReadoutFontLayout);

namespace {

// Only the area is restored before the next text: a text too wide for it
// drops its label.
void DrawReadout(const Area& a, const char* label, double dollars) {
  char text[48];
  std::snprintf(text, sizeof text, "%s $%.2f", label, dollars);
  if (TextWidth(gReadoutFont.data(), text) > a.width) std::snprintf(text, sizeof text, "$%.2f", dollars);
  gScreen.Restore(a.x, a.y, a.width, a.height);
  gScreen.DrawText(&gPicture, gReadoutFont.data(), text, a.x, a.y, gReadoutFont[1]);
}

}  // namespace

void DrawCreditReadout(double credits, double value) { DrawReadout(kCreditReadout, "Credit", credits * value); }
void DrawBetReadout(double coins, double value) { DrawReadout(kBetReadout, "Bet", coins * value); }
void DrawPaidReadout(double win, double value) { DrawReadout(kPaidReadout, "Paid", win * value); }

void ShowDenomination(double value) {
  const int inForce = MachineValueIndex(value);
  for (int k = 0; k < kMachineValueCount; ++k) {
    ButtonEntry& row = gSlotButtons[kButtonQuarterMachine + k];
    gScreen.Restore(row.x, row.y, row.width, row.height);
    row.currentState = -1;
    row.kind = k != inForce ? kButtonHitOnly : kSlotButtonTable[kButtonQuarterMachine + k].kind;
  }
  RedrawButtons();
}

void DisableAllButNeutral() {
  for (int b = 0; b < kSlotButtonCount; ++b) {
    gSlotButtons[b].enabled = b == kButtonHelp || b == kButtonOptions || b == kButtonQuit ? 1 : 0;
  }
  UpdateCursor();
}

void SetSlotButton(int button, int on) {
  if (button < 0 || button >= kSlotButtonCount) return;
  gSlotButtons[button].enabled = on ? 1 : 0;
}

void ResetReadouts() { gReadoutFont = MakeGlyphTable(kReadoutFontLayout); }

}  // namespace jb
