#include "tests/support/TemplateGame.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "artwork/BitmapWriter.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/GameHooks.h"
#include "framework/shell/Money.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/PlaybackServer.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "platform/include/plat/time.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

ToyScript gToyScript;
CDib gToyStrip;
char gToyTickerText[kTickerTextSize];
std::uint16_t gToySettings[2];

namespace {

ButtonEntry Row(int kind, int x, int y, ButtonSource s0, ButtonSource s1, ButtonSource s2, int w,
                int h, int enabled) {
  return ButtonEntry{kind, x, y, {s0, s1, s2}, w, h, enabled, 0, -1};
}

constexpr ButtonSource kNone{-1, -1};

ButtonEntry gToyButtons[kToyButtons];

void FillButtons() {
  gToyButtons[0] = Row(kButtonHitOnly, 0, 0, kNone, kNone, kNone, 0, 0, 0);
  gToyButtons[1] = Row(kButtonHitOnly, 0, 467, kNone, kNone, kNone, 640, 13, 1);
  for (int i = 2; i <= 4; ++i) gToyButtons[i] = Row(kButtonHitOnly, 0, 0, kNone, kNone, kNone, 0, 0, 0);
  for (int i = 0; i < 5; ++i) {
    gToyButtons[5 + i] = Row(kButtonOpaque, 20 + 40 * i, 300, kNone, {32 * i, 500}, {32 * i, 530},
                             32, 24, 0);
  }
  gToyButtons[kToyGoButton] =
      Row(kButtonTransparent, 300, 400, {200, 480}, {240, 480}, {280, 480}, 40, 20, 1);
  gToyButtons[11] = Row(kButtonHitOnly, 400, 300, kNone, kNone, kNone, 60, 40, 1);
}

const std::int16_t* ToyFont() {
  static std::int16_t font[kGlyphTableWords];
  font[0] = kToyFontHeight;
  font[1] = kToyTransparent;
  for (int c = kFirstGlyph; c <= kLastGlyph; ++c) {
    std::int16_t* g = &font[2 + 3 * (c - kFirstGlyph)];
    g[0] = static_cast<std::int16_t>((c - kFirstGlyph) * 6);
    g[1] = kToyFontY;
    g[2] = 5;
  }
  return font;
}

constexpr plat::ACCEL kToyAccelerators[] = {{plat::FVIRTKEY, plat::VK_F1, 104}};

// ---- Hooks ----

void LoadGameConfig() {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  gToySettings[0] = 1;
  gToySettings[1] = 7;
  if (std::FILE* f = plat::OpenFile(kToySettingsFile, "r")) {
    std::fread(gToySettings, 1, sizeof(gToySettings), f);
    std::fclose(f);
  }
}

int CreateWorkBitmaps() {
  if (gToyScript.failWorkBitmaps) return 0;
  return gToyStrip.Create(145, 17);
}

void FreeWorkBitmaps() { gToyStrip.Free(); }

int RemapBitmaps() {
  if (!gPicture.RemapToPalette(gScreen.Palette().Handle())) return 0;
  gTransparentIndex = kToyTransparent;
  gToyStrip.Fill(0, 0, gToyStrip.Width(), gToyStrip.Height(), kToyTransparent);
  return 1;
}

using ToyHooks = CClientHooks<ToyClientRecord>;

ToyClientRecord* CreateClientRecord() {
  ++gToyScript.clientRecordsMade;
  return new ToyClientRecord();
}

void DestroyClientRecord(ToyClientRecord* c) {
  gToyScript.lastClient = *c;
  ++gToyScript.clientRecordsFreed;
  delete c;
}

int ClientRun(ToyClientRecord* c, CComm& comm, int) {
  ++c->frames;
  c->frameTimes.push_back(plat::timeGetTime());
  if (gToyScript.frameLimit > 0 && c->frames > gToyScript.frameLimit) return -1;
  if (gToyScript.onClientFrame) gToyScript.onClientFrame(*c);
  if (gToyScript.endRun) return -1;
  comm.PollTransport();
  switch (c->state) {
    case 0:
      if (comm.IsSendFree() && comm.BeginPacket()) {
        comm.AddCommand("CLIENTINIT");
        c->state = 1;
      }
      break;
    case 1:
    case 4:
      if (comm.SendPacket()) ++c->state;
      break;
    case 2:
      if (!comm.IsReceived()) break;
      comm.RewindReceived();
      if (comm.IsCommand("CLIENTINITANSWER")) {
        comm.RewindReceived();
        if (comm.FindNextTag("MONEY")) c->money = std::atof(comm.TagValue());
        ++c->answers;
        c->bettingOpen = 1;
        DrawMoney(c->money);
      }
      comm.ReleaseReceived();
      c->state = 3;
      break;
    case 3:
      if (c->quitRequest) return -1;
      if (c->goRequest && comm.IsSendFree() && comm.BeginPacket()) {
        c->goRequest = 0;
        comm.AddCommand("PLAY");
        comm.AddTag("BET");
        comm.SetTagValue("5");
        c->state = 4;
      }
      break;
    case 5:
      if (!comm.IsReceived()) break;
      comm.RewindReceived();
      if (comm.IsCommand("PLAYANSWER")) {
        comm.RewindReceived();
        if (comm.FindNextTag("RESULT")) c->lastResult = comm.TagValue();
        ++c->answers;
      }
      comm.ReleaseReceived();
      c->state = 3;
      break;
    default:
      break;
  }
  return 0;
}

void* ServerInit(const char*) { return new ToyServerRecord(); }

void ServerFree(void* record) {
  auto* s = static_cast<ToyServerRecord*>(record);
  gToyScript.lastServer = *s;
  ++gToyScript.serverRecordsFreed;
  delete s;
}

int GameServerRun(void* record, CComm& comm, int) {
  auto* s = static_cast<ToyServerRecord*>(record);
  comm.PollTransport();
  if (comm.sendAllocated == kSendBuilding) {
    comm.SendPacket();
    return 0;
  }
  if (!comm.IsReceived() || !comm.IsSendFree()) return 0;
  ++s->packets;
  comm.RewindReceived();
  comm.FindNextTag("command");
  s->lastCommand = comm.TagValue() ? comm.TagValue() : "";
  comm.RewindReceived();
  if (comm.FindNextTag("BET")) s->lastBet = comm.TagValue();
  comm.RewindReceived();
  if (comm.FindNextTag("BTN")) s->lastBtn = comm.TagValue();
  comm.BeginPacket();
  comm.AnswerCommand();
  comm.AddAnswer("ok");
  char money[64];
  std::snprintf(money, sizeof(money), "%f", gToyScript.serverMoney);
  comm.AddTag(s->lastCommand == "PLAY" ? "RESULT" : "MONEY");
  comm.SetTagValue(s->lastCommand == "PLAY" ? "won" : money);
  comm.ReleaseReceived();
  comm.SendPacket();
  return 0;
}

int GameServerPlayback(CComm& comm, void* record, int userId) {
  gPacketPlaybackServer.Step(comm, record, userId, "TY");
  return 0;
}

int GameServerLoad(void*, int, const char*) { return -1; }

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM, int button) {
  ToyClientRecord* c = ToyClient();
  if (!c) return;
  if (button == -1) {
    if (message != plat::WM_LBUTTONUP) return;
    button = ButtonAt(x, y);
  }
  c->presses.push_back(button);
  if (button == kToyGoButton && IsButtonEnabled(button)) {
    c->goRequest = 1;
    gBtnLogClient.Add(button, c->frames);
  }
}

plat::LRESULT MainWndProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam,
                          plat::LPARAM lParam) {
  plat::LRESULT answer = 0;
  if (HandleShellMessage(hwnd, msg, wParam, lParam, &answer)) return answer;
  if (msg == plat::WM_CLOSE) {
    if (ToyClientRecord* c = ToyClient()) c->quitRequest = 1;
    return 0;
  }
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

std::uint16_t* VoiceSwitch() { return &gToySettings[0]; }

int BettingOpen() {
  ToyClientRecord* c = ToyClient();
  return c ? c->bettingOpen : 0;
}

GameDefinition MakeDefinition() {
  GameDefinition g;
  g.name = kToyName;
  g.code = "TY";
  g.settingsFile = kToySettingsFile;
  g.settings = gToySettings;
  g.settingsSize = sizeof(gToySettings);
  g.musicFile = "../midi/toy.mid";
  g.alivePeriod = 3000;
  g.layout = kToyScreenLayout;
  g.ranges = kToyButtonRanges;
  g.smallFont = ToyFont();
  g.buttons = gToyButtons;
  g.buttonCount = kToyButtons;
  g.accelerators = kToyAccelerators;
  g.acceleratorCount = 1;
  g.LoadGameConfig = LoadGameConfig;
  g.CreateWorkBitmaps = CreateWorkBitmaps;
  g.FreeWorkBitmaps = FreeWorkBitmaps;
  g.RemapBitmaps = RemapBitmaps;
  g.CreateClientRecord = ToyHooks::CreateHook<CreateClientRecord>;
  g.DestroyClientRecord = ToyHooks::DestroyHook<DestroyClientRecord>;
  g.ClientRun = ToyHooks::RunHook<ClientRun>;
  g.ServerInit = ServerInit;
  g.ServerFree = ServerFree;
  g.GameServerRun = GameServerRun;
  g.GameServerPlayback = GameServerPlayback;
  g.GameServerLoad = GameServerLoad;
  g.HandleButtonInput = HandleButtonInput;
  g.MainWndProc = MainWndProc;
  g.VoiceSwitch = VoiceSwitch;
  g.BettingOpen = BettingOpen;
  return g;
}

}  // namespace

const ScreenLayout kToyScreenLayout{
    .statusX = 6, .statusY = 467, .statusWidth = 580, .statusHeight = 13,
    .userX = 590, .userY = 467, .userWidth = 50, .userHeight = 13,
    .moneyX = 18, .moneyY = 434, .moneyWidth = 80, .moneyHeight = 13,
    .lagX = 0, .lagY = 458, .lagWidth = 41, .lagHeight = 7,
    .lagSourceX = 302, .lagSourceY = 598,
    .tickerX = 336, .tickerY = 26,
    .tickerOnX = 301, .tickerOnY = 276,
    .tickerOffX = 344, .tickerOffY = 28,
};
const ButtonRanges kToyButtonRanges{
    .firstChipRow = 5, .chipRowCount = 5, .firstBetRow = 5, .firstGameRow = kToyGoButton};

int ToyGlyphColour(char c) { return 100 + (c - kFirstGlyph); }
int ToyChipColour(int chip, int state) { return (state == 1 ? 20 : 30) + chip; }
int ToyGoColour(int state) { return 40 + state; }

const GameDefinition& ToyGameDefinition() {
  static GameDefinition definition = MakeDefinition();
  return definition;
}

void ResetToyGame() {
  gToyScript = ToyScript{};
  gToySettings[0] = 1;
  gToySettings[1] = 7;
  std::memset(gToyTickerText, 0, sizeof(gToyTickerText));
  gToyStrip.Free();
  FillButtons();
}

ToyClientRecord* ToyClient() { return ToyHooks::Current(); }

int WriteToyArtwork() {
  artwork::IndexedImage picture;
  picture.Resize(640, kToyPictureHeight, kToyBackground);
  for (int i = 0; i < 256; ++i) {
    picture.palette[i] = artwork::Rgb{static_cast<std::uint8_t>(i),
                                      static_cast<std::uint8_t>(255 - i),
                                      static_cast<std::uint8_t>((i * 37) & 0xFF)};
  }
  auto fill = [&picture](int x, int y, int w, int h, int colour) {
    for (int yy = y; yy < y + h; ++yy)
      for (int xx = x; xx < x + w; ++xx) picture.At(xx, yy) = static_cast<std::uint8_t>(colour);
  };
  picture.At(301, 276) = kToyTickerOn;
  picture.At(344, 28) = kToyTickerOff;
  for (int c = kFirstGlyph; c <= kLastGlyph; ++c) {
    fill((c - kFirstGlyph) * 6, kToyFontY, 5, kToyFontHeight,
         c == ' ' ? kToyTransparent : ToyGlyphColour(static_cast<char>(c)));
  }
  for (int i = 0; i < 5; ++i) {
    fill(32 * i, 500, 32, 24, ToyChipColour(i, 1));
    fill(32 * i, 530, 32, 24, ToyChipColour(i, 2));
  }
  for (int s = 0; s < 3; ++s) fill(200 + 40 * s, 480, 40, 20, ToyGoColour(s));
  fill(302, 598, 41, 7, kToyLagColour);

  artwork::IndexedImage hits;
  hits.Resize(320, 240, 0);
  FillButtons();
  for (int i = 1; i < kToyButtons; ++i) {
    const ButtonEntry& b = gToyButtons[i];
    for (int y = b.y / 2; y < (b.y + b.height) / 2; ++y)
      for (int x = b.x / 2; x < (b.x + b.width) / 2; ++x) hits.At(x, y) = static_cast<std::uint8_t>(i);
  }
  ::mkdir("res", 0755);
  return artwork::WritePictureFile("res/Data.dat", picture) &&
         artwork::WriteHitMapFile("res/Btndata.dat", hits);
}
