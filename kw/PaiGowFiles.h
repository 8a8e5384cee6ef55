// The files the Pai Gow Poker program opens by name: its hit map, help
// page and music, and every sound it plays. The Pai Gow sheet (kw/art)
// stages the program's own sounds under these names.
#pragma once

namespace kw {

inline constexpr char kHitMapFile[] = "res\\BtnData.dat";
// The help page in "help\\" (OpenHelpPage).
inline constexpr char kHelpPage[] = "kw.htm";
inline constexpr char kMusicFile[] = "../midi/Tokyo2.mid";

// The program's own sounds.
inline constexpr char kSoundHighWon[] = "../wav/kw_1win.wav";
inline constexpr char kSoundHighLost[] = "../wav/kw_1los.wav";
inline constexpr char kSoundLowWon[] = "../wav/kw_2win.wav";
inline constexpr char kSoundLowLost[] = "../wav/kw_2los.wav";
inline constexpr char kSoundMoveHand[] = "../wav/kw_move.wav";

// The shared ones it plays.
inline constexpr char kSoundPlaceBet[] = "../wav/c_place.wav";
inline constexpr char kSoundChip[] = "../wav/c_chip.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundMaximum[] = "../wav/c_max.wav";
inline constexpr char kSoundDeal[] = "../wav/c_deal.wav";
inline constexpr char kSoundTurn[] = "../wav/c_turn.wav";
inline constexpr char kSoundPlayerWins[] = "../wav/c_plyw.wav";
inline constexpr char kSoundDealerWins[] = "../wav/c_dealrw.wav";
inline constexpr char kSoundPush[] = "../wav/c_push.wav";

// Every sound the program plays.
inline constexpr const char* kPaiGowSounds[] = {
    kSoundHighWon, kSoundHighLost, kSoundLowWon,      kSoundLowLost,     kSoundMoveHand, kSoundPlaceBet,
    kSoundChip,    kSoundButton,   kSoundMaximum,     kSoundDeal,        kSoundTurn,     kSoundPlayerWins,
    kSoundDealerWins, kSoundPush,
};

}  // namespace kw
