// The Black Jack client fed any server answers (fuzz/game).
#include <cmath>
#include <cstdio>
#include <string>

#include "artwork/Generator.h"
#include "fuzz/game/ProtocolFuzz.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackProgram.h"
#include "hx/BlackJackServer.h"
#include "hx/CardTags.h"
#include "hx/art/BlackJackSheet.h"

namespace {

using namespace hx;

const char* const kCommands[] = {kFirstDealAnswer, kInsuranceAnswer,  kPlayerHitAnswer,   kPlayerStandAnswer,
                                 kDoubleAnswer,    kSplitAnswer,      kWantDealerCardsAnswer, "CLIENTINITANSWER",
                                 "BEGINPLAYANSWER", "ENDPLAYANSWER",  "CLIENTEXITANSWER"};
const char* const kTags[] = {kMoneyLeftTag,   kPlayerCardTag,  kDealerCardTag, kNewHand1CardTag, kNewHand2CardTag,
                             kBustTag,        kNumCardDealerTag, kWinFlag1Tag, kWinFlag2Tag,     kWinIns1FlagTag,
                             kWinIns2FlagTag, "TYPE",          "VALUE",        "MONEYAMOUNT",    "MINBET",
                             "MAXBET",        "ERRORMSG"};

int StageArtwork(const std::string& root) { return artwork::WriteSheet(root, art::BlackJackSheet()); }

double Money(const BlackJackClientRecord& r) {
  return std::isfinite(r.money) && r.money >= 0 && r.money < 1e12 ? r.money : 1000.0;
}

std::string Card(const char* tag, int suit, int value) {
  char text[96];
  std::snprintf(text, sizeof text, "&%s=&TYPE=%s&VALUE=%d", tag, kSuitWords[suit & 3], value);
  return text;
}

std::string WithMoney(const char* head, const BlackJackClientRecord& r) {
  char text[160];
  std::snprintf(text, sizeof text, "%s&MONEYLEFT=%.2f", head, Money(r));
  return text;
}

// A card that takes the hand to 21 at most, so a normal server never busts it.
std::string HitCard(const BlackJackClientRecord& r) {
  int first = 0, second = 0;
  HandTotals(r.current, &first, &second);
  return Card(kPlayerCardTag, r.current.count, first <= 19 ? 2 : 1);
}

std::string ServerAnswerFor(const void* record) {
  const auto& r = *static_cast<const BlackJackClientRecord*>(record);
  char text[160];
  const int pair = static_cast<int>(std::fmod(std::fabs(r.moneyAtStart), 5.0));
  switch (r.state) {
    case kWaitInit: return "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.00&MINBET=5.00&MAXBET=500.00";
    case kWaitBeginPlay:
      std::snprintf(text, sizeof text, "command=BEGINPLAYanswer&answer=ok&MONEYAMOUNT=%.2f", Money(r));
      return text;
    case kWaitFirstDeal:
      return "command=FIRSTDEALANSWER&answer=ok" + Card(kPlayerCardTag, 0, 8) +
             Card(kPlayerCardTag, 1, pair == 0 ? 8 : 3) + Card(kDealerCardTag, 2, pair == 1 ? 1 : 9) +
             WithMoney("", r);
    case kWaitInsurance: return WithMoney("command=INSURANCEANSWER&answer=ok", r);
    case kWaitStand: return "command=PLAYERSTANDANSWER&answer=ok";
    case kWaitHit: return "command=PLAYERHITANSWER&answer=ok" + HitCard(r);
    case kWaitDouble: return WithMoney("command=DOUBLEANSWER&answer=ok", r);
    case kWaitSplit:
      return "command=SPLITANSWER&answer=ok" + Card(kNewHand1CardTag, 3, 2) + Card(kNewHand2CardTag, 0, 3) +
             WithMoney("", r);
    case kWaitWantDealer:
      return "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=1" + Card(kDealerCardTag, 1, 10) +
             WithMoney("", r) + "&WINFLAG1=PUSH&WINFLAG2=NOPLAY&WININS1FLAG=NOPLAY&WININS2FLAG=NOPLAY";
    case kWaitEndPlay:
    case kWaitQuitEnd: return "command=ENDPLAYanswer&answer=ok";
    case kWaitExit: return "command=CLIENTEXITanswer&answer=ok";
    default: return "";
  }
}

// Bets the minimum and deals, splits a pair once, stands, goes on at the
// end; leaves when the money does not reach the minimum.
void PlayRound(void* record) {
  auto* r = static_cast<BlackJackClientRecord*>(record);
  if (r->exitFlag) return;
  if (r->state == kBetting && BettingOpen()) {
    if (!(r->minBet > 0 && r->money >= r->minBet && r->minBet <= r->maxBet)) return PostClientCommand(r, 'E');
    r->bet = r->minBet;
    PostClientCommand(r, 'D');
  } else if (r->state == kDecide) {
    // A split only where the table allows one: a pair, with the money for it.
    const bool pair = r->current.count == 2 && r->current.cards[0].value == r->current.cards[1].value;
    PostClientCommand(r, r->splitState == 0 && pair && r->money >= r->bet ? 'P' : 'S');
  } else if (r->state == kWaitContinue) {
    gContinueFlag = 1;
  }
}

const ClientFuzzTarget kBlackJackTarget{
    &kBlackJackGame, kCommands, CountOf(kCommands),
    kTags,           CountOf(kTags),
    "games/blackjack", StageArtwork, ServerAnswerFor, InState<BlackJackClientRecord, kBuildBeginPlay>, PlayRound,
};

}  // namespace

int main(int argc, char** argv) { return RunClientFuzz(kBlackJackTarget, argc, argv); }
