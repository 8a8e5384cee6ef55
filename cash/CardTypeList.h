// The credit-card page's list of accepted cards, each with its logo.
#pragma once

#include "platform/include/plat/dialog.h"

inline constexpr int kCardItemHeight = 19;

// Loads the logos and adds every accepted card type in table order, each
// item's data its table row, and selects the first. 1, or 0 when a logo
// does not load (the list then stays empty).
int FillCardTypeList(plat::HWND list);
// Draws one item: the masked logo at the left, the name after it, the
// selection colours and the focus rectangle.
void DrawCardTypeItem(const plat::DRAWITEMSTRUCT& item);
void FreeCardTypeBitmaps();
// The table row of the list's selected item, -1 when none.
int SelectedCardRow(plat::HWND list);
