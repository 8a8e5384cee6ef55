// The game-screen helpers on a real window of the headless backend, checked
// by probing the pixels the screen sends: buttons, status line, user field,
// money display, lag meter and ticker.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "tests/support/TempFolder.h"
#include "framework/shell/StatusLine.h"
#include "framework/shell/Ticker.h"
#include "tests/support/TemplateGame.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace {

class ToyScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(EnterToyFolder(folder), 1);
    plat::headless::Reset();
    ResetToyGame();
    ASSERT_TRUE(WriteToyArtwork());
    InstallGame(ToyGameDefinition());
    gInstance = plat::GetModuleInstance();
    plat::WNDCLASS wc{};
    wc.style = plat::CS_OWNDC;
    wc.lpfnWndProc = plat::DefWindowProc;
    wc.lpszClassName = "ToyScreen";
    plat::RegisterClass(&wc);
    gMainWindow = plat::CreateWindow("ToyScreen", "", plat::WS_POPUP | plat::WS_VISIBLE, 0, 0,
                                     640, 480, nullptr, 0, nullptr, nullptr);
    gDeviceContext = plat::GetDC(gMainWindow);
    gOffsetX = gOffsetY = 0;
    ASSERT_TRUE(gPicture.LoadFile("res\\Data.dat"));
    gHitMap = LoadHitMap("res\\Btndata.dat");
    ASSERT_NE(gHitMap, nullptr);
    ASSERT_TRUE(gScreen.Init(gDeviceContext, &gPicture, 640, 480));
    ASSERT_TRUE(gScreen.Palette().CreateFromDib(gPicture));
    plat::SelectPalette(gDeviceContext, gScreen.Palette().Handle(), plat::FALSE);
    gTransparentIndex = kToyTransparent;
    ASSERT_TRUE(gToyStrip.Create(145, 17));
    gToyStrip.Fill(0, 0, 145, 17, kToyTransparent);
    ResetStatusLine();
    ResetLagMeter();
    RestartTicker();
    UpdateTicker(&gToyStrip, gToyTickerText, 0);
    gPlayerRecord = CPlayerRecord{};
    Flush();
  }

  void TearDown() override {
    gScreen.Free();
    gPicture.Free();
    FreeHitMap(gHitMap);
    gHitMap = nullptr;
    gMainWindow = nullptr;
  }

  static void Flush() { gScreen.Flush(gDeviceContext, 0, 0, CScreen::kFlushDirty); }
  // The red channel is the palette index in the toy's artwork.
  static int At(int x, int y) { return plat::GetRValue(plat::headless::Pixel(gMainWindow, x, y)); }
  static ButtonEntry& Row(int i) { return gGame->buttons[i]; }

  TempFolder folder;
};

// ---- Buttons ------------------------------------------------------------------------

TEST_F(ToyScreen, DrawButtonUsesTheStateImageOrRestoresWhenThereIsNone) {
  DrawButton(&gPicture, 5, kButtonStateEnabled);
  Flush();
  EXPECT_EQ(At(20, 300), ToyChipColour(0, 1));
  EXPECT_EQ(At(51, 323), ToyChipColour(0, 1));
  EXPECT_EQ(At(52, 300), kToyBackground);
  DrawButton(&gPicture, 5, kButtonStateNormal);  // state 0 has no image
  Flush();
  EXPECT_EQ(At(20, 300), kToyBackground);
  EXPECT_EQ(Row(5).currentState, kButtonStateNormal);
}

TEST_F(ToyScreen, DrawButtonSkipsAStateAlreadyDrawnHitOnlyRowsAndRowsOutsideTheTable) {
  DrawButton(&gPicture, 10, kButtonStatePressed);
  Flush();
  int before = gScreen.DirtyCount();
  DrawButton(&gPicture, 10, kButtonStatePressed);
  DrawButton(&gPicture, 11, kButtonStateEnabled);  // hit-only
  DrawButton(&gPicture, kToyButtons, kButtonStateEnabled);
  DrawButton(&gPicture, -1, kButtonStateEnabled);
  EXPECT_EQ(gScreen.DirtyCount(), before);
  EXPECT_EQ(Row(11).currentState, -1);
}

TEST_F(ToyScreen, TransparentButtonKeepsThePixelsUnderItsTransparentIndex) {
  // Paint a transparent hole into the pressed image of Go, then draw it.
  *gPicture.PixelAddress(285, 485) = kToyTransparent;
  DrawButton(&gPicture, kToyGoButton, kButtonStatePressed);
  Flush();
  EXPECT_EQ(At(300, 400), ToyGoColour(2));
  EXPECT_EQ(At(305, 405), kToyBackground);
}

TEST_F(ToyScreen, RangesAndRedrawFollowTheEnabledFlags) {
  EnableGameButtons();
  EXPECT_TRUE(IsButtonEnabled(10));
  EXPECT_TRUE(IsButtonEnabled(11));
  EXPECT_FALSE(IsButtonEnabled(5));
  for (int i = 5; i <= 9; ++i) EnableButton(i);
  DisableGameButtons();
  EXPECT_TRUE(IsButtonEnabled(9));
  EXPECT_FALSE(IsButtonEnabled(10));
  DisableBetButtons();
  for (int i = 5; i < kToyButtons; ++i) EXPECT_FALSE(IsButtonEnabled(i)) << i;
  EXPECT_TRUE(IsButtonEnabled(1));
  EXPECT_FALSE(IsButtonEnabled(kToyButtons));
  EnableButton(kToyButtons);  // ignored
  EnableButton(7);
  RedrawButtons();
  Flush();
  EXPECT_EQ(At(100, 300), ToyChipColour(2, 1));
  EXPECT_EQ(At(60, 300), kToyBackground);
  EXPECT_EQ(At(300, 400), ToyGoColour(0));
}

TEST_F(ToyScreen, CursorIsTheHandOnlyOverAButtonEnabledWithExactlyOne) {
  plat::POINT p{310, 410};
  plat::ClientToScreen(gMainWindow, &p);
  plat::headless::SetCursorScreenPos(p.x, p.y);
  Row(kToyGoButton).enabled = 1;
  UpdateCursor();
  EXPECT_EQ(plat::headless::CurrentCursor(), plat::IDC_HAND);
  Row(kToyGoButton).enabled = 2;  // enabled for IsButtonEnabled, not for the cursor
  UpdateCursor();
  EXPECT_EQ(plat::headless::CurrentCursor(), plat::IDC_ARROW);
  EXPECT_TRUE(IsButtonEnabled(kToyGoButton));
  EXPECT_EQ(ButtonAt(310, 410), kToyGoButton);
  EXPECT_EQ(ButtonAt(641, 10), 0);
}

// ---- Status line and user field ----------------------------------------------------------

TEST_F(ToyScreen, StatusMessageOf280CharactersShowsAndOf281IsReplaced) {
  PrintStatusMsg("%s", std::string(280, 'Q').c_str());
  Flush();
  EXPECT_EQ(At(6, 467), ToyGlyphColour('Q'));
  PrintStatusMsg("%s", std::string(281, 'Q').c_str());
  Flush();
  // "PrintStatusMsg: String to long": P, r, ..., the colon at the 15th place.
  EXPECT_EQ(At(6, 467), ToyGlyphColour('P'));
  EXPECT_EQ(At(6 + 6, 467), ToyGlyphColour('r'));
  EXPECT_EQ(At(6 + 14 * 6, 467), ToyGlyphColour(':'));
}

TEST_F(ToyScreen, StatusTextShowsBlanksForCharactersOutsideTheKeptRanges) {
  PrintStatusMsg("A~B\xE9" "C{D");
  Flush();
  EXPECT_EQ(At(6, 467), ToyGlyphColour('A'));
  EXPECT_EQ(At(12, 467), kToyBackground);  // '~'
  EXPECT_EQ(At(18, 467), ToyGlyphColour('B'));
  EXPECT_EQ(At(24, 467), kToyBackground);  // 0xE9
  EXPECT_EQ(At(30, 467), ToyGlyphColour('C'));
  EXPECT_EQ(At(36, 467), kToyBackground);  // '{'
  EXPECT_EQ(At(42, 467), ToyGlyphColour('D'));
}

TEST_F(ToyScreen, StatusTextIsCutAtTheLastWholeCharacterWithin580Pixels) {
  // Each glyph is 5 wide plus 1: 96 fit in 580 pixels (576), the 97th would not.
  PrintStatusMsg("%s", std::string(100, 'W').c_str());
  Flush();
  EXPECT_EQ(At(6 + 95 * 6, 467), ToyGlyphColour('W'));
  EXPECT_EQ(At(6 + 96 * 6, 467), kToyBackground);
}

TEST_F(ToyScreen, NoFormatDrawsTheDefaultTextOnlyWhileAMessageShows) {
  Flush();
  PrintStatusMsg(nullptr);
  EXPECT_EQ(gScreen.DirtyCount(), 0);
  SetStatusText("%s", "DEF");
  PrintStatusMsg(nullptr);
  Flush();
  EXPECT_EQ(At(6, 467), ToyGlyphColour('D'));
  PrintStatusMsg("X");
  PrintStatusMsg("%s", "");  // an empty message clears the line and still counts
  Flush();
  EXPECT_EQ(At(6, 467), kToyBackground);
  PrintStatusMsg(nullptr);
  Flush();
  EXPECT_EQ(At(6, 467), ToyGlyphColour('D'));
}

// The status line's hint timing, one StatusMsgTimeout a frame with the
// pointer over no button: which text the line shows after each frame.
enum Shown { kHint, kDefault, kEmpty };
std::vector<Shown> LineAfterEachFrame(int emptyFrames, int defaultFrames, int frames) {
  static GameDefinition game;
  game = ToyGameDefinition();
  game.statusEmptyFrames = emptyFrames;
  game.statusDefaultFrames = defaultFrames;
  InstallGame(game);
  plat::headless::SetCursorScreenPos(320, 300);
  EXPECT_EQ(ButtonUnderPointer(), 0);
  SetStatusText("%s", "DEF");
  PrintStatusMsg("%s", "HINT");
  std::vector<Shown> shown;
  for (int frame = 0; frame < frames; ++frame) {
    StatusMsgTimeout();
    gScreen.Flush(gDeviceContext, 0, 0, CScreen::kFlushDirty);
    const int first = plat::GetRValue(plat::headless::Pixel(gMainWindow, 6, 467));
    shown.push_back(first == ToyGlyphColour('H') ? kHint : first == ToyGlyphColour('D') ? kDefault : kEmpty);
  }
  InstallGame(ToyGameDefinition());
  return shown;
}

std::vector<Shown> Runs(std::initializer_list<std::pair<Shown, int>> runs) {
  std::vector<Shown> out;
  for (const auto& [what, count] : runs) out.insert(out.end(), count, what);
  return out;
}

TEST_F(ToyScreen, AHintIsEmptiedAfter15FramesAndGivesWayToTheDefaultAfter50) {
  ASSERT_NE(ToyGlyphColour('H'), ToyGlyphColour('D'));
  EXPECT_EQ(LineAfterEachFrame(15, 50, 60), Runs({{kHint, 15}, {kEmpty, 35}, {kDefault, 10}}));
}

// The other order: the default text after 15 frames, the line emptied from
// the 50th on.
TEST_F(ToyScreen, AHintGivesWayToTheDefaultAfter15FramesAndIsEmptiedAfter50) {
  EXPECT_EQ(LineAfterEachFrame(50, 15, 60), Runs({{kHint, 15}, {kDefault, 35}, {kEmpty, 10}}));
}

TEST_F(ToyScreen, UserFieldShowsThePlayerTextWithin50Pixels) {
  gPlayerRecord.SetText("ABCDEFGHIJ");
  DrawUserField();
  Flush();
  EXPECT_EQ(At(590, 467), ToyGlyphColour('A'));
  EXPECT_EQ(At(590 + 7 * 6, 467), ToyGlyphColour('H'));  // 8 glyphs take 48 pixels
  EXPECT_EQ(At(590 + 8 * 6, 467), kToyBackground);
}

// ---- Money -----------------------------------------------------------------------------

TEST_F(ToyScreen, MoneyOf24_99WithBettingOpenEnablesTheFirstTwoChips) {
  ToyClientRecord client;
  client.bettingOpen = 1;
  gClientRecord = &client;
  DrawMoney(24.99);
  gClientRecord = nullptr;
  Flush();
  EXPECT_TRUE(IsButtonEnabled(5));
  EXPECT_TRUE(IsButtonEnabled(6));
  for (int i = 7; i <= 9; ++i) EXPECT_FALSE(IsButtonEnabled(i)) << i;
  const char* text = "$24.99";
  for (int i = 0; text[i]; ++i) EXPECT_EQ(At(18 + 6 * i, 434), ToyGlyphColour(text[i])) << i;
  EXPECT_EQ(At(18 + 6 * 6, 434), kToyBackground);
  EXPECT_EQ(At(20, 300), ToyChipColour(0, 1));
  EXPECT_EQ(At(60, 300), ToyChipColour(1, 1));
  EXPECT_EQ(At(100, 300), kToyBackground);
}

TEST_F(ToyScreen, MoneyWithBettingClosedOnlyClearsTheChips) {
  for (int i = 5; i <= 9; ++i) EnableButton(i);
  DrawMoney(1000.0);
  Flush();
  for (int i = 5; i <= 9; ++i) EXPECT_FALSE(IsButtonEnabled(i)) << i;
  EXPECT_EQ(At(18, 434), ToyGlyphColour('$'));
  EXPECT_EQ(At(18 + 5 * 6, 434), ToyGlyphColour('.'));
}

TEST_F(ToyScreen, MoneyShowsEveryChipFromFiveHundred) {
  ToyClientRecord client;
  client.bettingOpen = 1;
  gClientRecord = &client;
  DrawMoney(500.0);
  gClientRecord = nullptr;
  for (int i = 5; i <= 9; ++i) EXPECT_TRUE(IsButtonEnabled(i)) << i;
}

// ---- Lag meter -----------------------------------------------------------------------------

TEST_F(ToyScreen, LagMeterLevelsFollowTheThresholds) {
  plat::headless::SetClock(1000);
  StampLinkActivity();
  plat::headless::SetClock(1099);
  Flush();
  DrawLagMeter();
  EXPECT_EQ(gScreen.DirtyCount(), 0);  // level 0, as before
  plat::headless::SetClock(1000 + 1000);  // level 3: 19 columns
  DrawLagMeter();
  Flush();
  EXPECT_EQ(At(18, 458), kToyLagColour);
  EXPECT_EQ(At(19, 458), kToyBackground);
  plat::headless::SetClock(1000 + 30000);  // level 6: 40 columns
  DrawLagMeter();
  Flush();
  EXPECT_EQ(At(39, 464), kToyLagColour);
  EXPECT_EQ(At(40, 458), kToyBackground);
  Flush();
  DrawLagMeter();
  EXPECT_EQ(gScreen.DirtyCount(), 0);
  StampLinkActivity();
  DrawLagMeter();
  Flush();
  EXPECT_EQ(At(0, 458), kToyBackground);
}

// ---- Ticker ------------------------------------------------------------------------------

constexpr int kTickerX = 336;
constexpr int kTickerY = 26;

// The dot of display column col and row row, as shown on the screen.
int Dot(int col, int row) {
  return plat::GetRValue(plat::headless::Pixel(gMainWindow, kTickerX + 2 * col, kTickerY + 2 * row));
}

int Step(const char* text = nullptr) {
  if (text) std::snprintf(gToyTickerText, sizeof(gToyTickerText), "%s", text);
  int ended = UpdateTicker(&gToyStrip, gToyTickerText, 1);
  gScreen.Flush(gDeviceContext, 0, 0, CScreen::kFlushDirty);
  return ended;
}

TEST_F(ToyScreen, TickerLetterEntersAtTheRightEdgeOneDotColumnPerFrame) {
  RestartTicker();
  Step("A#|");
  // 'A' is rows 1..7 of 0x1C 0x22 0x22 0x3E 0x22 0x22 0x22: its left column is on in rows 2..7.
  EXPECT_EQ(Dot(72, 0), kToyTickerOff);
  EXPECT_EQ(Dot(72, 1), kToyTickerOff);
  for (int row = 2; row <= 7; ++row) EXPECT_EQ(Dot(72, row), kToyTickerOn) << row;
  EXPECT_EQ(Dot(0, 4), kToyTickerOff);
  // Between the dots the picture shows through.
  EXPECT_EQ(plat::GetRValue(plat::headless::Pixel(gMainWindow, kTickerX + 143, kTickerY + 4)),
            kToyBackground);
  Step();
  EXPECT_EQ(Dot(71, 2), kToyTickerOn);
  EXPECT_EQ(Dot(72, 1), kToyTickerOn);  // second column, top of the A
  EXPECT_EQ(Dot(72, 2), kToyTickerOff);
}

TEST_F(ToyScreen, TickerPassEndsWhenTheTextHasScrolledOutAndStopsAfterHashBar) {
  RestartTicker();
  int frames = 0;
  int ended = 0;
  while (!ended && frames < 1000) {
    ended = Step(frames == 0 ? "A#|" : nullptr);
    ++frames;
  }
  // A enters at column 72 in frame 1 and has left (column -6) in frame 79.
  EXPECT_EQ(frames, 79);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(Step(), 0);
  for (int col = 0; col < 73; ++col) ASSERT_EQ(Dot(col, 4), kToyTickerOff) << col;
}

TEST_F(ToyScreen, TickerWithoutBarStartsTheTextAgain) {
  RestartTicker();
  std::vector<int> ends;
  for (int f = 1; f <= 300; ++f) {
    if (Step(f == 1 ? "A#" : nullptr)) ends.push_back(f);
  }
  // Each pass: A enters, scrolls out 78 frames later; the next pass starts one frame after.
  ASSERT_GE(ends.size(), 3u);
  EXPECT_EQ(ends[0], 79);
  EXPECT_EQ(ends[1], 79 + 79);
  EXPECT_EQ(ends[2], 79 + 2 * 79);
}

TEST_F(ToyScreen, TickerAtSignHoldsTheDisplayFor150FramesThenClearsIt) {
  RestartTicker();
  std::snprintf(gToyTickerText, sizeof(gToyTickerText), "A@B#|");
  for (int f = 1; f <= 6; ++f) Step();
  EXPECT_EQ(Dot(67, 2), kToyTickerOn);  // A's left column after 6 frames
  Step();                               // frame 7: the '@' comes up, the display stands
  EXPECT_EQ(gToyTickerText[1], ' ');    // blanked during the pass
  EXPECT_EQ(Dot(66, 2), kToyTickerOn);
  for (int f = 8; f <= 156; ++f) Step();
  EXPECT_EQ(Dot(66, 2), kToyTickerOn);  // still standing in frame 156
  Step();                               // frame 157: cleared
  for (int col = 0; col < 73; ++col) ASSERT_EQ(Dot(col, 2), kToyTickerOff) << col;
  Step();                               // frame 158: B enters
  EXPECT_EQ(Dot(72, 2), kToyTickerOn);  // B's left column is on in rows 1..7
  EXPECT_EQ(Dot(72, 1), kToyTickerOn);
  int ended = 0;
  int f = 158;
  while (!ended && f < 1000) {
    ended = Step();
    ++f;
  }
  EXPECT_EQ(f, 236);
  EXPECT_EQ(gToyTickerText[1], '@');  // put back at the end of the pass
}

TEST_F(ToyScreen, TickerSwitchedOffResetsAndDrawsNothing) {
  RestartTicker();
  Step("AB#|");
  Step();
  Flush();
  EXPECT_EQ(UpdateTicker(&gToyStrip, gToyTickerText, 0), 0);
  EXPECT_EQ(gScreen.DirtyCount(), 0);
  Step();  // starts again from the first letter
  EXPECT_EQ(Dot(72, 2), kToyTickerOn);
  EXPECT_EQ(Dot(71, 2), kToyTickerOff);
}

TEST_F(ToyScreen, TickerShowsUnknownCharactersAsBlanksAndReadsItsColoursOnce) {
  RestartTicker();
  UpdateTicker(&gToyStrip, gToyTickerText, 0);
  Step("%#|");
  for (int row = 0; row < 9; ++row) EXPECT_EQ(Dot(72, row), kToyTickerOff) << row;
  *gPicture.PixelAddress(344, 28) = 77;  // the colour is kept from the first frame
  Step();
  EXPECT_EQ(Dot(10, 4), kToyTickerOff);
}

}  // namespace
