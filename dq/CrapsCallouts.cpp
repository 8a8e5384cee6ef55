#include "dq/CrapsCallouts.h"

#include <cstdio>

#include "dq/BetModel.h"

namespace dq {

namespace {

// The totals that are called hard or easy, with their point form.
struct BoxCall {
  const char* hard;
  const char* easy;
  const char* hardPoint;
  const char* easyPoint;
  const char* number;  // the stickman saying the number
  const char* hardSound;
  const char* easySound;
};

constexpr BoxCall kFour = {"HARD FOUR#|", "EASY FOUR#|", "HARD FOUR THE POINT IS FOUR#|",
                           "EASY FOUR THE POINT IS FOUR#|", "../wav/c_4.wav", "../wav/dq_h4.wav",
                           "../wav/dq_e4.wav"};
constexpr BoxCall kSix = {"HARD SIX#|", "EASY SIX#|", "HARD SIX THE POINT IS SIX#|",
                          "EASY SIX THE POINT IS SIX#|", "../wav/c_6.wav", "../wav/dq_h6.wav",
                          "../wav/dq_e6.wav"};
constexpr BoxCall kEight = {"HARD EIGHT#|", "EASY EIGHT#|", "HARD EIGHT THE POINT IS EIGHT#|",
                            "EASY EIGHT THE POINT IS EIGHT#|", "../wav/c_8.wav",
                            "../wav/dq_h8.wav", "../wav/dq_e8.wav"};
constexpr BoxCall kTen = {"HARD TEN#|", "EASY TEN#|", "HARD TEN THE POINT IS TEN#|",
                          "EASY TEN THE POINT IS TEN#|", "../wav/c_10.wav", "../wav/dq_h10.wav",
                          "../wav/dq_e10.wav"};

constexpr char kPointSound[] = "../wav/dq_point.wav";
constexpr char kRollSound[] = "../wav/dq_roll.wav";
constexpr char kLineSound[] = "../wav/dq_line.wav";

RollCall Call(const char* text, const char* a, const char* b, const char* c = nullptr,
              const char* d = nullptr) {
  RollCall call = {text, {a, b, c, d, nullptr}, 0, 1};
  while (call.soundCount < kMaxCallSounds && call.sounds[call.soundCount] != nullptr) {
    ++call.soundCount;
  }
  return call;
}

RollCall BoxRoll(const BoxCall& box, int hard, int comeOutBefore) {
  const char* say = hard ? box.hardSound : box.easySound;
  if (comeOutBefore == 1) {
    return Call(hard ? box.hardPoint : box.easyPoint, box.number, say, kPointSound, box.number);
  }
  return Call(hard ? box.hard : box.easy, box.number, say);
}

// Five and nine are never hard: a point on the come-out, else the roll.
RollCall PlainRoll(const char* pointText, const char* rollText, const char* number,
                   int comeOutBefore, int comeOutAfter) {
  if (comeOutBefore == 1 && comeOutAfter == 0) return Call(pointText, number, kPointSound, number);
  return Call(rollText, number, kRollSound, number);
}

int Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

}  // namespace

RollCall CallOfRoll(int die1, int die2, int comeOutBefore, int comeOutAfter) {
  const int a = Clamp(die1, 1, 6);
  const int b = Clamp(die2, 1, 6);
  const int hard = a == b;
  const int winner = comeOutBefore == 1 && comeOutAfter == 1;
  switch (a + b) {
    case 2: return Call("CRAPS TWO#|", "../wav/c_2.wav", "../wav/dq_c2.wav");
    case 3: return Call("CRAPS THREE#|", "../wav/c_3.wav", "../wav/dq_c3.wav");
    case 4: return BoxRoll(kFour, hard, comeOutBefore);
    case 5:
      return PlainRoll("THE POINT IS FIVE#|", "THE ROLL IS FIVE#|", "../wav/c_5.wav",
                       comeOutBefore, comeOutAfter);
    case 6: return BoxRoll(kSix, hard, comeOutBefore);
    case 7:
      if (winner) {
        return Call("WINNER SEVEN, PAY THE LINE#|", "../wav/c_7.wav", "../wav/dq_w7.wav",
                    kLineSound);
      }
      return Call("OUT SEVEN#|", "../wav/c_7.wav", "../wav/dq_out7.wav");
    case 8: return BoxRoll(kEight, hard, comeOutBefore);
    case 9:
      return PlainRoll("THE POINT IS NINE#|", "THE ROLL IS NINE#|", "../wav/c_9.wav",
                       comeOutBefore, comeOutAfter);
    case 10: return BoxRoll(kTen, hard, comeOutBefore);
    case 11:
      if (winner) {
        return Call("YO ELEVEN! WINNER ELEVEN#|", "../wav/dq_yo11.wav", "../wav/dq_win11.wav",
                    kLineSound);
      }
      return Call("YO ELEVEN! ROLL IS ELEVEN#|", "../wav/dq_yo11.wav", kRollSound,
                  "../wav/c_11.wav");
    default: {
      RollCall call = Call("CRAPS TWELVE#|", "../wav/dq_c12.wav", nullptr);
      call.waitForLast = 0;
      return call;
    }
  }
}

int CallBeforeThrow(int comeOutBefore, int pointBefore, int* counter, const char* sounds[2]) {
  if (comeOutBefore == 1) {
    sounds[0] = "../wav/dq_come.wav";
    return 1;
  }
  if (*counter == 2) {
    sounds[0] = "../wav/dq_out.wav";
    *counter = 0;
    return 1;
  }
  sounds[0] = "../wav/dq_shoot.wav";
  int count = 1;
  switch (pointBefore) {
    case 4: sounds[count++] = "../wav/c_4.wav"; break;
    case 5: sounds[count++] = "../wav/c_5.wav"; break;
    case 6: sounds[count++] = "../wav/c_6.wav"; break;
    case 8: sounds[count++] = "../wav/c_8.wav"; break;
    case 9: sounds[count++] = "../wav/c_9.wav"; break;
    case 10: sounds[count++] = "../wav/c_10.wav"; break;
    default: break;
  }
  ++*counter;
  return count;
}

int BuildWinSummary(char* out, int size, float totalWin, const float* bets, const float* results,
                    const int* wonBets, int endMark) {
  if (size < 3) {
    if (size > 0) out[0] = '\0';
    return 0;
  }
  // The list is cut before the end mark "#|", which must always stand: without
  // it the ticker would scroll the text for ever.
  const int bodyLimit = size - 2;
  int used = 0;
  auto append = [&](int n) { used = n < 0 ? used : (used + n < bodyLimit ? used + n : bodyLimit - 1); };
  auto text = [&](const char* t) { append(std::snprintf(out + used, bodyLimit - used, "%s", t)); };
  auto money = [&](double v) { append(std::snprintf(out + used, bodyLimit - used, " $%.2f", v)); };
  text("TOTAL WIN:  ");
  money(totalWin);
  text("   @    PLAYER WON");
  for (int i = 0; wonBets[i] != endMark; ++i) {
    const int kind = wonBets[i];
    if (i > 0) text(",");
    money(static_cast<double>(results[kind]) - bets[kind]);
    text(" ON THE ");
    const char* name = TickerBetName(kind);
    text(name != nullptr ? name : "");
  }
  std::snprintf(out + used, size - used, "#|");
  return used + 2;
}

}  // namespace dq
