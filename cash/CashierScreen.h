// The cashier's main screen: its text, the name and balance, the deposit
// and withdraw selectors, the information box, the button marks and the
// activity globe. Everything draws into gScreen and is shown by the frame's
// flush.
#pragma once

#include "framework/shell/ButtonEntry.h"

namespace cash {

inline constexpr int kTransferDeposit = 3;
inline constexpr int kTransferWithdraw = 4;
inline constexpr int kTransferNone = -1;
// Frames an information box stays at least.
inline constexpr int kInfoBoxFrames = 50;
// Frames the globe stands still before it turns, and frames per turn step.
inline constexpr int kGlobeStillFrames = 16;
inline constexpr int kGlobeStepFrames = 4;

// RedrawPanel kinds.
inline constexpr int kPanelClear = 0;       // value: the globe's enabled flag
inline constexpr int kPanelStopGlobe = 1;
inline constexpr int kPanelFrame = 2;
inline constexpr int kPanelShowingTime = 3;
inline constexpr int kPanelSetShowingTime = 4;

extern ButtonEntry gCashierButtons[];
extern int gCashierTextColour;  // palette index, from the picture

// Start of a run: the table as at start, no selection, the globe still.
void ResetCashierScreen();

// Text in the text colour from (x, y), cut at right (-1: the screen's
// edge); "\n" starts a new line.
void DrawCashierText(const char* text, int x, int y, int right = -1);
// Text wrapped at width pixels (TextWrap.h) from (x, y).
void DrawWrappedText(const char* text, int x, int y, int width);
// Fills an area of both layers with a palette index (clipped) and marks it.
void FillRectDirty(int x, int y, int width, int height, int colour);

// mode -1 answers the selection; 3 or 4 selects deposit or withdraw; with
// reset the current selection is drawn again in full. Answers the selection.
int SelectTransferMode(int mode, int reset);
// The player's name and "$%.2f" of balance, each over its cleared box.
void DrawBalance(double balance);
// The box background, the title centred (none when null) and the text
// wrapped below it; the box then stays kInfoBoxFrames frames at least.
void ShowInfoBox(const char* title, const char* text);
// The panel and globe (kinds above); kind 3 answers the showing time left.
int RedrawPanel(int kind, int value);
// The screen's picture back over 0,0,400,259; every button to be drawn again.
void RestoreMenuScreen();

// The rows to show: clear every mark, mark one, draw the marked ones raised
// and the others gone (a row already drawn so is left alone).
void ResetButtonMarks();
void MarkButton(int row);
void DrawMenuButtons();

}  // namespace cash
