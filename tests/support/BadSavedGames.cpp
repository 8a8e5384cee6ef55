#include "tests/support/BadSavedGames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "platform/include/plat/headless.h"

namespace {

void WriteInt(const char* game, const char* key, int index, std::int32_t value) {
  unsigned char bytes[4];
  DbPutU32(bytes, static_cast<std::uint32_t>(value));
  ASSERT_EQ(dbWrite(kSavedGameUser, game, key, index, bytes, 4), 0);
}

void OtherGame(const char* game) {
  const char* other = std::strcmp(game, "DQ") == 0 ? "KW" : "DQ";
  WriteInt(other, kKeyExistanceFlag, 0, 1);
  WriteInt(other, kKeyNumBtns, 0, 0);
  WriteInt(other, kKeyNumPcks, 0, 0);
}

void BadExistanceFlag(const char* game) {
  WriteInt(game, kKeyExistanceFlag, 0, 7);
  WriteInt(game, kKeyNumBtns, 0, 0);
}

void ButtonPressCutShort(const char* game) {
  WriteInt(game, kKeyExistanceFlag, 0, 1);
  WriteInt(game, kKeyNumBtns, 0, 1);
  WriteInt(game, kKeyBtnLog, 0, 10001);  // 4 bytes of a 12-byte press
}

void PacketLengthWrong(const char* game) {
  WriteInt(game, kKeyExistanceFlag, 0, 1);
  WriteInt(game, kKeyNumBtns, 0, 0);
  WriteInt(game, kKeyNumPcks, 0, 1);
  unsigned char block[4 + 8] = {};
  DbPutU32(block, 20);  // says 20 bytes of text, holds 8
  std::memcpy(block + 4, "command", 8);
  ASSERT_EQ(dbWrite(kSavedGameUser, game, kKeyPktLog, 0, block, sizeof block), 0);
}

}  // namespace

void PrintTo(const BadSavedGame& bad, std::ostream* out) { *out << bad.name; }

const std::vector<BadSavedGame>& BadSavedGames() {
  static const std::vector<BadSavedGame> kinds = {
      {"OfAnotherGame", OtherGame, "LoadPlayback: The saved game is not this game"},
      {"WithABadExistanceFlag", BadExistanceFlag, "LoadPlayback: EXISTANCEFLAG has an invalid value"},
      {"WithAButtonPressCutShort", ButtonPressCutShort, "CBtnPlaybackServer::Load"},
      {"WithAPacketCutShort", PacketLengthWrong,
       "CPacketPlaybackServer::Load: dbRead read an invalid amount of memory"},
  };
  return kinds;
}

void WriteBadSavedGame(const std::string& folder, const BadSavedGame& bad, const char* game) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  bad.write(game);
  std::filesystem::current_path(previous);
}

bool InfoBoxSaid(const char* text) {
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption == "INFO" && box.text.find(text) != std::string::npos) return true;
  }
  return false;
}

const BadSavedGame& BadSavedGameNamed(const char* name) {
  for (const BadSavedGame& bad : BadSavedGames()) {
    if (std::strcmp(bad.name, name) == 0) return bad;
  }
  ADD_FAILURE() << "no bad saved game " << name;
  return BadSavedGames().front();
}
