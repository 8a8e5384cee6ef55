#include "framework/link/Restore.h"

#include <cstdlib>
#include <cstring>

#include "framework/link/Db.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/ShellHooks.h"
#include "platform/include/plat/window.h"

namespace {

GameServerHooks gGameHooks{};

void OnClientBeforeSend(CComm& comm) { gBtnLogClient.FlushToPacket(comm); }

void OnClientAfterReceive(CComm& comm) { gPlaybackClient.OnReceive(comm); }

void OnServerAfterReceive(CComm& comm) { gBtnLogServer.OnReceive(comm); }

void OnServerBeforeSend(CComm& comm) {
  gPacketLogServer.Record(comm);
  gBtnPlaybackServer.AddToPacket(comm);
  gBtnPlaybackServer.Clear();
}

void OnServerAfterSend(CComm&) { gPacketLogServer.MarkSent(); }

// The end of a playback: the saved state is put back, or the program ends.
int HandOver(void* record, CComm& comm, int userId, const char* game) {
  if (GameServerLoadPart2(record, comm, userId, game) == 0) return 0;
  // The client was replayed into the middle of a round that a fresh server
  // cannot answer: end the program; the records are gone, so the next start
  // is a fresh game.
  PlaybackInfo(kRestoreFailedText, userId, game);
  plat::DestroyWindow(GetShellHooks().mainWindow());
  return -1;
}

bool RecordExists(int userId, const char* game, const char* key, int index) {
  void* data = nullptr;
  std::uint32_t size = 0;
  if (dbRead(userId, game, key, index, &data, &size) != kDbOk) return false;
  std::free(data);
  return true;
}

// A 4-byte record as an int: 0, the db code, or -1 for another size.
int ReadIntRecord(int userId, const char* game, const char* key, int index, int* value) {
  void* data = nullptr;
  std::uint32_t size = 0;
  int error = dbRead(userId, game, key, index, &data, &size);
  if (error != kDbOk) return error;
  if (size == sizeof(std::uint32_t)) *value = static_cast<int>(DbGetU32(data));
  std::free(data);
  return size == sizeof(std::uint32_t) ? kDbOk : kDbInvalidData;
}

void ClearPlaybackStores() {
  gBtnPlaybackServer.Clear();
  gPacketPlaybackServer.Clear();
}

int EndLoadPlayback(int userId, int answer) {
  if (answer == 0) RemoveSavedGame(userId);
  ClearPlaybackStores();
  return answer;
}

int ReadExistanceFlag(int userId, const char* game, int* flag) {
  void* data = nullptr;
  std::uint32_t size = 0;
  if (dbRead(userId, game, kKeyExistanceFlag, 0, &data, &size) != kDbOk) {
    PlaybackError("LoadPlayback: dbRead returned error (trying to read EXISTANCEFLAG)", userId, game, 0, 0);
    return -1;
  }
  if (size != sizeof(std::uint32_t)) {
    std::free(data);
    PlaybackError("LoadPlayback: dbRead read in invalid size (trying to read EXISTANCEFLAG)", userId,
                  game, 0, 0);
    return -1;
  }
  *flag = static_cast<int>(DbGetU32(data));
  std::free(data);
  if (*flag != 1 && *flag != 2) {
    PlaybackError("LoadPlayback: EXISTANCEFLAG has an invalid value", userId, game, 0, 0);
    return -1;
  }
  return 0;
}

// The saved text of a COMM buffer record; null after its error box.
void* ReadCommText(int userId, const char* game, int index, const char* errorText, int* error,
                   std::uint32_t* size) {
  void* data = nullptr;
  *error = dbRead(userId, game, kKeyComm, index, &data, size);
  if (*error == kDbOk) return data;
  PlaybackError(errorText, userId, game, index, *error);
  return nullptr;
}

}  // namespace

void InstallClientPlaybackHooks(CComm& clientEnd) {
  clientEnd.SetBeforeSendHook(OnClientBeforeSend);
  clientEnd.SetAfterReceiveHook(OnClientAfterReceive);
}

void InstallPlaybackHooks(CComm& serverEnd, CComm& clientEnd, const GameServerHooks& game) {
  gGameHooks = game;
  InstallClientPlaybackHooks(clientEnd);
  serverEnd.SetBeforeReceiveHook(nullptr);
  serverEnd.SetAfterReceiveHook(OnServerAfterReceive);
  serverEnd.SetBeforeSendHook(OnServerBeforeSend);
  serverEnd.afterSend = OnServerAfterSend;
  gPacketPlaybackServer.handOver = HandOver;
}

const GameServerHooks& GetGameServerHooks() { return gGameHooks; }

int LoadSavedGame(void* record, CComm& serverEnd, int userId) {
  const char* game = gGameHooks.game ? gGameHooks.game : "";
  if (LoadPlayback(userId, game) == 0) return 0;
  // A game marked for removal is settled, not replayed.
  ClearPlaybackStores();
  GameServerLoadPart2(record, serverEnd, userId, game);
  return -1;
}

int LoadPlayback(int userId, const char* game) {
  int answer = RecordExists(userId, game, kKeyRemoveFlag, 1) ? -1 : 0;
  char savedGame[kDbNameSize];
  if (dbGetSavedGameName(userId, savedGame) != kDbOk) return EndLoadPlayback(userId, answer);
  if (std::strcmp(savedGame, game) != 0) {
    PlaybackError("LoadPlayback: The saved game is not this game", userId, game, 0, 0);
    return EndLoadPlayback(userId, answer);
  }
  int flag = 0;
  if (ReadExistanceFlag(userId, game, &flag) != 0 || gBtnPlaybackServer.Load(userId, game) != 0 ||
      gPacketPlaybackServer.Load(userId, game) != 0) {
    return EndLoadPlayback(userId, answer);
  }
  gPacketPlaybackServer.SetExistanceFlag(flag);
  PlaybackInfo("Event data loaded (part 1)", userId, game);
  return answer;
}

int GameServerLoadComm(CComm& comm, int userId, const char* game) {
  static constexpr const char* kWordErrors[4] = {
      "GameServerLoadComm: dbRead returned error (trying to read recvJustInit)",
      "GameServerLoadComm: dbRead returned error (trying to read sendAllocated)",
      "GameServerLoadComm: dbRead returned error (trying to read recvAllocated)",
      "GameServerLoadComm: dbRead returned error (trying to read wantToSleep)",
  };
  int words[4] = {};
  for (int i = 0; i < 4; ++i) {
    int error = ReadIntRecord(userId, game, kKeyComm, i + 2, &words[i]);
    // A side state the link end does not know would wedge it for good.
    if (error == kDbOk && ((i == 1 && words[i] != kSendFree && words[i] != kSendBuilding) ||
                           (i == 2 && words[i] != kRecvEmpty && words[i] != kRecvWaiting))) {
      error = kDbInvalidData;
    }
    if (error != kDbOk) {
      PlaybackError(kWordErrors[i], userId, game, i + 2, error);
      return error;
    }
  }
  const int sendState = words[1];
  const int recvState = words[2];
  int error = kDbOk;
  std::uint32_t sendSize = 0;
  std::uint32_t recvSize = 0;
  void* sendText = nullptr;
  void* recvText = nullptr;
  if (sendState == kSendBuilding) {
    sendText = ReadCommText(userId, game, 0,
                            "GameServerLoadComm: dbRead returned error (trying to read comm send buffer)",
                            &error, &sendSize);
    if (!sendText) return error;
  }
  if (recvState == kRecvWaiting) {
    recvText = ReadCommText(userId, game, 1,
                            "GameServerLoadComm: dbRead returned error (trying to read comm recv buffer)",
                            &error, &recvSize);
    if (!recvText) {
      std::free(sendText);
      return error;
    }
  }
  comm.SetState(words[0], sendState, recvState, words[3]);
  if (sendText) {
    comm.sendList.Clear();
    comm.sendList.Decode(static_cast<const char*>(sendText), sendSize);
    comm.current = comm.sendList.tail;
    std::free(sendText);
  }
  if (recvText) {
    comm.recvList.Clear();
    comm.recvList.Decode(static_cast<const char*>(recvText), recvSize);
    comm.cursor = comm.recvList.head;
    std::free(recvText);
  }
  return kDbOk;
}

int GameServerLoadPart2(void* record, CComm& comm, int userId, const char* game) {
  bool loaded = GameServerLoadComm(comm, userId, game) == kDbOk && gGameHooks.load &&
                gGameHooks.load(record, userId, game) == 0;
  if (loaded) {
    if (RecordExists(userId, game, kKeyRemoveFlag, 1) && gGameHooks.onRemove) {
      gGameHooks.onRemove(record, userId);
    }
    RemoveSavedGame(userId);
    PlaybackInfo("Event data loaded (part 2)", userId, game);
    return 0;
  }
  RemoveSavedGame(userId);
  ClearPlaybackStores();
  return -1;
}

void ResetPlaybackObjects() {
  gBtnLogClient.Clear();
  gPlaybackClient.Clear();
  gPlaybackClient.seenPacket = 0;
  gPlaybackClient.changed = 0;
  gPlaybackClient.graceCount = 0;
  gBtnLogServer.Clear();
  gPacketLogServer.Clear();
  gBtnPlaybackServer.Clear();
  gPacketPlaybackServer.Clear();
  gPacketPlaybackServer.existanceFlag = 2;
}

void ResetPlaybackLists() {
  gBtnLogServer.Clear();
  gPacketLogServer.KeepFirst();
  gPacketPlaybackServer.Clear();
}

void RemoveSavedGame(int userId) { dbRemoveUser(userId, nullptr); }

