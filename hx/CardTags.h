// The text form of one card inside a packet: a naming tag with an empty
// value (whose card it is), then TYPE with the suit word and VALUE with the
// value written with "%ld".
#pragma once

#include "framework/link/Comm.h"

namespace hx {

inline constexpr char kTypeTag[] = "TYPE";
inline constexpr char kValueTag[] = "VALUE";

// The suit words of suits 0..3, compared exactly when read.
inline constexpr const char* kSuitWords[] = {"DIAMOND", "HEART", "CLUB", "SPADE"};

// Appends TYPE (empty for a suit outside 0..3) and VALUE to the packet being
// built; the caller has added the naming tag. Answers the result of setting
// VALUE.
int WriteCardTags(CComm& comm, int suit, int value);
// From the received tag cursor (on the naming tag): the next TYPE and the
// next VALUE. 0 when either is missing, the word is none of the four, the
// value is not exactly one number, or it lies outside 1..13.
int ReadCardTags(CComm& comm, int* suit, int* value);
// The last added tag's value as the number written with "%ld".
int SetTagLong(CComm& comm, long number);
// The current received tag's value read as "%ld" reads it: 1, or 0 when it
// holds no number or one beyond a long.
int GetTagLong(CComm& comm, long* number);

}  // namespace hx
