// The main client's run, from the single-instance check to its end.
#pragma once

#include <string>
#include <vector>

inline constexpr char kAccountStoreName[] = "mainclient-account.db";
// Where the earlier main client kept the balance, as text; read once, when
// the account store is made.
inline constexpr char kOldBalanceName[] = "mainclient-balance.txt";
// How long a packet that a program refused waits before it is offered again.
inline constexpr unsigned kRedeliverMs = 10;

// Runs the main client of the staged tree at stage: starts each program
// named, one after the other has connected, and relays for every program
// that connects. With programs named it ends when all of them have ended;
// without, when its window is closed. Answers the exit code: 0, or 1 when
// another main client runs, the account store cannot be used, or none of
// the programs could be started; the reason goes to a message box and
// stderr. online: the programs play with the online account (see
// CMainClient::GoOnline).
int RunMainClient(const std::string& stage, const std::vector<std::string>& programs, int online);
