// Registration failures of the transport. The messages are registered by a
// stand-in for plat::RegisterWindowMessage defined here, which the linker
// takes in place of the library's, so a chosen name can fail.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/link/MainClientTransport.h"
#include "tests/support/GameWindow.h"
#include "tests/support/ScriptedMainClient.h"
#include "platform/include/plat/headless.h"

namespace {
const char* gFailingName = nullptr;
}

namespace plat {
UINT RegisterWindowMessage(const char* name) {
  if (!name || !*name || (gFailingName && std::strcmp(name, gFailingName) == 0)) return 0;
  return 0xC000u + static_cast<UINT>(std::strlen(name));
}
}  // namespace plat

namespace {

struct Case {
  const char* failingName;
  const char* boxText;
};

}  // namespace

TEST(TransportRegistration, EachFailureShowsItsBoxAndConnectFails) {
  const Case cases[] = {
      {kSingleMessageName, "Cannot register VXD internal single message id!"},
      {kCommMessageName, "Cannot register VXD internal message id!"},
      {kWakeUpMessageName, "Cannot register VXD internal heartbeat message id!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failingName);
    plat::headless::Reset();
  StartScriptedMainClient();
    gFailingName = c.failingName;
    CMainClientTransport t;
    t.Reset();
    EXPECT_EQ(t.RegisterMessages(kChannelClient), 0);
    EXPECT_EQ(t.state, -1);
    ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
    const auto& box = plat::headless::MessageBoxes()[0];
    EXPECT_EQ(box.text, c.boxText);
    EXPECT_EQ(box.caption, "Fatal error");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_STREQ(t.Connect(nullptr), "Can't set main client's window handle in local client");
  }
  gFailingName = nullptr;
  plat::headless::Reset();
  StartScriptedMainClient();
  CMainClientTransport ok;
  ok.Reset();
  EXPECT_EQ(ok.RegisterMessages(kChannelServer), 1);
  EXPECT_EQ(ok.state, 0);
  EXPECT_EQ(ok.channel, kChannelServer);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
}
