// A normal server's answers to the frame's own commands for the card
// tables' client fuzzers, whose clients wait for each in a state of its own.
#pragma once

#include <string>

// The client states that wait for the frame's answers.
struct FrameWaitStates {
  int init;       // CLIENTINITANSWER
  int beginPlay;  // BEGINPLAYANSWER
  int endPlay;    // ENDPLAYANSWER after a round
  int quitEnd;    // ENDPLAYANSWER on leaving
  int exit;       // CLIENTEXITANSWER
};

// The answer due to a client in state: CLIENTINIT with $1000, limits of $5
// to $500 and initTags (e.g. "&MAXTABLE=500.000000"), BEGINPLAY with the
// client's money made plain (NormalMoney); empty when state waits for none.
std::string FrameAnswerFor(int state, const FrameWaitStates& waits, double money, const char* initTags = "");
