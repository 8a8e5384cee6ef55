// Running Qt's event processing inside the message calls, and the rules
// that keep re-entry safe.
#pragma once

class QWidget;

namespace plat::desktop {

// Marks a call from Qt into our code (widget handlers, signal lambdas, the
// bus handler). Widgets are deleted only when no such call is on the stack.
class CQtEntry {
 public:
  CQtEntry();
  ~CQtEntry();
  CQtEntry(const CQtEntry&) = delete;
  CQtEntry& operator=(const CQtEntry&) = delete;
};

// Hides the widget, cuts its signals and deletes it at the next safe point.
void RetireWidget(QWidget* widget);

// Handles every waiting Qt event (input, paint, bus calls) without blocking.
void ProcessEvents();
// Like ProcessEvents but first waits for an event, at most maxWaitMs
// milliseconds (negative: until one arrives).
void WaitForEvents(int maxWaitMs);

// While a call to another process waits: handles bus calls, timers and
// painting but no user input, so only sent messages reach window procedures.
class CSendWait {
 public:
  CSendWait();
  ~CSendWait();
  CSendWait(const CSendWait&) = delete;
  CSendWait& operator=(const CSendWait&) = delete;
  // Blocks until the next non-input event and handles it.
  void WaitOnce();
};
bool InsideSendWait();
// A widget whose painting calls a window procedure asks to be painted again
// once the send wait is over instead.
void RepaintAfterSendWait(QWidget* widget);

// Wakes the main thread's event wait; safe from any thread.
void WakeMainThread();

// Creates the bounded-wait timer; called once the application exists.
void InitPump();
void ShutdownPump();

}  // namespace plat::desktop
