#include "tests/gz/CaribbeanRun.h"

#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanProgram.h"
#include "gz/art/CaribbeanSheet.h"

namespace {

CaribbeanDeal gDeal;
constexpr std::size_t kCardsOfAHand = 10;

int ScriptedDraw() { return gDeal.Draw(); }

}  // namespace

int CaribbeanDeal::Draw() {
  if (next_ % kCardsOfAHand == 0) {
    left_.clear();
    for (int id = 0; id < 52; ++id) left_.push_back(id);
  }
  if (next_ >= cards.size()) {
    ranOut = true;
    ++next_;
    return 0;
  }
  const int wanted = cards[next_++];
  for (std::size_t i = 0; i < left_.size(); ++i) {
    if (left_[i] == wanted) {
      left_.erase(left_.begin() + static_cast<std::ptrdiff_t>(i));
      return static_cast<int>(i);
    }
  }
  ranOut = true;
  return 0;
}

CaribbeanRun::CaribbeanRun()
    : CCardTableRun(gz::kCaribbeanGame, gz::art::CaribbeanSheet(), gz::art::kProgram,
                    ScriptedDraw) {}

int CaribbeanRun::Run() {
  gDeal = CaribbeanDeal{};
  gDeal.cards = cards;
  const int code = CCardTableRun::Run();
  cardsRanOut = gDeal.ranOut;
  return code;
}

gz::CaribbeanClientRecord* CaribbeanRun::Record() { return gz::CaribbeanClientHooks::Current(); }

bool CaribbeanRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void CaribbeanRun::ClickButton(int button) { Click(gz::kCaribbeanButtonTable[button]); }

void CaribbeanRun::RightClickButton(int button) { RightClick(gz::kCaribbeanButtonTable[button]); }

plat::COLORREF CaribbeanRun::PictureColour(int x, int y) { return SheetColour(gz::art::CaribbeanSheet(), x, y); }
