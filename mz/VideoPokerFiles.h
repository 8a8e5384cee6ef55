// The Video Poker program's files and sounds.
#pragma once

namespace mz {

inline constexpr char kGameName[] = "Video Poker";
inline constexpr char kGameCode[] = "MZ";
inline constexpr char kSettingsFile[] = "MZoker.cfg";
inline constexpr char kHitMapFile[] = "res\\BtnData.dat";
inline constexpr char kMusicFile[] = "../midi/easytrav.mid";
inline constexpr char kHelpPage[] = "dp.htm";
inline constexpr char kSoundFlip[] = "../wav/mz_Flip.wav";
inline constexpr char kSoundHold[] = "../wav/mz_Hold.wav";
inline constexpr char kSoundMachineButton[] = "../wav/Mz_Btn.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundCash[] = "../wav/c_cash.wav";
inline constexpr char kSoundCoinIn[] = "../wav/c_coinin.wav";

}  // namespace mz
