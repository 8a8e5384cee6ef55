// Controls (the built-in classes) as Qt widgets inside a dialog or window.
#pragma once

#include <QRect>
#include <QString>

#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace plat::desktop {

struct CWindow;

// Creates a control in parent (a dialog, a top-level window or a control
// that holds others) with its Qt widget; rect is in the parent's client
// coordinates. WS_VISIBLE and WS_DISABLED of windowStyle apply. Answers null
// when the parent cannot hold controls.
CWindow* CreateControl(CWindow* parent, ControlKind kind, int id, const char* text,
                       const QRect& rect, DWORD controlStyle, DWORD windowStyle);

// The text a control shows (its caption, an edit's contents, a combo box's
// selected item).
QString ControlText(const CWindow* control);
void SetControlText(CWindow* control, const QString& text);
// Applies a font given with WM_SETFONT.
void SetControlFont(CWindow* control, HFONT font);

// The procedure of every built-in control: acts on the widget for messages
// sent or posted by the program (text, font, clicks, typed characters) and
// paints static texts. Subclass procedures pass what they do not handle to it.
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Sends a control's notification (WM_COMMAND or WM_NOTIFY) to its parent.
void NotifyParent(CWindow* control, WORD code);

}  // namespace plat::desktop
