#include "tests/hx/BlackJackRun.h"

#include <cstring>

#include "framework/game/ServerFrame.h"
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

BlackJackRun::BlackJackRun()
    : CCardTableRun(hx::kBlackJackGame, hx::art::BlackJackSheet(), "blackjack", ScriptedDraw) {}

int BlackJackRun::Run() {
  gDraws = DrawsForDecks(decks);
  gNextDraw = 0;
  gRanOut = false;
  const int code = CCardTableRun::Run();
  decksRanOut = gRanOut;
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

void BlackJackRun::ClickButton(int button) { Click(hx::kBlackJackButtonTable[button]); }

void BlackJackRun::RightClickButton(int button) { RightClick(hx::kBlackJackButtonTable[button]); }

plat::COLORREF BlackJackRun::PictureColour(int x, int y) {
  return SheetColour(hx::art::BlackJackSheet(), x, y);
}
