// Packets built from fuzz input: a reader over the input and the builder of
// one packet text from it, drawing names from a program's vocabulary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CFuzzReader {
 public:
  CFuzzReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return pos_ >= size_; }
  // The next byte, 0 once the input is used up.
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Up to count raw bytes.
  std::string Bytes(std::size_t count);

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

struct FuzzVocabulary {
  const char* const* commands;
  int commandCount;
  const char* const* tags;
  int tagCount;
};

// A packet text: usually a command (the program's, the frame's or a random
// name), often an "answer", then tags named from the vocabulary or at random
// with values numeric, huge, negative, "nan", empty, over-long, raw or with
// broken % escapes. Most packets are encoded properly; some are joined raw.
std::string BuildFuzzPacket(CFuzzReader& in, const FuzzVocabulary& words);

// A packet of a normal peer cut up: a few of its tags get a value as above,
// lose it, lose their name or go, and raw bytes may follow.
std::string MutateFuzzPacket(CFuzzReader& in, const std::string& packet, const FuzzVocabulary& words);
