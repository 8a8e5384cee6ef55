// CDib: layout of a new bitmap, clipped and transparent blits, fills, and
// remapping to a palette.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/sound/Dib.h"
#include "framework/sound/Palette.h"
#include "tests/framework/sound/SoundTestFiles.h"
#include "platform/include/plat/plat.h"
#include "platform/include/plat/headless.h"

namespace {

// Sets pixel (x, y) of a bitmap to x + 10 y.
void NumberPixels(CDib& dib) {
  for (int y = 0; y < dib.Height(); ++y) {
    for (int x = 0; x < dib.Width(); ++x) *dib.PixelAddress(x, y) = static_cast<plat::BYTE>(x + 10 * y);
  }
}

}  // namespace

TEST(Dib, CreateMakesPaddedZeroedRowsGreyRampAndWholeClip) {
  CDib dib;
  ASSERT_EQ(dib.Create(5, 3), 1);
  EXPECT_EQ(dib.Stride(), 8);
  const plat::BITMAPINFOHEADER& h = dib.Info()->bmiHeader;
  EXPECT_EQ(h.biSize, 40u);
  EXPECT_EQ(h.biWidth, 5);
  EXPECT_EQ(h.biHeight, 3);
  EXPECT_EQ(h.biPlanes, 1);
  EXPECT_EQ(h.biBitCount, 8);
  EXPECT_EQ(h.biCompression, 0u);
  EXPECT_EQ(h.biSizeImage, 0u);
  EXPECT_EQ(h.biClrUsed, 0u);
  for (int i = 0; i < 24; ++i) EXPECT_EQ(dib.Bits()[i], 0) << i;
  for (int i = 0; i < 256; ++i) {
    const plat::RGBQUAD& c = dib.ColorTable()[i];
    EXPECT_TRUE(c.rgbRed == i && c.rgbGreen == i && c.rgbBlue == i && c.rgbReserved == 0) << i;
  }
  const plat::RECT clip = dib.GetClipRect();
  EXPECT_EQ(clip.left, 0);
  EXPECT_EQ(clip.top, 0);
  EXPECT_EQ(clip.right, 5);
  EXPECT_EQ(clip.bottom, 3);
  EXPECT_EQ(dib.NumColors(), 256);
}

TEST(Dib, CreateRefusesImpossibleSizesAndHoldsNothing) {
  CDib dib;
  ASSERT_EQ(dib.Create(4, 4), 1);
  EXPECT_EQ(dib.Create(0, 4), 0);
  EXPECT_EQ(dib.Info(), nullptr);
  EXPECT_EQ(dib.Create(4, -1), 0);
  EXPECT_EQ(dib.Create(CDib::kMaxSide + 1, 1), 0);
  EXPECT_EQ(dib.Width(), 0);
  EXPECT_EQ(dib.PixelAddress(0, 0), nullptr);
}

TEST(Dib, PixelAddressCountsRowsFromTheTopOfTheImage) {
  CDib dib;
  ASSERT_EQ(dib.Create(5, 3), 1);
  // Row y = 0 is the last of the three stored rows of 8 bytes.
  EXPECT_EQ(dib.PixelAddress(0, 0), dib.Bits() + 16);
  EXPECT_EQ(dib.PixelAddress(4, 2), dib.Bits() + 4);
  EXPECT_EQ(dib.PixelAddress(5, 0), nullptr);
  EXPECT_EQ(dib.PixelAddress(0, 3), nullptr);
  EXPECT_EQ(dib.PixelAddress(-1, 0), nullptr);
  EXPECT_EQ(dib.PixelAddress(0, -1), nullptr);
}

TEST(Dib, BlitStartingLeftOfTheTargetTakesTheSourceFurtherRight) {
  CDib source;
  CDib target;
  ASSERT_EQ(source.Create(30, 4), 1);
  ASSERT_EQ(target.Create(20, 4), 1);
  NumberPixels(source);
  target.Fill(0, 0, 20, 4, 200);
  ASSERT_EQ(source.Blit(&target, -10, 1, 2, 0, 15, 2, -1), 1);
  // Five columns land at 0..4 from source columns 12..16, rows 0 and 1.
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(*target.PixelAddress(x, 1), 12 + x) << x;
    EXPECT_EQ(*target.PixelAddress(x, 2), 22 + x) << x;
  }
  EXPECT_EQ(*target.PixelAddress(5, 1), 200);
  EXPECT_EQ(*target.PixelAddress(0, 0), 200);
  EXPECT_EQ(*target.PixelAddress(0, 3), 200);
}

TEST(Dib, TransparentBlitKeepsTheTargetUnderTheKeyIndex) {
  CDib source;
  CDib target;
  ASSERT_EQ(source.Create(3, 1), 1);
  ASSERT_EQ(target.Create(3, 1), 1);
  *source.PixelAddress(0, 0) = 0;
  *source.PixelAddress(1, 0) = 7;
  *source.PixelAddress(2, 0) = 0;
  target.Fill(0, 0, 3, 1, 99);
  ASSERT_EQ(source.Blit(&target, 0, 0, 0, 0, 3, 1, 0), 1);
  EXPECT_EQ(*target.PixelAddress(0, 0), 99);
  EXPECT_EQ(*target.PixelAddress(1, 0), 7);
  EXPECT_EQ(*target.PixelAddress(2, 0), 99);
  // Only the low byte of the key counts: 0x100 is index 0 as well.
  target.Fill(0, 0, 3, 1, 98);
  ASSERT_EQ(source.Blit(&target, 0, 0, 0, 0, 3, 1, 0x100), 1);
  EXPECT_EQ(*target.PixelAddress(0, 0), 98);
}

// Keys whose bits sit at the edges of a byte among source values all round
// it, on rows that are not whole words long and start off word boundaries.
TEST(Dib, TransparentBlitTakesEveryValueButTheKeyAtAnyWidth) {
  CDib source;
  CDib target;
  ASSERT_EQ(source.Create(37, 8), 1);
  ASSERT_EQ(target.Create(40, 8), 1);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 37; ++x) *source.PixelAddress(x, y) = static_cast<plat::BYTE>(y * 37 + x);
  }
  for (int key : {0, 1, 0x7F, 0x80, 0xFE, 0xFF, 133}) {
    for (int width : {1, 7, 8, 9, 16, 35}) {
      target.Fill(0, 0, 40, 8, 0xAA);
      ASSERT_EQ(source.Blit(&target, 3, 0, 1, 0, width, 8, key), 1);
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 40; ++x) {
          const int from = x - 3 + 1;
          const bool inside = x >= 3 && x < 3 + width;
          const int value = inside ? *source.PixelAddress(from, y) : key;
          const int want = value == key ? 0xAA : value;
          ASSERT_EQ(*target.PixelAddress(x, y), want) << key << " " << width << " " << x << "," << y;
        }
      }
    }
  }
}

TEST(Dib, BlitKeepsInsideTheTargetClip) {
  CDib source;
  CDib target;
  ASSERT_EQ(source.Create(8, 8), 1);
  ASSERT_EQ(target.Create(8, 8), 1);
  source.Fill(0, 0, 8, 8, 5);
  target.SetClip(2, 3, 4, 5);
  ASSERT_EQ(source.Blit(&target, 0, 0, 0, 0, 8, 8, -1), 1);
  int written = 0;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) written += *target.PixelAddress(x, y) == 5 ? 1 : 0;
  }
  EXPECT_EQ(written, 4);
  EXPECT_EQ(*target.PixelAddress(2, 3), 5);
  EXPECT_EQ(*target.PixelAddress(3, 4), 5);
  // Wholly outside the clip: nothing, answered 0.
  EXPECT_EQ(source.Blit(&target, 5, 5, 0, 0, 2, 2, -1), 0);
}

TEST(Dib, BlitNeverReadsBeyondTheSource) {
  CDib source;
  CDib target;
  ASSERT_EQ(source.Create(4, 4), 1);
  ASSERT_EQ(target.Create(16, 16), 1);
  NumberPixels(source);
  target.Fill(0, 0, 16, 16, 200);
  // Asks for 10 x 10 from (2, 2) of a 4 x 4 source: only 2 x 2 exist.
  ASSERT_EQ(source.Blit(&target, 0, 0, 2, 2, 10, 10, -1), 1);
  EXPECT_EQ(*target.PixelAddress(0, 0), 22);
  EXPECT_EQ(*target.PixelAddress(1, 1), 33);
  EXPECT_EQ(*target.PixelAddress(2, 0), 200);
  EXPECT_EQ(*target.PixelAddress(0, 2), 200);
  // A source origin left of the bitmap moves the destination along.
  ASSERT_EQ(source.Blit(&target, 10, 10, -1, 0, 3, 1, -1), 1);
  EXPECT_EQ(*target.PixelAddress(10, 10), 200);
  EXPECT_EQ(*target.PixelAddress(11, 10), 0);
  EXPECT_EQ(*target.PixelAddress(12, 10), 1);
  EXPECT_EQ(source.Blit(&target, 0, 0, 4, 0, 2, 2, -1), 0);
  EXPECT_EQ(source.Blit(&target, 0, 0, 0x7FFFFFFF, 0, 0x7FFFFFFF, 2, -1), 0);
}

TEST(Dib, BlitRefusesMissingTargetAndEmptyAreas) {
  CDib source;
  CDib empty;
  ASSERT_EQ(source.Create(4, 4), 1);
  EXPECT_EQ(source.Blit(nullptr, 0, 0, 0, 0, 2, 2, -1), 0);
  EXPECT_EQ(source.Blit(&empty, 0, 0, 0, 0, 2, 2, -1), 0);
  EXPECT_EQ(empty.Blit(&source, 0, 0, 0, 0, 2, 2, -1), 0);
  CDib target;
  ASSERT_EQ(target.Create(4, 4), 1);
  EXPECT_EQ(source.Blit(&target, 0, 0, 0, 0, 0, 2, -1), 0);
  EXPECT_EQ(source.Blit(&target, 0, 0, 0, 0, 2, -3, -1), 0);
}

TEST(Dib, FillStaysInsideTheClipAndAClipIsCutToTheBitmap) {
  CDib dib;
  ASSERT_EQ(dib.Create(6, 4), 1);
  dib.SetClip(-5, -5, 100, 100);
  const plat::RECT clip = dib.GetClipRect();
  EXPECT_EQ(clip.left, 0);
  EXPECT_EQ(clip.top, 0);
  EXPECT_EQ(clip.right, 6);
  EXPECT_EQ(clip.bottom, 4);
  ASSERT_EQ(dib.Fill(-3, -3, 100, 100, 0x1FF), 1);
  for (int i = 0; i < dib.Stride() * dib.Height(); ++i) {
    const int x = i % dib.Stride();
    EXPECT_EQ(dib.Bits()[i], x < 6 ? 0xFF : 0) << i;  // padding untouched
  }
  dib.SetClip(1, 1, 3, 2);
  ASSERT_EQ(dib.Fill(0, 0, 6, 4, 3), 1);
  EXPECT_EQ(*dib.PixelAddress(1, 1), 3);
  EXPECT_EQ(*dib.PixelAddress(2, 1), 3);
  EXPECT_EQ(*dib.PixelAddress(3, 1), 0xFF);
  EXPECT_EQ(*dib.PixelAddress(1, 2), 0xFF);
  EXPECT_EQ(dib.Fill(4, 0, 2, 4, 3), 0);
}

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { plat::headless::Reset(); }
};

// A palette whose entry i holds the colour the grey ramp has at 255 - i.
plat::HPALETTE ReversedGreyPalette(CPalette& palette) {
  CDib ramp;
  EXPECT_EQ(ramp.Create(1, 1), 1);
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<plat::BYTE>(255 - i);
    ramp.ColorTable()[i] = {v, v, v, 0};
  }
  EXPECT_EQ(palette.CreateFromDib(ramp), 1);
  return palette.Handle();
}

TEST_F(PaletteTest, CreateFromDibTakesTheColourTable) {
  CDib dib;
  ASSERT_EQ(dib.Create(2, 2), 1);
  dib.ColorTable()[3] = {30, 20, 10, 0};  // blue, green, red
  CPalette palette;
  ASSERT_EQ(palette.CreateFromDib(dib), 1);
  plat::PALETTEENTRY entries[256];
  ASSERT_EQ(plat::GetPaletteEntries(palette.Handle(), 0, 256, entries), 256u);
  EXPECT_EQ(entries[3].peRed, 10);
  EXPECT_EQ(entries[3].peGreen, 20);
  EXPECT_EQ(entries[3].peBlue, 30);
  EXPECT_EQ(entries[3].peFlags, 0);
  EXPECT_EQ(entries[200].peRed, 200);
}

TEST_F(PaletteTest, CreateFromDibOfAnEmptyBitmapKeepsTheOldPalette) {
  CPalette palette;
  ReversedGreyPalette(palette);
  const plat::HPALETTE before = palette.Handle();
  CDib empty;
  EXPECT_EQ(palette.CreateFromDib(empty), 0);
  EXPECT_EQ(palette.Handle(), before);
}

TEST_F(PaletteTest, MakeIdentityLeavesThePaletteAloneOnATrueColourDisplay) {
  plat::HWND window = soundtest::MakeTestWindow(32, 32);
  ASSERT_NE(window, nullptr);
  plat::HDC dc = plat::GetDC(window);
  CPalette palette;
  EXPECT_EQ(palette.MakeIdentity(dc), 0);  // no palette yet
  ReversedGreyPalette(palette);
  EXPECT_EQ(palette.MakeIdentity(dc), 0);
  plat::PALETTEENTRY entries[256];
  ASSERT_EQ(plat::GetPaletteEntries(palette.Handle(), 0, 256, entries), 256u);
  EXPECT_EQ(entries[0].peRed, 255);
  EXPECT_EQ(entries[0].peFlags, 0);
}

TEST_F(PaletteTest, RemapOntoItsOwnColoursChangesNothing) {
  CDib dib;
  ASSERT_EQ(dib.Create(4, 2), 1);
  NumberPixels(dib);
  CPalette palette;
  ASSERT_EQ(palette.CreateFromDib(dib), 1);
  plat::BYTE before[8];
  std::memcpy(before, dib.Bits(), 8);
  ASSERT_EQ(dib.RemapToPalette(palette.Handle()), 1);
  EXPECT_EQ(std::memcmp(before, dib.Bits(), 8), 0);
  EXPECT_EQ(dib.Info()->bmiHeader.biClrUsed, 0u);
}

TEST_F(PaletteTest, RemapMovesPixelsToTheNearestEntryAndTakesTheColours) {
  CDib dib;
  ASSERT_EQ(dib.Create(4, 2), 1);
  NumberPixels(dib);  // 0, 1, 2, 3 / 10, 11, 12, 13
  dib.ColorTable()[0].rgbReserved = 9;
  CPalette palette;
  ReversedGreyPalette(palette);
  ASSERT_EQ(dib.RemapToPalette(palette.Handle()), 1);
  EXPECT_EQ(*dib.PixelAddress(0, 0), 255);
  EXPECT_EQ(*dib.PixelAddress(3, 0), 252);
  EXPECT_EQ(*dib.PixelAddress(2, 1), 243);
  EXPECT_EQ(dib.ColorTable()[0].rgbRed, 255);
  EXPECT_EQ(dib.ColorTable()[255].rgbGreen, 0);
  EXPECT_EQ(dib.ColorTable()[0].rgbReserved, 9);
  EXPECT_EQ(dib.Info()->bmiHeader.biClrUsed, 256u);
}

TEST_F(PaletteTest, RemapWithoutAPaletteFailsAndChangesNothing) {
  CDib dib;
  ASSERT_EQ(dib.Create(4, 2), 1);
  NumberPixels(dib);
  CPalette none;
  EXPECT_EQ(dib.RemapToPalette(none.Handle()), 0);
  EXPECT_EQ(*dib.PixelAddress(3, 1), 13);
  CDib empty;
  CPalette palette;
  ReversedGreyPalette(palette);
  EXPECT_EQ(empty.RemapToPalette(palette.Handle()), 0);
}
