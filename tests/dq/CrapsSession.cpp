#include "tests/dq/CrapsSession.h"

#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsProgram.h"
#include "dq/CrapsTableLayout.h"
#include "dq/art/CrapsSheet.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"

namespace {

CrapsSession* gSession = nullptr;
std::size_t gNextDie = 0;

// The server draws each die as ServerRandomNumber() % 6 + 1.
int ScriptedDie() {
  if (gSession == nullptr || gNextDie >= gSession->dice.size()) return 0;
  return gSession->dice[gNextDie++] - 1;
}

}  // namespace

CrapsSession::CrapsSession(std::string root)
    : CMainClientSession(std::move(root), dq::kCrapsGame, "craps", dq::art::CrapsSheet()) {
  serverRandom = ScriptedDie;
  describe = [] {
    const dq::CrapsClientRecord* r = Record();
    return ", client state " + std::to_string(r != nullptr ? r->state : -1);
  };
}

int CrapsSession::Run(int hidden) {
  gSession = this;
  gNextDie = 0;
  const int code = CMainClientSession::Run(hidden);
  gSession = nullptr;
  return code;
}

dq::CrapsClientRecord* CrapsSession::Record() { return dq::CrapsClientHooks::Current(); }

bool CrapsSession::Betting() {
  const dq::CrapsClientRecord* r = Record();
  return r != nullptr && r->state == dq::kClientBetting && dq::gBettingOpen == 1;
}

void CrapsSession::ClickBet(int kind) {
  plat::headless::Click(gMainWindow, gOffsetX + dq::kBetSpots[kind].x, gOffsetY + dq::kBetSpots[kind].y);
}

void CrapsSession::RightClickBet(int kind) {
  plat::headless::RightClick(gMainWindow, gOffsetX + dq::kBetSpots[kind].x, gOffsetY + dq::kBetSpots[kind].y);
}

void CrapsSession::ClickButton(int button) {
  const ButtonEntry& b = dq::kCrapsButtonTable.rows[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}
