// Numbers typed as text that go into SQL.
#include <gtest/gtest.h>

#include "common/NumberText.h"

using namespace shopbiz;

TEST(NumberText, NumbersStayOtherTextsBecomeOneAndWholeNumbersAreStrict) {
    for (auto [text, sql] : {std::pair{L" 4.25 ", L"4.25"}, {L"abc", L"0.00000000"}, {L"7kg", L"7.00000000"}})
        EXPECT_EQ(NumberText(text), sql) << CString(text);
    int v = 0;
    EXPECT_TRUE(ParseIntText(L" -42 ", v) && v == -42);
    for (const wchar_t* bad : {L"", L"1 or 1=1", L"4.0", L"99999999999"})
        EXPECT_FALSE(ParseIntText(bad, v)) << CString(bad);
}
