// A main client on a fresh headless bus, keeping its account store in a
// fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "mainclient/MainClient.h"
#include "tests/artwork/TempFolder.h"
#include "platform/include/plat/headless.h"

// Handles every waiting message, then offers again what a program refused,
// a few times over, so that everything sent has been delivered.
inline void Pump(CMainClient& mainClient) {
  for (int round = 0; round < 4; ++round) {
    plat::MSG msg;
    while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) plat::DispatchMessage(&msg);
    mainClient.Flush();
  }
}

class MainClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    ASSERT_FALSE(folder.Path().empty());
    ASSERT_EQ(mainClient.Create(StoreFile(), ""), 1) << mainClient.FailureText();
  }
  void TearDown() override { mainClient.Destroy(); }
  std::string StoreFile() const { return folder.Path() + "/account.db"; }

  TempFolder folder;
  CMainClient mainClient;
};
