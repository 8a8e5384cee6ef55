// Real input through the X server, made with xdotool: only the desktop's
// tests can use it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace contract {

// Runs xdotool with the arguments; a failure fails the test.
inline void Xdotool(const std::string& arguments) {
  ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << "xdotool " << arguments;
}

}  // namespace contract
