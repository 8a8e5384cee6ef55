// What the stickman says about a roll: the ticker line and the voice samples
// of the call, and the call before the throw. Plain data and text, no sound
// is played here.
#pragma once

namespace dq {

inline constexpr int kMaxCallSounds = 5;

// The call of a rolled total. Both forms use the come-out flag as it stood
// before the roll (1: this was a come-out roll) and as it stands after it.
struct RollCall {
  const char* tickerText;              // upper case, ended by "#|"
  const char* sounds[kMaxCallSounds];  // in playing order
  int soundCount;
  int waitForLast;  // 0: the last sample is started without waiting
};

// The call of the roll die1 + die2 (each 1..6). Dice out of range give the
// call of the nearest total; never null texts.
RollCall CallOfRoll(int die1, int die2, int comeOutBefore, int comeOutAfter);

// The call before a throw: the samples (at most two) for a come-out roll or
// for the point that stood before the roll. counter is the stickman's call
// counter (0 at program start): it runs shoot, shoot, out during a point.
// Answers the number of samples written into sounds.
int CallBeforeThrow(int comeOutBefore, int pointBefore, int* counter, const char* sounds[2]);

// The win summary line of a roll: "TOTAL WIN:   $<total>   @    PLAYER WON"
// then " $<net> ON THE <bet name>" for each kind of wonBets (ended by
// endMark), joined by ",", ended by "#|". net is result - bet. Cut to fit
// size (always terminated). Answers the length written.
int BuildWinSummary(char* out, int size, float totalWin, const float* bets, const float* results,
                    const int* wonBets, int endMark);

}  // namespace dq
