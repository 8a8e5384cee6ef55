#include "platform/desktop/MessageQueue.h"

#include <atomic>

#include "platform/desktop/PointerTracker.h"
#include "platform/desktop/Pump.h"
#include "platform/include/plat/time.h"

namespace plat::desktop {
namespace {

std::atomic<unsigned long> g_sentDeliveries{0};

}  // namespace

MSG CMessageQueue::Make(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const {
  MSG m{};
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = timeGetTime();
  return m;
}

void CMessageQueue::Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m = Make(hwnd, msg, wParam, lParam);
  {
    std::lock_guard<std::mutex> g(m_lock);
    m_messages.push_back(m);
    ++m_generation;
  }
  WakeMainThread();
}

void CMessageQueue::PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m = Make(hwnd, msg, wParam, lParam);
  const QPoint p = PointerPosition();
  m.pt = POINT{p.x(), p.y()};
  std::lock_guard<std::mutex> g(m_lock);
  m_messages.push_back(m);
  ++m_generation;
}

void CMessageQueue::PostFront(const MSG& msg) {
  std::lock_guard<std::mutex> g(m_lock);
  m_messages.push_front(msg);
  ++m_generation;
}

void CMessageQueue::PostMouseMove(HWND hwnd, WPARAM keys, LPARAM position) {
  MSG m = Make(hwnd, WM_MOUSEMOVE, keys, position);
  const QPoint p = PointerPosition();
  m.pt = POINT{p.x(), p.y()};
  std::lock_guard<std::mutex> g(m_lock);
  if (!m_messages.empty() && m_messages.back().message == WM_MOUSEMOVE &&
      m_messages.back().hwnd == hwnd) {
    m_messages.back() = m;
  } else {
    m_messages.push_back(m);
  }
  ++m_generation;
}

bool CMessageQueue::Take(const MessageFilter& filter, bool remove, MSG* out) {
  std::lock_guard<std::mutex> g(m_lock);
  for (auto it = m_messages.begin(); it != m_messages.end(); ++it) {
    if (filter && !filter(*it)) continue;
    if (out) *out = *it;
    if (remove) m_messages.erase(it);
    return true;
  }
  return false;
}

void CMessageQueue::DropWindow(HWND hwnd) {
  std::lock_guard<std::mutex> g(m_lock);
  for (auto it = m_messages.begin(); it != m_messages.end();) {
    it = it->hwnd == hwnd ? m_messages.erase(it) : it + 1;
  }
}

void CMessageQueue::Clear() {
  std::lock_guard<std::mutex> g(m_lock);
  m_messages.clear();
  m_quit = false;
}

void CMessageQueue::SetQuit(int exitCode) {
  {
    std::lock_guard<std::mutex> g(m_lock);
    m_quit = true;
    m_exitCode = exitCode;
    ++m_generation;
  }
  WakeMainThread();
}

bool CMessageQueue::TakeQuit(int* exitCode) {
  std::lock_guard<std::mutex> g(m_lock);
  if (!m_quit) return false;
  m_quit = false;
  if (exitCode) *exitCode = m_exitCode;
  return true;
}

bool CMessageQueue::QuitPending() {
  std::lock_guard<std::mutex> g(m_lock);
  return m_quit;
}

unsigned long CMessageQueue::Generation() {
  std::lock_guard<std::mutex> g(m_lock);
  return m_generation;
}

CMessageQueue& Queue() {
  static CMessageQueue* queue = new CMessageQueue;  // posts may come from other threads until exit
  return *queue;
}

unsigned long SentDeliveries() { return g_sentDeliveries.load(); }
void CountSentDelivery() { ++g_sentDeliveries; }

}  // namespace plat::desktop

