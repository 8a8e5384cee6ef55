// What the test process and test_plat_peer say to each other.
#pragma once

#include "platform/include/plat/plat.h"

namespace contract {

inline constexpr const char* kPeerClass = "DesktopTestPeer";
inline constexpr const char* kPeerTitle = "Peer window";

// Registered names, so both processes agree on the ids.
// ready (peer -> test, sent): wParam = the peer's window.
inline plat::UINT ReadyMessage() { return plat::RegisterWindowMessage("desktop-test-ready"); }
// nest (both ways, sent): wParam = the sender's window, lParam = depth; the
// receiver answers 100 at depth 0, else one more than its own nested send.
inline plat::UINT NestMessage() { return plat::RegisterWindowMessage("desktop-test-nest"); }
// post (test -> peer, posted): the peer posts ack with wParam + 1 to lParam's window.
inline plat::UINT PostTestMessage() { return plat::RegisterWindowMessage("desktop-test-post"); }
inline plat::UINT AckMessage() { return plat::RegisterWindowMessage("desktop-test-ack"); }
// hang (test -> peer, sent): the peer sleeps lParam ms in its handler, then answers 1.
inline plat::UINT HangMessage() { return plat::RegisterWindowMessage("desktop-test-hang"); }
// poke me (test -> peer, posted): the peer sends poke to wParam's window until it answers non-zero.
inline plat::UINT PokeMeMessage() { return plat::RegisterWindowMessage("desktop-test-poke-me"); }
inline plat::UINT PokeMessage() { return plat::RegisterWindowMessage("desktop-test-poke"); }
// second (a second peer -> test, posted): wParam = the first copy's window it found.
inline plat::UINT SecondMessage() { return plat::RegisterWindowMessage("desktop-test-second"); }

// WM_COPYDATA kinds: the peer answers kSumKind with the sum of the bytes,
// after sending them back reversed as kReversedKind to the sender.
inline constexpr std::uintptr_t kSumKind = 7;
inline constexpr std::uintptr_t kReversedKind = 8;
// ... and kSizeKind with the number of bytes, nothing else.
inline constexpr std::uintptr_t kSizeKind = 9;

// The peer window's procedure: answers all of the above, in whichever
// process the window lives.
plat::LRESULT PeerProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);

}  // namespace contract
