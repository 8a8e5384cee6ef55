// Only one main client runs: a second one, with or without programs to
// start, says so in a box and on stderr, ends non-zero and leaves the
// running one's store and programs alone.
#include <filesystem>
#include <string>
#include <vector>

#include "framework/link/MainClientTransport.h"
#include "mainclient/Run.h"
#include "tests/mainclient/MainClientFixture.h"

namespace {

constexpr char kText[] = "A main client is already running.";

class SecondMainClientTest : public MainClientTest,
                             public testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(SecondMainClientTest, IsRefusedWithABoxAndAMessageOnStderr) {
  plat::headless::ClearMessageBoxes();
  const double balanceBefore = mainClient.Balance();
  testing::internal::CaptureStderr();
  const int exitCode = RunMainClient(folder.Path(), GetParam(), 0);
  const std::string err = testing::internal::GetCapturedStderr();

  EXPECT_NE(exitCode, 0);
  // Nothing else is tried: no program is looked for or started.
  EXPECT_EQ(err, std::string("mainclient: ") + kText + "\n");
  const auto& boxes = plat::headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kText);
  EXPECT_TRUE(boxes[0].type & plat::MB_ICONSTOP);
  // Refused before it made a store of its own.
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/" + kAccountStoreName));
  // The running one carries on as before.
  EXPECT_EQ(mainClient.Balance(), balanceBefore);
  EXPECT_EQ(plat::SendMessage(mainClient.Window(), plat::RegisterWindowMessage(kSingleMessageName), 5, 0), -3);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutPrograms, SecondMainClientTest,
                         testing::Values(std::vector<std::string>{}, std::vector<std::string>{"craps"},
                                         std::vector<std::string>{"craps", "paigow"}));

}  // namespace
