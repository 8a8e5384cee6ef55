// The cashier's dialogs on the in-memory backend: their resources and
// artwork written into a temporary folder, the tables as at start, and a
// scripted player acting inside each dialog.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cash/CashierClientRecord.h"
#include "tests/support/TempFolder.h"
#include "platform/include/plat/plat.h"

class CashierDialogFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the transaction dialog; script acts inside it, confirm inside the
  // deposit confirmation (none: its OK).
  plat::INT_PTR Run(int mode, const std::function<void(plat::HWND)>& script,
                    const std::function<void(plat::HWND)>& confirm = nullptr);
  static std::string Text(plat::HWND dialog, int id);
  // Types text into an edit and moves the focus away, as the player leaving it.
  static void Enter(plat::HWND dialog, int id, const char* text);
  // The ids of the dialog's controls made at run time (pages only).
  static std::vector<int> PageIds(plat::HWND dialog);
  // 1 when typing into the edit changes it.
  static int IsWritable(plat::HWND dialog, int id);
  // How many characters of a long text the edit takes.
  static int LimitOf(plat::HWND dialog, int id);
  static bool Drew(plat::HWND dialog, const std::string& text);

  CashierClientRecord record{};
  TempFolder folder;
};
