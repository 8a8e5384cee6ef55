#include "tests/mz/VideoPokerRun.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerProgram.h"
#include "mz/art/VideoPokerSheet.h"
#include "platform/include/plat/headless.h"
#include "tests/support/QueuedDraws.h"

namespace {

const artwork::IndexedImage& Picture() {
  static const artwork::IndexedImage picture = [] {
    artwork::IndexedImage image;
    artwork::RenderPicture(mz::art::VideoPokerSheet(), image);
    return image;
  }();
  return picture;
}

}  // namespace

VideoPokerRun::VideoPokerRun(int animations) : program_(mz::kVideoPokerGame) {
  plat::headless::Reset();
  ClearDraws();
  if (!folder_.Make("games/videopoker") || !artwork::WriteSheet(folder_.Path(), mz::art::VideoPokerSheet()) ||
      !folder_.Enter("games/videopoker")) {
    std::abort();
  }
  std::error_code error;
  std::filesystem::remove_all(folder_.Path() + "/games/wav", error);
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

VideoPokerRun::~VideoPokerRun() = default;

void VideoPokerRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void VideoPokerRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int VideoPokerRun::Run() {
  const int code = program_.Run();
  packets = TheScriptedMainClient().Taken();
  return code;
}

mz::VideoPokerClientRecord* VideoPokerRun::Record() { return mz::VideoPokerClientHooks::Current(); }

std::function<bool()> VideoPokerRun::AfterFrames(int frames) {
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

bool VideoPokerRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void VideoPokerRun::ClickButton(int button) {
  const ButtonEntry& b = mz::kVideoPokerButtonTable[button];
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

plat::COLORREF VideoPokerRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF VideoPokerRun::PictureColour(int x, int y) {
  const artwork::Rgb c = Picture().palette[Picture().At(x, y)];
  return plat::RGB(c.r, c.g, c.b);
}
