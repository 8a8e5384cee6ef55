// A scripted main client and a game window on the headless bus.
//
// The main client answers the connect message (unless told not to), answers
// the alive query with -3, relays a client end's packet (kind 1) to the game
// window as kind 2 and a server end's packet back as kind 1, passing on the
// receiver's answer, and keeps the player records it gets.
#pragma once

#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "framework/link/PlayerRecord.h"
#include "platform/include/plat/plat.h"

struct MainClientStub {
  plat::HWND wnd = nullptr;
  plat::HWND game = nullptr;  // from the connect message
  int answerConnect = 1;
  int connects = 0;
  int handBacks = 0;
  int wakeUps = 0;
  int records = 0;
  CPlayerRecord lastRecord;
  struct Relayed {
    int kind;
    std::string text;  // with its zero byte
    plat::LRESULT answer;
  };
  std::vector<Relayed> relayed;
};

// Resets the backend and the stub, registers both classes, creates the main
// client's window. The game window's procedure hands kind 1 to client and
// kind 2 to server (either may be null).
MainClientStub& StartBus();
plat::HWND CreateGameWindow(CComm* client, CComm* server);
// Dispatches every posted message; answers how many there were.
int PumpPosted();
