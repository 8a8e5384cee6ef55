// Messages between programs over the D-Bus session bus.
//
// Each process owns the name "casino.plat.p<pid>" (window handles carry the
// pid, so a handle says where to deliver) and, while it has a top-level
// window of a class, a name derived from the class ("casino.plat.c<hex>"),
// which FindWindow asks and which only one program can hold at a time.
// Sent and posted messages and what is asked of another program's windows
// travel through the device calls of common/Device.h; a call waits as a
// send does, and a peer that has gone fails at once.
#pragma once

#include <string>

namespace plat::desktop {

// Connects to the session bus; false (and every remote call failing) when
// there is none.
bool ConnectBus();
void DisconnectBus();
// Claims the class's name; false when another program holds it (or no bus).
bool ClaimClassName(const std::string& className);
void ReleaseClassName(const std::string& className);

}  // namespace plat::desktop
