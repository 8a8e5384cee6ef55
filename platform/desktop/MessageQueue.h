// The main thread's queue, and posting to it from any thread.
#pragma once

#include "platform/common/MessageQueue.h"

namespace plat::desktop {

using common::MessageFilter;

common::CMessageQueue& Queue();
// Appends a posted message and wakes the main thread; safe from any thread.
void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Input from the main thread, with the pointer position.
void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuit(int exitCode);

// Counts sent messages delivered from other processes; WaitMessage returns
// when it moves.
unsigned long SentDeliveries();
void CountSentDelivery();

}  // namespace plat::desktop
