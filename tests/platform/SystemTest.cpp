#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/include/plat/system.h"
#include "tests/support/TempFolderFixture.h"

namespace {

// Each test runs in a fresh folder of its own.
class Files : public TempFolderTest {
 protected:
  static void Write(const char* name, const char* text) {
    std::FILE* f = std::fopen(name, "wb");
    ASSERT_NE(f, nullptr) << name;
    std::fputs(text, f);
    std::fclose(f);
  }
  static std::string Read(std::FILE* f) {
    std::string s;
    char buf[256];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
  }
  std::string Resolved(const char* name) {
    char out[512];
    EXPECT_EQ(plat::ResolvePath(name, out, sizeof out), plat::TRUE);
    return out;
  }
};

TEST_F(Files, BackslashNamesFindFilesIgnoringCase) {
  ASSERT_EQ(mkdir("res", 0755), 0);
  Write("res/btndata.dat", "hit map");
  EXPECT_EQ(Resolved("res\\BtnData.dat"), "res/btndata.dat");
  std::FILE* f = plat::OpenFile("res\\BtnData.dat", "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(Read(f), "hit map");
  EXPECT_TRUE(plat::FileExists("RES/BTNDATA.DAT"));
  EXPECT_FALSE(plat::FileExists("res\\other.dat"));
}

TEST_F(Files, AnExactMatchWinsOverOneIgnoringCase) {
  Write("Data.dat", "upper");
  Write("data.dat", "lower");
  EXPECT_EQ(Resolved("data.dat"), "data.dat");
  EXPECT_EQ(Resolved("Data.dat"), "Data.dat");
  EXPECT_EQ(Resolved("DATA.dat"), "Data.dat");  // the first in byte order
}

TEST_F(Files, ANewFileGoesIntoTheExistingFolderIgnoringCase) {
  ASSERT_EQ(mkdir("Logs", 0755), 0);
  std::FILE* f = plat::OpenFile("logs\\new.txt", "w");
  ASSERT_NE(f, nullptr);
  std::fputs("x", f);
  std::fclose(f);
  struct stat st;
  EXPECT_EQ(stat("Logs/new.txt", &st), 0);
  EXPECT_EQ(Resolved("logs\\new.txt"), "Logs/new.txt");
}

TEST_F(Files, ParentFoldersAndDrivePrefixes) {
  ASSERT_EQ(mkdir("games", 0755), 0);
  ASSERT_EQ(mkdir("games/craps", 0755), 0);
  Write("Casino.cfg", "cfg");
  ASSERT_EQ(chdir("games/craps"), 0);
  EXPECT_EQ(Resolved("..\\..\\casino.CFG"), "../../Casino.cfg");
  EXPECT_TRUE(plat::FileExists("..\\..\\Casino.cfg"));
  EXPECT_EQ(Resolved("C:\\tmp"), "/tmp");
  EXPECT_EQ(Resolved("c:/TMP"), "/tmp");
}

TEST_F(Files, AMissingFolderKeepsTheRestAsWritten) {
  ASSERT_EQ(mkdir("Logs", 0755), 0);
  Write("Logs/day.txt", "x");
  EXPECT_EQ(Resolved("logs\\Missing\\DAY.txt"), "Logs/Missing/DAY.txt");
  EXPECT_EQ(Resolved("Nowhere\\logs\\day.txt"), "Nowhere/logs/day.txt");
  EXPECT_FALSE(plat::FileExists("logs\\Missing\\day.txt"));
}

TEST_F(Files, RepeatedSeparatorsAndFolderPartsResolve) {
  ASSERT_EQ(mkdir("res", 0755), 0);
  Write("res/btndata.dat", "hit map");
  EXPECT_EQ(Resolved(".\\\\RES//BTNDATA.dat"), "./res/btndata.dat");
  EXPECT_EQ(Resolved("res\\..\\res\\BtnData.dat"), "res/../res/btndata.dat");
  EXPECT_EQ(Resolved("C:res\\BtnData.dat"), "res/btndata.dat");
  EXPECT_EQ(Resolved("C:"), ".");
  EXPECT_EQ(Resolved("\\"), "/");
}

TEST_F(Files, ResolveRefusesASmallBuffer) {
  char out[4];
  EXPECT_EQ(plat::ResolvePath("abcdef", out, sizeof out), plat::FALSE);
  EXPECT_EQ(plat::ResolvePath(nullptr, out, sizeof out), plat::FALSE);
  EXPECT_EQ(plat::ResolvePath("a", nullptr, 10), plat::FALSE);
}

TEST_F(Files, DeleteAndMoveReplace) {
  Write("old.tmp", "new contents");
  Write("Target.dat", "old contents");
  EXPECT_TRUE(plat::MoveFileReplace("OLD.tmp", "target.dat"));
  EXPECT_FALSE(plat::FileExists("old.tmp"));
  EXPECT_EQ(Read(plat::OpenFile("Target.dat", "rb")), "new contents");
  EXPECT_TRUE(plat::DeleteFile("TARGET.DAT"));
  EXPECT_FALSE(plat::FileExists("Target.dat"));
  EXPECT_FALSE(plat::DeleteFile("Target.dat"));
  EXPECT_FALSE(plat::DeleteFile(nullptr));
  EXPECT_FALSE(plat::MoveFileReplace("missing", "other"));
  EXPECT_EQ(plat::OpenFile(nullptr, "rb"), nullptr);
  EXPECT_EQ(plat::OpenFile("missing.dat", "rb"), nullptr);
}

TEST_F(Files, SettingsFileValues) {
  Write("ORVANTA.INI",
        "; comment\r\n[Other]\r\nPATH=wrong\r\n[Orvanta]\r\n  path = C:\\casino\\  \r\nEmpty=\r\nQuoted=\"a b\"\r\n");
  char buf[64];
  EXPECT_EQ(plat::GetPrivateProfileString("orvanta", "PATH", "dflt", buf, sizeof buf, "orvanta.ini"), 10u);
  EXPECT_STREQ(buf, "C:\\casino\\");
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "Empty", "dflt", buf, sizeof buf, "ORVANTA.INI"), 0u);
  EXPECT_STREQ(buf, "");
  plat::GetPrivateProfileString("Orvanta", "Quoted", "", buf, sizeof buf, "ORVANTA.INI");
  EXPECT_STREQ(buf, "a b");
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "Missing", "dflt", buf, sizeof buf, "ORVANTA.INI"), 4u);
  EXPECT_STREQ(buf, "dflt");
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "PATH", "dflt", buf, sizeof buf, "none.ini"), 4u);
  EXPECT_STREQ(buf, "dflt");
  // Cut to the buffer, always terminated.
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "PATH", "", buf, 5, "ORVANTA.INI"), 4u);
  EXPECT_STREQ(buf, "C:\\c");
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "PATH", "", nullptr, 5, "ORVANTA.INI"), 0u);
}

TEST_F(Files, SettingsFileKeysOnlyCountInTheirSection) {
  Write("game.ini",
        "Path=before any section\n[Other]\nPath=other\n"
        "[orvanta]\nnot a key line\nPath='first'\nPath=second\n");
  char buf[64];
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "PATH", "dflt", buf, sizeof buf, "game.ini"), 5u);
  EXPECT_STREQ(buf, "first");
  EXPECT_EQ(plat::GetPrivateProfileString("Other", "path", "dflt", buf, sizeof buf, "game.ini"), 5u);
  EXPECT_STREQ(buf, "other");
  EXPECT_EQ(plat::GetPrivateProfileString("Orvanta", "not a key line", "  dflt  ", buf, sizeof buf, "game.ini"), 4u);
  EXPECT_STREQ(buf, "dflt");
}

TEST(Environment, VariablesAndTheTemporaryFolder) {
  char buf[256];
  setenv("PLAT_TEST_VAR", "value", 1);
  EXPECT_EQ(plat::GetEnvironmentVariable("PLAT_TEST_VAR", buf, sizeof buf), 5u);
  EXPECT_STREQ(buf, "value");
  EXPECT_EQ(plat::GetEnvironmentVariable("PLAT_TEST_VAR", buf, 3), 6u);  // the size needed
  unsetenv("PLAT_TEST_VAR");
  EXPECT_EQ(plat::GetEnvironmentVariable("PLAT_TEST_VAR", buf, sizeof buf), 0u);

  const char* oldTemp = std::getenv("TEMP");
  std::string saved = oldTemp ? oldTemp : "";
  unsetenv("TEMP");
  ASSERT_GT(plat::GetEnvironmentVariable("TEMP", buf, sizeof buf), 0u);
  struct stat st;
  EXPECT_EQ(stat(buf, &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  if (oldTemp) setenv("TEMP", saved.c_str(), 1);
}

TEST(SystemInformation, AnswersSensibleValues) {
  plat::SYSTEM_INFO si{};
  plat::GetSystemInfo(&si);
  EXPECT_GE(si.dwNumberOfProcessors, 1u);
  plat::MEMORYSTATUS ms{};
  plat::GlobalMemoryStatus(&ms);
  EXPECT_GT(ms.dwTotalPhys, 0u);
  EXPECT_LE(ms.dwAvailPhys, ms.dwTotalPhys);
  plat::OSVERSIONINFO v{};
  EXPECT_TRUE(plat::GetVersionEx(&v));
  EXPECT_EQ(v.dwPlatformId, plat::VER_PLATFORM_WIN32_NT);
  EXPECT_FALSE(plat::GetVersionEx(nullptr));
  plat::GetSystemInfo(nullptr);
  plat::GlobalMemoryStatus(nullptr);
}

}  // namespace
