// A restore test of a game server's saved record: each test reads and
// writes "db_savef" in a fresh folder of its own, with no message box shown
// yet. WriteSavedServer and BoxSaid write and read what a restore sees.
#pragma once

#include "platform/include/plat/headless.h"
#include "tests/support/SavedServer.h"
#include "tests/support/TempFolderFixture.h"

class SavedRecordTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    plat::headless::ClearMessageBoxes();
  }
};
