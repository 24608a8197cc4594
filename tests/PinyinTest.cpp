// Search codes from pinyin initials, and the product type search code lookup.
#include <gtest/gtest.h>

#include <string>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

using namespace shopbiz;

namespace {

struct Code {
    std::wstring text;
    int result;
};

Code PyOfWide(const std::wstring& name) {
    CSysBLL sys;
    std::wstring out = L"stale";
    const int result = sys.GetFirstPY(name, out);
    return {out, result};
}

// The multibyte overload on raw code page bytes.
Code PyOfBytes(const std::string& bytes) {
    CSysBLL sys;
    std::string out = "stale";
    const int result = sys.GetFirstPY(bytes, out);
    return {Utf8ToWide(out), result};
}

std::string PositionBytes(int code) {
    return {static_cast<char>(code / 100 + 160), static_cast<char>(code % 100 + 160)};
}

void ExpectCode(const std::wstring& name, const wchar_t* code, int result) {
    SCOPED_TRACE(WideToUtf8(name));
    const Code c = PyOfWide(name);
    EXPECT_EQ(CString(c.text), code);
    EXPECT_EQ(c.result, result);
}

TEST(Pinyin, NamesWithSeveralReadingsGetASecondCode) {
    ExpectCode(L"长城", L"CC-ZC", 0);  // 长: C by position, also read zhang
    ExpectCode(L"重庆", L"ZQ", 0);     // 重: Z by position, its other reading adds nothing new
    ExpectCode(L"银行", L"YX", 0);
    ExpectCode(L"蛾眉", L"EM-YM", 0);
    ExpectCode(L"长城Ab", L"CCAb-ZCAb", 0);
}

TEST(Pinyin, LatinTextAndMixedNames) {
    ExpectCode(L"A4纸", L"A4Z", 1);
    ExpectCode(L"Ab12-x y", L"Ab12-x y", 1);  // kept as typed, not upper-cased
    ExpectCode(L"HP打印机A4", L"HPDYJA4", 1);
    ExpectCode(L"12寸Pizza", L"12CPizza", 1);
    ExpectCode(L"可乐500ml", L"KL500ml-KY500ml", 0);
}

TEST(Pinyin, EmptyNameGivesEmptyCode) {
    ExpectCode(L"", L"", 0);
    EXPECT_EQ(PyOfBytes("").text, L"");
    EXPECT_EQ(PyOfBytes("").result, 0);
}

TEST(Pinyin, CStringFormAlwaysAnswersOne) {
    CSysBLL sys;
    CString name = L"长城A4", out;
    EXPECT_EQ(sys.GetFirstPY(name, out), 1);
    EXPECT_EQ(out, L"CCA4-ZCA4");
    name = L"";
    EXPECT_EQ(sys.GetFirstPY(name, out), 1);
    EXPECT_EQ(out, L"");
}

TEST(Pinyin, OneCommonCharacterOfEachInitial) {
    const std::wstring names = L"爱北菜店儿饭果黑酒烤蓝米奶藕啤芹肉水糖碗鞋盐纸";
    const std::wstring letters = L"ABCDEFGHJKLMNOPQRSTWXYZ";
    for (std::size_t i = 0; i < names.size(); ++i) ExpectCode(names.substr(i, 1), letters.substr(i, 1).c_str(), 0);
    CSysBLL sys;
    EXPECT_EQ(sys.GetFirstLetter(names.c_str()), letters.c_str());
    EXPECT_EQ(PyOfWide(names).text, letters);
}

TEST(Pinyin, FirstLevelLettersFollowThePositionRanges) {
    // Last and first character of neighbouring ranges.
    ExpectCode(L"澳芭怖擦", L"ABBC", 0);
    ExpectCode(L"诺沤啪孕匝座", L"NOPYZZ", 0);
    // A character read otherwise too still takes the letter of its range first.
    ExpectCode(L"堕", L"D-H", 0);  // duo, hui
    ExpectCode(L"期", L"Q", 0);    // ji from A, qi from Z
    EXPECT_EQ(PyOfBytes(PositionBytes(1601)).text, L"A");
    EXPECT_EQ(PyOfBytes(PositionBytes(5590)).text, L" ");  // just past the last one
}

TEST(Pinyin, OtherCharactersTakeTheirLetterFromTheTablesSearchedFromZ) {
    ExpectCode(L"亍", L"C", 0);  // second level of GB2312, position 5601
    ExpectCode(L"丌", L"Q", 0);  // second level, read ji and qi
    CSysBLL sys;
    EXPECT_EQ(sys.GetFirstLetter(L"丌"), L"J");  // the letter search goes from A
    // Extension characters of GBK have no position code, even where the formula would land in
    // a range (盄 would read as 1604, an A).
    EXPECT_EQ(PyOfBytes("\xB1\x40").text, L"Z");
    ExpectCode(L"盄", L"Z", 0);
}

TEST(Pinyin, CharactersInNoTableGiveABlank) {
    ExpectCode(L"笔（红）", L"B H ", 0);
    ExpectCode(L"〇", L" ", 0);
    ExpectCode(L"№1", L" 1", 0);
    EXPECT_EQ(PyOfBytes("A\xB0").text, L"A ");    // a lead byte cut off at the end
}

TEST(Pinyin, CharactersWithoutCodePageBytesStayAsTheDefaultCharacter) {
    ExpectCode(L"한국A", L"??A", 1);
}

TEST(Pinyin, FirstLetterGivesOneLetterPerCharacter) {
    CSysBLL sys;
    EXPECT_EQ(sys.GetFirstLetter(L"银行ab1长"), L"YH   C");
    EXPECT_EQ(sys.GetFirstLetter(L""), L"");
}

class SearchCodeByName : public ShopDbTest {};

TEST_F(SearchCodeByName, ReadsTheFirstTypeOfThatName) {
    Exec(L"INSERT INTO SystemProdType (TypeName, SearchCode) VALUES ('文具', 'WJ'), ('饮料', 'YL'), ('饮料', 'YL2')");
    CSysBLL sys;
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"文具"), L"WJ");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"饮料"), L"YL");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"零食"), L"");
}

TEST_F(SearchCodeByName, ErrorsReachTheCallerWithTheLockFree) {
    CSysBLL sys;
    EXPECT_THROW(sys.GetSearchCodeByName(db, L"O'Neil"), CppSQLite3Exception);
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);
    EXPECT_TRUE(TakeLog().empty());
}

}  // namespace
