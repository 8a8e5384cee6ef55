// A module answer put on a link end as it arrives from the other side.
#pragma once

#include <cstring>

#include "framework/link/Comm.h"

// Takes text as the received packet of comm and rewinds it for reading.
inline void Arrive(CComm& comm, const char* text) {
  comm.ReleaseReceived();
  comm.OnDataReceived(text, std::strlen(text) + 1);
  comm.RewindReceived();
}
