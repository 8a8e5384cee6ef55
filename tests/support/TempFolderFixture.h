// Each test runs in a fresh temporary folder of its own, its working folder.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(folder.Enter(), 1); }

  TempFolder folder;
};
