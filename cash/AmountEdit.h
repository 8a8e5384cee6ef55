// The amount as the dialog's amount edits keep it: whole dollars.
#pragma once

#include <cstddef>

// Cuts text at its first comma and at its first point; an empty text
// becomes "0" (size, the buffer's size, is at least 2). 1 when the text
// changed.
int CutAmountText(char* text, std::size_t size);
