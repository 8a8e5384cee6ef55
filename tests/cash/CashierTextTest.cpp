// The cashier's pure text rules: word wrap in the screen's font, the
// temporary file's path and the fatal box's bounded text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cash/CashierClient.h"
#include "cash/CashierLayout.h"
#include "cash/TempFilePath.h"
#include "cash/TextWrap.h"
#include "framework/sound/GlyphTable.h"

namespace {

constexpr GlyphTable kFont = MakeGlyphTable(cash::kFontLayout);

// Every glyph of the pixel font's 'W' is 5 wide: 6 a character.
std::string Wrap(const char* text, int width) {
  char out[256];
  WrapText(kFont.data(), text, width, out, sizeof out);
  return out;
}

int LineWidth(const std::string& line) { return TextWidth(kFont.data(), line.c_str()); }

TEST(CashierWrap, BreaksAtTheLastBlankBeforeTheWidth) {
  // "WWW WWW" is 7 characters of 6 pixels: 42 > 30, so the blank breaks.
  EXPECT_EQ(Wrap("WWW WWW", 30), "WWW\nWWW");
  EXPECT_EQ(Wrap("WWW WWW", 42), "WWW WWW");
  EXPECT_EQ(Wrap("WW WW WW WW", 36), "WW WW\nWW WW");
}

TEST(CashierWrap, KeepsNewLinesAndMeasuresEachLineAfresh) {
  EXPECT_EQ(Wrap("WWWW\nWWWW", 24), "WWWW\nWWWW");
  EXPECT_EQ(Wrap("\n\nWW", 24), "\n\nWW");
}

// A word wider than the box (a server message without blanks) is broken
// inside, and every line fits.
TEST(CashierWrap, BreaksAWordWiderThanTheBoxInside) {
  const std::string wrapped = Wrap("WWWWWWWWWWWWWWWWWWWW", 30);
  EXPECT_EQ(wrapped, "WWWWW\nWWWWW\nWWWWW\nWWWWW");
  const std::string mixed = Wrap("AB WWWWWWWWWW CD", 30);
  std::size_t start = 0;
  std::string letters;
  while (start <= mixed.size()) {
    const std::size_t end = std::min(mixed.find('\n', start), mixed.size());
    const std::string line = mixed.substr(start, end - start);
    EXPECT_LE(LineWidth(line), 30) << line;
    letters += line;
    start = end + 1;
  }
  // Nothing lost: only blanks became breaks.
  std::string lettersOnly;
  for (char c : letters)
    if (c != ' ') lettersOnly += c;
  EXPECT_EQ(lettersOnly, "ABWWWWWWWWWWCD");
}

TEST(CashierWrap, CutsToTheOutputAndTerminates) {
  char out[6];
  std::memset(out, 'x', sizeof out);
  WrapText(kFont.data(), "WWWWWWWWWW", 1000, out, sizeof out);
  EXPECT_STREQ(out, "WWWWW");
}

TEST(CashierTempFile, TempThenTmpThenTheRootOfDriveC) {
  char path[kTempPathSize];
  ASSERT_EQ(TempFilePath("D:\\Temp", "E:\\Tmp", path, sizeof path), 1);
  EXPECT_STREQ(path, "D:\\Temp\\mivane.tmp");
  ASSERT_EQ(TempFilePath("D:\\Temp\\", nullptr, path, sizeof path), 1);
  EXPECT_STREQ(path, "D:\\Temp\\mivane.tmp");
  ASSERT_EQ(TempFilePath("/tmp/", nullptr, path, sizeof path), 1);
  EXPECT_STREQ(path, "/tmp/mivane.tmp");
  ASSERT_EQ(TempFilePath(nullptr, "E:\\Tmp", path, sizeof path), 1);
  EXPECT_STREQ(path, "E:\\Tmp\\mivane.tmp");
  ASSERT_EQ(TempFilePath("", "", path, sizeof path), 1);
  EXPECT_STREQ(path, "C:\\mivane.tmp");
  ASSERT_EQ(TempFilePath(nullptr, nullptr, path, sizeof path), 1);
  EXPECT_STREQ(path, "C:\\mivane.tmp");
}

TEST(CashierTempFile, APathTooLongIsRefusedEmpty) {
  const std::string longFolder(kTempPathSize, 'a');
  char path[kTempPathSize];
  EXPECT_EQ(TempFilePath(longFolder.c_str(), nullptr, path, sizeof path), 0);
  EXPECT_STREQ(path, "");
}

TEST(CashierFatalText, ClientAndServerTextsAreBoundedTo160) {
  char text[cash::kFatalTextSize];
  cash::FatalText("WAITGETUSERINFO: Answer != ok", "no such user", text);
  EXPECT_STREQ(text, "CLIENT: WAITGETUSERINFO: Answer != ok\nSERVER: no such user");
  cash::FatalText("WAITVIEWLOG: Answer != ok", nullptr, text);
  EXPECT_STREQ(text, "CLIENT: WAITVIEWLOG: Answer != ok");
  const std::string longServer(500, 'e');
  cash::FatalText("WAITVIEWLOG: Answer != ok", longServer.c_str(), text);
  EXPECT_EQ(std::strlen(text), cash::kFatalTextSize - 1);
  EXPECT_EQ(std::string(text).rfind("CLIENT: WAITVIEWLOG: Answer != ok\nSERVER: eee", 0), 0u);
}

}  // namespace
