#include "tests/kw/PaiGowRun.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/Cards.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowProgram.h"
#include "kw/art/PaiGowSheet.h"
#include "platform/include/plat/headless.h"

namespace {

PaiGowRun* gRun = nullptr;
std::size_t gNextCard = 0;
std::vector<int> gDeck;  // the cards left in the round being dealt, in order

// The server draws each card as random() mod (cards left) from the ordered
// deck: the index of the wanted card among those left gives it.
int ScriptedDraw() {
  if (gNextCard >= gRun->cards.size()) {
    gRun->cardsRanOut = true;
    return 0;
  }
  if (gNextCard % 14 == 0) {
    gDeck.clear();
    for (int id = 0; id < kw::kDeckWithJoker; ++id) gDeck.push_back(id);
  }
  const int wanted = gRun->cards[gNextCard++];
  for (std::size_t i = 0; i < gDeck.size(); ++i) {
    if (gDeck[i] == wanted) {
      gDeck.erase(gDeck.begin() + static_cast<std::ptrdiff_t>(i));
      return static_cast<int>(i);
    }
  }
  gRun->cardsRanOut = true;  // dealt twice in a round: not a deck the server can deal
  return 0;
}

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
  gRun = this;
  gNextCard = 0;
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

PaiGowRun::~PaiGowRun() { gRun = nullptr; }

void PaiGowRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void PaiGowRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int PaiGowRun::Run() {
  const int code = program_.Run();
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
