// The main client's files: the saved-game file it shares with the programs'
// readers and starting staged programs.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "framework/link/Db.h"
#include "tests/mainclient/MainClientFixture.h"
#include "mainclient/ProgramLauncher.h"
#include "mainclient/SavedGameFile.h"

namespace {

class FilesTest : public MainClientTest {
 protected:
  void SetUp() override {
    MainClientTest::SetUp();
    previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
  }
  void TearDown() override {
    std::filesystem::current_path(previous);
    MainClientTest::TearDown();
  }
  static std::string Read(int user, const char* game, const char* key, int index) {
    void* data = nullptr;
    std::uint32_t size = 0;
    if (dbRead(user, game, key, index, &data, &size) != 0) return "<missing>";
    std::string out(static_cast<const char*>(data), size);
    std::free(data);
    return out;
  }
  std::filesystem::path previous;
};

SavedRecord Text(const char* key, std::uint32_t index, const char* text) {
  return {key, index, std::vector<std::uint8_t>(text, text + std::strlen(text))};
}

TEST_F(FilesTest, ReplacingOneGamesRecordsKeepsEveryOtherUserAndGame) {
  ASSERT_EQ(dbWrite(1, "DQ", "OLD", 0, "old", 3), 0);
  ASSERT_EQ(dbWrite(2, "DQ", "MINE", 0, "user two", 8), 0);
  ASSERT_EQ(dbWrite(1, "KW", "MINE", 0, "pai gow", 7), 0);
  ASSERT_EQ(ReplaceSavedGame("db_savef", 1, "DQ", {Text("NEW", 0, "new"), Text("NEW", 1, "newer")}), 1);
  EXPECT_EQ(Read(1, "DQ", "OLD", 0), "<missing>");
  EXPECT_EQ(Read(1, "DQ", "NEW", 0), "new");
  EXPECT_EQ(Read(1, "DQ", "NEW", 1), "newer");
  EXPECT_EQ(Read(2, "DQ", "MINE", 0), "user two");
  EXPECT_EQ(Read(1, "KW", "MINE", 0), "pai gow");
  // The first record of user 1 now names the other game.
  char name[kDbNameSize];
  ASSERT_EQ(dbGetSavedGameName(1, name), 0);
  EXPECT_STREQ(name, "KW");
}

TEST_F(FilesTest, ARecordCutShortIsDroppedAndAnEmptyFileGoes) {
  ASSERT_EQ(dbWrite(1, "DQ", "KEEP", 0, "kept", 4), 0);
  {
    std::ofstream tail("db_savef", std::ios::binary | std::ios::app);
    tail.write("\x01\x00\x00\x00partial", 11);
  }
  ASSERT_EQ(ReplaceSavedGame("db_savef", 1, "SQ", {Text("X", 0, "x")}), 1);
  EXPECT_EQ(Read(1, "DQ", "KEEP", 0), "kept");
  EXPECT_EQ(Read(1, "SQ", "X", 0), "x");
  EXPECT_EQ(std::filesystem::file_size("db_savef"), 2 * (kDbRecordHeaderSize) + 4 + 1);
  EXPECT_EQ(HasSavedGame("db_savef", 1), 1);
  EXPECT_EQ(HasSavedGame("db_savef", 2), 0);
  ASSERT_EQ(ReplaceSavedGame("db_savef", 1, "DQ", {}), 1);
  ASSERT_EQ(ReplaceSavedGame("db_savef", 1, "SQ", {}), 1);
  EXPECT_FALSE(std::filesystem::exists("db_savef"));
  EXPECT_EQ(HasSavedGame("db_savef", 1), 0);
}

// A staged program that writes down how it was started.
void StageRecorder(const std::string& stage, const char* name) {
  const std::string dir = stage + "/games/" + name;
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/" + name;
  std::ofstream(path) << "#!/bin/sh\necho \"$@\" > started.txt\n";
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

std::string WaitForStart(CMainClient& client, const std::string& file) {
  // The program ends at once; the main client hears of it from the
  // process and stops expecting it.
  while (!client.Idle()) {
    plat::MSG msg;
    while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) plat::DispatchMessage(&msg);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

TEST_F(FilesTest, AProgramWithASavedGameWaitingIsStartedHidden) {
  StageRecorder(".", "toy");
  ASSERT_EQ(LaunchProgram(mainClient, ".", "toy"), 1);
  EXPECT_EQ(mainClient.Idle(), 0);
  EXPECT_EQ(WaitForStart(mainClient, "games/toy/started.txt"), "");

  std::filesystem::current_path("games/toy");
  ASSERT_EQ(dbWrite(1, "TY", "EXISTANCEFLAG", 0, "\x02\x00\x00\x00", 4), 0);
  std::filesystem::current_path("../..");
  ASSERT_EQ(LaunchProgram(mainClient, ".", "toy"), 1);
  EXPECT_EQ(WaitForStart(mainClient, "games/toy/started.txt"), kHiddenOption);
}

TEST_F(FilesTest, OnlyPlainProgramNamesAreStarted) {
  StagedProgram p;
  EXPECT_EQ(FindStagedProgram("stage", "craps", &p), 1);
  EXPECT_EQ(p.executable, "stage/games/craps/craps");
  EXPECT_EQ(p.folder, "stage/games/craps");
  for (const char* bad : {"", "../x", "a/b", "Craps", "-h"}) EXPECT_EQ(FindStagedProgram("stage", bad, &p), 0) << bad;
  EXPECT_EQ(LaunchProgram(mainClient, ".", "missing"), 0);
  EXPECT_EQ(mainClient.Idle(), 1);
}

}  // namespace
