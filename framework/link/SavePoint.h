// The server's state at its save point, as a program hands it to the main
// client: WM_COPYDATA of kind 4 (wParam: the program's window) whose data is
// a 48-byte head, then the unsent packet text, the unread received packet
// text (each with its zero byte, absent when its size is 0) and the server
// record. The main client keeps it as the saved game of the round.
//
// A protocol between a game and the main client: both sides use this one
// definition.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int kDataSavePoint = 4;
inline constexpr std::size_t kSavePointGameSize = 16;
// Largest server record taken; the largest game's record is a few KB.
inline constexpr std::uint32_t kMaxServerRecord = 1u << 16;

struct SavePointHead {
  char game[kSavePointGameSize];  // game code, zero-terminated ("DQ")
  std::int32_t recvJustInit;      // the server end's four link words
  std::int32_t sendAllocated;
  std::int32_t recvAllocated;
  std::int32_t wantToSleep;
  std::uint32_t sendTextSize;     // 0, or the unsent packet's bytes with the zero
  std::uint32_t recvTextSize;     // 0, or the unread packet's bytes with the zero
  std::uint32_t recordSize;
  std::uint32_t randomState;      // the server's random stream (ServerRandom.h)
};
static_assert(sizeof(SavePointHead) == 48);
static_assert(offsetof(SavePointHead, recvJustInit) == 16);
static_assert(offsetof(SavePointHead, sendTextSize) == 32);
static_assert(offsetof(SavePointHead, recordSize) == 40);
static_assert(offsetof(SavePointHead, randomState) == 44);

// A checked view into a received payload; the pointers stay valid as long
// as the payload.
struct SavePoint {
  SavePointHead head;
  const char* sendText;         // null when none
  const char* recvText;         // null when none
  const std::uint8_t* record;
};

// The payload. sendText and recvText may be null.
std::vector<std::uint8_t> EncodeSavePoint(const char* game, const int linkWords[4], const char* sendText,
                                          const char* recvText, const void* record, std::uint32_t recordSize,
                                          std::uint32_t randomState);
// 1 when data is a whole payload: sizes that add up exactly, a game code of
// letters and digits, texts that end with their zero byte, a record of 1 to
// kMaxServerRecord bytes. 0 otherwise (out is then unspecified).
int DecodeSavePoint(const void* data, std::size_t size, SavePoint* out);
