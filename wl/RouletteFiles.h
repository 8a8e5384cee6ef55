// The Roulette program's names, files and sounds.
#pragma once

namespace wl {

inline constexpr char kGameName[] = "Roulette";
inline constexpr char kHitMapFile[] = "res\\btndata.dat";
inline constexpr char kMusicFile[] = "../midi/swing.mid";
inline constexpr char kHelpPage[] = "wl.htm";
inline constexpr char kSoundChip[] = "../wav/c_chip.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundTableMax[] = "../wav/c_maxtab.wav";
inline constexpr char kSoundTableMaxAmount[] = "../wav/c_500.wav";
inline constexpr char kSoundSlotMax[] = "../wav/c_max.wav";
inline constexpr char kSoundPlayerWins[] = "../wav/c_plyw.wav";
inline constexpr char kSoundBounce[] = "../wav/wl_bounc.wav";
inline constexpr char kSoundRoll[] = "../wav/wl_roll.wav";
inline constexpr char kSoundRed[] = "../wav/wl_red.wav";
inline constexpr char kSoundBlack[] = "../wav/wl_black.wav";
inline constexpr char kSoundOdd[] = "../wav/wl_odd.wav";
inline constexpr char kSoundEven[] = "../wav/wl_even.wav";

}  // namespace wl
