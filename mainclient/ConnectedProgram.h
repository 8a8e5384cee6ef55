// What the main client keeps about each program that connected to it.
#pragma once

#include <string>

#include "mainclient/PacketQueue.h"
#include "mainclient/SavedGameRecorder.h"
#include "platform/include/plat/types.h"

struct ConnectedProgram {
  plat::HWND window = nullptr;  // the program's window, both link ends' address
  std::string name;
  plat::DWORD processId = 0;  // 0 when the main client did not start it
  CPacketQueue toServer;      // client-end packets waiting for the server end
  CPacketQueue toClient;      // server-end packets waiting for the client end
  CPacketQueue toCashier;     // online: the cashier's module requests, answered here
  std::string cashierAnswer;  // an answer made that toClient had no room for yet
  CSavedGameRecorder recorder;
  double moneyBase = 0.0;  // the money it was last given or reported
  bool recordDue = true;   // the player record has still to reach it
  bool askDue = false;     // its player record is to be asked back
};

// A program the main client started that has not connected yet.
struct ExpectedProgram {
  std::string name;
  std::string folder;  // its working folder, where its "db_savef" lies
  plat::DWORD processId = 0;
};
