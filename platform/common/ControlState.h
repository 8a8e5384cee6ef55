// What a built-in control and a running dialog hold, whichever device
// shows them.
#pragma once

#include <string>
#include <vector>

#include "platform/include/plat/dialog.h"

namespace plat::common {

struct CItem {
  std::string text;
  LPARAM data = 0;
};

struct CControl {
  ControlKind kind = CTL_STATIC;
  DWORD cstyle = 0;  // CS_* bits
  std::string text;
  UINT check = BST_UNCHECKED;
  int limit = 30000;  // edits: the most characters typing leaves
  bool readOnly = false;
  std::vector<CItem> items;  // combo and list boxes
  int curSel = -1;           // their selected item, or the selected tab
  int droppedHeight = 0;
  int itemHeight = 16;  // from WM_MEASUREITEM for owner-drawn items
  std::vector<std::string> columns;  // list view
  std::vector<int> columnWidths;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> tabs;  // tab control
};

struct CDialog {
  DLGPROC proc = nullptr;
  bool ended = false;
  INT_PTR result = 0;
};

}  // namespace plat::common
