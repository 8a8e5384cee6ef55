// A test_plat_peer started for one test, talking to a host window.
#pragma once

#include "tests/platform/contract/Pump.h"
#include "platform/include/plat/plat.h"

namespace contract {

class CPeerProcess {
 public:
  // Starts the peer in a role with the host's handle; false when it cannot.
  bool Start(const char* role, plat::HWND host);
  // Closes its window and waits for the process to end; true when it ended.
  bool Stop();
  bool WaitForEnd(plat::DWORD timeoutMs);
  plat::DWORD Id() const { return m_id; }

 private:
  plat::DWORD m_id = 0;
};

}  // namespace contract
