// The stand-in main client: owns the main client's window, answers the
// programs' connect, alive and hand-back messages, gives them the player
// record and asks it back, relays every packet between a program's two link
// ends and keeps each program's saved game.
//
// Single-threaded: everything runs in the window procedure or in Flush
// called from the message loop. It hears of a program's end from the
// program's window (WatchWindow) and, for a program it started, from the
// process (WatchProgram), never by asking.
#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "mainclient/ConnectedProgram.h"
#include "mainclient/PlayerAccount.h"
#include "platform/include/plat/window.h"

inline constexpr char kAlreadyRunningText[] = "A main client is already running.";

class CMainClient {
 public:
  CMainClient() = default;
  ~CMainClient();
  CMainClient(const CMainClient&) = delete;
  CMainClient& operator=(const CMainClient&) = delete;

  // Opens the account store (creating it from oldBalanceFile when it does
  // not exist, see CAccountStore::Open), registers the messages and the
  // window class kMainClientClassName and creates the window, hidden. 1, or
  // 0 with FailureText() saying why (the store cannot be used or is held by
  // another main client, the class is taken, a message cannot be
  // registered).
  int Create(const std::string& storeFile, const std::string& oldBalanceFile);
  const std::string& FailureText() const { return failure_; }
  // Closes the account store, destroys the window and unregisters the
  // class; programs are forgotten.
  void Destroy();
  plat::HWND Window() const { return window_; }
  // The programs play with the online account from now on, and the main
  // client answers the cashier's module requests itself. Call before any
  // program connects.
  void GoOnline() { account_.GoOnline(); }
  int Online() const { return account_.Online(); }
  const OnlineAccount& OnlineFigures() const { return account_.Store().Online(); }

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
  // 1 while a packet or record waits for a receiver that refused it: Flush
  // again after a short while.
  int Undelivered() const;
  // 1 once the account store could not be written: from then on nothing is
  // taken or delivered, and the main client is to stop with FailureText().
  int Stopped() const { return stopped_ ? 1 : 0; }

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
  void OnProgramGone(plat::HWND window, plat::DWORD processId);
  ConnectedProgram* Find(plat::HWND window);
  void Deliver(ConnectedProgram& program);
  int DeliverQueue(ConnectedProgram& program, CPacketQueue& queue, int kind);
  int AnswerCashier(ConnectedProgram& program);
  void Changed();

  CPlayerAccount account_;
  std::string failure_;
  bool stopped_ = false;
  plat::HWND window_ = nullptr;
  plat::UINT singleMsg_ = 0;
  plat::UINT wakeUpMsg_ = 0;
  std::vector<std::unique_ptr<ConnectedProgram>> programs_;
  std::vector<ExpectedProgram> expected_;
  ConnectedProgram* asking_ = nullptr;  // whose player record is awaited
  bool flushing_ = false;
  bool flushAgain_ = false;
  std::random_device randomDevice_;  // new security codes
};
