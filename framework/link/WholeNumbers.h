// Whole numbers in packet texts, read as scanf's "%i" (base 0) or "%d"
// (base 10) reads them: leading blanks, a sign, digits. A number beyond an
// int is refused, where scanf's result would be undefined.
#pragma once

#include <cstdint>

// The number at *at; moves *at past it. 1 or 0.
int ReadWholeNumber(const char** at, int base, std::int32_t* value);
// The same for "%ld": a number beyond a long is refused.
int ReadWholeNumber(const char** at, int base, long* value);

// count numbers, each after the first behind a comma; moves *at past the
// last. What follows is left to the caller. 1 or 0.
int ReadWholeNumberList(const char** at, int base, std::int32_t* values, int count);
