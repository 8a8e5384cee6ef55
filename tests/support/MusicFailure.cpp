#include "tests/support/MusicFailure.h"

#include <gtest/gtest.h>

#include "platform/include/plat/headless.h"
#include "tests/support/TempFolder.h"

void WriteCasinoCfgWithMusicOn() {
  // maximised 0, animations 0, sound effects 1, music 1, reserved 0
  const char cfg[10] = {0, 0, 0, 0, 1, 0, 1, 0, 0, 0};
  ASSERT_EQ(WriteFile("../../Casino.cfg", std::string(cfg, sizeof cfg)), 1);
}

void ExpectQuitThenKeptError(const std::string& caption) {
  const auto& boxes = plat::headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Return to main menu?");
  EXPECT_EQ(boxes[1].text.rfind("Error:\n", 0), 0u);
  EXPECT_GT(boxes[1].text.size(), std::string("Error:\n").size());
  EXPECT_EQ(boxes[1].caption, caption);
}
