// The Slot program's names, files and sounds.
#pragma once

namespace jb {

inline constexpr char kGameName[] = "Slot";
inline constexpr char kSettingsFile[] = "Slot.cfg";
inline constexpr char kHitMapFile[] = "res\\btn_data.dat";
inline constexpr char kMusicFile[] = "../midi/swing2.mid";
inline constexpr char kHelpPage[] = "jb.htm";
inline constexpr char kSoundCoinIn[] = "../wav/c_Coinin.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundCash[] = "../wav/c_cash.wav";
inline constexpr char kSoundMachineButton[] = "../wav/jb_butt.wav";
inline constexpr char kSoundLever[] = "../wav/jb_lever.wav";
inline constexpr char kSoundSpin[] = "../wav/jb_spin.wav";
inline constexpr char kSoundReelStop[] = "../wav/jb_spins.wav";
inline constexpr char kSoundLastReelStop[] = "../wav/jb_stop.wav";

}  // namespace jb
