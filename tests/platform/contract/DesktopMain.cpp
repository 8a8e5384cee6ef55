// The contract against the desktop backend: it needs a display and a
// session bus before any test runs; listing the tests needs nothing.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/platform/contract/Contract.h"

void contract::ResetBackend() {}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (!plat::InitBackend(argc, argv)) {
    std::fprintf(stderr, "contract tests: no display; scripts/test starts Xvfb and sets DISPLAY\n");
    return 1;
  }
  const int rc = RUN_ALL_TESTS();
  plat::ShutdownBackend();
  return rc;
}
