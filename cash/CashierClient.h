// The cashier's client machine: one step a frame talks the cashier module
// protocol with the main client (online) or the play-for-fun server
// (offline) and drives the main screen and the dialogs.
#pragma once

#include "cash/CashierClientRecord.h"

class CComm;

namespace cash {

// States a test or the screen needs by name.
inline constexpr int kWaitMode = 0;
inline constexpr int kWaitAcknowledge = 41;
inline constexpr int kMenuIdle = 44;
inline constexpr int kMenu = 45;
inline constexpr int kFatal = 46;
inline constexpr int kInfoAcknowledge = 38;

inline constexpr int kInfoTextSize = 512;
inline constexpr int kFatalTextSize = 160;

// 1 once the play-for-fun server failed for good: no answer will come, so a
// closed window ends the cashier in any state.
extern int gOfflineServerFailed;

// One step: 0 to go on, -1 after ENDMODULE was answered (or the window was
// closed with the server failed) and the link handed back, -2 after a
// fatal error was shown and the link handed back. The dialogs run modally
// inside the step.
int ClientRun(CashierClientRecord* record, CComm& comm);

// The fatal box's text into out (kFatalTextSize bytes, cut to fit):
// "CLIENT: " and the message, then, when serverText is not null, a new line,
// "SERVER: " and serverText.
void FatalText(const char* message, const char* serverText, char* out);

}  // namespace cash
