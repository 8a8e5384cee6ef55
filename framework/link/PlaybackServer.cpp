#include "framework/link/PlaybackServer.h"

#include <bit>
#include <cstdlib>
#include <cstring>

#include "framework/link/BtnLog.h"
#include "framework/link/Db.h"
#include "framework/link/PlaybackBoxes.h"
#include "framework/link/SavedGameKeys.h"

CBtnLogServer gBtnLogServer;
CPacketLogServer gPacketLogServer;
CBtnPlaybackServer gBtnPlaybackServer;
CPacketPlaybackServer gPacketPlaybackServer;

namespace {

constexpr std::size_t kLengthSize = sizeof(std::uint32_t);
constexpr std::uint32_t kBtnLogRecordSize = 12;

}  // namespace

void* NewPacketBlock(const char* text, std::uint32_t length) {
  unsigned char* block = static_cast<unsigned char*>(std::malloc(kLengthSize + length + 1));
  if (!block) return nullptr;
  DbPutU32(block, length);
  if (length > 0) std::memcpy(block + kLengthSize, text, length);
  block[kLengthSize + length] = 0;
  return block;
}

std::uint32_t PacketBlockLength(const void* block) { return DbGetU32(block); }

const char* PacketBlockText(const void* block) {
  return static_cast<const char*>(block) + kLengthSize;
}

// ---- CBtnLogServer ----

CBtnLogServer::~CBtnLogServer() { Clear(); }

int CBtnLogServer::OnReceive(CComm& comm) { return ReadBtnTags(list, comm); }

void CBtnLogServer::Clear() { list.DeleteAll(); }

// ---- CPacketLogServer ----

CPacketLogServer::~CPacketLogServer() { Clear(); }

int CPacketLogServer::Record(CComm& comm) {
  if (lastUnsent) return 1;
  char* text = comm.sendList.Encode();
  if (!text) return 0;
  void* block = NewPacketBlock(text, static_cast<std::uint32_t>(std::strlen(text) + 1));
  std::free(text);
  if (!block || !list.Append(block)) {
    std::free(block);
    return 0;
  }
  lastUnsent = 1;
  return 1;
}

void CPacketLogServer::MarkSent() { lastUnsent = 0; }

void CPacketLogServer::KeepFirst() {
  if (!list.head) return;
  if (list.head != list.tail) lastUnsent = 0;
  list.cursor = list.head->next;
  while (list.HasCurrent()) {
    void* block = list.Current();
    list.RemoveCurrent();
    std::free(block);
  }
  list.First();
}

void CPacketLogServer::Clear() {
  list.DeleteAll();
  lastUnsent = 0;
}

// ---- CBtnPlaybackServer ----

CBtnPlaybackServer::~CBtnPlaybackServer() { Clear(); }

int CBtnPlaybackServer::Load(int userId, const char* game) {
  Clear();
  void* data = nullptr;
  std::uint32_t size = 0;
  int error = dbRead(userId, game, kKeyNumBtns, 0, &data, &size);
  if (error != kDbOk) {
    PlaybackError("CBtnPlaybackServer::Load: dbRead returned error (number of button log)", userId,
                  game, 0, error);
    return -1;
  }
  if (size != sizeof(std::uint32_t)) {
    std::free(data);
    PlaybackError(
        "CBtnPlaybackServer::Load: dbRead read in a invalid amount of data, should be sizeof (int) "
        "(button playback)",
        userId, game, 0, 0);
    return -1;
  }
  int count = static_cast<int>(DbGetU32(data));
  std::free(data);
  for (int i = 0; i < count && i < kMaxPlaybackRecords; ++i) {
    error = dbRead(userId, game, kKeyBtnLog, i, &data, &size);
    if (error != kDbOk) {
      PlaybackError("CBtnPlaybackServer::Load: dbRead retuned error (button playback)", userId, game,
                    i, error);
      return -1;
    }
    if (size != kBtnLogRecordSize) {
      std::free(data);
      PlaybackError(
          "CBtnPlaybackServer::Load: dbRead read in a invalid amount of data, should be sizeof "
          "(btnLog) (button playback)",
          userId, game, i, 0);
      return -1;
    }
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    btnLog* entry = NewBtnLog(static_cast<int>(DbGetU32(bytes)), static_cast<int>(DbGetU32(bytes + 4)),
                              std::bit_cast<float>(DbGetU32(bytes + 8)));
    std::free(data);
    if (!entry || !list.Append(entry)) {
      std::free(entry);
      return -1;
    }
  }
  return 0;
}

int CBtnPlaybackServer::AddToPacket(CComm& comm) {
  for (CPtrNode* node = list.head; node; node = node->next) {
    const btnLog* entry = static_cast<const btnLog*>(node->data);
    if (!AddBtnTags(comm, entry->button, entry->state, entry->value)) return 0;
  }
  return 1;
}

void CBtnPlaybackServer::Clear() { list.DeleteAll(); }

// ---- CPacketPlaybackServer ----

CPacketPlaybackServer::~CPacketPlaybackServer() { list.DeleteAll(); }

int CPacketPlaybackServer::Load(int userId, const char* game) {
  list.DeleteAll();
  void* data = nullptr;
  std::uint32_t size = 0;
  int error = dbRead(userId, game, kKeyNumPcks, 0, &data, &size);
  if (error != kDbOk) {
    PlaybackError("CPacketPlaybackServer::Load: dbRead returned error (num packets)", userId, game,
                  0, error);
    return -1;
  }
  if (size != sizeof(std::uint32_t)) {
    std::free(data);
    PlaybackError(
        "CPacketPlaybackServer::Load: dbRead read in a invalid amount of data, should be sizeof "
        "(int) (num packets)",
        userId, game, 0, 0);
    return -1;
  }
  int count = static_cast<int>(DbGetU32(data));
  std::free(data);
  for (int i = 0; i < count && i < kMaxPlaybackRecords; ++i) {
    error = dbRead(userId, game, kKeyPktLog, i, &data, &size);
    if (error != kDbOk) {
      PlaybackError("CPacketPlaybackServer::Load: dbRead returned error (packetlog)", userId, game, i,
                    error);
      return -1;
    }
    if (size < kLengthSize) {
      std::free(data);
      PlaybackError("CPacketPlaybackServer::Load: dbRead read less than 4 bytes (packetlog)", userId,
                    game, i, 0);
      return -1;
    }
    std::uint32_t length = DbGetU32(data);
    if (length != size - kLengthSize) {
      std::free(data);
      PlaybackError(
          "CPacketPlaybackServer::Load: dbRead read an invalid amount of memory (amount specified in "
          "packet != real amount)",
          userId, game, i, 0);
      return -1;
    }
    void* block = NewPacketBlock(static_cast<const char*>(data) + kLengthSize, length);
    std::free(data);
    if (!block || !list.Append(block)) {
      std::free(block);
      return -1;
    }
  }
  state = kPlaybackSendNext;
  return 0;
}

void CPacketPlaybackServer::SetExistanceFlag(int value) { existanceFlag = value; }

int CPacketPlaybackServer::IsActive() const { return state != kPlaybackIdle ? 1 : 0; }

void CPacketPlaybackServer::Clear() {
  list.DeleteAll();
  state = kPlaybackIdle;
}

int CPacketPlaybackServer::SendNext(CComm& comm) {
  if (!list.First()) return 0;
  void* block = list.Current();
  comm.sendList.Clear();
  comm.current = nullptr;
  comm.sendList.Decode(PacketBlockText(block), PacketBlockLength(block));
  list.RemoveCurrent();
  std::free(block);
  comm.AddTag(list.head ? kPlaybackTag : kPlaybackDoneTag);
  return 1;
}

int CPacketPlaybackServer::Step(CComm& comm, void* record, int userId, const char* game) {
  comm.PollTransport();
  const int afterLast = existanceFlag == 1 ? kPlaybackDropLast : kPlaybackRestore;
  switch (state) {
    case kPlaybackSendNext:
      // With nothing left to replay there is no client packet to answer.
      if (!list.head) {
        state = afterLast;
      } else if (comm.IsSendFree() && comm.IsReceived()) {
        comm.BeginPacket();
        SendNext(comm);
        comm.RewindReceived();
        comm.ReleaseReceived();
        state = kPlaybackSending;
      }
      break;
    case kPlaybackSending:
      if (comm.SendPacket()) state = kPlaybackSent;
      break;
    case kPlaybackSent:
      if (comm.IsSendFree()) state = list.head ? kPlaybackSendNext : afterLast;
      break;
    case kPlaybackDropLast:
      if (comm.IsSendFree() && comm.IsReceived()) {
        comm.RewindReceived();
        comm.ReleaseReceived();
        state = kPlaybackRestore;
      }
      break;
    case kPlaybackRestore:
      state = kPlaybackIdle;
      return handOver && handOver(record, comm, userId, game) == 0 ? 1 : 0;
    default:
      break;
  }
  return 0;
}
