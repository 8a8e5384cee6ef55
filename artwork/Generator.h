// Renders sheets into their files and writes them into the staged tree,
// where each program runs in games/<program>/ and finds res/..., ../wav/
// and ../midi/ around it.
#pragma once

#include <string>

#include "artwork/BitmapWriter.h"
#include "artwork/Sheet.h"

namespace artwork {

// Help: every program reads "ORVANTA.INI" in its own folder and opens its
// help file below the PATH found there, which leads back to the stage.
inline constexpr char kHelpIniFile[] = "ORVANTA.INI";
inline constexpr char kHelpPath[] = "..\\..\\";

// The picture: the palette, the background, every item in order, then the
// fonts.
void RenderPicture(const Sheet& sheet, IndexedImage& out);
// The hit map, 320 x 240: 0 where no area lies, else the button of the last
// area holding the map pixel's screen point.
void RenderHitMap(const Sheet& sheet, IndexedImage& out);
// Where a file the program opens by name lands: stage/games/<program>/name
// with '\' read as '/' and "folder/.." folded away.
std::string StagePath(const std::string& stage, const char* program, const char* name);
// Writes the sheet's picture, hit map, own sounds, help page and
// "ORVANTA.INI", making folders as needed. 1 when every file was written, else 0 (with a message on stderr).
int WriteSheet(const std::string& stage, const Sheet& sheet);
// Writes the shared sounds and the music. 1 or 0 as above.
int WriteSharedAudio(const std::string& stage);

}  // namespace artwork
