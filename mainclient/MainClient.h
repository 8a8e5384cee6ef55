// The stand-in main client: owns the main client's window, answers the
// programs' connect, alive and hand-back messages, gives them the player
// record and asks it back, relays every packet between a program's two link
// ends and keeps each program's saved game.
//
// Single-threaded: everything runs in the window procedure or in Tick/Flush
// called from the message loop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mainclient/ConnectedProgram.h"
#include "mainclient/PlayerAccount.h"
#include "platform/include/plat/window.h"

class CMainClient {
 public:
  CMainClient() = default;
  ~CMainClient();
  CMainClient(const CMainClient&) = delete;
  CMainClient& operator=(const CMainClient&) = delete;

  // Loads the balance kept in balanceFile, registers the messages and the
  // window class kMainClientClassName and creates the window, hidden. 1, or
  // 0 when the class is taken (a main client runs already) or a message
  // cannot be registered.
  int Create(const std::string& balanceFile);
  // Destroys the window and unregisters the class; programs are forgotten.
  void Destroy();
  plat::HWND Window() const { return window_; }

  // A program the main client has started: the next connect of a window
  // gets its name, its folder (where its "db_savef" is kept) and its process
  // id (0: not watched), in the order they were expected. Start programs one
  // at a time (see Expecting), or two that connect in the other order would
  // be taken for each other.
  void ExpectProgram(const std::string& name, const std::string& folder, plat::DWORD processId);
  // Delivers what waits, program by program: the player record first, then
  // a record request, then the queued packets in order until a receiver
  // refuses one. A call while one runs (from a nested message) only makes
  // the running one look again.
  void Flush();
  // The periodic step (every few ms): forgets programs whose window or
  // process has gone and expected programs whose process ended, then Flush.
  // Must not be called from inside a message.
  void Tick();

  // 1 when no program is connected or expected.
  int Idle() const;
  // 1 while a program the main client started has not connected yet.
  int Expecting() const { return expected_.empty() ? 0 : 1; }
  int ProgramCount() const { return static_cast<int>(programs_.size()); }
  const ConnectedProgram& Program(int i) const { return *programs_[static_cast<std::size_t>(i)]; }
  double Balance() const { return account_.Balance(); }

 private:
  static plat::LRESULT WindowProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);
  plat::LRESULT OnMessage(plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam);
  plat::LRESULT OnCopyData(plat::HWND sender, const plat::COPYDATASTRUCT* data);
  plat::LRESULT OnSingleMessage(plat::WPARAM code, plat::LPARAM param);
  plat::LRESULT OnConnect(plat::HWND window);
  plat::LRESULT OnPacket(ConnectedProgram& program, int kind, const void* data, std::size_t size);
  plat::LRESULT OnPlayerRecord(const void* data, std::size_t size);
  plat::LRESULT OnSavePoint(ConnectedProgram& program, const void* data, std::size_t size);
  ConnectedProgram* Find(plat::HWND window);
  void Deliver(ConnectedProgram& program);
  int DeliverQueue(ConnectedProgram& program, CPacketQueue& queue, int kind);
  void Changed();

  CPlayerAccount account_{""};
  plat::HWND window_ = nullptr;
  plat::UINT singleMsg_ = 0;
  plat::UINT wakeUpMsg_ = 0;
  std::vector<std::unique_ptr<ConnectedProgram>> programs_;
  std::vector<ExpectedProgram> expected_;
  ConnectedProgram* asking_ = nullptr;  // whose player record is awaited
  bool flushing_ = false;
  bool flushAgain_ = false;
};
