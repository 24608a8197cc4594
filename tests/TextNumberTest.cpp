// Numbers typed as text.
#include <gtest/gtest.h>

#include "frame/TextNumber.h"

using namespace shopbiz;

TEST(TextNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(TextToDouble(L"12.5"), 12.5);
    EXPECT_DOUBLE_EQ(TextToDouble(L"  -3abc"), -3);
    EXPECT_DOUBLE_EQ(TextToDouble(L".5"), 0.5);
    EXPECT_DOUBLE_EQ(TextToDouble(L"1e3x"), 1000);
    EXPECT_DOUBLE_EQ(TextToDouble(L"2e"), 2);
    for (const wchar_t* none : {L"", L"abc", L"-", L".", L"0x10", L"inf", L"nan", L"1e999", L"１２"})
        EXPECT_DOUBLE_EQ(TextToDouble(none), 0) << CString(none);
}

TEST(TextNumber, WholeTextChecks) {
    EXPECT_TRUE(IsNumberText(L" 4.25 "));
    EXPECT_FALSE(IsNumberText(L"4.25x"));
    EXPECT_FALSE(IsNumberText(L""));
    EXPECT_EQ(NumberText(L" 4.25 "), L"4.25");
    EXPECT_EQ(NumberText(L"abc"), L"0.00000000");
    EXPECT_EQ(NumberText(L"7kg"), L"7.00000000");

    int v = -1;
    EXPECT_TRUE(ParseIntText(L" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ParseIntText(L"-7", v));
    EXPECT_EQ(v, -7);
    for (const wchar_t* bad : {L"", L"1 or 1=1", L"4.0", L"99999999999", L"x"}) EXPECT_FALSE(ParseIntText(bad, v)) << CString(bad);
}
