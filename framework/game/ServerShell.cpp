#include "framework/game/ServerShell.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"

namespace game {
namespace {

char* CodeField(const ServerRecordShape& shape, void* record) {
  return static_cast<char*>(record) + shape.codeOffset;
}

}  // namespace

void* ServerInit(const ServerRecordShape& shape, const char* gameName) {
  void* record = std::calloc(1, shape.size);
  if (record == nullptr) return nullptr;
  if (std::strlen(gameName) < kGameCodeSize) {
    std::memcpy(CodeField(shape, record), gameName, std::strlen(gameName) + 1);
  } else {
    PlaybackError("ServerInit: gameName inputstring to long", 0, gameName, 0, 0);
  }
  return record;
}

void ServerFree(void* record) { std::free(record); }

int GameServerPlayback(const ServerRecordShape& shape, CComm& comm, void* record, int userId) {
  // The restore overwrites the record, code included, while it still uses
  // the code.
  char gameName[kGameCodeSize];
  std::memcpy(gameName, CodeField(shape, record), sizeof(gameName));
  gameName[sizeof(gameName) - 1] = '\0';
  if (gPacketPlaybackServer.Step(comm, record, userId, gameName)) {
    // The restore removed the saved game: the round is saved again at once,
    // or a kill before the next round would lose it.
    SendServerSavePoint(comm, gameName, record, shape.size);
  }
  return 0;
}

int GameServerLoad(const ServerRecordShape& shape, void* record, int userId, const char* game) {
  char key[kDbNameSize];
  std::snprintf(key, sizeof(key), "%sDATA", game);
  void* data = nullptr;
  std::uint32_t size = 0;
  const int code = dbRead(userId, game, key, 0, &data, &size);
  if (code != kDbOk) {
    PlaybackError("GameServerLoad: dbRead returned error (trying to load game data)", userId, game,
                  0, code);
    return code;
  }
  if (size != shape.size) {
    PlaybackError("GameServerLoad: size of data read is invalid (trying to load game data)",
                  userId, game, 0, 0);
    std::free(data);
    return -1;
  }
  char* code16 = static_cast<char*>(data) + shape.codeOffset;
  code16[kGameCodeSize - 1] = '\0';
  if (shape.check != nullptr && !shape.check(data)) {
    PlaybackError("GameServerLoad: state of data read is invalid (trying to load game data)",
                  userId, game, 0, 0);
    std::free(data);
    return -1;
  }
  std::uint32_t randomState = 0;
  const int streamCode = ReadServerRandom(userId, game, &randomState);
  if (streamCode != 0) {
    std::free(data);
    return streamCode;
  }
  std::memcpy(record, data, shape.size);
  std::free(data);
  SetServerRandomState(randomState);
  return 0;
}

}  // namespace game
