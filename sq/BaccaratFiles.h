// The files the Baccarat program opens by name: its settings, hit map, help
// page and music, and every sound it plays. The Baccarat sheet (sq/art)
// makes the program's own sounds under these names.
#pragma once

namespace sq {

inline constexpr char kSettingsFile[] = "Baccarat.cfg";
inline constexpr char kHitMapFile[] = "res\\BtnData.dat";
inline constexpr char kHelpPage[] = "sq.htm";
inline constexpr char kMusicFile[] = "../midi/swing2.mid";

// The program's own voices.
inline constexpr char kSoundBankerWins[] = "../wav/sq_bnkw.wav";
inline constexpr char kSoundTieWins[] = "../wav/sq_tiew.wav";
inline constexpr char kSoundPlayerCard[] = "../wav/sq_1ply.wav";
inline constexpr char kSoundBankerCard[] = "../wav/sq_1bnk.wav";
inline constexpr char kSoundPlayerHas[] = "../wav/sq_plyh.wav";
inline constexpr char kSoundBankerHas[] = "../wav/sq_bnkh.wav";

// The shared ones it plays.
inline constexpr char kSoundPlaceBets[] = "../wav/c_Place.wav";
inline constexpr char kSoundChip[] = "../wav/c_chip.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundMaximum[] = "../wav/c_max.wav";
inline constexpr char kSoundDeal[] = "../wav/c_deal.wav";
inline constexpr char kSoundPlayerWins[] = "../wav/c_plyw.wav";
inline constexpr const char* kSoundNumbers[] = {
    "../wav/c_0.wav", "../wav/c_1.wav", "../wav/c_2.wav", "../wav/c_3.wav", "../wav/c_4.wav",
    "../wav/c_5.wav", "../wav/c_6.wav", "../wav/c_7.wav", "../wav/c_8.wav", "../wav/c_9.wav",
};

}  // namespace sq
