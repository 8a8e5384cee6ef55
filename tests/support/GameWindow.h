// A program's window on the bus, for tests that hold its two link ends
// themselves: it hands kind 1 packets to client and kind 2 to server.
#pragma once

#include "framework/link/Comm.h"
#include "platform/include/plat/types.h"

// Registers the class on first use; client or server may be null.
plat::HWND CreateGameWindow(CComm* client, CComm* server);
// Dispatches every posted message; answers how many there were.
int PumpPosted();
