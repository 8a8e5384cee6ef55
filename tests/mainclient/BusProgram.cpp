// A scripted program for the test over the real bus: started by the main
// client from a staged tree, it plays both link ends of a short session
// through the main client and writes "ok", or what went wrong, into
// result.txt in its working folder.
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "tests/mainclient/BusProgram.h"
#include "framework/link/SavePointSender.h"
#include "framework/link/ServerRandom.h"
#include "tests/mainclient/ScriptedProgram.h"
#include "platform/include/plat/plat.h"

namespace {

using P = CScriptedProgram;

constexpr plat::DWORD kPatienceMs = 20000;

std::string gFailure;

// Handles messages until done answers true; false after kPatienceMs.
bool WaitFor(const std::function<bool()>& done) {
  const plat::DWORD start = plat::GetTickCount();
  while (!done()) {
    if (plat::GetTickCount() - start > kPatienceMs) return false;
    plat::MSG msg;
    while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) plat::DispatchMessage(&msg);
  }
  return true;
}

bool Expect(bool ok, const std::string& what) {
  if (!ok && gFailure.empty()) gFailure = what;
  return ok;
}

bool SendFrom(CComm& end, P::Tags tags, const char* what) {
  if (!P::Build(end, tags)) return Expect(false, std::string("build ") + what);
  return Expect(WaitFor([&] { return end.SendPacket() == 1; }), std::string("send ") + what);
}

bool Receive(CComm& end, const std::string& text) {
  std::string got;
  if (!Expect(WaitFor([&] { return end.recvAllocated == kRecvWaiting; }), "no packet: wanted " + text)) return false;
  got = P::Take(end);
  return Expect(got == text, "got " + got + " wanted " + text);
}

bool Script(P& program, const std::string& name) {
  if (!Expect(program.Connect() == 1, "connect")) return false;
  if (!Expect(WaitFor([&] { return program.recordsReceived > 0; }), "no player record")) return false;
  if (!Expect(std::strcmp(program.record.GetName(), "Player") == 0, "record name")) return false;
  const std::string init = "command=CLIENTINIT&from=" + name;
  if (!SendFrom(program.client, {{"command", "CLIENTINIT"}, {"from", name.c_str()}}, "init") ||
      !Receive(program.server, init) ||
      !SendFrom(program.server, {{"command", "CLIENTINITanswer"}, {"from", name.c_str()}}, "init answer") ||
      !Receive(program.client, "command=CLIENTINITanswer&from=" + name)) {
    return false;
  }
  // Three packets while the server end holds the first: the rest must come later, in order.
  for (const char* n : {"1", "2", "3"}) {
    if (!SendFrom(program.client, {{"command", "STEP"}, {"n", n}}, "step")) return false;
  }
  for (const char* n : {"1", "2", "3"}) {
    if (!Receive(program.server, std::string("command=STEP&n=") + n)) return false;
  }
  if (!SendFrom(program.client, {{"command", "BEGINPLAY"}}, "beginplay") ||
      !Receive(program.server, "command=BEGINPLAY")) {
    return false;
  }
  const char record[32] = "the server record of this round";
  SetServerRandomState(kBusRandomState);
  if (!P::Build(program.server, {{"command", "BEGINPLAYANSWER"}, {"answer", "ok"}}) ||
      !Expect(SendSavePoint(program.server, "BT", record, sizeof record) == 1, "save point")) {
    return false;
  }
  if (!Expect(WaitFor([&] { return program.server.SendPacket() == 1; }), "send answer") ||
      !Receive(program.client, "command=BEGINPLAYANSWER&answer=ok")) {
    return false;
  }
  if (!SendFrom(program.client, {{"command", "ROLLDICE"}, {"BTN", "7"}, {"STE", "3"}, {"VAL", "0.000000"}}, "roll") ||
      !Receive(program.server, "command=ROLLDICE&BTN=7&STE=3&VAL=0.000000")) {
    return false;
  }
  return Expect(program.client.HandBack() == 1, "hand back");
}

}  // namespace

int main(int argc, char** argv) {
  if (!plat::InitBackend(argc, argv)) return 2;
  std::string name = argv[0];
  name = name.substr(name.rfind('/') + 1);
  int answer = 1;
  {
    P program("CasinoBusTest " + name);
    if (Script(program, name)) answer = 0;
  }
  if (std::FILE* f = std::fopen("result.txt", "w")) {
    std::fprintf(f, "%s\n", answer == 0 ? "ok" : gFailure.c_str());
    std::fclose(f);
  }
  plat::ShutdownBackend();
  return answer;
}
