// The Craps client fed any server answers (fuzz/game).
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "artwork/Generator.h"
#include "dq/BetWire.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsProgram.h"
#include "dq/CrapsServer.h"
#include "dq/CrapsSnapshot.h"
#include "dq/RoundValues.h"
#include "dq/Settlement.h"
#include "dq/TableRules.h"
#include "dq/art/CrapsSheet.h"
#include "fuzz/game/ProtocolFuzz.h"

namespace {

using namespace dq;

const char* const kCommands[] = {"BETANSWER", "BETDATA", "CLIENTINITANSWER", "BEGINPLAYANSWER",
                                 "ENDPLAYANSWER", "CLIENTEXITANSWER"};
const char* const kTags[] = {kResultTag, "MONEYAMOUNT", "MINBET", "MAXBET", "MAXODDS", "MAXTABLE",
                             "MINBETPROP", "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::CrapsSheet()); }

// A fuzzed answer may have left odd dice, a point or come points in the
// client's record; the table a server keeps holds only sound ones.
int Die(int v) { return v >= 1 && v <= 6 ? v : 1; }

// BETDATA as the server settles the client's bets on a roll of the dice
// the record's own bets pick, so each round differs.
std::string Results(const CrapsClientRecord& c) {
  CrapsServerRecord s{};
  float total = 0;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    s.bets[kind] = c.bets[kind];
    total += c.bets[kind];
  }
  const int spin = static_cast<int>(std::fmod(std::fabs(total), 36.0f)) + Die(c.dice[0]) * 6 + Die(c.dice[1]);
  s.dice[0] = spin % 6 + 1;
  s.dice[1] = spin / 6 % 6 + 1;
  s.comeOut = c.comeOut != 0;
  s.point = IsPoint(c.point) != 0 ? c.point : 0;
  for (int i = 0; i < 12; ++i) {
    s.comePoints[i] = c.comePoints[i] != 0;
    s.dontComePoints[i] = c.dontComePoints[i] != 0;
  }
  s.workingBuy = c.workingBuy;
  s.workingPlace = c.workingPlace;
  s.workingComeOdds = c.workingComeOdds;
  s.workingHardways = c.workingHardways;
  SettleRoll(s);
  char list[kResultListTextSize];
  EncodeResultList(s, list, sizeof list);
  return std::string("command=BETDATA&answer=ok&RESULT=") + list;
}

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const CrapsClientRecord*>(record);
  char text[160];
  switch (r.state) {
    case kClientWaitInit:
      return "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.00&MINBET=5.00&MAXBET=500.00"
             "&MAXODDS=3.00&MAXTABLE=500.00&MINBETPROP=1.00";
    case kClientWaitBeginPlay:
      std::snprintf(text, sizeof text, "command=BEGINPLAYanswer&answer=ok&MONEYAMOUNT=%.2f",
                    std::isfinite(r.balance) && r.balance >= 0 && r.balance < 1e12 ? r.balance : 1000.0);
      return text;
    case kClientWaitBetAnswer: return "command=BETANSWER&answer=ok";
    case kClientWaitResult: return Results(r);
    case kClientWaitEndPlay:
    case kClientWaitQuitEnd: return "command=ENDPLAYanswer&answer=ok";
    case kClientWaitExit: return "command=CLIENTEXITanswer&answer=ok";
    default: return "";
  }
}

// Rolls with the bets as they stand, or leaves when the table's limits
// refuse them.
void PlayRound(void* record) {
  auto* r = static_cast<CrapsClientRecord*>(record);
  if (r->state != kClientBetting || gBettingOpen != 1 || r->rollRequest || r->quitRequest) return;
  const CrapsLimits limits{r->minBet, r->maxBet, r->maxTable, r->maxOdds, r->minBetProp};
  ClientKeyCommand(r, CheckMinimumBets(r->bets, limits, nullptr) ? 'R' : 'E');
}

int StoreSnapshot(const void* plain) {
  CrapsClientRecord record;
  std::memcpy(&record, plain, sizeof record);
  return SaveClientSnapshot(&record);
}

const ClientFuzzTarget kCrapsTarget{
    &kCrapsGame, kCommands, CountOf(kCommands),
    kTags,       CountOf(kTags),
    "games/craps", StageArtwork, ServerAnswerFor, InState<CrapsClientRecord, kClientBuildBeginPlay>, PlayRound,
    StoreSnapshot, sizeof(CrapsClientRecord), "RECONNECT ERROR!",
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kCrapsTarget, argc, argv); }
