#include <gtest/gtest.h>

#include "shopbiz.h"
#include "support/ShopDbTest.h"

namespace {

CString F(const wchar_t* format, auto... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

TEST(CStringFormat, WindowsWideConversions) {
    CString name(L"银行");
    EXPECT_EQ(F(L"'%s'", name), L"'银行'");
    EXPECT_EQ(F(L"%s|%s", L"a", CString(L"b")), L"a|b");
    EXPECT_EQ(F(L"%S", "narrow 文"), L"narrow 文");
    EXPECT_EQ(F(L"%d %ld %i", 42, -7L, 0), L"42 -7 0");
    EXPECT_EQ(F(L"%x %X", 255, 255), L"ff FF");
    EXPECT_EQ(F(L"%x", -1), L"ffffffff");  // an int shows its own 32 bits
    EXPECT_EQ(F(L"%04d|%06d|%02d", 7, 123, 5), L"0007|000123|05");
    EXPECT_EQ(F(L"%.08lf", 1.5), L"1.50000000");
    EXPECT_EQ(F(L"%0.08lf", 2.0), L"2.00000000");
    EXPECT_EQ(F(L"%.02f|%.2f|%0.2lf", 3.14159, 2.005, -0.125), L"3.14|2.00|-0.12");
    EXPECT_EQ(F(L"%.0f", 1234.5), L"1234");  // round half to even, like the C runtime
    EXPECT_EQ(F(L"100%%"), L"100%");
    EXPECT_EQ(F(L"%c%c", L'中', 'A'), L"中A");
    EXPECT_EQ(F(L"%5s|%-5s|%.2s", L"ab", L"ab", L"abcdef"), L"   ab|ab   |ab");
    EXPECT_EQ(F(L"%I64d", 1234567890123LL), L"1234567890123");
    EXPECT_EQ(F(L"%u", 4000000000u), L"4000000000");
}

TEST(CStringFormat, MismatchedOrMissingArgumentsDoNotCrash) {
    EXPECT_EQ(F(L"%d", 2.9), L"2");
    EXPECT_EQ(F(L"%.2f", 3), L"3.00");
    EXPECT_EQ(F(L"%s", 12), L"12");
    EXPECT_EQ(F(L"[%s][%d]"), L"[][0]");
    EXPECT_EQ(F(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
    EXPECT_EQ(F(L"tail %"), L"tail %");
}

TEST(CStringFormat, LongTextsAreNotTruncated) {
    CString big(L'x', 100000);
    CString s = F(L"<%s>", big);
    ASSERT_EQ(s.GetLength(), 100002);
    EXPECT_EQ(s.Left(2), L"<x");
    EXPECT_EQ(s.Right(2), L"x>");
    s.AppendFormat(L"%s%d", big, 5);
    EXPECT_EQ(s.GetLength(), 200003);
}

TEST(CStringEdit, ReplaceDoesNotRescanWhatItInserted) {
    CString s(L"aaa");
    EXPECT_EQ(s.Replace(L"a", L"aa"), 3);
    EXPECT_EQ(s, L"aaaaaa");
    CString t(L"……x……");
    EXPECT_EQ(t.Replace(L"……", L"*"), 2);
    EXPECT_EQ(t, L"*x*");
    CString u(L"abab");
    EXPECT_EQ(u.Replace(L"", L"z"), 0);
    EXPECT_EQ(u.Replace(L"ab", L""), 2);
    EXPECT_TRUE(u.IsEmpty());
    CString v(L"a-b-c");
    EXPECT_EQ(v.Replace(L'-', L'/'), 2);
    EXPECT_EQ(v, L"a/b/c");
}

TEST(CStringEdit, MidLeftRightClampInsteadOfCrashing) {
    CString s(L"2013-05-06");
    EXPECT_EQ(s.Mid(5, 2), L"05");
    EXPECT_EQ(s.Mid(8), L"06");
    EXPECT_EQ(s.Mid(-3, 4), L"2013");
    EXPECT_EQ(s.Mid(20, 3), L"");
    EXPECT_EQ(s.Mid(8, 100), L"06");
    EXPECT_EQ(s.Mid(2, -1), L"");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Left(99), s);
    EXPECT_EQ(s.Right(2), L"06");
    EXPECT_EQ(s.Right(99), s);
    EXPECT_EQ(s.Right(-5), L"");
    EXPECT_EQ(s.GetAt(99), L'\0');
}

TEST(CStringEdit, TrimTakesUnicodeWhiteSpace) {
    CString s(L" \t\r\n\x3000\xA0 名称 \x2003\n");
    s.Trim();
    EXPECT_EQ(s, L"名称");
    CString l(L"  a b  ");
    EXPECT_EQ(CString(l).TrimLeft(), L"a b  ");
    EXPECT_EQ(CString(l).TrimRight(), L"  a b");
    EXPECT_EQ(CString(L"xxaxx").Trim(L'x'), L"a");
    EXPECT_EQ(CString(L"-=a=-").Trim(L"-="), L"a");
}

TEST(CStringEdit, FindAndFriends) {
    CString s(L"P-0009-A");
    EXPECT_EQ(s.Find(L'-'), 1);
    EXPECT_EQ(s.Find(L'-', 2), 6);
    EXPECT_EQ(s.Find(L"00"), 2);
    EXPECT_EQ(s.Find(L"zz"), -1);
    EXPECT_EQ(s.Find(L'-', 100), -1);
    EXPECT_EQ(s.ReverseFind(L'-'), 6);
    EXPECT_EQ(s.FindOneOf(L"A9"), 5);
    CString d(L"abcdef");
    d.Delete(1, 2);
    EXPECT_EQ(d, L"adef");
    d.Insert(1, L"XY");
    EXPECT_EQ(d, L"aXYdef");
    d.Insert(99, L'!');
    EXPECT_EQ(d, L"aXYdef!");
    EXPECT_EQ(CString(L"aBc中").MakeUpper(), L"ABC中");
    EXPECT_EQ(CString(L"ABC").MakeLower(), L"abc");
    EXPECT_EQ(CString(L"abc").MakeReverse(), L"cba");
    EXPECT_EQ(CString(L"Abc").CompareNoCase(L"aBC"), 0);
    int pos = 0;
    CString tokens(L"a,,b");
    EXPECT_EQ(tokens.Tokenize(L",", pos), L"a");
    EXPECT_EQ(tokens.Tokenize(L",", pos), L"b");
    EXPECT_EQ(tokens.Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
}

TEST(CStringEdit, ComparisonsAndConcatenation) {
    CString a(L"甲"), b(L"乙");
    EXPECT_TRUE(a == L"甲");
    EXPECT_TRUE(L"甲" == a);
    EXPECT_TRUE(a != b);
    EXPECT_EQ(a + L"-" + b, L"甲-乙");
    EXPECT_EQ(L'<' + a + L'>', L"<甲>");
    EXPECT_EQ(CString::FromUtf8("零售客户").GetLength(), 4);
    EXPECT_EQ(CString(L"零售客户").ToUtf8(), "零售客户");
}

TEST(CStringArrayTest, AddInsertRemove) {
    CStringArray arr;
    EXPECT_EQ(arr.Add(L"a"), 0);
    EXPECT_EQ(arr.Add(L"c"), 1);
    arr.InsertAt(1, L"b");
    ASSERT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr[1], L"b");
    arr.RemoveAt(0);
    EXPECT_EQ(arr.GetAt(0), L"b");
    EXPECT_EQ(arr.GetAt(7), L"");  // out of range reads empty
    arr.SetAtGrow(4, L"e");
    EXPECT_EQ(arr.GetSize(), 5);
    arr.RemoveAll();
    EXPECT_TRUE(arr.IsEmpty());
}

class CStringDatabase : public ShopDbTest {};

TEST_F(CStringDatabase, ChineseTextRoundTripsThroughSqlite) {
    const CString text(L"长城牌 A4纸（500张）‘特价’ — 𠀀");
    Exec(L"CREATE TABLE T (v TEXT)");
    CppSQLite3Statement st = db.compileStatement(L"INSERT INTO T VALUES (?)");
    st.bind(1, text.GetString());
    st.execDML();
    db.execDML(CString(L"INSERT INTO T VALUES ('") + text + L"')");
    CppSQLite3Query q = db.execQuery(L"SELECT v, length(v) AS n FROM T");
    for (int rows = 0; rows < 2; ++rows, q.nextRow()) {
        ASSERT_FALSE(q.eof());
        EXPECT_EQ(q.getStringField(L"v"), text);
        EXPECT_EQ(q.getIntField(L"n"), text.GetLength());  // SQLite counts the same characters
    }
    EXPECT_TRUE(q.eof());
}

}  // namespace
