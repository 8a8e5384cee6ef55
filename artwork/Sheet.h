// The description of one program's generated files: what its picture holds
// and where, its hit-map areas, its own sounds and its help page. A program
// builds its sheet from its own tables in a library of its folder, with
// drawing routines for pieces of its own, and registers it
// (artwork/SheetRegistry.h); the generator does the rest.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "artwork/BitmapWriter.h"
#include "artwork/Shapes.h"
#include "artwork/SoundSynth.h"
#include "artwork/Text.h"

namespace artwork {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr char kPictureFile[] = "res\\Data.dat";

struct SheetItem;
// Paints one item into the picture.
using DrawItem = void (*)(IndexedImage& image, const SheetItem& item);

struct SheetItem {
  DrawItem draw;
  Rect area;            // picture coordinates
  int value;            // meaning depends on draw: chip value, die face, card id, button state, scale
  const char* text;     // label, or null
  std::uint8_t colour;  // main colour
};

// A button or bet area in screen coordinates; the hit map holds button at
// every map pixel whose screen point (2 mx, 2 my) lies inside.
struct HitArea {
  Rect screen;
  int button;  // 1..255
};

struct Sheet {
  const char* program;  // folder under games/, e.g. "craps"
  int width;
  int height;
  std::uint8_t background;
  std::span<const SheetItem> items;    // painted in order
  std::span<const GlyphFont> fonts;    // painted after the items
  const char* hitMapFile;              // as the program opens it, e.g. "res\\Btndata.dat"; null: none
  std::span<const HitArea> hitAreas;   // later areas lie over earlier ones
  std::span<const SoundRecipe> sounds;   // the program's own sounds
  const char* helpFile;                // the page in "help\\" below the help PATH, e.g. "dq.htm"
  std::string (*helpPage)();           // the page's HTML text
  // Files of the program beyond these (null: none); 1 when all were written.
  int (*writeMoreFiles)(const std::string& stage, const char* program) = nullptr;
};

}  // namespace artwork
