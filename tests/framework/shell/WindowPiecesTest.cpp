// The window pieces every game shares: the settings file, the key table,
// the quit questions, the help page and the options dialog's shared boxes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/shell/HelpPage.h"
#include "framework/shell/KeyButtons.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/Program.h"
#include "framework/shell/QuitQuestion.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"
#include "platform/include/plat/resource.h"
#include "tests/framework/shell/ShellTestFolder.h"
#include "tests/support/TemplateGame.h"

namespace {

using plat::headless::MessageBoxes;

class WindowPieces : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    ResetToyGame();
    game = ToyGameDefinition();
    game.restoresGames = 0;  // presses are not held back for a replay
    InstallGame(game);
    gInstance = plat::GetModuleInstance();
    plat::WNDCLASS wc{};
    wc.lpfnWndProc = plat::DefWindowProc;
    wc.lpszClassName = "Pieces";
    plat::RegisterClass(&wc);
    gMainWindow = plat::CreateWindow("Pieces", "", plat::WS_POPUP | plat::WS_VISIBLE, 0, 0, 640,
                                     480, nullptr, 0, nullptr, nullptr);
    gCasinoCfg = CasinoCfg{1, 1, 1, 1, 0};
  }
  void TearDown() override {
    gClientRecord = nullptr;
    gMainWindow = nullptr;
  }

  static GameDefinition game;
  ShellTestFolder folder;
};

GameDefinition WindowPieces::game;

TEST_F(WindowPieces, AShortSettingsFileChangesOnlyItsFirstBytes) {
  std::uint16_t settings[3] = {1, 2, 3};
  EXPECT_EQ(ReadSettingsFile("Missing.cfg", settings, sizeof settings), 0);
  EXPECT_EQ(settings[2], 3);
  ShellTestFolder::WriteFile("Short.cfg", std::string("\x09\x00\x08", 3));
  EXPECT_EQ(ReadSettingsFile("Short.cfg", settings, sizeof settings), 1);
  EXPECT_EQ(settings[0], 9);
  EXPECT_EQ(settings[1], 8);  // the low byte only; the high byte stays
  EXPECT_EQ(settings[2], 3);
  const std::uint16_t written[3] = {4, 5, 6};
  ASSERT_EQ(WriteSettingsFile("Game.cfg", written, sizeof written), 1);
  EXPECT_EQ(ShellTestFolder::ReadFile("Game.cfg"), std::string("\4\0\5\0\6\0", 6));
}

TEST_F(WindowPieces, KeysPressTheirButtonsOnceAndCaseCounts) {
  constexpr KeyButton kKeys[] = {{'g', kToyGoButton}, {'1', 5}};
  EXPECT_EQ(ButtonOfKey(kKeys, 2, 'g'), kToyGoButton);
  EXPECT_EQ(ButtonOfKey(kKeys, 2, 'G'), 0);
  ToyClientRecord client;
  gClientRecord = &client;
  PressKeyButton(kKeys, 2, 'g', 0);
  PressKeyButton(kKeys, 2, 'g', plat::KEY_REPEAT_FLAG);
  PressKeyButton(kKeys, 2, 'x', 0);
  EXPECT_EQ(client.presses, (std::vector<int>{kToyGoButton}));
}

TEST_F(WindowPieces, ReturnToMainMenuKeepsTheWindowsShowStateOnOk) {
  plat::headless::SetMessageBoxHandler([](const auto&) { return plat::IDOK; });
  gCasinoCfg.maximised = 1;
  EXPECT_EQ(AskReturnToMainMenu(gMainWindow, "Toy"), 1);
  EXPECT_EQ(gCasinoCfg.maximised, 0);
  plat::headless::SetMessageBoxHandler([](const auto&) { return plat::IDCANCEL; });
  gCasinoCfg.maximised = 1;
  EXPECT_EQ(AskReturnToMainMenu(gMainWindow, "Toy"), 0);
  EXPECT_EQ(gCasinoCfg.maximised, 1);
  ASSERT_EQ(MessageBoxes().size(), 2u);
  EXPECT_EQ(MessageBoxes()[0].text, "Return to main menu?");
  EXPECT_EQ(MessageBoxes()[0].caption, "Toy");
  EXPECT_EQ(MessageBoxes()[0].type, static_cast<plat::UINT>(plat::MB_OKCANCEL));
}

TEST_F(WindowPieces, TheBetsQuestionDefaultsToNo) {
  EXPECT_EQ(AskQuitLosingBets(gMainWindow, "Toy", "Bets lost?"), 0);  // the default button
  plat::headless::SetMessageBoxHandler([](const auto&) { return plat::IDYES; });
  EXPECT_EQ(AskQuitLosingBets(gMainWindow, "Toy", "Bets lost?"), 1);
  SayCannotQuitNow(gMainWindow, "Toy");
  ASSERT_EQ(MessageBoxes().size(), 3u);
  EXPECT_EQ(MessageBoxes()[0].type & plat::MB_DEFBUTTON2, static_cast<plat::UINT>(plat::MB_DEFBUTTON2));
  EXPECT_EQ(MessageBoxes()[2].text, "You can't quit at this point");
}

TEST_F(WindowPieces, TheHelpPageOpensUnderTheCasinosFolderOrTheBoxSaysWhere) {
  OpenHelpPage("toy.htm");
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  const std::string opened = plat::headless::ShellOpens()[0];
  EXPECT_EQ(opened.substr(opened.size() - 12), "help\\toy.htm");
  EXPECT_TRUE(MessageBoxes().empty());

  plat::headless::SetShellExecuteResult(2);
  OpenHelpPage("toy.htm");
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].caption, "ERROR");
  EXPECT_EQ(MessageBoxes()[0].text,
            std::string("Your www browser is not associated with .htm files please direct your "
                        "browser to ") + kHelpPagesAddress + "toy.htm");
}

// ---- The options dialog ----

constexpr plat::DLGITEMTEMPLATE kItems[] = {
    {plat::CTL_CHECKBOX, kControlVoice, "Voice", 0, 0, 100, 20, 0},
    {plat::CTL_CHECKBOX, kControlAnimations, "Animations", 0, 20, 100, 20, 0},
    {plat::CTL_CHECKBOX, kControlSoundEffects, "Sound", 0, 40, 100, 20, 0},
    {plat::CTL_CHECKBOX, kControlMusic, "Music", 0, 60, 100, 20, 0},
    {plat::CTL_DEFPUSHBUTTON, plat::IDOK, "Ok", 0, 80, 50, 20, 0},
    {plat::CTL_PUSHBUTTON, plat::IDCANCEL, "Cancel", 50, 80, 50, 20, 0},
};
const plat::DLGTEMPLATE kDialog = {"Options", 100, 100, nullptr, 0, plat::FALSE, kItems, 6};

int gVoice = 0;
void InitVoice(plat::HWND dialog) { CheckOption(dialog, kControlVoice, gVoice); }
void TakeVoice(plat::HWND dialog) { gVoice = IsOptionChecked(dialog, kControlVoice); }
constexpr OptionsDialogHooks kHooks{InitVoice, TakeVoice};

plat::INT_PTR OptionsProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM) {
  return OptionsDialogStep(kHooks, dialog, message, wParam);
}

TEST_F(WindowPieces, OkTakesTheSharedChecksStopsTheMusicAndWritesCasinoCfg) {
  plat::RegisterDialogResource(kOptionsDialogResource, &kDialog);
  gVoice = 1;
  bool sharedShown = false;
  plat::headless::SetDialogHandler([&](int, plat::HWND dialog) {
    sharedShown = IsOptionChecked(dialog, kControlAnimations) && IsOptionChecked(dialog, kControlMusic) &&
                  IsOptionChecked(dialog, kControlVoice);
    plat::headless::ClickControl(dialog, kControlVoice);
    plat::headless::ClickControl(dialog, kControlMusic);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  gMusic.Play(gMainWindow, "../midi/toy.mid");
  EXPECT_EQ(plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, OptionsProc, 0), plat::IDOK);
  EXPECT_TRUE(sharedShown);
  EXPECT_EQ(gVoice, 0);
  EXPECT_EQ(gCasinoCfg.midiMusic, 0);
  EXPECT_EQ(gCasinoCfg.showAnimations, 1);
  EXPECT_TRUE(gMusic.IsStopped());
  EXPECT_EQ(ShellTestFolder::ReadFile("../../Casino.cfg").size(), 10u);
}

TEST_F(WindowPieces, CancelChangesNothing) {
  plat::RegisterDialogResource(kOptionsDialogResource, &kDialog);
  gVoice = 1;
  plat::headless::SetDialogHandler([](int, plat::HWND dialog) {
    plat::headless::ClickControl(dialog, kControlVoice);
    plat::headless::ClickControl(dialog, kControlAnimations);
    plat::headless::ClickControl(dialog, plat::IDCANCEL);
  });
  EXPECT_EQ(plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, OptionsProc, 0),
            plat::IDCANCEL);
  EXPECT_EQ(gVoice, 1);
  EXPECT_EQ(gCasinoCfg.showAnimations, 1);
  EXPECT_FALSE(ShellTestFolder::Exists("../../Casino.cfg"));
}

}  // namespace
