// A test window standing in for the main client: answers connect and the
// alive query, relays client packets to the server end and back, keeps the
// player records it is sent.
#pragma once

#include <string>
#include <vector>

#include "platform/include/plat/types.h"

struct ScriptedMainClient {
  plat::LRESULT connectAnswer = 1;
  plat::LRESULT aliveAnswer = -3;
  plat::HWND program = nullptr;  // from the connect message
  int aliveQueries = 0;
  int relayed = 0;
  std::vector<std::string> packets;  // every text relayed, in order
};

extern ScriptedMainClient gMainClient;

// Registers the main client's class and creates its window (after
// plat::headless::Reset); gMainClient starts afresh. Answers the window.
plat::HWND StartScriptedMainClient();
