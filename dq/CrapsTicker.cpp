#include "dq/CrapsTicker.h"

#include <cstring>

#include "dq/CrapsCallouts.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsStartup.h"
#include "dq/CrapsTableView.h"
#include "framework/sound/GameSound.h"
#include "framework/shell/ShellGlobals.h"

namespace dq {

char gTickerText[kTickerTextSize];
TickerFlags gTickerFlags;
int gStickmanCounter = 0;

namespace {

constexpr char kWelcomeText[] = "WELCOME TO AMERICAN CRAPS! ENJOY THE GAME AND GOOD LUCK!#|";
constexpr char kCreditsText[] =
    "CRAPS WAS MADE BY THE KESTRUP CASINO TEAM: PROGRAM, TABLE ART, SOUNDS AND MUSIC. "
    "THANK YOU FOR PLAYING!#|";

void EmptyTicker() {
  gTickerText[0] = '\0';
  gTickerFlags = TickerFlags{};
  RestartTicker();
}

void PutText(const char* text) {
  std::strncpy(gTickerText, text, kTickerTextSize - 1);
  gTickerText[kTickerTextSize - 1] = '\0';
}

}  // namespace

void SetTickerText(int kind, const CrapsClientRecord& record, int comeOutBefore) {
  if (gTickerFlags.scrolling) return;
  EmptyTicker();
  switch (kind) {
    case kTickerWelcome: PutText(kWelcomeText); break;
    case kTickerWinSummary:
      if (gTableView.lists.won[0] != kBetListEnd) {
        BuildWinSummary(gTickerText, kTickerTextSize, record.won, record.bets, record.results,
                        gTableView.lists.won, kBetListEnd);
      }
      break;
    case kTickerRollCall:
      PutText(CallOfRoll(record.dice[0], record.dice[1], comeOutBefore, record.comeOut)
                  .tickerText);
      break;
    case kTickerCredits: PutText(kCreditsText); break;
    default: gTickerFlags.finished = 1; break;
  }
}

void ClearTicker() {
  EmptyTicker();
  gPicture.Blit(&gTickerStrip, 0, 0, kTickerStrip.x, kTickerStrip.y, kTickerStrip.width,
                kTickerStrip.height, -1);
}

void StepTicker() {
  if (!gCrapsOptions.scrollingText) {
    UpdateTicker(&gTickerStrip, gTickerText, 0);
    return;
  }
  if (gTickerFlags.finished || gTickerText[0] == '\0') return;
  gTickerFlags.scrolling = 1;
  if (UpdateTicker(&gTickerStrip, gTickerText, 1)) {
    gTickerFlags.scrolling = 0;
    gTickerFlags.finished = 1;
  }
}

void PlayRollCallOut(const CrapsClientRecord& record) {
  if (!gCrapsOptions.voice) return;
  const RollCall call =
      CallOfRoll(record.dice[0], record.dice[1], record.previousComeOut, record.comeOut);
  for (int i = 0; i < call.soundCount; ++i) {
    const int wait = (i + 1 < call.soundCount || call.waitForLast) ? 1 : 0;
    PlayGameSound(call.sounds[i], wait, kSoundVoice);
  }
}

void PlayCallBeforeThrow(const CrapsClientRecord& record) {
  const char* sounds[2] = {};
  const int count =
      CallBeforeThrow(record.previousComeOut, record.previousPoint, &gStickmanCounter, sounds);
  for (int i = 0; i < count; ++i) PlayGameSound(sounds[i], 1, kSoundVoice);
}

}  // namespace dq
