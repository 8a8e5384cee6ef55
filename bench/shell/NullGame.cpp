#include "bench/shell/NullGame.h"

#include <sys/stat.h>

#include <chrono>

#include "artwork/BitmapWriter.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "framework/link/PlaybackServer.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "platform/include/plat/window.h"

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point gStopAt;
bool gStopSet = false;
long gFrames = 0;
int gRecord = 0;

ButtonEntry gButtons[2] = {
    {kButtonHitOnly, 0, 0, {{-1, -1}, {-1, -1}, {-1, -1}}, 0, 0, 0, 0, -1},
    {kButtonHitOnly, 0, 467, {{-1, -1}, {-1, -1}, {-1, -1}}, 640, 13, 1, 0, -1},
};
constexpr plat::ACCEL kAccelerators[] = {{plat::FVIRTKEY, plat::VK_F1, 104}};

void LoadGameConfig() { ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared); }
int CreateWorkBitmaps() { return 1; }
int RemapBitmaps() { return gPicture.RemapToPalette(gScreen.Palette().Handle()); }
void* CreateRecord() { return &gRecord; }
void* ServerInit(const char*) { return &gRecord; }
void FreeRecord(void*) {}
int ClientRun(void*, CComm&, int) {
  ++gFrames;
  return gStopSet && Clock::now() >= gStopAt ? -1 : 0;
}
int ServerRun(void*, CComm&, int) { return 0; }
int ServerPlayback(CComm& comm, void* record, int userId) {
  gPacketPlaybackServer.Step(comm, record, userId, "NL");
  return 0;
}
void HandleButtonInput(int, int, plat::UINT, plat::WPARAM, int) {}
plat::LRESULT WndProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  plat::LRESULT answer = 0;
  if (HandleShellMessage(hwnd, msg, wParam, lParam, &answer)) return answer;
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

GameDefinition MakeDefinition() {
  GameDefinition g;
  g.name = "NullGame";
  g.code = "NL";
  g.buttons = gButtons;
  g.buttonCount = 2;
  g.accelerators = kAccelerators;
  g.acceleratorCount = 1;
  g.LoadGameConfig = LoadGameConfig;
  g.CreateWorkBitmaps = CreateWorkBitmaps;
  g.RemapBitmaps = RemapBitmaps;
  g.CreateClientRecord = CreateRecord;
  g.DestroyClientRecord = FreeRecord;
  g.ClientRun = ClientRun;
  g.ServerInit = ServerInit;
  g.ServerFree = FreeRecord;
  g.GameServerRun = ServerRun;
  g.GameServerPlayback = ServerPlayback;
  g.HandleButtonInput = HandleButtonInput;
  g.MainWndProc = WndProc;
  return g;
}

plat::LRESULT MainClientProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam,
                             plat::LPARAM lParam) {
  static plat::UINT single = plat::RegisterWindowMessage(kSingleMessageName);
  if (msg == single && wParam == kSingleConnect) return 1;
  if (msg == single && wParam == kSingleAlive) return kAliveAnswer;
  if (msg == plat::WM_COPYDATA) return 1;
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

const GameDefinition& NullGameDefinition() {
  static GameDefinition definition = MakeDefinition();
  return definition;
}

void NullGameStopAfter(double seconds) {
  gStopSet = seconds > 0;
  gStopAt = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                               std::chrono::duration<double>(seconds));
  gFrames = 0;
}

long NullGameFrames() { return gFrames; }

void StartNullMainClient() {
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = MainClientProc;
  wc.lpszClassName = kMainClientClassName;
  plat::RegisterClass(&wc);
  plat::CreateWindow(kMainClientClassName, "main client", plat::WS_OVERLAPPEDWINDOW, 0, 0, 200,
                     100, nullptr, 0, nullptr, nullptr);
}

int WriteNullArtwork() {
  artwork::IndexedImage picture;
  picture.Resize(640, 480, 1);
  for (int i = 0; i < 256; ++i) {
    picture.palette[i] = artwork::Rgb{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                                      static_cast<std::uint8_t>(i)};
  }
  artwork::IndexedImage hits;
  hits.Resize(320, 240, 0);
  ::mkdir("res", 0755);
  return artwork::WritePictureFile("res/Data.dat", picture) &&
         artwork::WriteHitMapFile("res/Btndata.dat", hits);
}
