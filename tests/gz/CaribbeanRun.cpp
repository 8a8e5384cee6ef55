#include "tests/gz/CaribbeanRun.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanProgram.h"
#include "gz/art/CaribbeanSheet.h"
#include "platform/include/plat/headless.h"

namespace {

CaribbeanDeal gDeal;
constexpr std::size_t kCardsOfAHand = 10;

int ScriptedDraw() { return gDeal.Draw(); }

const artwork::IndexedImage& Picture() {
  static const artwork::IndexedImage picture = [] {
    artwork::IndexedImage image;
    artwork::RenderPicture(gz::art::CaribbeanSheet(), image);
    return image;
  }();
  return picture;
}

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

CaribbeanRun::CaribbeanRun() : program_(gz::kCaribbeanGame) {
  plat::headless::Reset();
  if (!folder_.Make("games/caribbean") || !artwork::WriteSheet(folder_.Path(), gz::art::CaribbeanSheet()) ||
      !folder_.Enter("games/caribbean")) {
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

CaribbeanRun::~CaribbeanRun() = default;

void CaribbeanRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void CaribbeanRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int CaribbeanRun::Run() {
  gDeal = CaribbeanDeal{};
  gDeal.cards = cards;
  const int code = program_.Run();
  cardsRanOut = gDeal.ranOut;
  ScriptedMainClient& mainClient = TheScriptedMainClient();
  packets = mainClient.Taken();
  handBacks = mainClient.handBacks;
  return code;
}

gz::CaribbeanClientRecord* CaribbeanRun::Record() { return gz::CaribbeanClientHooks::Current(); }

bool CaribbeanRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void CaribbeanRun::ClickButton(int button) {
  const ButtonEntry& b = gz::kCaribbeanButtonTable[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

void CaribbeanRun::RightClickButton(int button) {
  const ButtonEntry& b = gz::kCaribbeanButtonTable[button];
  plat::headless::RightClick(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

plat::COLORREF CaribbeanRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF CaribbeanRun::PictureColour(int x, int y) {
  const artwork::Rgb c = Picture().palette[Picture().At(x, y)];
  return plat::RGB(c.r, c.g, c.b);
}
