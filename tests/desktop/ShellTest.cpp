// Opening a page with the desktop's handler; a stand-in xdg-open records
// what it was asked to open.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "tests/desktop/TestSupport.h"
#include "tests/support/TempFolder.h"
#include "platform/include/plat/plat.h"

using namespace plat;

namespace {

struct ShellTest : testing::Test {
  void SetUp() override {
    ASSERT_EQ(temp.Make("bin"), 1);
    ASSERT_EQ(temp.Make("help"), 1);
    folder = temp.Path();
    tools = folder + "/bin";
    const std::string handler = tools + "/xdg-open";
    ASSERT_EQ(WriteFile(handler, "#!/bin/sh\necho \"$1\" > \"" + folder + "/opened\"\n"), 1);
    std::error_code error;
    std::filesystem::permissions(handler, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add, error);
    ASSERT_FALSE(error) << error.message();
    ASSERT_EQ(WriteFile(folder + "/help/dq.htm", "<html></html>\n"), 1);
    const char* path = std::getenv("PATH");
    savedPath = path ? path : "";
  }
  void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }
  std::string Opened() {
    std::string text;
    desktop_test::PumpUntil([&] {
      text = ReadFile(folder + "/opened");
      return !text.empty();
    });
    return text;
  }
  TempFolder temp;
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
