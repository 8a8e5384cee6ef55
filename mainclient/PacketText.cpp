#include "mainclient/PacketText.h"

#include <cstdlib>
#include <cstring>

#include "framework/link/PlaybackServer.h"
#include "framework/link/Text.h"

std::vector<std::uint8_t> PacketBytes(const void* data, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  const void* zero = p ? std::memchr(p, 0, size) : nullptr;
  const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - p) : (p ? size : 0);
  std::vector<std::uint8_t> out(p, p + length);
  out.push_back(0);
  return out;
}

int PacketCommandIs(const char* text, const char* command) {
  CKeyValueList list;
  list.Decode(text);
  const char* value = list.GetValue("command");
  return value && StrICmp(value, command) == 0 ? 1 : 0;
}

int IsReplayedPacket(const char* text) {
  CKeyValueList list;
  list.Decode(text);
  return list.GetValue(kPlaybackTag) || list.GetValue(kPlaybackDoneTag) ? 1 : 0;
}

std::vector<std::uint8_t> WithoutPlaybackTags(const char* text) {
  static const char* const kReplayTags[] = {kPlaybackTag, kPlaybackDoneTag, kBtnTag, kSteTag, kValTag};
  CKeyValueList in;
  in.Decode(text);
  CKeyValueList kept;
  for (CKeyValue* tag = in.head; tag; tag = tag->Next()) {
    bool replay = false;
    for (const char* name : kReplayTags) replay = replay || StrICmp(tag->key, name) == 0;
    if (!replay) kept.Add(tag->key, tag->value);
  }
  char* encoded = kept.Encode();
  std::vector<std::uint8_t> out;
  if (encoded) out.assign(encoded, encoded + std::strlen(encoded));
  out.push_back(0);
  std::free(encoded);
  return out;
}

int ReadButtonPresses(const char* text, std::vector<btnLog>* out) {
  // Decoded straight into a receive side: the server end collects the
  // presses of every packet, keep-alive packets included.
  CComm reader;
  reader.recvList.Decode(text);
  reader.RewindReceived();
  int count = 0;
  btnLog press{};
  while (ReadBtnTag(reader, &press.button, &press.state, &press.value)) {
    out->push_back(press);
    ++count;
  }
  return count;
}
