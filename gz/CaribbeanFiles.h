// The files the Caribbean Poker program opens by name: its settings, hit
// map, help page and music, and every sound it plays. The Caribbean sheet
// (gz/art) makes the program's own sounds under these names.
#pragma once

namespace gz {

inline constexpr char kSettingsFile[] = "Cpoker.cfg";
inline constexpr char kHitMapFile[] = "res\\BtnData.dat";
inline constexpr char kHelpPage[] = "gz.htm";
inline constexpr char kMusicFile[] = "../midi/beach.mid";

// The program's own voices.
inline constexpr char kSoundAnte[] = "../wav/gz_ante.wav";
inline constexpr char kSoundNotQualified[] = "../wav/gz_dnq.wav";

// The shared ones it plays.
inline constexpr char kSoundChip[] = "../wav/c_chip.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundMaximum[] = "../wav/c_max.wav";
inline constexpr char kSoundDeal[] = "../wav/c_deal.wav";
inline constexpr char kSoundTurn[] = "../wav/c_turn.wav";
inline constexpr char kSoundPlayerWins[] = "../wav/c_Plyw.wav";
inline constexpr char kSoundDealerWins[] = "../wav/c_dealrw.wav";
inline constexpr char kSoundPush[] = "../wav/c_push.wav";

// Every sound the program plays.
inline constexpr const char* kCaribbeanSounds[] = {
    kSoundAnte, kSoundNotQualified, kSoundChip,       kSoundButton,      kSoundMaximum,
    kSoundDeal, kSoundTurn,         kSoundPlayerWins, kSoundDealerWins, kSoundPush,
};

}  // namespace gz
