// The Video Poker program's window procedure where it reports more than the
// other programs': music that cannot start.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/include/plat/headless.h"
#include "tests/mz/VideoPokerRun.h"
#include "tests/support/StackedDeck.h"
#include "tests/support/TempFolder.h"

namespace {

using R = VideoPokerRun;
using plat::headless::MessageBoxes;

// The error is kept while the machine plays and shown once the player has
// left, in a box titled with the game's name.
TEST(VideoPokerShell, MusicThatCannotStartIsShownWhenTheProgramEnds) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  std::remove("../midi/easytrav.mid");
  // maximised 0, animations 0, sound effects 1, music 1, reserved 0
  const char cfg[10] = {0, 0, 0, 0, 1, 0, 1, 0, 0, 0};
  WriteFile("../../Casino.cfg", std::string(cfg, sizeof cfg));
  std::size_t boxesWhilePlaying = 99;
  run.When(R::Choosing, [&] {
    boxesWhilePlaying = MessageBoxes().size();
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(boxesWhilePlaying, 0u);
  ASSERT_EQ(MessageBoxes().size(), 2u);
  EXPECT_EQ(MessageBoxes()[0].text, "Return to main menu?");
  EXPECT_EQ(MessageBoxes()[1].text.rfind("Error:\n", 0), 0u);
  EXPECT_GT(MessageBoxes()[1].text.size(), std::string("Error:\n").size());
  EXPECT_EQ(MessageBoxes()[1].caption, "Video Poker");
}

}  // namespace
