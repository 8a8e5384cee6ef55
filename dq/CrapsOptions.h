// The Craps options, kept in "Craps.cfg" as these seven little-endian 16-bit
// words (14 bytes).
#pragma once

#include <cstddef>
#include <cstdint>

namespace dq {

inline constexpr char kCrapsCfgName[] = "Craps.cfg";

struct CrapsOptions {
  std::uint16_t voice;            // play the stickman's call-outs
  std::uint16_t placeWorking;     // Place bets work on the come-out
  std::uint16_t buyWorking;
  std::uint16_t comeOddsWorking;
  std::uint16_t hardwaysWorking;
  std::uint16_t scrollingText;    // the ticker runs
  std::uint16_t onOffMarker;      // ON/OFF markers on the working bets
};
static_assert(sizeof(CrapsOptions) == 14);
static_assert(offsetof(CrapsOptions, onOffMarker) == 12);

// The defaults: voice, ticker and marker on, no bets working on the come-out.
inline constexpr CrapsOptions kDefaultCrapsOptions = {1, 0, 0, 0, 0, 1, 1};

// The program's options (the defaults until LoadCrapsOptions).
extern CrapsOptions gCrapsOptions;

// Sets the defaults, then copies over them as many bytes of the file as it
// holds (up to 14), so a short file changes only its first words. Answers 1
// when the file was read, 0 when it is missing or empty.
int LoadCrapsOptions(CrapsOptions* options, const char* fileName);
// Writes the 14 bytes. Answers 1 when all were written, else 0.
int SaveCrapsOptions(const CrapsOptions* options, const char* fileName);

}  // namespace dq
