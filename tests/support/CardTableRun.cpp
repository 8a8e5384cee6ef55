#include "tests/support/CardTableRun.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "artwork/Generator.h"
#include "framework/link/PlayerRecord.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"

namespace {

artwork::IndexedImage gSheetPicture;
const artwork::Sheet* gPictureSheet = nullptr;

}  // namespace

CCardTableRun::CCardTableRun(const GameDefinition& game, const artwork::Sheet& sheet, const char* program,
                             game::RandomSource draw)
    : program_(game) {
  plat::headless::Reset();
  const std::string folder = std::string("games/") + program;
  if (!folder_.Make(folder) || !artwork::WriteSheet(folder_.Path(), sheet) || !folder_.Enter(folder)) std::abort();
  std::error_code error;
  std::filesystem::remove_all(folder_.Path() + "/games/wav", error);
  ScriptedMainClient& mainClient = StartScriptedMainClient();
  mainClient.onConnect = [this] {
    if (sendRecord) SendPlayerRecord();
  };
  program_.script.everyIdle = [draw] {
    if (gMainWindow != nullptr && !gActive) plat::headless::SetAppActive(plat::TRUE);
    game::SetServerRandomSource(draw);
  };
}

CCardTableRun::~CCardTableRun() = default;

void CCardTableRun::SendPlayerRecord() const {
  CPlayerRecord record;
  record.SetName(playerName.c_str());
  record.SetText(playerText.c_str());
  record.SetMoney(startMoney);
  TheScriptedMainClient().SendRecord(record);
}

void CCardTableRun::When(std::function<bool()> condition, std::function<void()> action) {
  program_.script.When(std::move(condition), std::move(action));
}

void CCardTableRun::Then(std::function<void()> action) { program_.script.Then(std::move(action)); }

int CCardTableRun::Run() {
  const int code = program_.Run();
  ScriptedMainClient& mainClient = TheScriptedMainClient();
  packets = mainClient.Taken();
  handBacks = mainClient.handBacks;
  return code;
}

void CCardTableRun::Click(const ButtonEntry& b) {
  plat::headless::Click(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

void CCardTableRun::RightClick(const ButtonEntry& b) {
  plat::headless::RightClick(gMainWindow, gOffsetX + b.x + b.width / 2, gOffsetY + b.y + b.height / 2);
}

void CCardTableRun::PointAt(const ButtonEntry& b) {
  plat::headless::PostMouse(gMainWindow, plat::WM_MOUSEMOVE, gOffsetX + b.x + b.width / 2,
                            gOffsetY + b.y + b.height / 2, 0);
}

std::function<bool()> CCardTableRun::AfterFrames(int frames) {
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

plat::COLORREF CCardTableRun::ScreenPixel(int x, int y) {
  return plat::headless::Pixel(gMainWindow, gOffsetX + x, gOffsetY + y);
}

plat::COLORREF CCardTableRun::SheetColour(const artwork::Sheet& sheet, int x, int y) {
  if (gPictureSheet != &sheet) {
    artwork::RenderPicture(sheet, gSheetPicture);
    gPictureSheet = &sheet;
  }
  const artwork::Rgb c = gSheetPicture.palette[gSheetPicture.At(x, y)];
  return plat::RGB(c.r, c.g, c.b);
}

bool CCardTableRun::ShowsSheet(const artwork::Sheet& sheet, int x, int y, int width, int height) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      if (ScreenPixel(column, row) != SheetColour(sheet, column, row)) return false;
    }
  }
  return true;
}
