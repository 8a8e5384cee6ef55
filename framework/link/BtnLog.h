// Logged button presses and their BTN/STE/VAL tags.
#pragma once

#include "framework/link/Comm.h"
#include "framework/link/PtrList.h"

// One press: also the stored "BTNLOG" record (12 bytes).
struct btnLog {
  int button;
  int state;    // the client step at the press
  float value;  // kBtnValueLeft or kBtnValueRight; carries values for events above 10000
};
static_assert(sizeof(btnLog) == 12);

// VAL of a logged press of a button: a left or a right release.
inline constexpr float kBtnValueLeft = 0.0f;
inline constexpr float kBtnValueRight = 2.0f;

inline constexpr char kBtnTag[] = "BTN";
inline constexpr char kSteTag[] = "STE";
inline constexpr char kValTag[] = "VAL";

// A std::malloc'd entry (for lists emptied with DeleteAll); null when no memory.
btnLog* NewBtnLog(int button, int state, float value);
// Three AddTag/SetTagValue pairs: BTN "%d", STE "%d", VAL "%f". 1, or 0 when
// the packet is not being built or memory runs out.
int AddBtnTags(CComm& comm, int button, int state, float value);
// From the receive cursor: the next BTN, then the next STE, then the next VAL.
// 1 with the three numbers; 0 when a tag is missing or unreadable.
int ReadBtnTag(CComm& comm, int* button, int* state, float* value);
// Appends a new entry for every triple ReadBtnTag finds. 1, or 0 when an
// append fails (the entries so far stay).
int ReadBtnTags(CPtrList& list, CComm& comm);
