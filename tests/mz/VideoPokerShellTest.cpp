// The Video Poker program's window procedure where it reports more than the
// other programs': music that cannot start.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/include/plat/headless.h"
#include "tests/mz/VideoPokerRun.h"
#include "tests/support/MusicFailure.h"
#include "tests/support/StackedDeck.h"

namespace {

using R = VideoPokerRun;
using plat::headless::MessageBoxes;

// The error is kept while the machine plays and shown once the player has
// left, in a box titled with the game's name.
TEST(VideoPokerShell, MusicThatCannotStartIsShownWhenTheProgramEnds) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  std::remove("../midi/easytrav.mid");
  WriteCasinoCfgWithMusicOn();
  std::size_t boxesWhilePlaying = 99;
  run.When(R::Choosing, [&] {
    boxesWhilePlaying = MessageBoxes().size();
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(boxesWhilePlaying, 0u);
  ExpectQuitThenKeptError("Video Poker");
}

}  // namespace
