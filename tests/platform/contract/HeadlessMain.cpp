// The contract against the in-memory backend.
#include <gtest/gtest.h>

#include "platform/include/plat/headless.h"
#include "tests/platform/contract/Contract.h"

void contract::ResetBackend() { plat::headless::Reset(); }

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
