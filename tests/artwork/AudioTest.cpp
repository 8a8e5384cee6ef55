// The staged sounds and music, parsed as a player would parse them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "artwork/Generator.h"
#include "tests/artwork/SampleSheet.h"
#include "tests/artwork/TempFolder.h"

namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

std::uint32_t Be(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

struct Wave {
  int rate = 0;
  int peak = 0;  // largest sample magnitude
  std::size_t samples = 0;
};

// 1 for a RIFF/WAVE file of 16-bit mono PCM whose chunk sizes add up.
int ParseWave(const std::vector<std::uint8_t>& b, Wave* out) {
  if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" || Le(b, 4, 4) != b.size() - 8 ||
      std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt ") {
    return 0;
  }
  if (Le(b, 16, 4) != 16 || Le(b, 20, 2) != 1 || Le(b, 22, 2) != 1 || Le(b, 34, 2) != 16 ||
      Le(b, 28, 4) != Le(b, 24, 4) * 2 || Le(b, 32, 2) != 2) {
    return 0;
  }
  if (std::string(b.begin() + 36, b.begin() + 40) != "data" || Le(b, 40, 4) != b.size() - 44) return 0;
  out->rate = static_cast<int>(Le(b, 24, 4));
  out->samples = (b.size() - 44) / 2;
  for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
    out->peak = std::max(out->peak, std::abs(static_cast<int>(static_cast<std::int16_t>(Le(b, i, 2)))));
  }
  return 1;
}

// Reads a variable-length number; 0 when it runs off the end.
int ReadVarLength(const std::vector<std::uint8_t>& b, std::size_t& at, std::size_t end, std::uint32_t* value) {
  *value = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return 0;
    const std::uint8_t byte = b[at++];
    *value = (*value << 7) | (byte & 0x7F);
    if (!(byte & 0x80)) return 1;
  }
  return 0;
}

struct Midi {
  int notes = 0;
  int hangingNotes = 0;  // note-ons without their note-off
};

// 1 for a Standard MIDI File of format 0 with one track that ends exactly
// with its end-of-track event.
int ParseMidi(const std::vector<std::uint8_t>& b, Midi* out) {
  if (b.size() < 22 || std::string(b.begin(), b.begin() + 4) != "MThd" || Be(b, 4, 4) != 6 || Be(b, 8, 2) != 0 ||
      Be(b, 10, 2) != 1 || Be(b, 12, 2) == 0 || std::string(b.begin() + 14, b.begin() + 18) != "MTrk" ||
      Be(b, 18, 4) != b.size() - 22) {
    return 0;
  }
  std::size_t at = 22;
  const std::size_t end = b.size();
  std::uint8_t status = 0;
  std::map<int, int> sounding;
  while (at < end) {
    std::uint32_t delta;
    if (!ReadVarLength(b, at, end, &delta) || at >= end) return 0;
    if (b[at] & 0x80) status = b[at++];
    if (status == 0xFF) {
      if (at + 1 >= end) return 0;
      const std::uint8_t type = b[at++];
      std::uint32_t length;
      if (!ReadVarLength(b, at, end, &length) || at + length > end) return 0;
      at += length;
      if (type == 0x2F) break;
      continue;
    }
    const int kind = status & 0xF0;
    const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    if (kind < 0x80 || at + dataBytes > end) return 0;
    const int key = (status & 0x0F) * 128 + b[at];
    if (kind == 0x90 && b[at + 1] > 0) {
      ++out->notes;
      ++sounding[key];
    } else if (kind == 0x80 || kind == 0x90) {
      --sounding[key];
    }
    at += static_cast<std::size_t>(dataBytes);
  }
  if (at != end) return 0;
  for (const auto& [key, count] : sounding) out->hangingNotes += std::abs(count);
  return 1;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// The files of a folder by lower-case name (the programs match names
// ignoring case).
std::map<std::string, std::string> FilesIn(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    files[Lower(e.path().filename().string())] = e.path().string();
  }
  return files;
}

class StagedAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(artwork::WriteSharedAudio(folder.Path()), 1);
    ASSERT_EQ(artwork::WriteSheet(folder.Path(), artwork::sample::SampleSheet()), 1);
  }
  TempFolder folder;
};

TEST_F(StagedAudio, EverySharedSoundIsThereAsAPlayableWave) {
  std::vector<std::string> names = {"c_dmy",  "c_button", "c_chip", "c_place", "c_deal", "c_dealrw",
                                    "c_turn", "c_max",    "c_maxtab", "c_500", "c_plyw", "c_push",
                                    "c_cash", "c_coinin", "c_00",   "sample_roll"};
  for (int n = 0; n <= 36; ++n) names.push_back("c_" + std::to_string(n));
  const auto files = FilesIn(folder.Path() + "/games/wav");
  for (const std::string& name : names) {
    const auto found = files.find(name + ".wav");
    ASSERT_NE(found, files.end()) << name;
    Wave wave;
    ASSERT_EQ(ParseWave(ReadBytes(found->second), &wave), 1) << name;
    EXPECT_EQ(wave.rate, 22050) << name;
    EXPECT_GT(wave.samples, 0u) << name;
    if (name == "c_dmy") {
      EXPECT_EQ(wave.peak, 0);
    } else {
      EXPECT_GT(wave.peak, 3000) << name << " is too quiet to hear";
    }
  }
}

TEST_F(StagedAudio, EveryMusicNameIsAMidiFileWhoseNotesAllEnd) {
  const auto files = FilesIn(folder.Path() + "/games/midi");
  for (const char* name : {"travel.mid", "tokyo2.mid", "lounging.mid", "beach.mid", "swing2.mid", "easytrav.mid",
                           "swing.mid"}) {
    const auto found = files.find(name);
    ASSERT_NE(found, files.end()) << name;
    Midi midi;
    ASSERT_EQ(ParseMidi(ReadBytes(found->second), &midi), 1) << name;
    EXPECT_GT(midi.notes, 30) << name;
    EXPECT_EQ(midi.hangingNotes, 0) << name;
  }
}

TEST_F(StagedAudio, PiecesDiffer) {
  const auto files = FilesIn(folder.Path() + "/games/midi");
  EXPECT_NE(ReadBytes(files.at("travel.mid")), ReadBytes(files.at("swing.mid")));
}

}  // namespace
