#include "fuzz/game/FrameAnswer.h"

#include <cstdio>

#include "fuzz/game/ProtocolFuzz.h"

std::string FrameAnswerFor(int state, const FrameWaitStates& waits, double money, const char* initTags) {
  if (state == waits.init) {
    return std::string("command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=1000.000000&MINBET=5.000000&MAXBET=500.000000") +
           initTags;
  }
  if (state == waits.beginPlay) {
    char text[80];
    std::snprintf(text, sizeof text, "command=BEGINPLAYanswer&answer=ok&MONEYAMOUNT=%f", NormalMoney(money));
    return text;
  }
  if (state == waits.endPlay || state == waits.quitEnd) return "command=ENDPLAYanswer&answer=ok";
  if (state == waits.exit) return "command=CLIENTEXITanswer&answer=ok";
  return "";
}
