#include "framework/shell/Window.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/window.h"

namespace {
constexpr char kTitleTooLong[] = "ERROR: STRING TO LONG!!";

// "<title>  <status>".
void ShowTitle(plat::HWND window) {
  char shown[2 * kMaxTitleLength + 4];
  std::snprintf(shown, sizeof(shown), "%s  %s", gWindowTitle, gTitleSuffix);
  plat::SetWindowText(window, shown);
}

}  // namespace

void SetWindowTitle(plat::HWND window, const char* format, ...) {
  char title[kMaxTitleLength + 2];
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(title, sizeof(title), format, args);
  va_end(args);
  if (length < 0 || length > kMaxTitleLength) {
    std::snprintf(gWindowTitle, sizeof(gWindowTitle), "%s", kTitleTooLong);
    plat::SetWindowText(window, kTitleTooLong);
    return;
  }
  std::memcpy(gWindowTitle, title, static_cast<std::size_t>(length) + 1);
  ShowTitle(window);
}

void SetTitleStatus(plat::HWND window, const char* format, ...) {
  char status[kMaxTitleLength + 2];
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(status, sizeof(status), format, args);
  va_end(args);
  if (length < 0 || length > kMaxTitleLength) status[0] = '\0';
  std::memcpy(gTitleSuffix, status, std::strlen(status) + 1);
  ShowTitle(window);
}

void CentreOffsets(plat::HWND window, int* clientWidth, int* clientHeight, int width, int height) {
  plat::RECT client{};
  plat::GetClientRect(window, &client);
  int w = client.right - client.left;
  int h = client.bottom - client.top;
  gOffsetX = gFixedOffsetX != -1 ? gFixedOffsetX : (w - width) / 2;
  gOffsetY = gFixedOffsetY != -1 ? gFixedOffsetY : (h - height) / 2;
  if (clientWidth) *clientWidth = w;
  if (clientHeight) *clientHeight = h;
}

void CentreWindow(plat::HWND window, plat::HWND over) {
  plat::RECT own{};
  plat::RECT target{};
  if (!plat::GetWindowRect(window, &own) || !plat::GetWindowRect(over, &target)) return;
  int w = own.right - own.left;
  int h = own.bottom - own.top;
  int x = target.left + (target.right - target.left - w) / 2;
  int y = target.top + (target.bottom - target.top - h) / 2;
  x = std::clamp(x, 0, std::max(0, plat::GetSystemMetrics(plat::SM_CXSCREEN) - w));
  y = std::clamp(y, 0, std::max(0, plat::GetSystemMetrics(plat::SM_CYSCREEN) - h));
  plat::MoveWindow(window, x, y, w, h, plat::TRUE);
}
