// A test program on the desktop backend needs it up before any test runs;
// listing the tests (at build time, without a display) needs nothing.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/include/plat/plat.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (!plat::InitBackend(argc, argv)) {
    std::fprintf(stderr, "desktop tests: no display; scripts/test starts Xvfb and sets DISPLAY\n");
    return 1;
  }
  const int rc = RUN_ALL_TESTS();
  plat::ShutdownBackend();
  return rc;
}
