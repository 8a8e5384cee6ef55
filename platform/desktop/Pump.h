// Running Qt's event processing inside the message calls (the loop's device
// calls of common/Device.h live in Pump.cpp), and the rules that keep
// re-entry safe.
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

// Waits at most maxWaitMs for what other programs send (and timers, painting), never input, and handles it.
void WaitForSentOnly(int maxWaitMs);
// True while a send to another program waits: only sent messages may reach
// window procedures then.
bool InsideSendWait();
// A widget whose painting calls a window procedure asks to be painted again
// once the thread handles all its events again instead.
void RepaintAfterSendWait(QWidget* widget);

// Creates the bounded-wait timer; called once the application exists.
void InitPump();
void ShutdownPump();

}  // namespace plat::desktop
