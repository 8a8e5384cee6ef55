// Opening help pages and files.
#include "tests/platform/contract/Contract.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
#endif
#if PLAT_CONTRACT_DESKTOP
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "tests/platform/contract/Pump.h"
#include "tests/support/TempFolder.h"
#endif

namespace {

using namespace plat;

class Shell : public contract::Contract {};

#if PLAT_CONTRACT_HEADLESS

TEST_F(Shell, ShellOpensAreLoggedHeadless) {
  EXPECT_EQ(ShellExecute(nullptr, "open", "C:\\casino\\help\\trans.htm", nullptr, nullptr, SW_SHOWNORMAL), 42);
  headless::SetShellExecuteResult(2);
  EXPECT_EQ(ShellExecute(nullptr, "open", "other.htm", nullptr, nullptr, SW_SHOWNORMAL), 2);
  EXPECT_EQ(headless::ShellOpens(), (std::vector<std::string>{"C:\\casino\\help\\trans.htm", "other.htm"}));
  EXPECT_TRUE(WinHelp(nullptr, "..\\..\\ORVANTA.HLP", HELP_QUIT, 0));
}

#endif

#if PLAT_CONTRACT_DESKTOP

// The desktop's handler: a stand-in xdg-open records what it was asked to
// open.
class ShellHandler : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    // First, so that TearDown gives it back even when a step below fails.
    const char* path = std::getenv("PATH");
    savedPath = path ? path : "";
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
  }
  void TearDown() override {
    setenv("PATH", savedPath.c_str(), 1);
    Contract::TearDown();
  }
  std::string Opened() {
    std::string text;
    contract::PumpUntil([&] {
      text = ReadFile(folder + "/opened");
      return !text.empty();
    });
    return text;
  }
  TempFolder temp;
  std::string folder, tools, savedPath;
};

TEST_F(ShellHandler, AFileIsOpenedByTheDesktopHandlerOnDesktop) {
  setenv("PATH", (tools + ":" + savedPath).c_str(), 1);
  // A Windows-style relative name, in another case.
  const INT_PTR r = ShellExecute(nullptr, "open", "HELP\\DQ.htm", nullptr, folder.c_str(), SW_SHOWNORMAL);
  EXPECT_GT(r, 32);
  EXPECT_EQ(Opened(), "file://" + folder + "/help/dq.htm\n");
}

TEST_F(ShellHandler, AddressesPassAsTheyAreOnDesktop) {
  setenv("PATH", (tools + ":" + savedPath).c_str(), 1);
  EXPECT_GT(ShellExecute(nullptr, "open", "https://casino.invalid/help", nullptr, ".", SW_SHOW), 32);
  EXPECT_EQ(Opened(), "https://casino.invalid/help\n");
}

TEST_F(ShellHandler, MissingFilesAndMissingHandlersAreReportedOnDesktop) {
  setenv("PATH", (tools + ":" + savedPath).c_str(), 1);
  EXPECT_EQ(ShellExecute(nullptr, "open", "help\\none.htm", nullptr, folder.c_str(), SW_SHOW), 2);
  EXPECT_EQ(ShellExecute(nullptr, "open", "Error: Can't find orvanta.inihelp\\dq.htm", nullptr, ".", SW_SHOW), 2);
  EXPECT_EQ(ShellExecute(nullptr, "print", "help\\dq.htm", nullptr, folder.c_str(), SW_SHOW), 31);
  setenv("PATH", folder.c_str(), 1);  // no xdg-open there
  EXPECT_EQ(ShellExecute(nullptr, "open", "help\\dq.htm", nullptr, folder.c_str(), SW_SHOW), 31);
  EXPECT_TRUE(WinHelp(nullptr, "..\\..\\Orvanta.hlp", HELP_QUIT, 0));
}

#endif

}  // namespace
