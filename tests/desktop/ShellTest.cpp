// Opening a page with the desktop's handler; a stand-in xdg-open records
// what it was asked to open.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/desktop/TestSupport.h"
#include "platform/include/plat/plat.h"

using namespace plat;

namespace {

struct ShellTest : testing::Test {
  void SetUp() override {
    folder = desktop_test::MakeTempFolder("shell");
    ASSERT_FALSE(folder.empty());
    tools = folder + "/bin";
    ASSERT_EQ(std::system(("mkdir -p " + tools + " " + folder + "/help").c_str()), 0);
    std::ofstream(tools + "/xdg-open") << "#!/bin/sh\necho \"$1\" > \"" << folder << "/opened\"\n";
    ASSERT_EQ(std::system(("chmod +x " + tools + "/xdg-open").c_str()), 0);
    std::ofstream(folder + "/help/dq.htm") << "<html></html>\n";
    const char* path = std::getenv("PATH");
    savedPath = path ? path : "";
  }
  void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }
  std::string Opened() {
    std::string text;
    desktop_test::PumpUntil([&] {
      std::ifstream in(folder + "/opened");
      std::stringstream s;
      s << in.rdbuf();
      text = s.str();
      return !text.empty();
    });
    return text;
  }
  std::string folder, tools, savedPath;
};

TEST_F(ShellTest, AFileIsOpenedByTheDesktopHandler) {
  setenv("PATH", (tools + ":" + savedPath).c_str(), 1);
  // A Windows-style relative name, in another case.
  const INT_PTR r = ShellExecute(nullptr, "open", "HELP\\DQ.htm", nullptr, folder.c_str(), SW_SHOWNORMAL);
  EXPECT_GT(r, 32);
  EXPECT_EQ(Opened(), "file://" + folder + "/help/dq.htm\n");
}

TEST_F(ShellTest, AddressesPassAsTheyAre) {
  setenv("PATH", (tools + ":" + savedPath).c_str(), 1);
  EXPECT_GT(ShellExecute(nullptr, "open", "https://casino.invalid/help", nullptr, ".", SW_SHOW), 32);
  EXPECT_EQ(Opened(), "https://casino.invalid/help\n");
}

TEST_F(ShellTest, MissingFilesAndMissingHandlersAreReported) {
  setenv("PATH", (tools + ":" + savedPath).c_str(), 1);
  EXPECT_EQ(ShellExecute(nullptr, "open", "help\\none.htm", nullptr, folder.c_str(), SW_SHOW), 2);
  EXPECT_EQ(ShellExecute(nullptr, "open", "Error: Can't find orvanta.inihelp\\dq.htm", nullptr, ".", SW_SHOW), 2);
  EXPECT_EQ(ShellExecute(nullptr, "print", "help\\dq.htm", nullptr, folder.c_str(), SW_SHOW), 31);
  setenv("PATH", folder.c_str(), 1);  // no xdg-open there
  EXPECT_EQ(ShellExecute(nullptr, "open", "help\\dq.htm", nullptr, folder.c_str(), SW_SHOW), 31);
  EXPECT_TRUE(WinHelp(nullptr, "..\\..\\Orvanta.hlp", HELP_QUIT, 0));
}

}  // namespace
