#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/win32/ScaledFont.h"

namespace fennick {
namespace {

LOGFONTW Describe(const Font& font)
{
    LOGFONTW description{};
    GetObjectW(font.Handle(), sizeof(description), &description);
    return description;
}

TEST(CreateScaledFont, DescribesTheFontFromItsPointsFlagsAndPercentages)
{
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    const auto plain = CreateScaledFont(screen, 9.0, L"굴림", false, false, false, false, 100.0, 100.0);
    const auto styled = CreateScaledFont(screen, 9.0, L"굴림", true, true, true, true, 50.0, 200.0);
    ReleaseDC(nullptr, screen);

    ASSERT_NE(plain->Handle(), nullptr);
    const LOGFONTW p = Describe(*plain);
    EXPECT_EQ(p.lfHeight, -MulDiv(9, dotsPerInch, 72));
    EXPECT_EQ(p.lfWidth, 0);
    EXPECT_EQ(p.lfWeight, FW_NORMAL);
    EXPECT_FALSE(p.lfItalic || p.lfUnderline || p.lfStrikeOut);
    EXPECT_EQ(p.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(p.lfQuality, ANTIALIASED_QUALITY);
    EXPECT_EQ(std::wstring(p.lfFaceName), L"굴림");

    const LOGFONTW s = Describe(*styled);
    EXPECT_EQ(s.lfHeight, -MulDiv(18, dotsPerInch, 72));
    EXPECT_EQ(s.lfWidth, (MulDiv(18, dotsPerInch, 72) + 2) / 4);
    EXPECT_EQ(s.lfWeight, FW_BOLD);
    EXPECT_TRUE(s.lfItalic && s.lfUnderline && s.lfStrikeOut);
}

} // namespace
} // namespace fennick
