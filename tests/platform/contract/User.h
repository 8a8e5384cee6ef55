// A person at the controls of an open dialog, as each device hears one:
// headless, its scripted user; on the desktop, input on the real widgets.
// Each acts only on a control that is shown and enabled, and returns when
// the dialog has heard of it.
#pragma once

#include <functional>

#include "platform/include/plat/plat.h"

namespace contract::user {

// Clicks a button or a label (and focuses what takes the focus).
void Click(plat::HWND dialog, int id);
// Replaces an edit's text by typing text into it.
void Type(plat::HWND dialog, int id, const char* text);
// Chooses item index of a combo or list box.
void Choose(plat::HWND dialog, int id, int index);
// Clicks tab index of a tab control.
void ChooseTab(plat::HWND dialog, int id, int index);
// The next message box is answered by the button whileOpen returns (IDOK,
// IDCANCEL, IDYES, IDNO), called while the box is shown.
void AnswerNextMessageBox(std::function<int()> whileOpen);

}  // namespace contract::user
