// Zero-terminated byte texts: the copy, length and case-blind comparison that
// the packet lists rest on.
//
// Every heap text or block handed out by the link library comes from
// std::malloc and is released by its owner with std::free.
#pragma once

#include <cstddef>

// A heap copy of text; null when text is null or memory runs out.
char* StrDup(const char* text);
// The byte length; 0 for a null text.
std::size_t StrLen(const char* text);
// Compares with bit 0x20 set in each byte, so letters match in either case
// (and so do a few punctuation and control pairs, e.g. '@' and '`'). Answers
// -1 when either text is null, else the difference of the first raw bytes at
// which the walk stopped: 0 exactly when both texts ended together. Only the
// sign of a non-zero answer carries meaning, and -1 is also a real difference.
int StrICmp(const char* a, const char* b);
