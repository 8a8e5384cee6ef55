// printf-style formatting into a string of whatever length the values need.
#pragma once

#include <string>

[[gnu::format(printf, 1, 2)]] std::string FormatText(const char* format, ...);
