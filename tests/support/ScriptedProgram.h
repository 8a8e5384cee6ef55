// A program wired as the real ones are: one window whose
// procedure hands packets of kind 1 to the client link end and kind 2 to the
// server link end, takes the player record and sends it back on request,
// and answers the alive query. The test plays both ends by hand.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "framework/link/Comm.h"
#include "framework/link/MainClientTransport.h"
#include "framework/link/PlayerRecord.h"
#include "platform/include/plat/plat.h"

class CScriptedProgram {
 public:
  // className: a class of its own, so several programs can run at once.
  explicit CScriptedProgram(std::string className);
  ~CScriptedProgram();

  // Creates the window and both link ends, connects the client end and
  // attaches the server end. 1 when the main client took the connect.
  int Connect();
  // Destroys the window as a program that disappears would.
  void Vanish();
  plat::HWND Window() const { return window_; }

  // One packet from an end: tags in order, "command" first. 1 when taken.
  using Tags = std::initializer_list<std::pair<const char*, const char*>>;
  static int Send(CComm& end, Tags tags);
  // Begins a packet and adds tags without sending it.
  static int Build(CComm& end, Tags tags);
  // The waiting packet's text, released; "" when none waits.
  static std::string Take(CComm& end);
  // The waiting packet's text, left waiting.
  static std::string Peek(CComm& end);

  CComm client;
  CComm server;
  CMainClientTransport* clientTransport = nullptr;  // owned by client
  CMainClientTransport* serverTransport = nullptr;  // owned by server
  CPlayerRecord record;
  double balance = 0.0;  // the program's own copy, as the local account keeps it
  int recordsReceived = 0;

 private:
  static plat::LRESULT WindowProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);
  plat::LRESULT OnMessage(plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);

  std::string className_;
  plat::HWND window_ = nullptr;
  plat::UINT singleMsg_ = 0;
};
