// The transport over window messages to the main client, and the message
// protocol both sides share.
//
// Packets go as WM_COPYDATA (wParam: own window, dwData: channel, the text
// with its zero byte) to the main client's window, which relays kind 1 to
// the server end as kind 2 and back. Each successful send posts the wake-up
// message; a failed post is retried by Poll.
#pragma once

#include "framework/link/PlayerRecord.h"
#include "framework/link/Transport.h"
#include "platform/include/plat/types.h"

// Registered message names.
inline constexpr char kSingleMessageName[] = "-=! single message idstring !=-";
inline constexpr char kCommMessageName[] = "-=! communication idstring !=-";
inline constexpr char kWakeUpMessageName[] = "-=! wake up main client idstring !=-";

// WM_COPYDATA data kinds.
inline constexpr int kChannelClient = 1;  // client end's packets, and packets for it
inline constexpr int kChannelServer = 2;  // server end's packets, and packets for it
inline constexpr int kDataPlayerRecord = 3;

// wParam of the single message.
inline constexpr int kSingleHandBack = 0;     // program -> main client, lParam kHandBackParam
inline constexpr int kSingleConnect = 3;      // program -> main client, lParam own window
inline constexpr int kSingleAskRecord = 4;    // main client -> program: send the record
inline constexpr int kSingleAlive = 5;        // either way: alive query
inline constexpr int kHandBackParam = 5;
inline constexpr int kAliveAnswer = -3;       // the answer to the alive query

class CMainClientTransport : public CTransport {
 public:
  CMainClientTransport() = default;

  // Forgets the main window; state -1.
  void Reset();
  // Stores channel and registers the single, communication and wake-up
  // messages in this order. The first failure shows its "Fatal error" box (no
  // owner) and answers 0, leaving state -1; success: state 0, answer 1.
  int RegisterMessages(int channel);
  // Only in state 0: stores wnd, state 1, answers 1; else 0.
  int SetMainWindow(plat::HWND wnd);
  // Client end: finds the main client's window, sends it the connect message.
  // Answers null on success, else the error text to show (a literal).
  const char* Connect(plat::HWND ownWindow);
  // Server end: takes the main window the client end found. 0 when a main
  // window is already set (nothing changes); else 1 (0 also when the
  // messages were never registered).
  int Attach(plat::HWND mainWindow, plat::HWND ownWindow);
  // Only when ready (state 1): WM_COPYDATA of kind channel; 0 when not ready
  // or the main client answered 0 (the receiver was busy), else 1.
  int SendData(const char* text, std::size_t length) override;
  // Only when ready: focus to the main client, single message (0, 5); 1 when
  // it answered non-zero.
  int HandBack() override;
  // Posts the wake-up again when the last post failed.
  void Poll() override;
  // 1 when no wake-up waits to be retried.
  int IsIdle() override;
  void OnEvent(int arg) override;
  // Only when ready: WM_COPYDATA of kind 3 with the 49-byte record, wParam 0;
  // 1 when the main client answered non-zero.
  int SendPlayerRecord(const CPlayerRecord& record);
  // Posts the wake-up message (0, 0) to the main window; remembers a failure.
  void PostWakeUp();

  plat::HWND mainWnd = nullptr;
  plat::HWND ownWnd = nullptr;
  plat::UINT commMsg = 0;
  plat::UINT singleMsg = 0;
  plat::UINT wakeUpMsg = 0;
  int wakeUpPending = 0;
  int channel = 0;
};
