#include "tests/support/ScriptedProgram.h"

#include <cstdlib>
#include <cstring>

CScriptedProgram::CScriptedProgram(std::string className) : className_(std::move(className)) {}

CScriptedProgram::~CScriptedProgram() { Vanish(); }

int CScriptedProgram::Connect() {
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = &CScriptedProgram::WindowProc;
  wc.hInstance = plat::GetModuleInstance();
  wc.lpszClassName = className_.c_str();
  if (!plat::RegisterClass(&wc)) return 0;
  window_ = plat::CreateWindow(className_.c_str(), className_.c_str(), plat::WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                               nullptr, 0, plat::GetModuleInstance(), this);
  if (!window_) return 0;
  singleMsg_ = plat::RegisterWindowMessage(kSingleMessageName);
  client.Init("clientout.log", "clientin.log");
  server.Init("serverout.log", "serverin.log");
  clientTransport = new CMainClientTransport();
  serverTransport = new CMainClientTransport();
  client.SetTransport(clientTransport);
  server.SetTransport(serverTransport);
  clientTransport->Reset();
  serverTransport->Reset();
  if (!clientTransport->RegisterMessages(kChannelClient) || !serverTransport->RegisterMessages(kChannelServer)) {
    return 0;
  }
  if (clientTransport->Connect(window_) != nullptr) return 0;
  return serverTransport->Attach(clientTransport->mainWnd, window_);
}

void CScriptedProgram::Vanish() {
  if (!window_) return;
  plat::DestroyWindow(window_);
  window_ = nullptr;
  plat::UnregisterClass(className_.c_str(), plat::GetModuleInstance());
}

int CScriptedProgram::Build(CComm& end, Tags tags) {
  if (!end.BeginPacket()) return 0;
  for (const auto& [name, value] : tags) {
    if (!end.AddTag(name) || !end.SetTagValue(value)) return 0;
  }
  return 1;
}

int CScriptedProgram::Send(CComm& end, Tags tags) { return Build(end, tags) && end.SendPacket(); }

std::string CScriptedProgram::Peek(CComm& end) {
  if (end.recvAllocated != kRecvWaiting) return "";
  char* text = end.recvList.Encode();
  std::string out = text ? text : "";
  std::free(text);
  return out;
}

std::string CScriptedProgram::Take(CComm& end) {
  std::string out = Peek(end);
  if (end.recvAllocated == kRecvWaiting) end.ReleaseReceived();
  return out;
}

plat::LRESULT CScriptedProgram::WindowProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam,
                                           plat::LPARAM lParam) {
  if (msg == plat::WM_CREATE) plat::SetWindowUserData(hwnd, lParam);
  auto* self = reinterpret_cast<CScriptedProgram*>(plat::GetWindowUserData(hwnd));
  if (!self || msg == plat::WM_CREATE || !self->window_) return plat::DefWindowProc(hwnd, msg, wParam, lParam);
  return self->OnMessage(msg, wParam, lParam);
}

plat::LRESULT CScriptedProgram::OnMessage(plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (msg == plat::WM_COPYDATA) {
    const auto* data = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    const char* text = static_cast<const char*>(data->lpData);
    switch (data->dwData) {
      case kChannelClient:
        return client.OnDataReceived(text, data->cbData);
      case kChannelServer:
        return server.OnDataReceived(text, data->cbData);
      case kDataPlayerRecord:
        if (!record.Receive(data->lpData, data->cbData)) return plat::FALSE;
        balance = record.GetMoney();
        ++recordsReceived;
        return plat::TRUE;
      default:
        return plat::FALSE;
    }
  }
  if (msg == singleMsg_ && wParam == kSingleAskRecord) {
    record.SetMoney(balance);
    serverTransport->SendPlayerRecord(record);
    return 0;
  }
  if (msg == singleMsg_ && wParam == kSingleAlive) return kAliveAnswer;
  return plat::DefWindowProc(window_, msg, wParam, lParam);
}
