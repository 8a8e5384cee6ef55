#include "platform/common/MessageQueue.h"

#include <algorithm>

#include "platform/common/Device.h"
#include "platform/common/PaletteMath.h"
#include "platform/include/plat/time.h"

namespace plat::common {

MSG MakeMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, POINT pt) {
  return MSG{hwnd, msg, wParam, lParam, timeGetTime(), pt};
}

void CMessageQueue::Post(const MSG& m) {
  std::lock_guard<std::mutex> g(m_lock);
  m_posted.push_back(m);
  ++m_generation;
}

void CMessageQueue::PostNext(const MSG& m) {
  std::lock_guard<std::mutex> g(m_lock);
  m_posted.push_front(m);
  ++m_generation;
}

void CMessageQueue::PostInput(const MSG& m) {
  std::lock_guard<std::mutex> g(m_lock);
  if (m.message == WM_MOUSEMOVE && !m_input.empty() && m_input.back().message == WM_MOUSEMOVE &&
      m_input.back().hwnd == m.hwnd) {
    m_input.back() = m;
  } else {
    m_input.push_back(m);
  }
  ++m_generation;
}

bool CMessageQueue::TakeFrom(std::deque<MSG>& lane, const MessageFilter& filter, bool remove, MSG* out) {
  const auto it = std::find_if(lane.begin(), lane.end(), [&](const MSG& m) { return !filter || filter(m); });
  if (it == lane.end()) return false;
  *out = *it;
  if (remove) lane.erase(it);
  return true;
}

bool CMessageQueue::Take(const MessageFilter& filter, bool remove, MSG* out) {
  std::lock_guard<std::mutex> g(m_lock);
  return TakeFrom(m_posted, filter, remove, out) || TakeFrom(m_input, filter, remove, out);
}

void CMessageQueue::DropWindow(HWND hwnd) {
  std::lock_guard<std::mutex> g(m_lock);
  std::erase_if(m_posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  std::erase_if(m_input, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

void CMessageQueue::Clear() {
  std::lock_guard<std::mutex> g(m_lock);
  m_posted.clear();
  m_input.clear();
  m_quit.reset();
  m_shiftRead = m_controlRead = false;
}

void CMessageQueue::SetQuit(int exitCode) {
  std::lock_guard<std::mutex> g(m_lock);
  m_quit = exitCode;
  ++m_generation;
}

bool CMessageQueue::TakeQuit(bool remove, int* exitCode) {
  std::lock_guard<std::mutex> g(m_lock);
  if (!m_quit) return false;
  *exitCode = *m_quit;
  if (remove) m_quit.reset();
  return true;
}

void CMessageQueue::NoteRead(const MSG& m) {
  if (m.message != WM_KEYDOWN && m.message != WM_KEYUP) return;
  const bool down = m.message == WM_KEYDOWN;
  if (m.wParam == VK_SHIFT) m_shiftRead = down;
  if (m.wParam == VK_CONTROL) m_controlRead = down;
}

bool CMessageQueue::KeyDownAsRead(WPARAM virtualKey) {
  return virtualKey == VK_SHIFT ? m_shiftRead : virtualKey == VK_CONTROL && m_controlRead;
}

CMessageQueue& ThreadQueue() {
  static auto* queue = new CMessageQueue;  // never destroyed: see the header
  return *queue;
}

}  // namespace plat::common

// TranslateMessage: the character of a key-down goes before every other
// message; every key message answers TRUE, with a character or without.
namespace plat {

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  if (msg->message == WM_KEYUP) return TRUE;
  if (msg->message != WM_KEYDOWN) return FALSE;
  // A held control key makes a command, never typed text.
  const int ch = common::ControlHeld() ? 0 : common::CharFromVirtualKey(msg->wParam, common::ShiftHeld());
  if (!ch) return TRUE;
  MSG c = *msg;
  c.message = WM_CHAR;
  c.wParam = static_cast<WPARAM>(ch);
  common::ThreadQueue().PostNext(c);
  return TRUE;
}

}  // namespace plat
