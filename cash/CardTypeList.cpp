#include "cash/CardTypeList.h"

#include <cstring>

#include "cash/CardTypes.h"
#include "cash/DialogArtFiles.h"
#include "platform/include/plat/gdi.h"

using namespace plat;

namespace {

HBITMAP gLogos[kCardTypeCount] = {};

int IsCardRow(LPARAM row) { return row >= 0 && row < kCardTypeCount; }

}  // namespace

void FreeCardTypeBitmaps() {
  for (HBITMAP& logo : gLogos) {
    if (logo) DeleteObject(ToObject(logo));
    logo = nullptr;
  }
}

int FillCardTypeList(HWND list) {
  FreeCardTypeBitmaps();
  for (int row = 0; row < kCardTypeCount; ++row) {
    gLogos[row] = LoadBitmap(nullptr, gCardTypes[row].logoBitmap);
    if (!gLogos[row]) {
      FreeCardTypeBitmaps();
      return 0;
    }
  }
  ComboBox_ResetContent(list);
  for (int row = 0; row < kCardTypeCount; ++row) {
    CardTypeRow& card = gCardTypes[row];
    card.listIndex = 0;
    if (!card.accepted) continue;
    const int index = ComboBox_AddString(list, card.displayName);
    if (index < 0) continue;
    card.listIndex = index;
    ComboBox_SetItemData(list, index, row);
  }
  ComboBox_SetCurSel(list, 0);
  return 1;
}

int SelectedCardRow(HWND list) {
  const int index = ComboBox_GetCurSel(list);
  if (index < 0) return -1;
  const LPARAM row = ComboBox_GetItemData(list, index);
  return IsCardRow(row) ? static_cast<int>(row) : -1;
}

void DrawCardTypeItem(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH back = CreateSolidBrush(selected ? RGB(0, 0, 128) : RGB(255, 255, 255));
  FillRect(item.hdc, &item.rcItem, back);
  DeleteObject(ToObject(back));
  if (item.itemId < 0 || !IsCardRow(item.itemData)) return;
  const int row = static_cast<int>(item.itemData);
  const int height = item.rcItem.bottom - item.rcItem.top;
  const int logoY = item.rcItem.top + (height - kCardLogoHeight) / 2;
  if (gLogos[row]) {
    DrawBitmap(item.hdc, item.rcItem.left + 2, logoY, kCardLogoWidth, kCardLogoHeight, gLogos[row], 0, 0,
               kCardLogoWidth, kCardLogoHeight, kCardLogoMaskColour);
  }
  SetBkMode(item.hdc, TRANSPARENT);
  SetTextColor(item.hdc, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
  RECT text = item.rcItem;
  text.left += kCardLogoWidth + 8;
  DrawText(item.hdc, gCardTypes[row].displayName, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hdc, &item.rcItem);
}
