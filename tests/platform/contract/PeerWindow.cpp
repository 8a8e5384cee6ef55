// The peer window of the cross-program cases, for a peer program or this one.
#include <vector>

#include "tests/platform/contract/PeerProtocol.h"

namespace contract {

using namespace plat;

LRESULT PeerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COPYDATA) {
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds->dwData == kSizeKind) return static_cast<LRESULT>(cds->cbData);
    if (cds->dwData != kSumKind) return 0;
    const auto* bytes = static_cast<const BYTE*>(cds->lpData);
    std::vector<BYTE> reversed(bytes, bytes + cds->cbData);
    LRESULT sum = 0;
    for (BYTE b : reversed) sum += b;
    std::vector<BYTE> back(reversed.rbegin(), reversed.rend());
    const COPYDATASTRUCT reply{kReversedKind, static_cast<DWORD>(back.size()), back.data()};
    SendMessage(WParamToHandle(wParam), WM_COPYDATA, HandleToWParam(hwnd), reinterpret_cast<LPARAM>(&reply));
    return sum;
  }
  if (msg == NestMessage()) {
    if (lParam == 0) return 100;
    return SendMessage(WParamToHandle(wParam), NestMessage(), HandleToWParam(hwnd), lParam - 1) + 1;
  }
  if (msg == PostTestMessage()) {
    PostMessage(LParamToHandle(lParam), AckMessage(), wParam + 1, 0);
    return 0;
  }
  if (msg == HangMessage()) {
    Sleep(static_cast<DWORD>(lParam));
    return 1;
  }
  if (msg == PokeMeMessage()) {
    for (int i = 0; i < 400 && !SendMessage(WParamToHandle(wParam), PokeMessage(), 0, 0); ++i) Sleep(25);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace contract
