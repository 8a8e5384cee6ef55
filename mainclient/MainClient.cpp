#include "mainclient/MainClient.h"

#include <cstdio>

#include "framework/game/ProtocolNames.h"
#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "mainclient/CashierDesk.h"
#include "mainclient/PacketText.h"
#include "framework/link/SavePoint.h"
#include "mainclient/StatusView.h"
#include "platform/include/plat/app.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/time.h"

namespace {

constexpr plat::UINT kFlushMessage = plat::WM_USER + 1;
// lParam: a program's window that has gone.
constexpr plat::UINT kWindowGoneMessage = plat::WM_USER + 2;
// wParam: the process id of a started program that has ended.
constexpr plat::UINT kProgramEndedMessage = plat::WM_USER + 3;
constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 220;
// The answer that ends a session: its saved game is then of no use.
constexpr const char* kSessionEndAnswer = game::kClientExitAnswer;

}  // namespace

CMainClient::~CMainClient() { Destroy(); }

int CMainClient::Create(const std::string& storeFile, const std::string& oldBalanceFile) {
  failure_.clear();
  stopped_ = false;
  const int opened = account_.Open(storeFile, oldBalanceFile);
  if (opened != 0) {
    failure_ = opened == kStoreInUse ? std::string(kAlreadyRunningText) : account_.Error();
    return 0;
  }
  failure_ = "The main client's window cannot be made.";
  singleMsg_ = plat::RegisterWindowMessage(kSingleMessageName);
  wakeUpMsg_ = plat::RegisterWindowMessage(kWakeUpMessageName);
  if (!singleMsg_ || !wakeUpMsg_) return 0;
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = &CMainClient::WindowProc;
  wc.hInstance = plat::GetModuleInstance();
  wc.hbrBackground = plat::GetStockBrush(plat::WHITE_BRUSH);
  wc.lpszClassName = kMainClientClassName;
  if (!plat::RegisterClass(&wc)) return 0;
  window_ = plat::CreateWindow(kMainClientClassName, "Casino main client",
                               plat::WS_OVERLAPPED | plat::WS_CAPTION | plat::WS_SYSMENU | plat::WS_MINIMIZEBOX,
                               plat::CW_USEDEFAULT, plat::CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, 0,
                               plat::GetModuleInstance(), this);
  if (!window_) {
    plat::UnregisterClass(kMainClientClassName, plat::GetModuleInstance());
    return 0;
  }
  failure_.clear();
  return 1;
}

void CMainClient::Destroy() {
  account_.Close();
  if (!window_) return;
  plat::DestroyWindow(window_);
  window_ = nullptr;
  plat::UnregisterClass(kMainClientClassName, plat::GetModuleInstance());
  programs_.clear();
  expected_.clear();
}

void CMainClient::ExpectProgram(const std::string& name, const std::string& folder, plat::DWORD processId) {
  expected_.push_back({name, folder, processId});
  if (processId) plat::WatchProgram(processId, window_, kProgramEndedMessage);
}

int CMainClient::Idle() const { return programs_.empty() && expected_.empty() ? 1 : 0; }

int CMainClient::Undelivered() const {
  if (stopped_) return 0;
  for (const auto& p : programs_) {
    if (p->recordDue || !p->toServer.Empty() || !p->toClient.Empty() || !p->toCashier.Empty() ||
        !p->cashierAnswer.empty()) {
      return 1;
    }
  }
  return 0;
}

void CMainClient::Flush() {
  if (stopped_) return;
  if (flushing_) {
    flushAgain_ = true;
    return;
  }
  flushing_ = true;
  do {
    flushAgain_ = false;
    // By index: a program may connect while its predecessors are served.
    for (std::size_t i = 0; i < programs_.size(); ++i) Deliver(*programs_[i]);
  } while (flushAgain_);
  flushing_ = false;
}

void CMainClient::OnProgramGone(plat::HWND window, plat::DWORD processId) {
  for (std::size_t i = programs_.size(); i-- > 0;) {
    const ConnectedProgram& p = *programs_[i];
    if ((window && p.window == window) || (processId && p.processId == processId)) {
      programs_.erase(programs_.begin() + static_cast<std::ptrdiff_t>(i));
      Changed();
    }
  }
  for (std::size_t i = expected_.size(); i-- > 0;) {
    if (processId && expected_[i].processId == processId) {
      std::fprintf(stderr, "mainclient: %s ended before it connected\n", expected_[i].name.c_str());
      expected_.erase(expected_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  Flush();
}

plat::LRESULT CMainClient::WindowProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (msg == plat::WM_CREATE) plat::SetWindowUserData(hwnd, lParam);
  auto* self = reinterpret_cast<CMainClient*>(plat::GetWindowUserData(hwnd));
  if (!self || msg == plat::WM_CREATE) return plat::DefWindowProc(hwnd, msg, wParam, lParam);
  return self->OnMessage(msg, wParam, lParam);
}

plat::LRESULT CMainClient::OnMessage(plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (msg == plat::WM_COPYDATA) {
    return OnCopyData(plat::WParamToHandle(wParam), reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam));
  }
  if (msg == singleMsg_) return OnSingleMessage(wParam, lParam);
  if (msg == wakeUpMsg_ || msg == kFlushMessage) {
    Flush();
    return 0;
  }
  if (msg == kWindowGoneMessage || msg == kProgramEndedMessage) {
    OnProgramGone(plat::LParamToHandle(lParam), static_cast<plat::DWORD>(wParam));
    return 0;
  }
  switch (msg) {
    case plat::WM_PAINT:
      PaintStatus(window_, *this);
      return 0;
    case plat::WM_CLOSE:
      plat::PostQuitMessage(0);
      return 0;
    default:
      return plat::DefWindowProc(window_, msg, wParam, lParam);
  }
}

plat::LRESULT CMainClient::OnSingleMessage(plat::WPARAM code, plat::LPARAM param) {
  if (stopped_) return 0;
  switch (code) {
    case kSingleConnect:
      return OnConnect(plat::LParamToHandle(param));
    case kSingleAlive:
      return kAliveAnswer;
    case kSingleHandBack:
      if (param != kHandBackParam) return 0;
      if (plat::IsWindowVisible(window_)) {
        plat::SetForegroundWindow(window_);
        plat::SetFocus(window_);
      }
      return 1;
    default:
      return 0;
  }
}

plat::LRESULT CMainClient::OnConnect(plat::HWND window) {
  if (!window || window == window_ || !plat::IsWindow(window)) return 0;
  if (Find(window)) return 1;
  auto program = std::make_unique<ConnectedProgram>();
  program->window = window;
  if (expected_.empty()) {
    program->name = "(not started here)";
    program->recorder.Start("");
  } else {
    const ExpectedProgram& e = expected_.front();
    program->name = e.name;
    program->processId = e.processId;
    program->recorder.Start(e.folder.empty() ? "" : e.folder + "/db_savef");
    expected_.erase(expected_.begin());
  }
  plat::WatchWindow(window, window_, kWindowGoneMessage);
  programs_.push_back(std::move(program));
  // The player record goes out once the program's connect call has returned.
  plat::PostMessage(window_, kFlushMessage, 0, 0);
  Changed();
  return 1;
}

plat::LRESULT CMainClient::OnCopyData(plat::HWND sender, const plat::COPYDATASTRUCT* data) {
  if (stopped_ || !data || (data->cbData && !data->lpData)) return plat::FALSE;
  if (data->dwData == static_cast<std::uintptr_t>(kDataPlayerRecord)) return OnPlayerRecord(data->lpData, data->cbData);
  ConnectedProgram* program = Find(sender);
  if (!program) return plat::FALSE;
  switch (data->dwData) {
    case kChannelClient:
    case kChannelServer:
      return OnPacket(*program, static_cast<int>(data->dwData), data->lpData, data->cbData);
    case kDataSavePoint:
      return OnSavePoint(*program, data->lpData, data->cbData);
    default:
      return plat::FALSE;
  }
}

plat::LRESULT CMainClient::OnPacket(ConnectedProgram& program, int kind, const void* data, std::size_t size) {
  // A text no link end would take is taken and dropped, so its sender does
  // not try it again for ever.
  if (size > kMaxPacketText + 1) return plat::TRUE;
  const std::vector<std::uint8_t> text = PacketBytes(data, size);
  CPacketQueue& queue = kind == kChannelClient ? program.toServer : program.toClient;
  const char* packet = reinterpret_cast<const char*>(text.data());
  if (kind == kChannelClient && account_.Online() && IsCashierRequest(packet)) {
    // Answered from the loop, never inside the message: a slow commit must
    // not make the cashier think its request was lost and send it again.
    if (!program.toCashier.Push(text.data(), text.size())) return plat::FALSE;
    plat::PostMessage(window_, kFlushMessage, 0, 0);
    return plat::TRUE;
  }
  if (!queue.Push(text.data(), text.size())) return plat::FALSE;
  if (kind == kChannelClient) {
    program.recorder.OnClientPacket(packet);
  } else {
    program.recorder.OnServerPacket(packet);
    if (PacketCommandIs(packet, kSessionEndAnswer)) {
      program.recorder.OnSessionEnd();
      program.askDue = true;
    } else if (!program.recorder.Recording()) {
      // A game without a saved round books its money as it goes; one with
      // a saved round books it at its save points, where a restore resumes.
      program.askDue = true;
    }
  }
  return plat::TRUE;
}

plat::LRESULT CMainClient::OnPlayerRecord(const void* data, std::size_t size) {
  CPlayerRecord record;
  if (!asking_ || !record.Receive(data, size)) return plat::FALSE;
  const int booked = account_.Book(asking_->moneyBase, record.GetMoney());
  if (booked == kBookStoreFailed) {
    // Play on without a kept balance would lose what the games report.
    stopped_ = true;
    failure_ = account_.Error() + " The main client stops; the balance stays as last stored.";
    Changed();
    return plat::FALSE;
  }
  if (!booked) return plat::FALSE;
  asking_->moneyBase = record.GetMoney();
  Changed();
  return plat::TRUE;
}

plat::LRESULT CMainClient::OnSavePoint(ConnectedProgram& program, const void* data, std::size_t size) {
  SavePoint point;
  if (!DecodeSavePoint(data, size, &point)) return plat::FALSE;
  const int written = program.recorder.OnSavePoint(point);
  program.askDue = true;
  Changed();
  return written ? plat::TRUE : plat::FALSE;
}

ConnectedProgram* CMainClient::Find(plat::HWND window) {
  if (!window) return nullptr;
  for (auto& p : programs_) {
    if (p->window == window) return p.get();
  }
  return nullptr;
}

void CMainClient::Deliver(ConnectedProgram& program) {
  if (program.recordDue) {
    const CPlayerRecord record = account_.MakeRecord();
    const plat::COPYDATASTRUCT data{static_cast<std::uintptr_t>(kDataPlayerRecord), sizeof record, &record};
    if (!plat::SendMessage(program.window, plat::WM_COPYDATA, plat::HandleToWParam(window_),
                           reinterpret_cast<plat::LPARAM>(&data))) {
      return;  // no packet may overtake the record, or the game starts with a wrong balance
    }
    program.recordDue = false;
    program.moneyBase = record.GetMoney();
  }
  if (program.askDue) {
    program.askDue = false;
    asking_ = &program;
    plat::SendMessage(program.window, singleMsg_, kSingleAskRecord, 0);
    asking_ = nullptr;
  }
  if (AnswerCashier(program) + DeliverQueue(program, program.toServer, kChannelServer) +
      DeliverQueue(program, program.toClient, kChannelClient)) {
    Changed();
  }
}

int CMainClient::DeliverQueue(ConnectedProgram& program, CPacketQueue& queue, int kind) {
  int delivered = 0;
  while (!queue.Empty()) {
    // A copy: the queue may grow while the receiver handles the packet.
    const std::vector<std::uint8_t> packet = queue.Front();
    const plat::COPYDATASTRUCT data{static_cast<std::uintptr_t>(kind), static_cast<plat::DWORD>(packet.size()),
                                    packet.data()};
    if (!plat::SendMessage(program.window, plat::WM_COPYDATA, plat::HandleToWParam(window_),
                           reinterpret_cast<plat::LPARAM>(&data))) {
      break;
    }
    queue.Pop();
    ++delivered;
  }
  return delivered;
}

int CMainClient::AnswerCashier(ConnectedProgram& program) {
  int answered = 0;
  for (;;) {
    // A booked order's answer is kept until it is queued, never made twice.
    if (!program.cashierAnswer.empty()) {
      if (!program.toClient.Push(program.cashierAnswer.c_str(), program.cashierAnswer.size() + 1)) break;
      program.cashierAnswer.clear();
      ++answered;
    }
    if (program.toCashier.Empty()) break;
    const std::vector<std::uint8_t> request = program.toCashier.Front();
    program.toCashier.Pop();
    const std::uint64_t random = (static_cast<std::uint64_t>(randomDevice_()) << 32) ^ randomDevice_();
    program.cashierAnswer = AnswerCashierRequest(account_.Store(), reinterpret_cast<const char*>(request.data()),
                                                 plat::GetCalendarTime(), random);
    Changed();
  }
  return answered;
}

void CMainClient::Changed() {
  if (window_) plat::InvalidateRect(window_, nullptr, plat::TRUE);
}
