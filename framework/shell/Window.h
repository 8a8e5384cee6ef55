// Window title and centring helpers.
#pragma once

#include "platform/include/plat/types.h"

// Formats the title (printf-style). Up to 250 characters the window shows
// "<title>  <suffix>" (gTitleSuffix) and the title is kept in gWindowTitle;
// a longer one shows, and is kept as, "ERROR: STRING TO LONG!!".
void SetWindowTitle(plat::HWND window, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// The status after the title: formats it (printf-style; more than 250
// characters give an empty status) and shows the last title again with it.
void SetTitleStatus(plat::HWND window, const char* format, ...) __attribute__((format(printf, 2, 3)));
// From the client rectangle: gOffsetX = (client width - width) / 2 and
// gOffsetY = (client height - height) / 2, each replaced by its fixed
// override when that is not -1. The client size goes through the pointers
// that are not null.
void CentreOffsets(plat::HWND window, int* clientWidth, int* clientHeight, int width, int height);
// Moves window (size and z-order kept) to the centre of over, each
// coordinate kept within 0 and screen size - window size.
void CentreWindow(plat::HWND window, plat::HWND over);
