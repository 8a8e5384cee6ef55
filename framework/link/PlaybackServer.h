// The server side of the saved-game log: what reached the server end since
// the last save point, and the replay of a loaded log.
#pragma once

#include <cstdint>

#include "framework/link/Comm.h"
#include "framework/link/PtrList.h"

// At most this many button and packet records are loaded.
inline constexpr int kMaxPlaybackRecords = 999;

inline constexpr char kPlaybackTag[] = "PLAYBACK";
inline constexpr char kPlaybackDoneTag[] = "PLAYBACKDONE";

// One stored packet, laid out as its "PKTLOG" record: u32 length L (the text
// with its zero byte), then the L bytes, and one more zero byte so the text
// is terminated even when the stored one was not. One std::malloc'd block;
// null when no memory.
void* NewPacketBlock(const char* text, std::uint32_t length);
std::uint32_t PacketBlockLength(const void* block);
const char* PacketBlockText(const void* block);

// Button triples of the client packets that reached the server end.
class CBtnLogServer {
 public:
  ~CBtnLogServer();
  // After-receive hook of the server end: collects the packet's triples.
  int OnReceive(CComm& comm);
  void Clear();

  CPtrList list;  // btnLog entries
};

// Every packet the server end sent since the last save point (the oldest is
// kept across save points).
class CPacketLogServer {
 public:
  ~CPacketLogServer();
  // Stores the encoded send list. A retry of a packet the transport has not
  // taken yet records nothing more. 1, or 0 when no memory.
  int Record(CComm& comm);
  // The packet recorded last was taken by the transport.
  void MarkSent();
  // Keeps only the oldest packet.
  void KeepFirst();
  void Clear();

  CPtrList list;  // packet blocks
  int lastUnsent = 0;  // 1: the newest block's packet is not taken yet
};

// The button log loaded from "db_savef", sent with the first server packet.
class CBtnPlaybackServer {
 public:
  ~CBtnPlaybackServer();
  // Reads "NUMBTNS" and up to 999 "BTNLOG" records. 0, or -1 after a
  // "Playback error" box (the entries read so far stay until Clear).
  int Load(int userId, const char* game);
  // BTN/STE/VAL tags for each loaded entry, in order. 1, or 0 when a tag
  // could not be added.
  int AddToPacket(CComm& comm);
  void Clear();

  CPtrList list;  // btnLog entries
};

// Playback states.
inline constexpr int kPlaybackIdle = 0;
inline constexpr int kPlaybackSendNext = 1;
inline constexpr int kPlaybackSending = 2;
inline constexpr int kPlaybackSent = 3;
inline constexpr int kPlaybackDropLast = 4;
inline constexpr int kPlaybackRestore = 5;

class CPacketPlaybackServer {
 public:
  ~CPacketPlaybackServer();
  // Reads "NUMPCKS" and up to 999 "PKTLOG" records; 0 and state 1, or -1
  // after a "Playback error" box (state unchanged).
  int Load(int userId, const char* game);
  // After the last packet went out: 1 waits for one more client packet and
  // drops it before restoring, 2 restores at once.
  void SetExistanceFlag(int value);
  // 1 while a playback runs (state not 0): the game's server step must not run.
  int IsActive() const;
  // Deletes the packets; state 0.
  void Clear();
  // Replaces the send list by the oldest stored packet (then deleted) and
  // adds "PLAYBACK" when more remain, else "PLAYBACKDONE". 1, or 0 when none.
  int SendNext(CComm& comm);
  // One frame of the playback in place of the game server; at its end the
  // saved link state and record are put back (GameServerLoadPart2). 1 in
  // the frame in which they were put back: the server stands at its save
  // point again and the saved game it came from is gone, so the game sends
  // its save point anew. 0 otherwise.
  int Step(CComm& comm, void* record, int userId, const char* game);

  // Puts the saved link state and record back at the end of a playback
  // (installed by InstallPlaybackHooks); 0 when it did. Null: nothing is
  // put back.
  int (*handOver)(void* record, CComm& comm, int userId, const char* game) = nullptr;
  int state = kPlaybackIdle;
  CPtrList list;  // packet blocks
  int existanceFlag = 2;
};

extern CBtnLogServer gBtnLogServer;
extern CPacketLogServer gPacketLogServer;
extern CBtnPlaybackServer gBtnPlaybackServer;
extern CPacketPlaybackServer gPacketPlaybackServer;
