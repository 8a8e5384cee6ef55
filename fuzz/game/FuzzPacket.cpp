#include "fuzz/game/FuzzPacket.h"

#include <cstdio>
#include <cstdlib>

#include "framework/game/ProtocolNames.h"
#include "framework/link/KeyValueList.h"

namespace {

const char* const kFrameCommands[] = {
    game::kClientInit,     game::kClientInitAnswer, game::kBeginPlay, game::kBeginPlayAnswer,
    game::kEndPlay,        game::kEndPlayAnswer,    game::kClientExit, game::kClientExitAnswer,
    "heartbeat",           "asyncmsg",              "CLIENTINITanswer", "unknowncommand",
};
const char* const kFrameTags[] = {
    "command", "answer", "errormsg", game::kMoneyAmountTag, game::kQuitFlagTag,
    "BTN",     "STE",    "VAL",      "PLAYBACK",            "PLAYBACKDONE",
};
const char* const kAnswers[] = {game::kAnswerOk, game::kAnswerFail, game::kAnswerDbError, "OK", ""};
const char* const kOddValues[] = {
    "0",    "-1",   "-5.00", "1e308", "-1e308", "nan", "-nan", "inf",       "-inf", "",
    "%",    "%4",   "%zz",   "%00",   "4294967296", "2147483648", "0x10", "  7", "5.005", "0.001",
    "99999999999999999999", "1@5.00$#0000", "#", "$", "@",
};

template <int N>
const char* Pick(CFuzzReader& in, const char* const (&names)[N]) {
  return names[in.Byte() % N];
}

const char* PickFrom(CFuzzReader& in, const char* const* names, int count) {
  return count > 0 ? names[in.Byte() % count] : "";
}

std::string Name(CFuzzReader& in, const char* const* own, int ownCount,
                 const char* const* frame, int frameCount) {
  switch (in.Byte() % 4) {
    case 0:
    case 1: return PickFrom(in, own, ownCount);
    case 2: return PickFrom(in, frame, frameCount);
    default: return in.Bytes(in.Byte() % 12);
  }
}

std::string Value(CFuzzReader& in) {
  char text[64];
  switch (in.Byte() % 8) {
    case 0: return Pick(in, kOddValues);
    case 1:
      std::snprintf(text, sizeof text, "%d", static_cast<int>(in.Byte() | in.Byte() << 8) - 1000);
      return text;
    case 2:
      std::snprintf(text, sizeof text, "%.2f", (in.Byte() | in.Byte() << 8) / 4.0);
      return text;
    case 3: return std::string(static_cast<std::size_t>(in.Byte()) * 40 + 200, 'A' + in.Byte() % 26);
    case 4: {
      // Repeated pieces: lists of numbers, bet lists, results.
      std::string piece = in.Bytes(in.Byte() % 8);
      std::string out;
      for (int n = in.Byte() % 40; n > 0; --n) out += piece;
      return out;
    }
    default: return in.Bytes(in.Byte() % 32);
  }
}

}  // namespace

std::string CFuzzReader::Bytes(std::size_t count) {
  std::string out;
  while (count-- > 0 && pos_ < size_) out += static_cast<char>(data_[pos_++]);
  return out;
}

std::string MutateFuzzPacket(CFuzzReader& in, const std::string& packet, const FuzzVocabulary& words) {
  CKeyValueList list;
  list.Decode(packet.c_str());
  int count = 0;
  for (CKeyValue* kv = list.head; kv; kv = kv->Next()) ++count;
  CKeyValueList out;
  const int edits = 1 + in.Byte() % 3;
  int edited[3];
  for (int i = 0; i < edits; ++i) edited[i] = count > 0 ? in.Byte() % count : -1;
  int index = 0;
  for (CKeyValue* kv = list.head; kv; kv = kv->Next(), ++index) {
    bool hit = false;
    for (int i = 0; i < edits; ++i) hit = hit || edited[i] == index;
    const char* key = kv->key ? kv->key : "";
    const char* value = kv->value ? kv->value : "";
    if (!hit) {
      out.Add(key, value);
      continue;
    }
    switch (in.Byte() % 5) {
      case 0: out.Add(key, Value(in).c_str()); break;
      case 1: out.Add(key, ""); break;
      case 2:
        out.Add(Name(in, words.tags, words.tagCount, kFrameTags,
                     static_cast<int>(sizeof kFrameTags / sizeof kFrameTags[0]))
                    .c_str(),
                value);
        break;
      case 3: break;  // the tag goes
      default:
        out.Add(key, value);
        out.Add(key, Value(in).c_str());  // a second one after it
        break;
    }
  }
  char* encoded = out.Encode();
  std::string text = encoded ? encoded : "";
  std::free(encoded);
  if (in.Byte() % 4 == 0) text += in.Bytes(in.Byte() % 16);
  return text;
}

std::string BuildFuzzPacket(CFuzzReader& in, const FuzzVocabulary& words) {
  const std::uint8_t shape = in.Byte();
  CKeyValueList list;
  if ((shape & 3) != 3) {
    list.Add((shape & 4) ? "COMMAND" : "command",
             Name(in, words.commands, words.commandCount, kFrameCommands,
                  static_cast<int>(sizeof kFrameCommands / sizeof kFrameCommands[0]))
                 .c_str());
  }
  if (shape & 8) list.Add("answer", Pick(in, kAnswers));
  for (int n = in.Byte() % 8; n > 0; --n) {
    std::string name = Name(in, words.tags, words.tagCount, kFrameTags,
                            static_cast<int>(sizeof kFrameTags / sizeof kFrameTags[0]));
    list.Add(name.c_str(), Value(in).c_str());
  }
  if (shape & 16) {
    // Joined raw: escapes broken, '&' and '=' inside values.
    std::string text;
    for (CKeyValue* kv = list.head; kv; kv = kv->Next()) {
      if (!text.empty()) text += '&';
      text += kv->key ? kv->key : "";
      text += '=';
      text += kv->value ? kv->value : "";
    }
    return text;
  }
  char* encoded = list.Encode();
  if (!encoded) return std::string();
  std::string text(encoded);
  std::free(encoded);
  return text;
}
