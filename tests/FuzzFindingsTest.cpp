// What fuzzing the parsers and formatters found, kept as cases.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "common/AmountText.h"
#include "common/NumberText.h"
#include "shopbiz.h"

namespace {

TEST(FuzzFindings, AmountsTooLargeForFenAreRefusedNotMisread) {
    // The largest doubles overflow to infinity when counted in fen.
    for (double v : {DBL_MAX, -DBL_MAX, 1e306, 1e17})
        EXPECT_EQ(CSysBLL().Double2RMB(v), L"数值过大，不能转换") << v;
    EXPECT_EQ(CSysBLL().Double2RMB(1e16), L"壹万万亿元整");
}

TEST(FuzzFindings, RemovingFarPastTheEndStopsAtTheEnd) {
    CStringArray a;
    for (const wchar_t* s : {L"甲", L"乙", L"丙"}) a.Add(s);
    a.RemoveAt(1, INT_MAX);  // index + count overflowed an int
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], L"甲");
}

TEST(FuzzFindings, EveryIntegerReaderTakesTheSameBlanks) {
    for (const wchar_t* text : {L"\u30007", L"\u00a07\u00a0", L"\u20037", L" 7 "}) {
        int whole = 0;
        ASSERT_TRUE(shopbiz::IsWholeNumber(text, true, &whole)) << CString(text);
        EXPECT_EQ(shopbiz::WToI(text), whole);
        EXPECT_EQ(shopbiz::ParseAmount(text), whole);
    }
}

}  // namespace
