// The thread's queue of posted and input messages, and the quit flag.
// Post may be called from any thread; everything else on the main thread.
#pragma once

#include <deque>
#include <functional>
#include <mutex>

#include "platform/include/plat/window.h"

namespace plat::desktop {

using MessageFilter = std::function<bool(const MSG&)>;

class CMessageQueue {
 public:
  // Appends and wakes the main thread.
  void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Input from the main thread: also records the pointer position.
  void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Puts a message before everything else (the character of a key just taken).
  void PostFront(const MSG& msg);
  // A pointer move replaces a move of the same window still waiting at the end.
  void PostMouseMove(HWND hwnd, WPARAM keys, LPARAM position);
  // The first message the filter accepts (null filter: any); removed when remove.
  bool Take(const MessageFilter& filter, bool remove, MSG* out);
  // Forgets what waits for a window that is gone.
  void DropWindow(HWND hwnd);
  // Forgets every message and the quit flag (at shutdown).
  void Clear();
  void SetQuit(int exitCode);
  // Answers and clears the quit flag.
  bool TakeQuit(int* exitCode);
  bool QuitPending();
  // Counts messages posted so far; a waiter compares two readings.
  unsigned long Generation();

 private:
  MSG Make(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const;
  std::mutex m_lock;
  std::deque<MSG> m_messages;
  bool m_quit = false;
  int m_exitCode = 0;
  unsigned long m_generation = 0;
};

CMessageQueue& Queue();

// Counts sent messages delivered from other processes; WaitMessage returns
// when it moves.
unsigned long SentDeliveries();
void CountSentDelivery();

}  // namespace plat::desktop
