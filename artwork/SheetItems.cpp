#include "artwork/SheetItems.h"

#include "artwork/ButtonFace.h"
#include "artwork/Card.h"
#include "artwork/Chip.h"
#include "artwork/Die.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"

namespace artwork {

void DrawFillItem(IndexedImage& image, const SheetItem& item) { FillRect(image, item.area, item.colour); }

void DrawFeltItem(IndexedImage& image, const SheetItem& item) {
  FillRoundRect(image, item.area, 24, kGold);
  const Rect felt{item.area.x + 3, item.area.y + 3, item.area.w - 6, item.area.h - 6};
  FillRoundRect(image, felt, 21, item.colour);
  FrameRoundRect(image, {felt.x + 6, felt.y + 6, felt.w - 12, felt.h - 12}, 16, kFeltLight);
  if (item.text) DrawTextCentred(image, {felt.x, felt.y + 12, felt.w, 20}, item.text, {kYellow, kBlack, 2, 1});
}

void DrawBetAreaItem(IndexedImage& image, const SheetItem& item) {
  FrameRoundRect(image, item.area, 8, item.colour);
  FrameRoundRect(image, {item.area.x + 1, item.area.y + 1, item.area.w - 2, item.area.h - 2}, 7, item.colour);
  if (item.text) DrawTextCentred(image, item.area, item.text, {kWhite, kBlack, 2, 1});
}

void DrawLabelItem(IndexedImage& image, const SheetItem& item) {
  DrawTextCentred(image, item.area, item.text ? item.text : "", {item.colour, kBlack, item.value, 1});
}

void DrawChipItem(IndexedImage& image, const SheetItem& item) { DrawChip(image, item.area, item.value); }

void DrawDieItem(IndexedImage& image, const SheetItem& item) {
  DrawDie(image, item.area, item.value, item.colour, kBlack);
}

void DrawCardItem(IndexedImage& image, const SheetItem& item) {
  if (item.value == kJokerCard) {
    DrawJoker(image, item.area);
    return;
  }
  DrawCard(image, item.area, item.value % 13 + 2, item.value / 13);
}

void DrawCardBackItem(IndexedImage& image, const SheetItem& item) {
  DrawCardBack(image, item.area, kDarkBlue, kBlue);
}

void DrawButtonItem(IndexedImage& image, const SheetItem& item) {
  DrawButtonFace(image, item.area, item.text ? item.text : "", item.value, item.colour);
}

void DrawMarkerItem(IndexedImage& image, const SheetItem& item) {
  Plot(image, item.area.x, item.area.y, item.colour);
}

}  // namespace artwork
