// The settings every program shares, kept in "Casino.cfg": five
// little-endian 16-bit words.
#pragma once

#include <cstddef>
#include <cstdint>

struct CasinoCfg {
  std::uint16_t maximised;       // show the main window maximised
  std::uint16_t showAnimations;
  std::uint16_t soundEffects;
  std::uint16_t midiMusic;
  std::uint16_t reserved;        // cleared at every start
};
static_assert(sizeof(CasinoCfg) == 10);
static_assert(offsetof(CasinoCfg, reserved) == 8);

// Where the file is looked for: kCasinoCfgHere the working folder, any other
// value two folders up ("..\..\Casino.cfg"), which is what the shell uses.
inline constexpr int kCasinoCfgHere = 1;
inline constexpr int kCasinoCfgShared = 0;

// Sets the defaults 1, 1, 1, 1, 0, then copies over them as many bytes of the
// file as it holds (up to 10), so a short file changes only its first words.
// Answers 1 when the file was read, 0 when there is none (defaults kept).
int ReadCasinoCfg(CasinoCfg* cfg, int where);
// Writes the 10 bytes. Answers 1 when all were written, else 0.
int WriteCasinoCfg(const CasinoCfg* cfg, int where);
