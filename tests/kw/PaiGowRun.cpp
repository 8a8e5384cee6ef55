#include "tests/kw/PaiGowRun.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowProgram.h"
#include "kw/art/PaiGowSheet.h"
#include "platform/include/plat/headless.h"
#include "tests/kw/ScriptedDeal.h"

namespace {

ScriptedDeal gDeal;

int ScriptedDraw() { return gDeal.Draw(); }

const artwork::IndexedImage& Picture() {
  static const artwork::IndexedImage picture = [] {
    artwork::IndexedImage image;
    artwork::RenderPicture(kw::art::PaiGowSheet(), image);
    return image;
  }();
  return picture;
}

}  // namespace

PaiGowRun::PaiGowRun() : program_(kw::kPaiGowGame) {
  plat::headless::Reset();
  if (!folder_.Make("games/paigow") || !artwork::WriteSheet(folder_.Path(), kw::art::PaiGowSheet()) ||
      !folder_.Enter("games/paigow")) {
    std::abort();
  }
  std::error_code error;
  std::filesystem::remove_all(folder_.Path() + "/games/wav", error);
  ScriptedMainClient& mainClient = StartScriptedMainClient();
  mainClient.onConnect = [this, &mainClient] {
    CPlayerRecord record;
    record.SetName("Tester");
    record.SetText("Player");
    record.SetMoney(startMoney);
    mainClient.SendRecord(record);
  };
  program_.script.everyIdle = [] {
    if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
    game::SetServerRandomSource(ScriptedDraw);
  };
}

PaiGowRun::~PaiGowRun() = default;

void PaiGowRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void PaiGowRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int PaiGowRun::Run() {
  gDeal = ScriptedDeal{};
  gDeal.cards = cards;
  const int code = program_.Run();
  cardsRanOut = gDeal.ranOut;
  ScriptedMainClient& mainClient = TheScriptedMainClient();
  packets = mainClient.Taken();
  handBacks = mainClient.handBacks;
  return code;
}

kw::PaiGowClientRecord* PaiGowRun::Record() { return kw::PaiGowClientHooks::Current(); }

bool PaiGowRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void PaiGowRun::ClickButton(int button) {
  const ButtonEntry& b = kw::kPaiGowButtonTable[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

void PaiGowRun::RightClickButton(int button) {
  const ButtonEntry& b = kw::kPaiGowButtonTable[button];
  plat::headless::RightClick(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

plat::COLORREF PaiGowRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF PaiGowRun::PictureColour(int x, int y) {
  const artwork::Rgb c = Picture().palette[Picture().At(x, y)];
  return plat::RGB(c.r, c.g, c.b);
}
