// The start-up error report.
#pragma once

// Formats "Error:\n" (or the module line) and the message into gErrorText (cut to its size) and
// posts WM_CLOSE to the thread. With kErrorShowBox the text is shown at once
// in an "ERROR" box (no owner) and emptied again; with kErrorStoreText it
// waits to be shown when the start or the loop ends. sourceModule and line
// lead the text with kErrorModuleText (which waits as kErrorStoreText does).
void ErrorBox(const char* sourceModule, int line, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Shows a pending error text, if any, in a box titled with the game's name
// (stop icon), then empties it.
void ShowPendingError();
