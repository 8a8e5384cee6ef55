#include "framework/link/SavePoint.h"

#include <cctype>
#include <cstring>

namespace {

std::uint32_t TextSize(const char* text) {
  return text ? static_cast<std::uint32_t>(std::strlen(text) + 1) : 0;
}

bool ValidGame(const char* game) {
  if (game[0] == '\0') return false;
  for (std::size_t i = 0; i < kSavePointGameSize; ++i) {
    if (game[i] == '\0') return true;
    if (!std::isalnum(static_cast<unsigned char>(game[i]))) return false;
  }
  return false;
}

}  // namespace

std::vector<std::uint8_t> EncodeSavePoint(const char* game, const int linkWords[4], const char* sendText,
                                          const char* recvText, const void* record, std::uint32_t recordSize,
                                          std::uint32_t randomState) {
  SavePointHead head{};
  std::strncpy(head.game, game, kSavePointGameSize - 1);
  head.recvJustInit = linkWords[0];
  head.sendAllocated = linkWords[1];
  head.recvAllocated = linkWords[2];
  head.wantToSleep = linkWords[3];
  head.sendTextSize = TextSize(sendText);
  head.recvTextSize = TextSize(recvText);
  head.recordSize = recordSize;
  head.randomState = randomState;
  std::vector<std::uint8_t> out(sizeof head + head.sendTextSize + head.recvTextSize + recordSize);
  std::uint8_t* p = out.data();
  std::memcpy(p, &head, sizeof head);
  p += sizeof head;
  if (sendText) std::memcpy(p, sendText, head.sendTextSize);
  p += head.sendTextSize;
  if (recvText) std::memcpy(p, recvText, head.recvTextSize);
  p += head.recvTextSize;
  if (recordSize) std::memcpy(p, record, recordSize);
  return out;
}

int DecodeSavePoint(const void* data, std::size_t size, SavePoint* out) {
  if (!data || size < sizeof(SavePointHead)) return 0;
  std::memcpy(&out->head, data, sizeof(SavePointHead));
  const SavePointHead& h = out->head;
  if (!ValidGame(h.game) || h.recordSize == 0 || h.recordSize > kMaxServerRecord) return 0;
  const std::uint64_t total =
      std::uint64_t{sizeof(SavePointHead)} + h.sendTextSize + h.recvTextSize + h.recordSize;
  if (total != size) return 0;
  const auto* p = static_cast<const std::uint8_t*>(data) + sizeof(SavePointHead);
  out->sendText = nullptr;
  out->recvText = nullptr;
  if (h.sendTextSize) {
    if (p[h.sendTextSize - 1] != 0) return 0;
    out->sendText = reinterpret_cast<const char*>(p);
  }
  p += h.sendTextSize;
  if (h.recvTextSize) {
    if (p[h.recvTextSize - 1] != 0) return 0;
    out->recvText = reinterpret_cast<const char*>(p);
  }
  p += h.recvTextSize;
  out->record = p;
  return 1;
}
