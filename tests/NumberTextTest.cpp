// Numbers typed as text: read without regard to the locale, and checked before they go into SQL.
#include <gtest/gtest.h>

#include "common/AmountText.h"
#include "common/NumberText.h"

using namespace shopbiz;

TEST(NumberText, ReadingAndCheckingNumbers) {
    // ParseAmount reads the leading number; IsPlainNumber wants the whole text to be one.
    const std::tuple<const wchar_t*, double, bool> amounts[] = {
        {L" 12.5 ", 12.5, true}, {L"-1e3", -1000, true}, {L".5", 0.5, true}, {L"+7.", 7, true},
        {L"7kg", 7, false},      {L"12,5", 12, false},   {L"1e999", 0, false}, {L"", 0, false},
        {L"0x1A", 0, false},     {L"1;--", 1, false},    {L"nan", 0, false},   {L"12e", 12, false},
    };
    for (const auto& [text, value, plain] : amounts) {
        SCOPED_TRACE(CString(text).ToUtf8());
        EXPECT_EQ(ParseAmount(text), value);
        EXPECT_EQ(IsPlainNumber(text), plain);
    }
    for (auto [text, sql] : {std::pair{L" 4.25 ", L"4.25"}, {L"abc", L"0.00000000"}, {L"7kg", L"7.00000000"}})
        EXPECT_EQ(NumberText(text), sql) << CString(text);
    int v = 0;
    EXPECT_TRUE(IsWholeNumber(L" -42 ", true, &v) && v == -42);
    EXPECT_FALSE(IsWholeNumber(L"-42", false));
    for (const wchar_t* bad : {L"", L"1 or 1=1", L"4.0", L"99999999999", L"+"})
        EXPECT_FALSE(IsWholeNumber(bad)) << CString(bad);
}

TEST(NumberText, CentsRoundHalfAwayFromZero) {
    for (auto [amount, text] : {std::pair{12.345, L"12.35"}, {-0.005, L"-0.01"}, {30.25, L"30.25"}, {-0.001, L"0.00"},
                                {1e13, L"10000000000000.00"}})
        EXPECT_EQ(CentsText(amount), text) << amount;
}
