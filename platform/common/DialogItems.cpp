// The controls of a dialog by id, and the calls on them that do not depend
// on how a device shows them.
#include "platform/common/Window.h"
#include "platform/include/plat/dialog.h"

namespace plat {
namespace {

// The control with that id sitting in parent, or in a control there.
HWND FindItem(const common::CWindowCore& parent, int id) {
  for (HWND h : parent.children) {
    const common::CWindowCore* c = common::FindCore(h);
    if (!c) continue;
    if (c->id == id) return h;
    if (HWND inner = FindItem(*c, id)) return inner;
  }
  return nullptr;
}

}  // namespace

HWND GetDlgItem(HWND dialog, int id) {
  const common::CWindowCore* d = common::FindCore(dialog);
  return d ? FindItem(*d, id) : nullptr;
}

int GetDlgCtrlID(HWND control) {
  const common::CWindowCore* c = common::FindCore(control);
  return c && c->parent ? c->id : 0;
}

BOOL SetDlgItemText(HWND dialog, int id, const char* text) {
  const HWND c = GetDlgItem(dialog, id);
  return c ? SetWindowText(c, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, char* buffer, int maxCount) {
  const HWND c = GetDlgItem(dialog, id);
  if (!c) {
    if (buffer && maxCount > 0) buffer[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowText(c, buffer, maxCount));
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
  if (!common::FindCore(dialog) || firstId > lastId || checkId < firstId || checkId > lastId) return FALSE;
  for (int id = firstId; id <= lastId; ++id) CheckDlgButton(dialog, id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

}  // namespace plat
