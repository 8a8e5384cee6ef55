#include "tests/sq/BaccaratRun.h"

#include "sq/BaccaratButtons.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratProgram.h"
#include "sq/art/BaccaratSheet.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/ServerHarness.h"

int DrawQueuedOrFirst() { return DrawsLeft() ? DrawQueued() : 0; }

BaccaratRun::BaccaratRun()
    : CCardTableRun(sq::kBaccaratGame, sq::art::BaccaratSheet(), sq::art::kProgram, DrawQueuedOrFirst) {
  ClearDraws();
}

void BaccaratRun::QueueCoup(const CoupDeal& cards) { QueueDealOfIds(cards.data(), sq::kCoupCards); }

sq::BaccaratClientRecord* BaccaratRun::Record() { return sq::BaccaratClientHooks::Current(); }

bool BaccaratRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void BaccaratRun::ClickButton(int button) { Click(sq::kBaccaratButtonTable[button]); }

void BaccaratRun::RightClickButton(int button) { RightClick(sq::kBaccaratButtonTable[button]); }

plat::COLORREF BaccaratRun::PictureColour(int x, int y) { return SheetColour(sq::art::BaccaratSheet(), x, y); }
