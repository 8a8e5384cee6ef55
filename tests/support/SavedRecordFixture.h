// A restore test of a game server's saved record: each test reads and
// writes "db_savef" in a fresh folder of its own, with no message box shown
// yet.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/link/ServerRandom.h"
#include "platform/include/plat/headless.h"
#include "tests/support/TempFolderFixture.h"

class SavedRecordTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    plat::headless::ClearMessageBoxes();
  }

  // Replaces "db_savef" by the game's record under key and the server's
  // random stream, as the main client saves them.
  static void WriteServerRecord(const char* game, const char* key, const void* bytes,
                                std::uint32_t size) {
    std::remove(kDbFileName);
    ASSERT_EQ(dbWrite(kSavedGameUser, game, key, 0, bytes, size), 0);
    unsigned char stream[4];
    DbPutU32(stream, 1);
    ASSERT_EQ(dbWrite(kSavedGameUser, game, kKeyServerRandom, 0, stream, 4), 0);
  }

  // 1 when a message box shown since SetUp holds text.
  static bool BoxSaid(const char* text) {
    for (const auto& box : plat::headless::MessageBoxes()) {
      if (box.text.find(text) != std::string::npos) return true;
    }
    return false;
  }
};
