#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/include/plat/window.h"

namespace {

using plat::RegisterWindowMessage;

TEST(RegisteredMessages, SameNameGivesSameIdInTheRegisteredRange) {
  const plat::UINT a = RegisterWindowMessage("-=! single message idstring !=-");
  const plat::UINT b = RegisterWindowMessage(std::string("-=! single message idstring !=-").c_str());
  EXPECT_EQ(a, b);
  EXPECT_GE(a, 0xC000u);
  EXPECT_LE(a, 0xFFFFu);
}

TEST(RegisteredMessages, TheThreeLinkNamesAreDistinct) {
  const plat::UINT single = RegisterWindowMessage("-=! single message idstring !=-");
  const plat::UINT comm = RegisterWindowMessage("-=! communication idstring !=-");
  const plat::UINT wake = RegisterWindowMessage("-=! wake up main client idstring !=-");
  EXPECT_NE(single, comm);
  EXPECT_NE(single, wake);
  EXPECT_NE(comm, wake);
}

TEST(RegisteredMessages, NullAndEmptyNamesAnswerZero) {
  EXPECT_EQ(RegisterWindowMessage(nullptr), 0u);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST(RegisteredMessages, IdsDependOnCaseAndStayInRangeForManyNames) {
  EXPECT_NE(RegisterWindowMessage("Name"), RegisterWindowMessage("name"));
  std::set<plat::UINT> ids;
  for (int i = 0; i < 1000; ++i) {
    const plat::UINT id = RegisterWindowMessage(("message " + std::to_string(i)).c_str());
    ASSERT_GE(id, 0xC000u);
    ASSERT_LE(id, 0xFFFFu);
    ids.insert(id);
  }
  // 1000 names in 16384 slots: a fair hash collides only a few dozen times.
  EXPECT_GT(ids.size(), 950u);
}

}  // namespace
