// Text through a DC: DrawText lays the lines out in the device's metrics and
// the device draws them.
#include <algorithm>
#include <cstring>

#include "platform/common/Gdi.h"

namespace plat {
namespace {

using common::CDeviceContext;

std::string TextOf(const char* text, int length) {
  const std::size_t n = std::strlen(text);
  return std::string(text, length < 0 ? n : std::min<std::size_t>(n, static_cast<std::size_t>(length)));
}

// The parts of s between the separators (n separators make n + 1 parts).
std::vector<std::string> Split(const std::string& s, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : s) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

int Width(const CDeviceContext& dc, const std::string& text) { return common::Device().TextExtent(dc, text).cx; }

// Lines of a text: split at line breaks and, when wrapping, between words
// so that no line is wider than width (a single long word keeps its line).
std::vector<std::string> SplitLines(const CDeviceContext& dc, std::string text, UINT format, int width) {
  std::erase(text, '\r');
  if (format & DT_SINGLELINE) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return {text};
  }
  std::vector<std::string> lines;
  for (const std::string& paragraph : Split(text, '\n')) {
    if (!(format & DT_WORDBREAK)) {
      lines.push_back(paragraph);
      continue;
    }
    std::string line;
    for (const std::string& word : Split(paragraph, ' ')) {
      const std::string candidate = line.empty() ? word : line + ' ' + word;
      if (!line.empty() && Width(dc, candidate) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

BOOL TextOut(HDC hdc, int x, int y, const char* text, int length) {
  const CDeviceContext* dc = common::FindDc(hdc);
  if (!dc || !text) return FALSE;
  const std::string s = TextOf(text, length);
  return common::Device().DrawLines(*dc, s, {{x, y, s}}, nullptr) ? TRUE : FALSE;
}

int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
  const CDeviceContext* dc = common::FindDc(hdc);
  if (!dc || !text || !rect) return 0;
  const std::string s = TextOf(text, length);
  const std::vector<std::string> lines = SplitLines(*dc, s, format, rect->right - rect->left);
  const int lineHeight = common::Device().TextExtent(*dc, "").cy;
  const int height = lineHeight * static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, Width(*dc, line));
    rect->right = (format & DT_SINGLELINE) ? rect->left + widest : std::max<LONG>(rect->right, rect->left + widest);
    rect->bottom = rect->top + height;
    return height;
  }
  std::vector<common::CTextLine> placed;
  int y = rect->top;
  if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) y += (rect->bottom - rect->top - lineHeight) / 2;
  for (const std::string& line : lines) {
    const int w = Width(*dc, line);
    int x = rect->left;
    if (format & DT_CENTER) x += (rect->right - rect->left - w) / 2;
    if (format & DT_RIGHT) x = rect->right - w;
    placed.push_back({x, y, line});
    y += lineHeight;
  }
  return common::Device().DrawLines(*dc, s, placed, (format & DT_NOCLIP) ? nullptr : rect) ? height : 0;
}

BOOL GetTextExtentPoint(HDC hdc, const char* text, int length, SIZE* size) {
  const CDeviceContext* dc = common::FindDc(hdc);
  if (!dc || !text || length < 0 || !size) return FALSE;
  *size = common::Device().TextExtent(*dc, TextOf(text, length));
  return TRUE;
}

}  // namespace plat
