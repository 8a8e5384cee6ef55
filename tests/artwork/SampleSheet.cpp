#include "tests/artwork/SampleSheet.h"

#include <string>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/SheetItems.h"

namespace artwork::sample {

namespace {

static_assert(GlyphAreaHeight(kFont.layout) + kFont.layout.y <= kHeight, "the font must fit in the picture");

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawFillItem, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, kWoodDark});
  items.push_back({DrawFeltItem, {16, 16, 608, 380}, 0, "SAMPLE TABLE", kFelt});
  for (const BetArea& area : kBetAreas) items.push_back({DrawBetAreaItem, area.screen, 0, area.label, kWhite});
  items.push_back({DrawFillItem, {0, 460, kScreenWidth, 20}, 0, nullptr, kBlack});
  for (const Button& b : kButtons) {
    items.push_back({DrawButtonItem, b.screen, kButtonEnabled, b.label, kRed});
    for (int state = 0; state < 3; ++state) {
      items.push_back({DrawButtonItem, {kFaceX[state], b.faceY, b.screen.w, b.screen.h}, state, b.label, kRed});
    }
  }
  for (int i = 0; i < static_cast<int>(std::size(kChipValues)); ++i) {
    items.push_back({DrawChipItem, ChipSprite(i), kChipValues[i], nullptr, 0});
  }
  for (int face = 1; face <= 6; ++face) items.push_back({DrawDieItem, DieSprite(face), face, nullptr, kCardFace});
  for (int i = 0; i < static_cast<int>(std::size(kCardIds)); ++i) {
    items.push_back({DrawCardItem, CardSprite(i), kCardIds[i], nullptr, 0});
  }
  items.push_back({DrawCardBackItem, CardSprite(4), 0, nullptr, 0});
  items.push_back({DrawMarkerItem, {kTextColourX, kTextColourY, 1, 1}, 0, nullptr, kWhite});
  items.push_back({DrawMarkerItem, {kKeyColourX, kKeyColourY, 1, 1}, 0, nullptr, kKey});
  return items;
}

std::vector<HitArea> BuildHitAreas() {
  std::vector<HitArea> areas;
  for (const BetArea& area : kBetAreas) areas.push_back({area.screen, area.number});
  for (const Button& b : kButtons) areas.push_back({b.screen, b.number});
  return areas;
}

constexpr SoundRecipe kSounds[] = {
    {"../wav/sample_roll.wav", SoundKind::kRattle, 3000, 0, 600},
};

std::string HelpPage() { return "<html><body><h1>Sample</h1></body></html>\n"; }

}  // namespace

const Sheet& SampleSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kWidth, kHeight, kBlack, items, std::span<const GlyphFont>(&kFont, 1),
                           kHitMapFile, areas, kSounds, kHelpFile, HelpPage};
  return sheet;
}

}  // namespace artwork::sample
