#include "platform/desktop/MessageQueue.h"

#include <QGuiApplication>

#include "platform/common/Device.h"
#include "platform/common/Input.h"
#include "platform/common/MessageLoop.h"

namespace plat::desktop {

void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  common::PostInputFromDevice(hwnd, msg, wParam, lParam, common::PointerPosition());
}

}  // namespace plat::desktop

namespace plat::common {

bool ShiftHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }
bool ControlHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool AltHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }
// Posts may come from any thread, where the pointer cannot be asked.
POINT PointerForPost() { return POINT{0, 0}; }

}  // namespace plat::common
