// The headless device of dialogs, message boxes and controls: no widgets,
// painting through the program's own messages, and the scripted user of
// headless.h.
#include <algorithm>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {
namespace {

constexpr int kTabRowHeight = 25;

void DrawItem(HWND ctl, int itemId, UINT state, const RECT& rc) {
  HDC hdc = common::NewDc(ctl);
  common::SendDrawItem(ctl, hdc, itemId, state, rc);
  common::DeleteDc(hdc);
}

// A scripted user acts only on a control of an open dialog that is shown and
// enabled; what the act sets off is delivered before the next one.
template <class Act>
void ActOn(HWND dialog, int id, Act act) {
  if (common::DialogDone(dialog)) return;
  const HWND ctl = GetDlgItem(dialog, id);
  if (!ctl || !IsWindowVisible(ctl) || !IsWindowEnabled(ctl)) return;
  act(ctl, common::ControlOf(ctl));
  common::DeliverToDialog(dialog, false);
}

}  // namespace
}  // namespace hl

using namespace hl;

// ---- The device ----------------------------------------------------------------------

namespace common {

CWindowCore* NewControlRecord(HWND parent) {
  return FindCore(parent) ? WindowTable().Add(std::make_unique<Window>()) : nullptr;
}

void MakeControlNative(CWindowCore&, RECT*) {}

void ShowControlState(CWindowCore& control) { control.needsPaint = true; }

void PaintControl(CWindowCore& control) {
  const HWND ctl = control.handle;
  const CControl* cs = control.control.get();
  const SIZE size = ClientSize(control);
  const bool focused = GetFocus() == ctl;
  // Frames and read-only edits take their background from the parent.
  const bool asksParent = cs->kind == CTL_STATICFRAME || cs->kind == CTL_GROUPBOX ||
                          (cs->kind == CTL_EDIT && cs->readOnly);
  if (asksParent && control.parent) {
    HDC hdc = NewDc(ctl);
    SendMessage(control.parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), HandleToLParam(ctl));
    DeleteDc(hdc);
    return;
  }
  if (!(cs->cstyle & CS_OWNERDRAW)) return;
  const int height = cs->itemHeight;
  if (cs->kind == CTL_COMBOBOX) {
    DrawItem(ctl, cs->curSel, ODS_COMBOBOXEDIT | (focused ? ODS_FOCUS | ODS_SELECTED : 0),
                 RECT{0, 0, size.cx, std::min<LONG>(size.cy, height + 6)});
  } else if (cs->kind == CTL_LISTBOX) {
    const int count = static_cast<int>(cs->items.size());
    const int sel = cs->curSel;
    if (count == 0) DrawItem(ctl, -1, focused ? ODS_FOCUS : 0, RECT{0, 0, size.cx, height});
    for (int i = 0; i < count && ControlOf(ctl); ++i) {
      const UINT state = i == sel ? ODS_SELECTED | (focused ? ODS_FOCUS : 0) : 0;
      DrawItem(ctl, i, state, RECT{0, i * height, size.cx, (i + 1) * height});
    }
  }
}

bool NativeInputReached(CWindowCore&) { return false; }

int TabRowHeight(const CWindowCore&) { return kTabRowHeight; }

void MakeDialogNative(CWindowCore& dialog, const DLGTEMPLATE& t) {
  if (t.fontFace) dialog.font = CreateFont(t.fontSize, 0, FW_NORMAL, t.fontFace);
}

void RunDialogLoop(HWND dialog, int templateId) {
  DeliverToDialog(dialog, false);
  if (!DialogDone(dialog) && S().dialogHandler) {
    auto handler = S().dialogHandler;  // the handler may replace itself
    handler(templateId, dialog);
  }
  DeliverToDialog(dialog, false);
  // Nobody answered: the dialog is cancelled as by Escape.
  if (!DialogDone(dialog)) DialogKeyPressed(dialog, VK_ESCAPE);
  DeliverToDialog(dialog, false);
}

void DialogClosed(int templateId, const std::string& title, INT_PTR result) {
  S().dialogs.push_back(headless::DialogRecord{templateId, title, result});
}

int AskMessageBox(HWND owner, const char* text, const char* caption, UINT type, int defaultAnswer) {
  State& s = S();
  const std::size_t index = s.messageBoxes.size();
  s.messageBoxes.push_back(headless::MessageBoxRecord{owner, text, caption, type, 0});
  int answer = defaultAnswer;
  if (s.messageBoxHandler) {
    auto handler = s.messageBoxHandler;  // the handler may replace itself
    answer = handler(headless::MessageBoxRecord(s.messageBoxes[index]));  // a box it shows may move the log
  }
  if (index < s.messageBoxes.size()) s.messageBoxes[index].answer = answer;
  return answer;
}

}  // namespace common

// ---- The scripted user -------------------------------------------------------------

namespace headless {

void SetMessageBoxHandler(std::function<int(const MessageBoxRecord&)> handler) {
  S().messageBoxHandler = std::move(handler);
}
const std::vector<MessageBoxRecord>& MessageBoxes() { return S().messageBoxes; }
void ClearMessageBoxes() { S().messageBoxes.clear(); }

void SetDialogHandler(std::function<void(int templateId, HWND dialog)> handler) {
  S().dialogHandler = std::move(handler);
}
const std::vector<DialogRecord>& Dialogs() { return S().dialogs; }
void ClearDialogs() { S().dialogs.clear(); }

void FocusControl(HWND dialog, int id) {
  ActOn(dialog, id, [](HWND ctl, const common::CControl*) { SetFocus(ctl); });
}

void ClickControl(HWND dialog, int id) {
  ActOn(dialog, id, [](HWND ctl, const common::CControl* c) {
    if (c && common::TakesFocus(c->kind)) SetFocus(ctl);
    common::ClickControl(ctl);
  });
}

void TypeText(HWND dialog, int id, const char* text) {
  ActOn(dialog, id, [text](HWND ctl, const common::CControl* c) {
    if (!c || c->kind != CTL_EDIT || c->readOnly) return;
    SetFocus(ctl);
    common::ReplaceEditText(ctl, text ? text : "");
  });
}

void SelectItem(HWND dialog, int id, int index) {
  ActOn(dialog, id, [index](HWND ctl, const common::CControl* c) {
    if (!c || (c->kind != CTL_COMBOBOX && c->kind != CTL_LISTBOX) || index < 0 ||
        index >= static_cast<int>(c->items.size())) {
      return;
    }
    SetFocus(ctl);
    common::ChooseItem(ctl, index);
  });
}

void SelectTab(HWND dialog, int id, int index) {
  ActOn(dialog, id, [index](HWND ctl, const common::CControl*) { common::ChooseTab(ctl, index); });
}

}  // namespace headless
}  // namespace plat
