#include "tests/kw/PaiGowRun.h"

#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowProgram.h"
#include "kw/art/PaiGowSheet.h"
#include "tests/kw/ScriptedDeal.h"

namespace {

ScriptedDeal gDeal;

int ScriptedDraw() { return gDeal.Draw(); }

}  // namespace

PaiGowRun::PaiGowRun()
    : CCardTableRun(kw::kPaiGowGame, kw::art::PaiGowSheet(), kw::art::kProgram,
                    ScriptedDraw) {}

int PaiGowRun::Run() {
  gDeal = ScriptedDeal{};
  gDeal.cards = cards;
  const int code = CCardTableRun::Run();
  cardsRanOut = gDeal.ranOut;
  return code;
}

kw::PaiGowClientRecord* PaiGowRun::Record() { return kw::PaiGowClientHooks::Current(); }

bool PaiGowRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void PaiGowRun::ClickButton(int button) { Click(kw::kPaiGowButtonTable[button]); }

void PaiGowRun::RightClickButton(int button) { RightClick(kw::kPaiGowButtonTable[button]); }

plat::COLORREF PaiGowRun::PictureColour(int x, int y) { return SheetColour(kw::art::PaiGowSheet(), x, y); }
