#include <gtest/gtest.h>

#include "shopbiz.h"

namespace {

CString F(const wchar_t* format, auto... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

TEST(CStringFormat, WindowsWideConversions) {
    EXPECT_EQ(F(L"'%s'|%s|%S", CString(L"银行"), L"a", "narrow 文"), L"'银行'|a|narrow 文");
    EXPECT_EQ(F(L"%d %ld %u %I64d", 42, -7L, 4000000000u, 1234567890123LL), L"42 -7 4000000000 1234567890123");
    EXPECT_EQ(F(L"%x %X %04d", -1, 255, 7), L"ffffffff FF 0007");  // an int shows its own 32 bits
    EXPECT_EQ(F(L"%.08lf|%0.08lf|%0.2lf", 1.5, 2.0, -0.125), L"1.50000000|2.00000000|-0.12");
    EXPECT_EQ(F(L"%.0f", 1234.5), L"1234");  // round half to even, like the C runtime
    EXPECT_EQ(F(L"100%%|%c%c|%5s|%-5s|%.2s", L'中', 'A', L"ab", L"ab", L"abcdef"), L"100%|中A|   ab|ab   |ab");
    // Mismatched or missing arguments do not crash.
    EXPECT_EQ(F(L"%d|%.2f|%s", 2.9, 3, 12), L"2|3.00|12");
    EXPECT_EQ(F(L"[%s][%d] tail %"), L"[][0] tail %");
    EXPECT_EQ(F(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
}

TEST(CStringFormat, LongTextsAreNotTruncated) {
    CString big(L'x', 100000);
    CString s = F(L"<%s>", big);
    s.AppendFormat(L"%s%d", big, 5);
    ASSERT_EQ(s.GetLength(), 200003);
    EXPECT_EQ(s.Left(2), L"<x");
    EXPECT_EQ(s.Right(3), L"xx5");
}

TEST(CStringEdit, ReplaceMidTrimAndFind) {
    CString s(L"aaa");
    EXPECT_EQ(s.Replace(L"a", L"aa") + s.Replace(L"", L"z"), 3);  // what it inserted is not scanned again
    EXPECT_EQ(s, L"aaaaaa");
    // Out-of-range positions clamp instead of crashing.
    CString d(L"2013-05-06");
    EXPECT_EQ(d.Mid(-3, 4) + d.Mid(20, 3) + d.Mid(8, 100) + d.Left(-1) + d.Right(-5), L"201306");
    EXPECT_EQ(d.Right(99), d);
    EXPECT_EQ(d.GetAt(99), L'\0');
    EXPECT_EQ(d.Find(L'-', 100), -1);
    EXPECT_EQ(d.ReverseFind(L'-'), 7);
    EXPECT_EQ(CString(L" \t\r\n\x3000\xA0 名称 \x2003\n").Trim(), L"名称");  // Unicode white space too
    EXPECT_EQ(CString(L"aBc中").MakeUpper(), L"ABC中");
    EXPECT_EQ(L'<' + CString(L"甲") + L">", L"<甲>");
    EXPECT_EQ(CString::FromUtf8("零售客户").GetLength(), 4);
    EXPECT_EQ(CString(L"零售客户").ToUtf8(), "零售客户");
}

TEST(CStringArrayTest, AddInsertAndGrow) {
    CStringArray arr;
    arr.Add(L"a");
    arr.InsertAt(0, L"b");
    arr.SetAtGrow(3, L"d");
    EXPECT_EQ(arr[0] + arr[1] + arr[2] + arr[3] + arr.GetAt(7), L"bad");  // out of range reads empty
    EXPECT_EQ(arr.GetSize(), 4);
}

TEST(CStringDatabase, ChineseTextRoundTripsThroughSqlite) {
    const CString text(L"长城牌 A4纸（500张）‘特价’ — 𠀀");
    CppSQLite3DB db;
    db.open(":memory:");
    CppSQLite3Query q = db.execQuery(CString(L"SELECT '") + text + L"', length('" + text + L"')");
    EXPECT_EQ(q.getStringField(0), text);
    EXPECT_EQ(q.getIntField(1), text.GetLength());  // SQLite counts the same characters
}

}  // namespace
