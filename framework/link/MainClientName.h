// The window class name of the main client, which the programs look for and
// the stand-in main client registers. Both sides must use this one text.
#pragma once

inline constexpr char kMainClientClassName[] = "www.kestrup-casino.example Main Client";

// The command-line option with which the main client starts a program whose
// saved game waits: the program starts hidden and restores it first.
inline constexpr char kHiddenOption[] = "--hidden";
