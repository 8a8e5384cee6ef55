#include "tests/platform/contract/PeerProcess.h"

#include <cstdio>

#include "tests/platform/contract/PeerProtocol.h"

namespace contract {

using namespace plat;

bool CPeerProcess::Start(const char* role, HWND host) {
  char handle[32];
  std::snprintf(handle, sizeof handle, "%llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(host)));
  const char* args[] = {role, handle, nullptr};
  m_id = StartProgram(CONTRACT_PEER_PATH, args, ".");
  return m_id != 0;
}

bool CPeerProcess::WaitForEnd(DWORD timeoutMs) {
  return PumpUntil([this] { return !IsProgramRunning(m_id); }, timeoutMs);
}

bool CPeerProcess::Stop() {
  if (!m_id) return true;
  if (HWND peer = FindWindow(kPeerClass, nullptr)) PostMessage(peer, WM_CLOSE, 0, 0);
  const bool ended = WaitForEnd(10000);
  m_id = 0;
  return ended;
}

}  // namespace contract
