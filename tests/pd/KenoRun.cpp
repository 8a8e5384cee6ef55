#include "tests/pd/KenoRun.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoProgram.h"
#include "pd/art/KenoSheet.h"
#include "platform/include/plat/headless.h"
#include "tests/support/QueuedDraws.h"

namespace {

const artwork::IndexedImage& Picture() {
  static const artwork::IndexedImage picture = [] {
    artwork::IndexedImage image;
    artwork::RenderPicture(pd::art::KenoSheet(), image);
    return image;
  }();
  return picture;
}

}  // namespace

KenoRun::KenoRun(int animations) : program_(pd::kKenoGame) {
  plat::headless::Reset();
  ClearDraws();
  if (!folder_.Make("games/keno") || !artwork::WriteSheet(folder_.Path(), pd::art::KenoSheet()) ||
      !folder_.Enter("games/keno")) {
    std::abort();
  }
  std::error_code error;
  std::filesystem::remove_all(folder_.Path() + "/games/wav", error);
  // maximised 0, animations, sound effects 1, music 0, reserved 0
  const char cfg[10] = {0, 0, static_cast<char>(animations), 0, 1, 0, 0, 0, 0, 0};
  WriteFile("../../Casino.cfg", std::string(cfg, sizeof cfg));
  ScriptedMainClient& mainClient = StartScriptedMainClient();
  mainClient.onConnect = [this, &mainClient] {
    CPlayerRecord record;
    record.SetName("Tester");
    record.SetText("Player");
    record.SetMoney(startMoney);
    mainClient.SendRecord(record);
  };
  program_.script.everyIdle = [] {
    if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
    game::SetServerRandomSource(DrawQueued);
  };
}

KenoRun::~KenoRun() = default;

void KenoRun::QueueNumbers(const std::vector<int>& numbers) {
  for (int n : numbers) QueueDraw(n - 1);
}

void KenoRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void KenoRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int KenoRun::Run() {
  if (tamper) {
    TheScriptedMainClient().filter = [this](int channel, std::string& text) {
      tamper(channel, text);
      return static_cast<int>(kRelayPass);
    };
  }
  const int code = program_.Run();
  packets = TheScriptedMainClient().Taken();
  return code;
}

int KenoRun::Sent(int channel, const std::string& piece) const {
  for (const RelayedPacket& p : packets) {
    if (p.channel == channel && p.text.find(piece) != std::string::npos) return 1;
  }
  return 0;
}

pd::KenoClientRecord* KenoRun::Record() { return pd::KenoClientHooks::Current(); }

std::function<bool()> KenoRun::AfterFrames(int frames) {
  auto start = std::make_shared<plat::DWORD>(0);
  auto started = std::make_shared<bool>(false);
  return [=] {
    if (!*started) {
      *started = true;
      *start = plat::headless::Now();
    }
    return plat::headless::Now() - *start >= static_cast<plat::DWORD>(20 * frames + 2);
  };
}

bool KenoRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void KenoRun::ClickButton(int button) {
  const ButtonEntry& b = pd::kKenoButtonTable[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

void KenoRun::ClickNumber(int number) { ClickButton(pd::kButtonCell1 + number - 1); }

plat::COLORREF KenoRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF KenoRun::PictureColour(int x, int y) {
  const artwork::Rgb c = Picture().palette[Picture().At(x, y)];
  return plat::RGB(c.r, c.g, c.b);
}

std::vector<int> DrawHitting(const std::vector<int>& picks, int hits) {
  std::vector<int> draw(picks.begin(), picks.begin() + hits);
  for (int n = 1; static_cast<int>(draw.size()) < 20; ++n) {
    if (std::find(picks.begin(), picks.end(), n) == picks.end()) draw.push_back(n);
  }
  return draw;
}
