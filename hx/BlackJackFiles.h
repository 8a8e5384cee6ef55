// The files the Black Jack program opens by name: its settings, picture,
// hit map, help page and music, and every sound it plays. The Black Jack sheet
// (hx/art) stages the program's own sounds under these names.
#pragma once

namespace hx {

inline constexpr char kSettingsFile[] = "HXack.cfg";
inline constexpr char kDataFile[] = "res\\data.dat";
inline constexpr char kHitMapFile[] = "res\\btndata.dat";
inline constexpr char kHelpPage[] = "hx.htm";
inline constexpr char kMusicFile[] = "../midi/lounging.mid";

// The program's own sounds.
inline constexpr char kSoundDeal[] = "../wav/hx_deal.wav";
inline constexpr char kSoundBust[] = "../wav/hx_Bust.wav";
inline constexpr char kSoundInsurance[] = "../wav/hx_insur.wav";
inline constexpr char kSoundInsuranceWon[] = "../wav/hx_iwin.wav";
inline constexpr char kSoundBlackJack[] = "../wav/hx_bjack.wav";

// The shared ones it plays.
inline constexpr char kSoundPlaceBet[] = "../wav/c_place.wav";
inline constexpr char kSoundChip[] = "../wav/c_chip.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";
inline constexpr char kSoundMaximum[] = "../wav/c_max.wav";
inline constexpr char kSoundPlayerWins[] = "../wav/c_plyw.wav";
inline constexpr char kSoundDealerWins[] = "../wav/c_dealrw.wav";
inline constexpr char kSoundPush[] = "../wav/c_Push.wav";
// A spoken total: the prefix, then the number and ".wav".
inline constexpr char kSoundTotalPrefix[] = "../wav/c_";

}  // namespace hx
