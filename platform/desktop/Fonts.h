// Fonts by face, cell height and weight.
#pragma once

#include <QFont>

namespace plat::desktop {

// Makes faces that are often missing on Linux resolve to metric-compatible
// ones (Arial -> Liberation Sans, ...). Called once at start.
void InstallFontSubstitutes();
// height > 0: cell height in pixels (ascent + descent); < 0: character
// height; 0: the default dialog size. width 0 keeps the face's aspect,
// otherwise the average character width. weight 0 is normal.
QFont MakeFont(int height, int width, int weight, const char* face);
// A dialog template's font: the face (null: the default) at a pixel size (0: 12).
inline QFont MakeDialogFont(const char* face, int pixelSize) {
  return MakeFont(pixelSize > 0 ? -pixelSize : -12, 0, 0, face);
}

}  // namespace plat::desktop
