// The main client and two scripted programs as separate processes on a
// session bus of their own (so tests running beside it cannot take the main
// client's name): the main client starts both from a staged tree, relays
// their sessions and keeps a saved game for each.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "framework/link/Db.h"
#include "framework/link/ServerRandom.h"
#include "tests/mainclient/BusProgram.h"
#include "tests/artwork/TempFolder.h"
#include "platform/include/plat/system.h"

namespace {

namespace fs = std::filesystem;

std::string ReadLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

TEST(MainClientOverTheBus, RelaysForTwoProgramsAndKeepsTheirSavedGames) {
  constexpr char kBusRunner[] = "/usr/bin/dbus-run-session";
  if (!std::getenv("DISPLAY") || !fs::exists(kBusRunner)) GTEST_SKIP() << "needs a display and dbus-run-session";
  TempFolder folder;
  const fs::path stage = fs::path(folder.Path()) / "stage";
  fs::create_directories(stage);
  fs::create_symlink(MAINCLIENT_BINARY, stage / "mainclient");
  for (const char* name : {"busa", "busb"}) {
    fs::create_directories(stage / "games" / name);
    fs::create_symlink(BUS_PROGRAM_BINARY, stage / "games" / name / name);
  }
  const std::string mainClient = (stage / "mainclient").string();
  const char* const arguments[] = {"--", mainClient.c_str(), "busa", "busb", nullptr};
  const plat::DWORD id = plat::StartProgram(kBusRunner, arguments, stage.c_str());
  ASSERT_NE(id, 0u);
  // Both programs end their scripts within seconds, then the main client ends.
  while (plat::IsProgramRunning(id)) std::this_thread::sleep_for(std::chrono::milliseconds(20));

  const fs::path previous = fs::current_path();
  for (const char* name : {"busa", "busb"}) {
    const fs::path dir = stage / "games" / name;
    EXPECT_EQ(ReadLine(dir / "result.txt"), "ok") << name;
    fs::current_path(dir);
    void* data = nullptr;
    std::uint32_t size = 0;
    ASSERT_EQ(dbRead(1, "BT", "BTDATA", 0, &data, &size), 0) << name;
    EXPECT_EQ(size, 32u);
    EXPECT_STREQ(static_cast<const char*>(data), "the server record of this round");
    std::free(data);
    ASSERT_EQ(dbRead(1, "BT", kKeyServerRandom, 0, &data, &size), 0) << name;
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(DbGetU32(data), kBusRandomState);
    std::free(data);
    ASSERT_EQ(dbRead(1, "BT", "BTNLOG", 0, &data, &size), 0) << name;
    int button = 0;
    std::memcpy(&button, data, 4);
    EXPECT_EQ(button, 7);
    std::free(data);
    fs::current_path(previous);
  }
}

}  // namespace
