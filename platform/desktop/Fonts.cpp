#include "platform/desktop/Fonts.h"

#include <QFontMetricsF>

#include <cmath>

#include "platform/include/plat/gdi.h"

namespace plat::desktop {
namespace {

constexpr const char* kDefaultFace = "Liberation Sans";
constexpr int kDefaultCellHeight = 15;

struct Substitute {
  const char* face;
  const char* with;
};
constexpr Substitute kSubstitutes[] = {
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
  for (const Substitute& s : kSubstitutes) QFont::insertSubstitution(s.face, s.with);
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
    font.setPixelSize(size < 1 ? 1 : size);
  } else {
    font.setPixelSize(-height);
  }
  if (weight > 0) {
    font.setWeight(static_cast<QFont::Weight>(weight < 100 ? 100 : weight > 900 ? 900 : weight));
  }
  if (width > 0) {
    const double average = QFontMetricsF(font).averageCharWidth();
    if (average > 0) {
      const long stretch = std::lround(100.0 * width / average);
      font.setStretch(static_cast<int>(stretch < 1 ? 1 : stretch > 4000 ? 4000 : stretch));
    }
  }
  return font;
}

QFont MakeDialogFont(const char* face, int pixelSize) {
  QFont font(QString::fromUtf8(face && *face ? face : kDefaultFace));
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setPixelSize(pixelSize > 0 ? pixelSize : 12);
  return font;
}

}  // namespace plat::desktop
