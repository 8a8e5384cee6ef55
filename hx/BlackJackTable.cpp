#include "hx/BlackJackTable.h"

#include <cstdarg>
#include <cstdio>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/Interpolate.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackFiles.h"
#include "hx/BlackJackFonts.h"
#include "hx/BlackJackResults.h"
#include "hx/ChipSprites.h"
#include "platform/include/plat/time.h"

namespace hx {

CDib gChipBitmap;
GlyphTable gTableGlyphs = kTableFont;
int gPointerKey = kPictureKey;
const kw::TextBoxStyle kBlackJackTextBox{gTableGlyphs.data(), kTextStripSource.x, kTextStripSource.y,
                                         kTextStripHeight};

namespace {

constexpr kw::ChipPileStyle MakeChipStyle() {
  kw::ChipPileStyle style{};
  for (int chip = 0; chip < kChipCount; ++chip) {
    style.faceX[chip] = ChipSprite(chip).x;
    style.faceY[chip] = ChipSprite(chip).y;
  }
  style.fractionX = -1;
  style.fractionY = -1;
  return style;
}

}  // namespace

const kw::ChipPileStyle kBlackJackChips = MakeChipStyle();
CardList gShown[kCardRows];

namespace {

// The caption last written per row, and the win texts shown.
struct Caption {
  Point place;
  char text[160];
};
Caption gCaptions[kCardRows];
constexpr int kMostWinTexts = 3;
Caption gWinTexts[kMostWinTexts];

int Steps(int steps) { return gCasinoCfg.showAnimations ? steps : 1; }

void EraseCaption(Caption& c) {
  if (c.text[0] == '\0') return;
  kw::EraseTextBox(kBlackJackTextBox, c.place.x, c.place.y, c.text);
  c.text[0] = '\0';
}

// A split hand of an ace and a ten counts 21, not a natural.
void WriteCaption(Caption& c, Point place, const CardList& hand, int split) {
  EraseCaption(c);
  if (hand.count == 0) return;
  int first = 0, second = 0;
  HandTotals(hand, &first, &second);
  if (IsNatural(hand) && !split) {
    std::snprintf(c.text, sizeof c.text, "Black Jack");
  } else if (second > 0 && second != first) {
    std::snprintf(c.text, sizeof c.text, "%d/%d", first, second);
  } else {
    std::snprintf(c.text, sizeof c.text, "%d", first);
  }
  c.place = place;
  kw::PrintTextBox(kBlackJackTextBox, place.x, place.y, "%s", c.text);
}

void BlitCardTop(const Card& card, int x, int y) {
  const Point s = CardPicture(CardPictureIndex(card.suit, card.value));
  gScreen.BlitTop(x, y, &gPicture, s.x, s.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void RedrawShownCards() {
  for (int row = 0; row < kCardRows; ++row) {
    for (int n = 0; n < gShown[row].count; ++n) DrawCardAt(gShown[row].cards[n], CardPlace(row, n));
  }
}

// ---- One card in flight ----
struct Flight {
  int active;
  Card card;
  int back;  // flies the back
  Point from, to;
  double slopes[4];
  int step, steps;
  int row;  // the row whose caption follows the landing; -1 none
};

void StartFlight(Flight& f, const Card& card, int back, Point from, Point to, int steps, double downSlope) {
  f = Flight{};
  f.active = 1;
  f.card = card;
  f.back = back;
  f.from = from;
  f.to = to;
  f.steps = Steps(steps);
  f.slopes[0] = 0.25;
  f.slopes[1] = 0.25;
  f.slopes[2] = downSlope;
  f.slopes[3] = -0.25;
  f.row = -1;
}

// 1 in the frame the card lands.
int StepFlight(Flight& f, int curved) {
  ++f.step;
  if (f.step >= f.steps) {
    f.active = 0;
    return 1;
  }
  int x, y;
  if (curved) {
    x = PathPoint(f.from.x, f.slopes[0], f.to.x, f.slopes[1], f.step, f.steps);
    y = PathPoint(f.from.y, f.slopes[2], f.to.y, f.slopes[3], f.step, f.steps);
  } else {
    x = f.from.x + (f.to.x - f.from.x) * f.step / f.steps;
    y = f.from.y + (f.to.y - f.from.y) * f.step / f.steps;
  }
  if (f.back) {
    gScreen.BlitTop(x, y, &gPicture, kCardBackSource.x, kCardBackSource.y, kCardWidth, kCardHeight,
                    gTransparentIndex);
  } else {
    BlitCardTop(f.card, x, y);
  }
  return 0;
}

Flight gDeal;
Flight gBack;
Flight gSplit[2];
Flight gSweep;
CardList gSweepCopy;
int gPointerCounter = 0;

int DisplayRowOfHand(int row) {
  if (row == 1) return kRowFirstSplit;
  if (row == 2) return kRowSecondSplit;
  return kRowSingle;
}

int DisplayRowOfSweep(int row) {
  constexpr int kRows[] = {kRowDealer, kRowSingle, kRowFirstSplit, kRowSecondSplit};
  return row >= 0 && row < 4 ? kRows[row] : kRowSingle;
}

void Land(Flight& f) {
  if (f.back) {
    DrawBackAt(f.to);
  } else {
    DrawCardAt(f.card, f.to);
  }
}

}  // namespace

Point CardPicture(int entry) {
  if (entry <= 0 || entry >= kCardPictures) return kCardBackSource;
  const int suit = (entry - 1) / kKingValue;
  const int value = entry - suit * kKingValue;
  return CardFaceSource(suit, value);
}

void ClearCardSlots() {
  for (CardList& row : gShown) CardListClear(row);
}

void DrawCardAt(const Card& card, Point place) {
  const Point s = IsValidCard(card.suit, card.value) ? CardFaceSource(card.suit, card.value) : kCardBackSource;
  gScreen.Blit(place.x, place.y, &gPicture, s.x, s.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void DrawBackAt(Point place) {
  gScreen.Blit(place.x, place.y, &gPicture, kCardBackSource.x, kCardBackSource.y, kCardWidth, kCardHeight,
               gTransparentIndex);
}

void WriteRowCaption(int row, const CardList& hand) {
  const int n = gShown[row].count > 0 ? gShown[row].count - 1 : 0;
  const Point card = CardPlace(row, n);
  WriteCaption(gCaptions[row], {card.x + kCaptionOffset, card.y}, hand,
               row == kRowFirstSplit || row == kRowSecondSplit);
}

void WriteCaptionAt(Point place, const CardList& hand) { WriteCaption(gCaptions[kRowDealer], place, hand, 0); }

void EraseHandCaptions() {
  for (Caption& c : gCaptions) EraseCaption(c);
  for (Caption& c : gWinTexts) {
    if (c.text[0] == '\0') continue;
    gScreen.Restore(c.place.x - 4, c.place.y + kLowerBoxDrop - 1,
                    TextWidth(gTableGlyphs.data(), c.text) + 10, kTextStripHeight);
    c.text[0] = '\0';
  }
  RedrawShownCards();
}

int HasSecondHand(const BlackJackClientRecord& record) {
  return record.splitState != 0 || record.piles[kPileSecondStake] > 0.0;
}

Point PilePlace(int pile, int split) { return split ? kSplitPilePlaces[pile] : kPilePlaces[pile]; }
Point WinPlace(int pile, int split) { return split ? kSplitWinPlaces[pile] : kWinPlaces[pile]; }

void EraseChipArea() {
  for (int split = 0; split < 2; ++split) {
    for (int pile = 0; pile < kPiles; ++pile) {
      for (const Point p : {PilePlace(pile, split), WinPlace(pile, split)}) {
        if (p.x < 0) continue;
        gScreen.Restore(p.x - 1, p.y - kPileRise, kChipWidth + 2, kChipHeight + kPileRise);
      }
    }
  }
  RedrawShownCards();
}

void RedrawBetChips(const BlackJackClientRecord& record) {
  EraseChipArea();
  const int split = HasSecondHand(record);
  for (int pile = 0; pile < kPiles; ++pile) {
    const Point p = PilePlace(pile, split);
    if (p.x < 0) continue;
    kw::DrawChipPile(kBlackJackChips, pile, static_cast<float>(record.piles[pile]), p.x, p.y);
  }
}

void PrintLowerTextBox(int x, int y, const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  for (Caption& c : gWinTexts) {
    if (c.text[0] != '\0') continue;
    c.place = {x, y};
    std::snprintf(c.text, sizeof c.text, "%s", text);
    break;
  }
  kw::PrintTextBox(kBlackJackTextBox, x, y + kLowerBoxDrop, "%s", text);
}

int FlyPile(int column, double amount, Point from, Point to, int flags) {
  if (amount <= 0.0) return 1;
  const int x = column * kChipColumnWidth;
  kw::DrawChipPileTo(kBlackJackChips, &gChipBitmap, column % kJitterPiles, static_cast<float>(amount), x + 1, 0);
  return AddChipSprite(&gChipBitmap, x, 0, kChipColumnWidth, kChipHeight + kPileRise, from.x - 1,
                       from.y - kPileRise, to.x - 1, to.y - kPileRise, kChipFlightSteps, flags);
}

void SayHandTotal(const CardList& hand, int wait, int split, int mode) {
  if (hand.count == 0) return;
  if (IsNatural(hand) && !split) {
    PlayGameSound(kSoundBlackJack, wait, kSoundVoice);
    return;
  }
  int first = 0, second = 0;
  HandTotals(hand, &first, &second);
  char name[64];
  const bool soft = second > 0 && second != first;
  if (mode == 1 && soft) {
    std::snprintf(name, sizeof name, "%s%d.wav", kSoundTotalPrefix, second);
    PlayGameSound(name, wait, kSoundVoice);
    return;
  }
  std::snprintf(name, sizeof name, "%s%d.wav", kSoundTotalPrefix, first);
  PlayGameSound(name, soft ? 1 : wait, kSoundVoice);
  if (!soft) return;
  plat::Sleep(50);
  std::snprintf(name, sizeof name, "%s%d.wav", kSoundTotalPrefix, second);
  PlayGameSound(name, wait, kSoundVoice);
}

void PlayResultSound(int result) {
  if (result >= kResultWon) PlayGameSound(kSoundPlayerWins, 1, kSoundEffect);
  if (result == kResultLost) PlayGameSound(kSoundDealerWins, 1, kSoundEffect);
  if (result == kResultPushed) PlayGameSound(kSoundPush, 1, kSoundEffect);
}

void ShowTwoHandResults(int first, int second) {
  const Point marks[2] = {{kPointerFirstX, kPointerY}, {kPointerSecondX, kPointerY}};
  const int results[2] = {first, second};
  for (int k = 0; k < 2; ++k) {
    gScreen.Restore(marks[1 - k].x, marks[1 - k].y, kPointerSize, kPointerSize);
    gScreen.Blit(marks[k].x, marks[k].y, &gPicture, kPointerSource.x, kPointerSource.y, kPointerSize, kPointerSize,
                 gPointerKey);
    gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushDirty);
    PlayResultSound(results[k]);
  }
  for (const Point m : marks) gScreen.Restore(m.x, m.y, kPointerSize, kPointerSize);
}

void ResetDealAnimation() { gDeal = Flight{}; }

int AnimateDeal(const CardList& dealer, const CardList& hand, int row) {
  const int shownRow = DisplayRowOfHand(row);
  CardList& shown = gShown[shownRow];
  CardList& dealerShown = gShown[kRowDealer];
  if (!gDeal.active) {
    const bool dealerFirst = hand.count == 2 && shown.count == 1 && dealerShown.count == dealer.count - 1;
    int target = -1;
    if (!dealerFirst && shown.count < hand.count) {
      target = shownRow;
    } else if (dealerShown.count < dealer.count) {
      target = kRowDealer;
    } else if (shown.count < hand.count) {
      target = shownRow;
    }
    if (target < 0) return 1;
    CardList& list = gShown[target];
    const Card card = target == kRowDealer ? dealer.cards[list.count] : hand.cards[list.count];
    const int n = list.count;
    CardListAdd(list, card.suit, card.value);
    EraseCaption(gCaptions[target]);
    PlayGameSound(kSoundDeal, 0, kSoundEffect);
    const bool dealerSecond = target == kRowDealer && n == 1;
    StartFlight(gDeal, card, 0, kDeckPoint, CardPlace(target, n), dealerSecond ? 1 : kDealSteps,
                target == kRowDealer ? 0.9 : 1.8);
    gDeal.row = target;
  }
  if (!StepFlight(gDeal, 1)) return 0;
  Land(gDeal);
  WriteRowCaption(gDeal.row, gDeal.row == kRowDealer ? dealer : hand);
  const int rowDone = gShown[shownRow].count >= hand.count;
  return rowDone && dealerShown.count >= dealer.count;
}

void ResetDealerBack() { gBack = Flight{}; }

int AnimateDealerBack(const CardList& dealer) {
  if (!gBack.active) {
    EraseCaption(gCaptions[kRowDealer]);
    PlayGameSound(kSoundDeal, 0, kSoundEffect);
    StartFlight(gBack, Card{}, 1, kDeckPoint, kDealerBackPlace, kDealSteps, 0.9);
  }
  if (!StepFlight(gBack, 1)) return 0;
  Land(gBack);
  WriteCaptionAt(kDealerCaptionWithBack, dealer);
  return 1;
}

int AnimateBackToDiscard(const CardList& dealer) {
  if (!gBack.active) {
    gScreen.Restore(kDealerBackPlace.x, kDealerBackPlace.y, kCardWidth, kCardHeight);
    EraseCaption(gCaptions[kRowDealer]);
    RedrawShownCards();
    StartFlight(gBack, Card{}, 1, kDealerBackPlace, kDiscardPoint, kBackDiscardSteps, 0.0);
  }
  if (!StepFlight(gBack, 0)) return 0;
  WriteRowCaption(kRowDealer, dealer);
  return 1;
}

void ResetSplitAnimation() { gSplit[0] = gSplit[1] = Flight{}; }

int AnimateSplit(const CardList& hand) {
  if (hand.count < 2) return 1;
  if (!gSplit[0].active && !gSplit[1].active) {
    for (int n = 0; n < gShown[kRowSingle].count; ++n) {
      const Point p = CardPlace(kRowSingle, n);
      gScreen.Restore(p.x, p.y, kCardWidth, kCardHeight);
    }
    EraseCaption(gCaptions[kRowSingle]);
    CardListClear(gShown[kRowSingle]);
    StartFlight(gSplit[0], hand.cards[0], 0, kSplitFirstFrom, CardPlace(kRowFirstSplit, 0), kSplitSteps, 0.0);
    StartFlight(gSplit[1], hand.cards[1], 0, kSplitSecondFrom, CardPlace(kRowSecondSplit, 0), kSplitSteps, 0.0);
  }
  const int landed0 = StepFlight(gSplit[0], 0);
  StepFlight(gSplit[1], 0);
  if (!landed0) return 0;
  CardList* lists[2] = {&gShown[kRowFirstSplit], &gShown[kRowSecondSplit]};
  for (int k = 0; k < 2; ++k) {
    CardListClear(*lists[k]);
    CardListAdd(*lists[k], hand.cards[k].suit, hand.cards[k].value);
    Land(gSplit[k]);
    WriteRowCaption(k == 0 ? kRowFirstSplit : kRowSecondSplit, *lists[k]);
  }
  gSplit[1].active = 0;
  return 1;
}

void StartCardSweep(const CardList& list) {
  gSweepCopy = list;
  gSweep = Flight{};
}

int AnimateCardSweep(int row) {
  const int shownRow = DisplayRowOfSweep(row);
  if (!gSweep.active) {
    if (gSweepCopy.count == 0) {
      CardListClear(gShown[shownRow]);
      return 1;
    }
    Card card{};
    const int n = gSweepCopy.count - 1;
    CardListTake(gSweepCopy, &card.suit, &card.value);
    const Point from = CardPlace(shownRow, n);
    gScreen.Restore(from.x, from.y, kCardWidth, kCardHeight);
    for (int k = 0; k < gSweepCopy.count; ++k) DrawCardAt(gSweepCopy.cards[k], CardPlace(shownRow, k));
    StartFlight(gSweep, card, 0, from, kDiscardPoint, kSweepSteps, 0.0);
  }
  if (!StepFlight(gSweep, 0)) return 0;
  if (gSweepCopy.count > 0) return 0;
  CardListClear(gShown[shownRow]);
  return 1;
}

void AnimateHandPointer() {
  ++gPointerCounter;
  const BlackJackClientRecord* record = BlackJackClientHooks::Current();
  if (record == nullptr || (record->splitPhase != 1 && record->splitPhase != 2)) return;
  const int x = record->splitPhase == 1 ? kPointerFirstX : kPointerSecondX;
  const int y = kPointerY - kPointerBounce[(gPointerCounter / 3) % kPointerBounces];
  const int frame = (gPointerCounter / 3) % kPointerFrames;
  gScreen.BlitTop(x, y, &gPicture, kPointerSource.x + frame * kPointerFrameStep, kPointerSource.y, kPointerSize,
                  kPointerSize, gPointerKey);
}

void ResetBlackJackTable() {
  ClearCardSlots();
  for (Caption& c : gCaptions) c = Caption{};
  for (Caption& c : gWinTexts) c = Caption{};
  gDeal = gBack = gSweep = Flight{};
  gSplit[0] = gSplit[1] = Flight{};
  CardListClear(gSweepCopy);
  gPointerCounter = 0;
  ClearChipSprites();
}

}  // namespace hx
