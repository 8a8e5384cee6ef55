// How long a window's DCs live: an own DC as long as its window, any other
// from GetDC to ReleaseDC or from BeginPaint to EndPaint.
#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

class DcLifetime : public contract::Contract {};

constexpr COLORREF kRed = RGB(255, 0, 0);

TEST_F(DcLifetime, ACommonDcLivesFromGetDcToReleaseDcAndStartsPlain) {
  HWND hwnd = MakeWindow(32, 32, 0);
  ASSERT_NE(hwnd, nullptr);
  HDC dc = GetDC(hwnd);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(SetTextColor(dc, kRed), RGB(0, 0, 0));
  EXPECT_NE(GetPixel(dc, 1, 1), CLR_INVALID);
  EXPECT_EQ(ReleaseDC(hwnd, dc), 1);
  EXPECT_EQ(ReleaseDC(hwnd, dc), 0);
  EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
  HDC again = GetDC(hwnd);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(SetTextColor(again, kRed), RGB(0, 0, 0));  // nothing kept from the last one
  EXPECT_EQ(ReleaseDC(hwnd, again), 1);
}

TEST_F(DcLifetime, AnOwnDcKeepsItsStateUntilTheWindowGoes) {
  HWND hwnd = MakeWindow(32, 32, CS_OWNDC);
  ASSERT_NE(hwnd, nullptr);
  HDC dc = GetDC(hwnd);
  SetTextColor(dc, kRed);
  EXPECT_EQ(ReleaseDC(hwnd, dc), 1);
  EXPECT_EQ(ReleaseDC(hwnd, dc), 1);  // still there
  EXPECT_EQ(GetDC(hwnd), dc);
  EXPECT_EQ(SetTextColor(dc, RGB(0, 0, 0)), kRed);
  PAINTSTRUCT ps;
  EXPECT_EQ(BeginPaint(hwnd, &ps), dc);
  EXPECT_TRUE(EndPaint(hwnd, &ps));
  EXPECT_NE(GetPixel(dc, 1, 1), CLR_INVALID);
  DestroyWindow(hwnd);
  EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
  EXPECT_EQ(ReleaseDC(hwnd, dc), 0);
}

TEST_F(DcLifetime, APaintDcGoesAtEndPaint) {
  HWND hwnd = MakeWindow(32, 32, 0);
  ShowWindow(hwnd, SW_SHOW);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(ps.hdc, dc);
  EXPECT_EQ(ps.rcPaint.right, 32);
  EXPECT_EQ(ps.rcPaint.bottom, 32);
  EXPECT_NE(GetPixel(dc, 1, 1), CLR_INVALID);
  EXPECT_TRUE(EndPaint(hwnd, &ps));
  EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
}

TEST_F(DcLifetime, TheScreenDcAnswersCapabilitiesUntilReleased) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL), 24);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
}

}  // namespace
