// Messages between programs over the D-Bus session bus.
//
// Each process owns the name "casino.plat.p<pid>" (window handles carry the
// pid, so a handle says where to deliver) and, while it has a top-level
// window of a class, a name derived from the class ("casino.plat.c<hex>"),
// which FindWindow asks and which only one program can hold at a time.
// Sent and posted messages travel through the device calls of
// common/Device.h; calls wait as a send does (common::AwaitCall), and a peer
// that has gone fails at once.
#pragma once

#include <string>

#include "platform/common/Device.h"
#include "platform/include/plat/window.h"

namespace plat::desktop {

// What a remote window may be asked or told.
using RemoteOp = common::ForeignOp;

// Connects to the session bus; false (and every remote call failing) when
// there is none.
bool ConnectBus();
void DisconnectBus();
// Claims the class's name; false when another program holds it (or no bus).
bool ClaimClassName(const std::string& className);
void ReleaseClassName(const std::string& className);
// A top-level window of that class in the program that holds its name.
HWND FindRemoteWindow(const char* className, const char* title);
// Posts message (lParam: hwnd) to notify when the window's process leaves
// the bus, as the bus announces it; at once when it has left already.
bool WatchRemoteWindow(HWND hwnd, HWND notify, UINT message);
// Answers 0 when the peer cannot be reached.
LRESULT RemoteWindowOp(HWND hwnd, RemoteOp op, int argument);

}  // namespace plat::desktop
