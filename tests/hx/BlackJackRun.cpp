#include "tests/hx/BlackJackRun.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackProgram.h"
#include "hx/art/BlackJackSheet.h"
#include "platform/include/plat/headless.h"
#include "tests/hx/BlackJackHarness.h"
#include "tests/support/StackedDeck.h"

namespace {

std::vector<int> gDraws;
std::size_t gNextDraw = 0;
bool gRanOut = false;

int ScriptedDraw() {
  if (gNextDraw >= gDraws.size()) {
    gRanOut = true;
    return 0;
  }
  return gDraws[gNextDraw++];
}

const artwork::IndexedImage& Picture() {
  static const artwork::IndexedImage picture = [] {
    artwork::IndexedImage image;
    artwork::RenderPicture(hx::art::BlackJackSheet(), image);
    return image;
  }();
  return picture;
}

}  // namespace

std::vector<int> DrawsForDecks(const std::vector<std::string>& decks) {
  std::vector<int> draws;
  for (const std::string& deck : decks) {
    const std::vector<int> one = hx::DrawsForDeck(hx::ParseCards(deck));
    draws.insert(draws.end(), one.begin(), one.end());
  }
  return draws;
}

bool Played(const char* name) {
  for (const plat::headless::SoundRecord& s : plat::headless::Sounds()) {
    if (s.name == name) return true;
  }
  return false;
}

BlackJackRun::BlackJackRun() : program_(hx::kBlackJackGame) {
  plat::headless::Reset();
  if (!folder_.Make("games/blackjack") || !artwork::WriteSheet(folder_.Path(), hx::art::BlackJackSheet()) ||
      !folder_.Enter("games/blackjack")) {
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

BlackJackRun::~BlackJackRun() = default;

void BlackJackRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void BlackJackRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int BlackJackRun::Run() {
  gDraws = DrawsForDecks(decks);
  gNextDraw = 0;
  gRanOut = false;
  const int code = program_.Run();
  decksRanOut = gRanOut;
  ScriptedMainClient& mainClient = TheScriptedMainClient();
  packets = mainClient.Taken();
  handBacks = mainClient.handBacks;
  return code;
}

bool BlackJackRun::Sent(int channel, const std::string& piece) const {
  for (const RelayedPacket& p : packets) {
    if (p.channel == channel && p.text.find(piece) != std::string::npos) return true;
  }
  return false;
}

hx::BlackJackClientRecord* BlackJackRun::Record() { return hx::BlackJackClientHooks::Current(); }

bool BlackJackRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void BlackJackRun::ClickButton(int button) {
  const ButtonEntry& b = hx::kBlackJackButtonTable[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

void BlackJackRun::RightClickButton(int button) {
  const ButtonEntry& b = hx::kBlackJackButtonTable[button];
  plat::headless::RightClick(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

plat::COLORREF BlackJackRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF BlackJackRun::PictureColour(int x, int y) {
  const artwork::Rgb c = Picture().palette[Picture().At(x, y)];
  return plat::RGB(c.r, c.g, c.b);
}
