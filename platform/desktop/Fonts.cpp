#include "platform/desktop/Fonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "platform/include/plat/gdi.h"

namespace plat::desktop {
namespace {

constexpr const char* kDefaultFace = "Liberation Sans";
constexpr int kDefaultCellHeight = 15;

constexpr const char* kSubstitutes[][2] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"System", "Liberation Sans"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Arial Narrow", "Liberation Sans Narrow"},
};

}  // namespace

void InstallFontSubstitutes() {
  for (const auto& [face, with] : kSubstitutes) QFont::insertSubstitution(face, with);
}

QFont MakeFont(int height, int width, int weight, const char* face) {
  QFont font(QString::fromUtf8(face && *face ? face : kDefaultFace));
  font.setStyleStrategy(QFont::PreferAntialias);
  if (height == 0) height = kDefaultCellHeight;
  if (height > 0) {
    // Scale the character size so that ascent + descent fill the cell.
    constexpr double kProbe = 100.0;
    font.setPixelSize(static_cast<int>(kProbe));
    const double cell = QFontMetricsF(font).height();
    const int size = cell > 0 ? static_cast<int>(std::lround(height * kProbe / cell)) : height;
    font.setPixelSize(std::max(size, 1));
  } else {
    font.setPixelSize(-height);
  }
  if (weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  if (width > 0) {
    const double average = QFontMetricsF(font).averageCharWidth();
    if (average > 0) {
      font.setStretch(static_cast<int>(std::clamp(std::lround(100.0 * width / average), 1L, 4000L)));
    }
  }
  return font;
}

}  // namespace plat::desktop
