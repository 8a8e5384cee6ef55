// The files the Keno program opens by name: its hit map, help page and
// music, and every sound it plays. The Keno sheet (pd/art) stages the
// program's own sounds under these names.
#pragma once

namespace pd {

inline constexpr char kHitMapFile[] = "res\\btndata.dat";
inline constexpr char kHelpPage[] = "pd.htm";
inline constexpr char kMusicFile[] = "../midi/travel.mid";
inline constexpr char kSettingsFile[] = "Keno.cfg";

// The program's own sounds: the ball rolling out, the ball landing.
inline constexpr char kSoundRoll[] = "../wav/pd_urok.wav";
inline constexpr char kSoundLand[] = "../wav/pd_squ.wav";
// The shared ones it plays.
inline constexpr char kSoundWin[] = "../wav/c_plyw.wav";
inline constexpr char kSoundChip[] = "../wav/c_chip.wav";
inline constexpr char kSoundButton[] = "../wav/c_button.wav";

}  // namespace pd
