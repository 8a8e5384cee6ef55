// The user and the record keys of a saved game in "db_savef".
#pragma once

// The user whose saved games the programs restore.
inline constexpr int kSavedGameUser = 1;

inline constexpr char kKeyComm[] = "COMM";  // 0 send text, 1 receive text, 2..5 link words
inline constexpr char kKeyExistanceFlag[] = "EXISTANCEFLAG";
inline constexpr char kKeyRemoveFlag[] = "removeflag";
inline constexpr char kKeyNumBtns[] = "NUMBTNS";
inline constexpr char kKeyBtnLog[] = "BTNLOG";
inline constexpr char kKeyNumPcks[] = "NUMPCKS";
inline constexpr char kKeyPktLog[] = "PKTLOG";
