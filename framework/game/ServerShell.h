// The frame around every game's local server: the record made with the
// game code (ServerInit), freed (ServerFree), the frame handed to the packet
// playback while a saved game is replayed (GameServerPlayback), and the
// record read back from the saved game with an exact size and a record check
// (GameServerLoad), together with the server's random stream.
//
// One implementation over a record shape; CServerShell gives each game typed
// hooks of the shapes GameDefinition holds, so no game casts void* itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "framework/link/Comm.h"

namespace game {

// The game code field of every server record: a zero-terminated text.
inline constexpr std::size_t kGameCodeSize = 16;

struct ServerRecordShape {
  std::uint32_t size;        // the record's exact size in bytes
  std::uint32_t codeOffset;  // where the kGameCodeSize-byte game code lies
  // 1 when a saved record of the right size is one the game's machine can
  // run (a state of its own, counts in range); null takes every record.
  int (*check)(const void* record);
};

// A zeroed record of shape.size bytes with gameName copied into its code
// field when it fits with its zero; a longer name shows "ServerInit:
// gameName inputstring to long" in a "Playback error" box and leaves the
// code empty. Null when out of memory.
void* ServerInit(const ServerRecordShape& shape, const char* gameName);
// Frees a record of ServerInit (null is ignored).
void ServerFree(void* record);
// One frame of the packet playback in place of the game's server step
// (the record's code names the saved game). Answers 0.
int GameServerPlayback(const ServerRecordShape& shape, CComm& comm, void* record, int userId);
// Replaces the record and the server's random stream by the user's saved
// "<game>DATA" record and stream: 0, the dbRead code, or -1 for a record that
// is not exactly shape.size bytes or fails the check, or a stream record that
// is not 4 bytes. Each error shows a "Playback error" box and leaves record
// and stream as they were.
int GameServerLoad(const ServerRecordShape& shape, void* record, int userId, const char* game);

// The check of a game whose record is never stored: nothing to refuse.
template <typename Record>
int AnyRecord(const Record&) {
  return 1;
}

// Typed hooks over one record type. Check answers 1 for a record the game's
// machine can run.
template <typename Record, std::size_t CodeOffset, int (*Check)(const Record&) = AnyRecord<Record>>
class CServerShell {
  static_assert(std::is_trivially_copyable_v<Record>, "a server record is stored byte for byte");
  static_assert(CodeOffset + kGameCodeSize <= sizeof(Record), "the game code lies in the record");

  static int CheckRecord(const void* record) { return Check(*static_cast<const Record*>(record)); }

 public:
  static constexpr ServerRecordShape kShape{static_cast<std::uint32_t>(sizeof(Record)),
                                            static_cast<std::uint32_t>(CodeOffset), CheckRecord};

  static Record* New(const char* gameName) {
    return static_cast<Record*>(game::ServerInit(kShape, gameName));
  }
  // The hooks of GameDefinition and GameServerHooks.
  static void* Init(const char* gameName) { return game::ServerInit(kShape, gameName); }
  static void Free(void* record) { game::ServerFree(record); }
  static int Playback(CComm& comm, void* record, int userId) {
    return game::GameServerPlayback(kShape, comm, record, userId);
  }
  static int Load(void* record, int userId, const char* gameName) {
    return game::GameServerLoad(kShape, record, userId, gameName);
  }
  // The game's typed server step and remove hook as void* hooks.
  template <int (*Run)(Record&, CComm&, int)>
  static int RunHook(void* record, CComm& comm, int userId) {
    return Run(*static_cast<Record*>(record), comm, userId);
  }
  template <void (*OnRemove)(Record&, int)>
  static void RemoveHook(void* record, int userId) {
    OnRemove(*static_cast<Record*>(record), userId);
  }
};

}  // namespace game
