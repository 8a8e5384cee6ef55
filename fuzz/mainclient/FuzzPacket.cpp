// Feeds garbage WM_COPYDATA and single messages to the main client, online,
// from a connected program whose saved game is being recorded, and checks
// that the saved-game file never holds a record cut short and that the
// cashier's requests move the online balance by their orders only.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "framework/link/Db.h"
#include "mainclient/MainClient.h"
#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr std::uintmax_t kSavedGamesKept = 256 * 1024;

struct Harness {
  TempFolder folder;  // removed after the main client has closed its files
  CMainClient mainClient;
  plat::HWND program = nullptr;
  plat::UINT singleMsg = 0;
  std::vector<std::uint8_t> nextRecord;  // the money the program reports when asked
};

Harness* gHarness = nullptr;

plat::LRESULT ProgramProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (gHarness && msg == gHarness->singleMsg && wParam == kSingleAskRecord && gHarness->nextRecord.size() >= 49) {
    const plat::COPYDATASTRUCT data{kDataPlayerRecord, 49, gHarness->nextRecord.data()};
    plat::SendMessage(gHarness->mainClient.Window(), plat::WM_COPYDATA, 0, reinterpret_cast<plat::LPARAM>(&data));
    return 0;
  }
  // Takes every packet, so the queues keep moving.
  if (msg == plat::WM_COPYDATA) return plat::TRUE;
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

Harness& Setup() {
  static Harness harness;
  if (gHarness) return harness;
  gHarness = &harness;
  plat::headless::Reset();
  if (harness.folder.Path().empty()) std::abort();
  if (!harness.mainClient.Create(harness.folder.Path() + "/account.db", "")) std::abort();
  harness.mainClient.GoOnline();
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = &ProgramProc;
  wc.lpszClassName = "FuzzProgram";
  plat::RegisterClass(&wc);
  harness.program = plat::CreateWindow("FuzzProgram", "", 0, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr);
  harness.singleMsg = plat::RegisterWindowMessage(kSingleMessageName);
  harness.mainClient.ExpectProgram("fuzz", harness.folder.Path(), 0);
  if (plat::SendMessage(harness.mainClient.Window(), harness.singleMsg, kSingleConnect,
                        plat::HandleToLParam(harness.program)) == 0) {
    std::abort();
  }
  return harness;
}

// Every byte of the file belongs to a whole record.
void CheckSavedGameFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return;
  // Read in blocks: the file holds about 130 KB of records, read after every
  // input; byte by byte the read took three quarters of the run.
  std::vector<std::uint8_t> bytes;
  std::uint8_t block[65536];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.insert(bytes.end(), block, block + got);
  std::fclose(f);
  std::size_t at = 0;
  while (bytes.size() - at >= kDbRecordHeaderSize) {
    DbRecordHeader head;
    DecodeDbRecordHeader(bytes.data() + at, &head);
    if (bytes.size() - at - kDbRecordHeaderSize < head.size) break;
    at += kDbRecordHeaderSize + head.size;
  }
  if (at != bytes.size()) __builtin_trap();
}

// A client-end packet with one of the cashier's commands and the fuzzer's
// tags after it, so the order checks are reached.
void SendCashierRequest(Harness& h, const std::uint8_t* bytes, std::size_t length) {
  static const char* const kCommands[] = {"DEPOSIT", "WITHDRAW", "GETCREDITCARDINFO", "REQUESTSECURITYCODE",
                                          "GETORDERLOG", "GETACCOUNTINFO"};
  std::string text = std::string("command=") + kCommands[length ? bytes[0] % 6 : 0] + "&";
  if (length > 1) text.append(reinterpret_cast<const char*>(bytes + 1), length - 1);
  const OnlineAccount& online = h.mainClient.OnlineFigures();
  const std::int64_t balance = online.balance;
  std::int64_t ordered = 0;
  const std::size_t before = online.orders.size();
  const plat::COPYDATASTRUCT copy{static_cast<std::uintptr_t>(kChannelClient),
                                  static_cast<plat::DWORD>(text.size() + 1), text.data()};
  plat::SendMessage(h.mainClient.Window(), plat::WM_COPYDATA, plat::HandleToWParam(h.program),
                    reinterpret_cast<plat::LPARAM>(&copy));
  h.mainClient.Flush();
  if (online.orders.size() > before + 1 || online.balance < 0) __builtin_trap();
  for (std::size_t i = before; i < online.orders.size(); ++i) ordered += online.orders[i].amount;
  if (online.balance != balance + ordered) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Harness& h = Setup();
  // Messages of [kind, sender, length, bytes...] until the input runs out.
  std::size_t at = 0;
  while (size - at >= 3) {
    const std::uint8_t kind = data[at];
    const std::uint8_t sender = data[at + 1];
    const std::size_t length = std::min<std::size_t>(data[at + 2] * 4u, size - at - 3);
    const std::uint8_t* bytes = data + at + 3;
    at += 3 + length;
    const plat::HWND from = sender & 1 ? h.program : nullptr;
    if (kind == 0xFE) {
      SendCashierRequest(h, bytes, length);
    } else if (kind == 0xFF) {
      h.nextRecord.assign(bytes, bytes + length);
    } else if (kind >= 0xF0) {
      plat::WPARAM code = length ? bytes[0] : 0;
      plat::SendMessage(h.mainClient.Window(), h.singleMsg, code, length > 1 ? bytes[1] : 0);
    } else {
      const plat::COPYDATASTRUCT copy{static_cast<std::uintptr_t>(kind % 6), static_cast<plat::DWORD>(length), bytes};
      plat::SendMessage(h.mainClient.Window(), plat::WM_COPYDATA, plat::HandleToWParam(from),
                        reinterpret_cast<plat::LPARAM>(&copy));
    }
    h.mainClient.Flush();
  }
  plat::MSG msg;
  while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) plat::DispatchMessage(&msg);
  const std::string savedGames = h.folder.Path() + "/db_savef";
  CheckSavedGameFile(savedGames);
  // Records under every game name the inputs made up pile up in the file,
  // and the walk above slowed the run as it grew. The main client opens the
  // file only while it replaces a game's records, so it can go between inputs.
  std::error_code error;
  if (std::filesystem::file_size(savedGames, error) > kSavedGamesKept && !error) std::remove(savedGames.c_str());
  return 0;
}
