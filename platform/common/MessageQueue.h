// A thread's queue: posted messages, then input, then the quit flag. Post,
// SetQuit and Generation may be called from any thread; the rest from the
// owner's.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "platform/include/plat/window.h"

namespace plat::common {

using MessageFilter = std::function<bool(const MSG&)>;

// A message stamped with the present time.
MSG MakeMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, POINT pt);

class CMessageQueue {
 public:
  void Post(const MSG& m);
  // Before every other message: the character of a key just taken.
  void PostNext(const MSG& m);
  // A pointer move replaces a move of the same window still waiting last.
  void PostInput(const MSG& m);
  // The first posted message the filter accepts (null filter: any), then
  // the first input one; removed when remove.
  bool Take(const MessageFilter& filter, bool remove, MSG* out);
  // Forgets what waits for a window that is gone.
  void DropWindow(HWND hwnd);
  // Forgets every message and the quit flag.
  void Clear();
  void SetQuit(int exitCode);
  // Answers the quit flag and its code; clears it when remove.
  bool TakeQuit(bool remove, int* exitCode);
  // Counts messages posted so far; a waiter compares two readings.
  unsigned long Generation() const { return m_generation; }
  // A message leaves for the program: the keys it presses or lets go are
  // down or up as the program has read its input.
  void NoteRead(const MSG& m);
  bool KeyDownAsRead(WPARAM virtualKey);

 private:
  static bool TakeFrom(std::deque<MSG>& lane, const MessageFilter& filter, bool remove, MSG* out);
  std::mutex m_lock;
  std::deque<MSG> m_posted;
  std::deque<MSG> m_input;
  std::optional<int> m_quit;  // the exit code once asked
  std::atomic<unsigned long> m_generation{0};
  bool m_shiftRead = false;
  bool m_controlRead = false;
};

// The queue of the program's message thread; it lives until exit, as posts
// may come from other threads until then.
CMessageQueue& ThreadQueue();

}  // namespace plat::common
