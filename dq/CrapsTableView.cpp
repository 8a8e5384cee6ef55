#include "dq/CrapsTableView.h"

#include <cmath>
#include <cstdio>

#include "framework/shell/Buttons.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsFonts.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsStartup.h"
#include "framework/shell/ShellGlobals.h"

namespace dq {

TableViewState gTableView;

namespace {

bool InRun(int kind, int first) { return kind >= first && kind < first + 6; }

// The marker a pile carries on top of its chips, or null.
const Point* MarkerOf(const CrapsClientRecord& record, int kind) {
  const bool onOffShown = gTableView.workingMarkersShown == 1 &&
                          gCrapsOptions.onOffMarker == 1 && record.point == 0;
  if (InRun(kind, kLay4)) return &kLayMarkerSprite;
  if (InRun(kind, kBuy4)) {
    if (!onOffShown) return &kBuyMarkerSprite;
    return record.workingBuy == 1 ? &kOnMarkerSprite : &kOffMarkerSprite;
  }
  int working = -1;
  if (InRun(kind, kPlaceWin4)) working = record.workingPlace;
  if (InRun(kind, kComePointOdds4)) working = record.workingComeOdds;
  if (kind >= kHardway6 && kind <= kHardway4) working = record.workingHardways;
  if (working < 0 || !onOffShown) return nullptr;
  return working == 1 ? &kOnMarkerSprite : &kOffMarkerSprite;
}

}  // namespace

void ResetTableView() {
  gTableView = TableViewState{};
  gTableView.workingMarkersShown = 1;
  gTableView.lists.won[0] = kBetListEnd;
  gTableView.lists.lost[0] = kBetListEnd;
}

int ChipCount(float amount, int countFraction) {
  // Every chip is whole dollars, so the whole part splits into the same chips.
  return ForEachPileChip(countFraction ? amount : std::floor(amount), [](int, Point) {});
}

void DrawSprite(int x, int y, Point source, int width, int height) {
  gScreen.Blit(x, y, &gPicture, source.x, source.y, width, height, gTransparentIndex);
}

void DrawSpriteTop(int x, int y, Point source, int width, int height) {
  gScreen.BlitTop(x, y, &gPicture, source.x, source.y, width, height, gTransparentIndex);
}

void DrawTotalBet(double total) {
  gScreen.Restore(kTotalBetArea.x, kTotalBetArea.y, kTotalBetArea.width, kTotalBetArea.height);
  char text[64];
  std::snprintf(text, sizeof text, "Total bet $%.2f", total);
  gScreen.DrawText(&gPicture, kTableFont.data(), text, kTotalBetArea.x, kTotalBetArea.y,
                   gTableTextColour);
}

void DrawChipPile(const CrapsClientRecord& record, float amount, int x, int y, int kind) {
  auto place = [&](int n, Point sprite) {
    DrawSprite(x + kPileJitter[n % kPileJitterCount] - kChipWidth / 2,
               y - kChipHeight / 2 - kPileChipStep * n, sprite, kChipWidth, kChipHeight);
  };
  int n = ForEachPileChip(amount, place);
  if (kind < 0 || kind >= kCrapsBetKinds) return;
  if (const Point* marker = MarkerOf(record, kind)) place(n++, *marker);
  gTableView.pileHeight[kind] = n;
}

int EraseBetPile(const float* bets, int kind) {
  const float whole = std::trunc(bets[kind]);
  const int levels = (whole > 0.0f ? ChipCount(whole, 0) : 0) + 1;
  const Point spot = kBetSpots[kind];
  int top = spot.y - kChipHeight / 2 - kPileChipStep * levels;
  if (top < 0) top = 0;
  gScreen.Restore(spot.x - 12, top, 24, kChipHeight + kPileChipStep * levels);
  return levels;
}

void RedrawAllBets(const CrapsClientRecord& record) {
  if (record.previousComeOut == 1) {
    for (int i = 0; i < 6; ++i) {
      EraseBetPile(record.bets, kComePointOdds4 + i);
      EraseBetPile(record.bets, kPlaceWin4 + i);
    }
    for (int kind = kHardway6; kind <= kHardway4; ++kind) EraseBetPile(record.bets, kind);
  }
  for (int i = 0; kBetDrawOrder[i] != kBetDrawOrderEnd; ++i) {
    const int kind = kBetDrawOrder[i];
    const float amount = record.bets[kind];
    if (amount != 0.0f) {
      DrawChipPile(record, amount, kBetSpots[kind].x, kBetSpots[kind].y, kind);
    } else {
      gTableView.pileHeight[kind] = 0;
    }
  }
}

void EraseWorkingBetPiles(const CrapsClientRecord& record) {
  for (int i = 0; i < 6; ++i) {
    EraseBetPile(record.bets, kComePointOdds4 + i);
    EraseBetPile(record.bets, kPlaceWin4 + i);
    EraseBetPile(record.bets, kBuy4 + i);
  }
  for (int kind = kHardway6; kind <= kHardway4; ++kind) EraseBetPile(record.bets, kind);
}

void UpdateBetButtons(const CrapsClientRecord& record) {
  const float* bets = record.bets;
  const bool comeOut = record.comeOut == 1;
  for (int button = kFirstBetButton; button < kCrapsButtonCount; ++button) {
    const int kind = BetKindOfButton(button);
    if (kind < 0) continue;
    bool enabled = true;
    switch (kind) {
      case kPassline: enabled = comeOut; break;
      case kPasslineOdds:
        enabled = !comeOut && bets[kPassline] > 0.0f && bets[kPassline] >= record.minBet;
        break;
      case kDontPass: enabled = comeOut || bets[kDontPass] > 0.0f; break;
      case kDontPassOdds:
        enabled = !comeOut && bets[kDontPass] > 0.0f && bets[kDontPass] >= record.minBet;
        break;
      case kComeBet:
      case kDontComeBet: enabled = !comeOut; break;
      default:
        if (InRun(kind, kComePointOdds4) || InRun(kind, kDontComePointOdds4)) {
          enabled = bets[kind - 6] > 0.0f;
        }
        break;
    }
    gCrapsButtons[button].enabled = enabled ? 1 : 0;
  }
  RedrawButtons();
}

void ProcessRollResults(CrapsClientRecord* record) {
  SettleRollOnRecord(record, &gTableView.lists);
  if (record->point != 0) DrawPuckOn(record->point);
  if (record->dice[0] + record->dice[1] == 7) DrawPuckOff();
  record->previousComeOut = 0;
  RedrawAllBets(*record);
}

void DrawDice(int die1, int die2) {
  const int dice[2] = {die1, die2};
  for (int d = 0; d < 2; ++d) {
    if (dice[d] < 1 || dice[d] > 6) continue;
    gScreen.Blit(kLargeDiePlaces[d].x, kLargeDiePlaces[d].y, &gPicture,
                 kLargeDieFaces[dice[d] - 1].x, kLargeDieFaces[dice[d] - 1].y, kLargeDieWidth,
                 kLargeDieHeight, gTransparentIndex);
  }
}

void DrawRestingDice(const CrapsClientRecord& record) {
  if (gTableView.diceOnTable != 1) return;
  for (int d = 0; d < 2; ++d) DrawTableDie(gTableView.diePlaces[d], record.dice[d]);
}

void DrawTableDie(Point at, int value) {
  if (value < 1 || value > 6) return;
  DrawSprite(at.x + kDieShadowOffset.x, at.y + kDieShadowOffset.y, TableDieShadow(value),
             kTableDieWidth, kTableDieHeight);
  DrawSprite(at.x, at.y, TableDieFace(value), kTableDieWidth, kTableDieHeight);
}

void EraseTableDie(Point at) {
  gScreen.Restore(at.x, at.y, kTableDieWidth, kTableDieHeight);
  gScreen.Restore(at.x + kDieShadowOffset.x, at.y + kDieShadowOffset.y, kTableDieWidth,
                  kTableDieHeight);
}

void DrawPuckOn(int point) {
  const Point at = PuckPlace(point);
  DrawSprite(at.x, at.y, kPuckOnSprite, kPuckWidth, kPuckHeight);
}

void DrawPuckOff() {
  DrawSprite(kPuckOffPlace.x, kPuckOffPlace.y, kPuckOffSprite, kPuckWidth, kPuckHeight);
}

void DrawChipSelector(int selection) {
  if (selection < 0 || selection >= kChipCount) return;
  DrawSprite(kSelectorPlaces[selection].x, kSelectorPlaces[selection].y, kSelectorSprite,
             kSelectorSize, kSelectorSize);
}

void EraseChipSelector(int selection) {
  if (selection < 0 || selection >= kChipCount) return;
  gScreen.Restore(kSelectorPlaces[selection].x, kSelectorPlaces[selection].y, kSelectorSize,
                  kSelectorSize);
}

}  // namespace dq
