#include "platform/desktop/KeyMap.h"

namespace plat::desktop {
namespace {

struct KeyPair {
  int qt;
  WPARAM vk;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, 0x12},          {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, 0x21},        {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},          {Qt::Key_Home, 0x24},          {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, 0x2D},       {Qt::Key_Delete, 0x2E},
    // Shifted digits of a US keyboard still name their digit key.
    {Qt::Key_Exclam, '1'},        {Qt::Key_At, '2'},             {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},        {Qt::Key_Percent, '5'},        {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},     {Qt::Key_Asterisk, '8'},       {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

}  // namespace

WPARAM VirtualKeyFromQt(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<WPARAM>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<WPARAM>('0' + (qtKey - Qt::Key_0));
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + static_cast<WPARAM>(qtKey - Qt::Key_F1);
  for (const KeyPair& k : kKeys) {
    if (k.qt == qtKey) return k.vk;
  }
  return 0;
}

WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  WPARAM flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

}  // namespace plat::desktop
