// Opening help pages and files.
#include "tests/platform/contract/Contract.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
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

}  // namespace
