#include "tests/support/SavedServer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/link/ServerRandom.h"
#include "platform/include/plat/headless.h"

void WriteSavedServer(const char* game, const void* record, std::uint32_t size,
                      std::uint32_t randomState) {
  // The file only ever grows and a read takes the first record of a key:
  // a saved game is written whole, over nothing.
  std::remove(kDbFileName);
  const std::string key = std::string(game) + "DATA";
  EXPECT_EQ(dbWrite(kSavedGameUser, game, key.c_str(), 0, record, size), 0);
  unsigned char stream[4];
  DbPutU32(stream, randomState);
  EXPECT_EQ(dbWrite(kSavedGameUser, game, kKeyServerRandom, 0, stream, 4), 0);
}

bool BoxSaid(const char* text) {
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.text.find(text) != std::string::npos) return true;
  }
  return false;
}
