#include "hx/ChipSprites.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Dib.h"

namespace hx {
namespace {

struct ChipSprite {
  const CDib* source;  // null: the slot is free
  int startX, startY, endX, endY;
  long x, y;  // fixed point
  long stepX, stepY;
  int sourceX, sourceY, width, height;
  int steps, step, flags;
};

ChipSprite gSlots[kChipSpriteSlots];

int Steps(int steps) { return gCasinoCfg.showAnimations && steps > 0 ? steps : 1; }

ChipSprite* FreeSlot() {
  for (ChipSprite& s : gSlots) {
    if (s.source == nullptr) return &s;
  }
  return nullptr;
}

// The leaving pile's area may overlap piles still waiting to leave: they
// are drawn again so that only the leaving one disappears.
void RestoreStart(const ChipSprite& leaving) {
  gScreen.Restore(leaving.startX, leaving.startY, leaving.width, leaving.height);
  for (const ChipSprite& s : gSlots) {
    if (&s == &leaving || s.source == nullptr || !(s.flags & kSpriteLeavesStart)) continue;
    gScreen.Blit(s.startX, s.startY, s.source, s.sourceX, s.sourceY, s.width, s.height, gTransparentIndex);
  }
}

void Advance(ChipSprite& s) {
  s.x += s.stepX;
  s.y += s.stepY;
}

}  // namespace

void ClearChipSprites() {
  for (ChipSprite& s : gSlots) s = ChipSprite{};
}

int AddChipSprite(const CDib* source, int sourceX, int sourceY, int width, int height, int startX, int startY,
                  int endX, int endY, int steps, int flags) {
  ChipSprite* s = FreeSlot();
  if (s == nullptr || source == nullptr) return 0;
  *s = ChipSprite{};
  s->source = source;
  s->startX = startX;
  s->startY = startY;
  s->endX = endX;
  s->endY = endY;
  s->x = static_cast<long>(startX) << kFixedShift;
  s->y = static_cast<long>(startY) << kFixedShift;
  s->steps = Steps(steps);
  s->stepX = ((static_cast<long>(endX) << kFixedShift) - s->x) / s->steps;
  s->stepY = ((static_cast<long>(endY) << kFixedShift) - s->y) / s->steps;
  s->sourceX = sourceX;
  s->sourceY = sourceY;
  s->width = width;
  s->height = height;
  s->flags = flags;
  return 1;
}

int StepChipSprites() {
  for (ChipSprite& s : gSlots) {
    if (s.source == nullptr) continue;
    const int flagged = s.flags != 0;
    if (s.step == 0 && (s.flags & kSpriteLeavesStart)) RestoreStart(s);
    ++s.step;
    if (s.step < s.steps) {
      Advance(s);
      gScreen.BlitTop(static_cast<int>(s.x >> kFixedShift), static_cast<int>(s.y >> kFixedShift), s.source,
                      s.sourceX, s.sourceY, s.width, s.height, gTransparentIndex);
    } else {
      if (s.flags & kSpriteStays) {
        gScreen.Blit(s.endX, s.endY, s.source, s.sourceX, s.sourceY, s.width, s.height, gTransparentIndex);
      }
      s.source = nullptr;
    }
    if (flagged) break;
  }
  return BusyChipSprites() == 0;
}

int BusyChipSprites() {
  int busy = 0;
  for (const ChipSprite& s : gSlots) busy += s.source != nullptr;
  return busy;
}

}  // namespace hx
