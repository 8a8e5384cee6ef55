// Modal dialogs from templates.
#pragma once

#include "platform/include/plat/window.h"

namespace plat::desktop {

struct CWindow;

// The window procedure of every dialog: the dialog procedure first, then
// the defaults (background from WM_CTLCOLORDLG, WM_CLOSE as IDCANCEL, the
// Enter and Escape keys).
LRESULT DialogWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Enter clicks the focused or default push button (IDOK when there is none),
// Escape sends IDCANCEL; false for other keys.
bool DialogKeyPressed(CWindow* dialog, WPARAM virtualKey);
// Runs until the predicate says stop, delivering the messages of root's
// windows (posted ones for other windows wait) and sent ones.
void RunModalLoop(HWND root, bool (*done)(HWND root));

}  // namespace plat::desktop
