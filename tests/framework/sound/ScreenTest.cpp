// CScreen: clipping, dirty rectangles, bitmap-font text, and what the
// window shows after each flush.
#include <gtest/gtest.h>

#include <vector>

#include "framework/sound/Screen.h"
#include "tests/framework/sound/SoundTestFiles.h"
#include "platform/include/plat/plat.h"
#include "platform/include/plat/headless.h"

namespace {

constexpr int kBackIndex = 10;    // the picture's table area
constexpr int kSpriteIndex = 20;  // the sprite at picture (0, 480), 10 x 10
constexpr int kKeyIndex = 0;      // the sprite's transparent centre pixel

plat::COLORREF ColourOf(int index) { return plat::RGB(index, index / 2, 255 - index); }

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    ASSERT_EQ(picture.Create(640, 520), 1);
    for (int i = 0; i < 256; ++i) {
      picture.ColorTable()[i] = {static_cast<plat::BYTE>(255 - i), static_cast<plat::BYTE>(i / 2),
                                 static_cast<plat::BYTE>(i), 0};
    }
    picture.Fill(0, 0, 640, 480, kBackIndex);
    picture.Fill(0, 480, 10, 10, kSpriteIndex);
    *picture.PixelAddress(5, 485) = kKeyIndex;
    window = soundtest::MakeTestWindow(700, 520);
    ASSERT_NE(window, nullptr);
    dc = plat::GetDC(window);
    ASSERT_EQ(screen.Init(dc, &picture, 640, 480), 1);
    ASSERT_EQ(screen.Palette().CreateFromDib(picture), 1);
    plat::SelectPalette(dc, screen.Palette().Handle(), plat::FALSE);
    plat::RealizePalette(dc);
  }

  // Shows the picture and forgets its two whole-screen sends.
  void Settle() {
    screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
    screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
    plat::headless::ClearPresentLog();
  }

  plat::COLORREF Shown(int x, int y) { return plat::headless::Pixel(window, x, y); }

  CDib picture;
  CScreen screen;
  plat::HWND window = nullptr;
  plat::HDC dc = nullptr;
};

bool SameRect(const plat::RECT& r, int left, int top, int right, int bottom) {
  return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

}  // namespace

TEST_F(ScreenTest, InitDrawsThePictureIntoBothLayersAndFlushShowsIt) {
  EXPECT_EQ(*screen.Background().PixelAddress(639, 479), kBackIndex);
  EXPECT_EQ(*screen.Front().PixelAddress(0, 0), kBackIndex);
  ASSERT_GE(screen.DirtyCount(), 1);
  EXPECT_EQ(screen.Dirty(0).width, 640);
  EXPECT_EQ(screen.Flush(dc, 0, 0, CScreen::kFlushDirty), 1);
  EXPECT_EQ(Shown(0, 0), ColourOf(kBackIndex));
  EXPECT_EQ(Shown(639, 479), ColourOf(kBackIndex));
  // The picture's sprite sheet below row 480 is not on the screen.
  EXPECT_EQ(screen.Width(), 640);
  EXPECT_EQ(screen.Height(), 480);
}

TEST_F(ScreenTest, InitRefusesAMissingPicture) {
  CScreen other;
  EXPECT_EQ(other.Init(dc, nullptr, 640, 480), 0);
  EXPECT_EQ(other.Front().Info(), nullptr);
}

TEST(ScreenClip, RectanglesAreCutToTheScreen) {
  CScreen screen;
  CDib picture;
  ASSERT_EQ(picture.Create(640, 480), 1);
  ASSERT_EQ(screen.Init(nullptr, &picture, 640, 480), 1);
  int x = -5, y = 470, w = 20, h = 20;
  ASSERT_TRUE(screen.ClipRect(x, y, w, h));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(w, 15);
  EXPECT_EQ(y, 470);
  EXPECT_EQ(h, 10);
  x = -19, y = 0, w = 20, h = 1;
  ASSERT_TRUE(screen.ClipRect(x, y, w, h));
  EXPECT_EQ(w, 1);
  x = -20, w = 20;
  EXPECT_FALSE(screen.ClipRect(x, y, w, h));
  x = 640, w = 5;
  EXPECT_FALSE(screen.ClipRect(x, y, w, h));
  x = 0, y = 480, w = 5, h = 5;
  EXPECT_FALSE(screen.ClipRect(x, y, w, h));
  x = 10, y = 10, w = 0, h = 5;
  EXPECT_FALSE(screen.ClipRect(x, y, w, h));
  x = 2147483600, y = 0, w = 100, h = 5;
  EXPECT_FALSE(screen.ClipRect(x, y, w, h));

  int sx = 100, sy = 200;
  x = -5, y = -3, w = 20, h = 10;
  ASSERT_TRUE(screen.ClipBlitRect(x, y, sx, sy, w, h));
  EXPECT_EQ(sx, 105);
  EXPECT_EQ(sy, 203);
  EXPECT_EQ(w, 15);
  EXPECT_EQ(h, 7);
}

TEST_F(ScreenTest, BlitLeftOfTheScreenTakesTheSourceFurtherRight) {
  CDib source;
  ASSERT_EQ(source.Create(40, 4), 1);
  for (int x = 0; x < 40; ++x) *source.PixelAddress(x, 0) = static_cast<plat::BYTE>(100 + x);
  screen.Refresh(CScreen::kRefreshWipe);
  screen.Blit(-5, 30, &source, 0, 0, 20, 1, -1);
  for (int x = 0; x < 15; ++x) {
    EXPECT_EQ(*screen.Background().PixelAddress(x, 30), 105 + x) << x;
    EXPECT_EQ(*screen.Front().PixelAddress(x, 30), 105 + x) << x;
  }
  EXPECT_EQ(*screen.Background().PixelAddress(15, 30), kBackIndex);
  ASSERT_EQ(screen.DirtyCount(), 1);
  const DirtyRect& r = screen.Dirty(0);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.y, 30);
  EXPECT_EQ(r.width, 15);
  EXPECT_EQ(r.height, 1);
  EXPECT_EQ(r.kind, CScreen::kDirtyLasting);
}

TEST_F(ScreenTest, FiftyFirstDrawingCallBecomesOneWholeScreenRectangle) {
  screen.Refresh(CScreen::kRefreshWipe);
  for (int i = 0; i < 50; ++i) screen.BlitTop(i * 12, 0, &picture, 0, 480, 10, 10, -1);
  ASSERT_EQ(screen.DirtyCount(), 50);
  EXPECT_EQ(screen.Dirty(49).x, 588);
  screen.BlitTop(0, 100, &picture, 0, 480, 10, 10, -1);
  ASSERT_EQ(screen.DirtyCount(), 1);
  const DirtyRect& whole = screen.Dirty(0);
  EXPECT_TRUE(whole.x == 0 && whole.y == 0 && whole.width == 640 && whole.height == 480);
  EXPECT_EQ(whole.kind, CScreen::kDirtyLasting);
  screen.BlitTop(20, 100, &picture, 0, 480, 10, 10, -1);
  ASSERT_EQ(screen.DirtyCount(), 2);
  EXPECT_EQ(screen.Dirty(1).x, 20);
  EXPECT_EQ(screen.Dirty(1).kind, CScreen::kDirtySprite);

  plat::headless::ClearPresentLog();
  screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
  const std::vector<plat::RECT> log = plat::headless::PresentLog(window);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_TRUE(SameRect(log[0], 0, 0, 640, 480));
  EXPECT_TRUE(SameRect(log[1], 20, 100, 30, 110));
}

TEST_F(ScreenTest, SpriteShowsForOneFlushAndIsGoneAfterTheNext) {
  Settle();
  screen.BlitTop(100, 100, &picture, 0, 480, 10, 10, -1);
  EXPECT_EQ(screen.Flush(dc, 0, 0, CScreen::kFlushDirty), 1);
  EXPECT_EQ(Shown(100, 100), ColourOf(kSpriteIndex));
  EXPECT_EQ(Shown(109, 109), ColourOf(kSpriteIndex));
  EXPECT_EQ(Shown(110, 110), ColourOf(kBackIndex));
  EXPECT_EQ(*screen.Front().PixelAddress(100, 100), kBackIndex);  // wiped already

  EXPECT_EQ(screen.Flush(dc, 0, 0, CScreen::kFlushDirty), 1);
  EXPECT_EQ(Shown(100, 100), ColourOf(kBackIndex));
  EXPECT_EQ(Shown(109, 109), ColourOf(kBackIndex));
  EXPECT_EQ(screen.Flush(dc, 0, 0, CScreen::kFlushDirty), 0);
}

TEST_F(ScreenTest, TransparentBlitKeepsTheTargetAndLasts) {
  Settle();
  screen.Blit(200, 200, &picture, 0, 480, 10, 10, kKeyIndex);
  screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
  EXPECT_EQ(Shown(201, 201), ColourOf(kSpriteIndex));
  EXPECT_EQ(Shown(205, 205), ColourOf(kBackIndex));
  screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
  EXPECT_EQ(Shown(201, 201), ColourOf(kSpriteIndex));  // lasting, not wiped

  screen.Restore(200, 200, 10, 10);
  screen.Flush(dc, 0, 0, CScreen::kFlushDirty);
  EXPECT_EQ(Shown(201, 201), ColourOf(kBackIndex));
}

TEST_F(ScreenTest, EveryRectangleIsSentInItsFrameAndTheNext) {
  Settle();
  screen.Blit(5, 6, &picture, 0, 480, 10, 10, -1);
  screen.BlitTop(50, 60, &picture, 0, 480, 10, 10, -1);
  EXPECT_EQ(screen.Flush(dc, 30, 20, CScreen::kFlushDirty), 1);
  EXPECT_EQ(Shown(30 + 50, 20 + 60), ColourOf(kSpriteIndex));
  EXPECT_EQ(screen.Flush(dc, 30, 20, CScreen::kFlushDirty), 1);
  EXPECT_EQ(screen.Flush(dc, 30, 20, CScreen::kFlushDirty), 0);
  const std::vector<plat::RECT> log = plat::headless::PresentLog(window);
  ASSERT_EQ(log.size(), 4u);
  EXPECT_TRUE(SameRect(log[0], 35, 26, 45, 36));
  EXPECT_TRUE(SameRect(log[1], 80, 80, 90, 90));
  EXPECT_TRUE(SameRect(log[2], 35, 26, 45, 36));
  EXPECT_TRUE(SameRect(log[3], 80, 80, 90, 90));
}

TEST_F(ScreenTest, WholeFlushSendsTheFrontLayerOnceAndOtherModesNothing) {
  Settle();
  screen.BlitTop(0, 0, &picture, 0, 480, 10, 10, -1);
  EXPECT_EQ(screen.Flush(dc, 7, 8, CScreen::kFlushWhole), 1);
  std::vector<plat::RECT> log = plat::headless::PresentLog(window);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(SameRect(log[0], 7, 8, 647, 488));
  EXPECT_EQ(Shown(7, 8), ColourOf(kSpriteIndex));
  EXPECT_EQ(screen.DirtyCount(), 0);

  screen.BlitTop(0, 0, &picture, 0, 480, 10, 10, -1);
  plat::headless::ClearPresentLog();
  EXPECT_EQ(screen.Flush(dc, 0, 0, 5), 0);
  EXPECT_TRUE(plat::headless::PresentLog(window).empty());
  EXPECT_EQ(screen.DirtyCount(), 0);
  EXPECT_EQ(*screen.Front().PixelAddress(0, 0), kBackIndex);
}

TEST_F(ScreenTest, DrawingWhollyOffTheScreenRecordsNothing) {
  screen.Refresh(CScreen::kRefreshWipe);
  screen.Blit(640, 0, &picture, 0, 480, 10, 10, -1);
  screen.BlitTop(-10, 0, &picture, 0, 480, 10, 10, -1);
  screen.Restore(0, -30, 10, 30);
  screen.Blit(0, 0, nullptr, 0, 0, 10, 10, -1);
  EXPECT_EQ(screen.DirtyCount(), 0);
}

class ScreenTextTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ASSERT_EQ(font.Create(100, 10), 1);
    font.Fill(0, 0, 4, 10, 33);   // the blank
    font.Fill(10, 0, 5, 10, 41);  // A
    font.Fill(20, 0, 5, 10, 42);  // B
    font.Fill(30, 0, 5, 10, 43);  // C
    font.Fill(40, 0, 6, 10, 44);  // D, with a transparent column
    font.Fill(45, 0, 1, 10, 0);
    for (int c = kFirstGlyph; c <= kLastGlyph; ++c) SetGlyph(c, 0, 0, 4);
    glyphs[0] = 10;
    glyphs[1] = 0;
    SetGlyph('A', 10, 0, 5);
    SetGlyph('B', 20, 0, 5);
    SetGlyph('C', 30, 0, 5);
    SetGlyph('D', 40, 0, 6);
    screen.Refresh(CScreen::kRefreshWipe);
  }
  void SetGlyph(int c, int x, int y, int w) {
    std::int16_t* g = glyphs + 2 + 3 * (c - kFirstGlyph);
    g[0] = static_cast<std::int16_t>(x);
    g[1] = static_cast<std::int16_t>(y);
    g[2] = static_cast<std::int16_t>(w);
  }
  CDib font;
  std::int16_t glyphs[kGlyphTableWords] = {};
};

TEST_F(ScreenTextTest, TwoLinesRecordOneRectangleOfBothLines) {
  screen.DrawText(&font, glyphs, "ABC\nD", 100, 50, glyphs[1]);
  ASSERT_EQ(screen.DirtyCount(), 1);
  const DirtyRect& r = screen.Dirty(0);
  EXPECT_EQ(r.x, 100);
  EXPECT_EQ(r.y, 50);
  EXPECT_EQ(r.width, 18);   // 3 glyphs of 5 and a space each
  EXPECT_EQ(r.height, 18);  // 10 + 8
  EXPECT_EQ(r.kind, CScreen::kDirtySprite);
  const CDib& back = screen.Background();
  EXPECT_EQ(*back.PixelAddress(100, 50), 41);
  EXPECT_EQ(*back.PixelAddress(105, 50), kBackIndex);  // the gap between glyphs
  EXPECT_EQ(*back.PixelAddress(106, 59), 42);
  EXPECT_EQ(*back.PixelAddress(112, 50), 43);
  EXPECT_EQ(*back.PixelAddress(100, 58), 44);        // D one line down by 8
  EXPECT_EQ(*back.PixelAddress(105, 58), kBackIndex);  // D's transparent column
  EXPECT_EQ(*screen.Front().PixelAddress(112, 50), 43);
}

TEST_F(ScreenTextTest, CharactersOutsideTheFontAreBlanks) {
  screen.DrawText(&font, glyphs, "~\x85\x7F", 0, 0, glyphs[1]);
  const CDib& back = screen.Background();
  EXPECT_EQ(*back.PixelAddress(0, 0), 33);
  EXPECT_EQ(*back.PixelAddress(5, 9), 33);
  EXPECT_EQ(*back.PixelAddress(13, 0), 33);
  EXPECT_EQ(*back.PixelAddress(14, 0), kBackIndex);
  ASSERT_EQ(screen.DirtyCount(), 1);
  EXPECT_EQ(screen.Dirty(0).width, 15);
}

TEST_F(ScreenTextTest, TextIsClippedToTheScreen) {
  screen.DrawText(&font, glyphs, "ABCD", 630, 475, glyphs[1]);
  ASSERT_EQ(screen.DirtyCount(), 1);
  const DirtyRect& r = screen.Dirty(0);
  EXPECT_EQ(r.x, 630);
  EXPECT_EQ(r.width, 10);
  EXPECT_EQ(r.height, 5);
  screen.DrawText(&font, glyphs, "", 10, 10, glyphs[1]);
  screen.DrawText(&font, glyphs, "A", 700, 10, glyphs[1]);
  EXPECT_EQ(screen.DirtyCount(), 1);
}
