#include "tests/dq/CrapsRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "artwork/Generator.h"
#include "artwork/StandardColours.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsProgram.h"
#include "dq/CrapsTableLayout.h"
#include "dq/art/CrapsSheet.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace {

CrapsRun* gRun = nullptr;
std::size_t gNextDie = 0;

// The server draws each die as RandomNumber() % 6 + 1.
int ScriptedDie() {
  if (gNextDie >= gRun->dice.size()) {
    gRun->diceRanOut = true;
    return 0;
  }
  return gRun->dice[gNextDie++] - 1;
}

}  // namespace

CrapsRun::CrapsRun() : program_(dq::kCrapsGame) {
  plat::headless::Reset();
  gRun = this;
  gNextDie = 0;
  if (!folder_.Make("games/craps") || !artwork::WriteSheet(folder_.Path(), dq::art::CrapsSheet()) ||
      !folder_.Enter("games/craps")) {
    std::abort();
  }
  // Without the wave files every sound is played, and logged, by its name.
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
    // The scripted dice stand in for the server's own stream.
    game::SetServerRandomSource(ScriptedDie);
  };
}

CrapsRun::~CrapsRun() { gRun = nullptr; }

void CrapsRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void CrapsRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int CrapsRun::Run() {
  ScriptedMainClient& mainClient = TheScriptedMainClient();
  if (tamper) {
    mainClient.filter = [this](int channel, std::string& text) {
      tamper(channel, text);
      return static_cast<int>(kRelayPass);
    };
  }
  const int code = program_.Run();
  packets = mainClient.Taken();
  handBacks = mainClient.handBacks;
  return code;
}

dq::CrapsClientRecord* CrapsRun::Record() {
  return dq::CrapsClientHooks::Current();
}

bool CrapsRun::Betting() {
  const dq::CrapsClientRecord* r = Record();
  return r != nullptr && r->state == dq::kClientBetting && dq::gBettingOpen == 1;
}

void CrapsRun::ClickScreen(int x, int y) {
  plat::headless::Click(gMainWindow, gOffsetX + x, gOffsetY + y);
}

void CrapsRun::RightClickScreen(int x, int y) {
  plat::headless::RightClick(gMainWindow, gOffsetX + x, gOffsetY + y);
}

void CrapsRun::ClickButton(int button) {
  const ButtonEntry& b = dq::kCrapsButtonTable.rows[button];
  ClickScreen(b.x + b.width / 2, b.y + b.height / 2);
}

void CrapsRun::ClickBet(int kind) { ClickScreen(dq::kBetSpots[kind].x, dq::kBetSpots[kind].y); }

void CrapsRun::RightClickBet(int kind) {
  RightClickScreen(dq::kBetSpots[kind].x, dq::kBetSpots[kind].y);
}

plat::COLORREF CrapsRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF ArtworkColour(int index) {
  artwork::IndexedImage image;
  artwork::SetStandardPalette(image);
  const artwork::Rgb c = image.palette[index];
  return plat::RGB(c.r, c.g, c.b);
}
