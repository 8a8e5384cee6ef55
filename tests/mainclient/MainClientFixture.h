// A main client on a fresh headless bus, keeping its balance in a fresh
// temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "mainclient/MainClient.h"
#include "tests/artwork/TempFolder.h"
#include "platform/include/plat/headless.h"

// Handles every waiting message, then lets the main client's periodic step
// run, a few times over, so that everything sent has been delivered.
inline void Pump(CMainClient& mainClient) {
  for (int round = 0; round < 4; ++round) {
    plat::MSG msg;
    while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) plat::DispatchMessage(&msg);
    mainClient.Tick();
  }
}

class MainClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    ASSERT_FALSE(folder.Path().empty());
    ASSERT_EQ(mainClient.Create(BalanceFile()), 1);
  }
  void TearDown() override { mainClient.Destroy(); }
  std::string BalanceFile() const { return folder.Path() + "/balance.txt"; }

  TempFolder folder;
  CMainClient mainClient;
};
