// Search codes from pinyin initials, and the product type search code lookup.
#include <gtest/gtest.h>

#include <string>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

using namespace shopbiz;

namespace {

// The wide overload's code and answer, or the multibyte overload's on raw code page bytes.
using Code = std::pair<std::wstring, int>;
Code PyOf(const std::wstring& name) {
    std::wstring out = L"stale";
    const int result = CSysBLL().GetFirstPY(name, out);
    return {out, result};
}
Code PyOfBytes(const std::string& bytes) {
    std::string out = "stale";
    const int result = CSysBLL().GetFirstPY(bytes, out);
    return {Utf8ToWide(out), result};
}

TEST(Pinyin, SearchCodesOfNames) {
    const struct {
        const wchar_t *name, *code;
        int result;  // 1 when the name starts with a single-byte character
    } cases[] = {
        {L"", L"", 0},
        // Several readings give a second code, unless it adds nothing new (重: Z, also chong).
        {L"长城", L"CC-ZC", 0}, {L"重庆", L"ZQ", 0}, {L"银行", L"YX", 0}, {L"蛾眉", L"EM-YM", 0},
        {L"长城Ab", L"CCAb-ZCAb", 0}, {L"可乐500ml", L"KL500ml-KY500ml", 0},
        // Latin text is kept as typed, not upper-cased.
        {L"A4纸", L"A4Z", 1}, {L"Ab12-x y", L"Ab12-x y", 1}, {L"HP打印机A4", L"HPDYJA4", 1}, {L"12寸Pizza", L"12CPizza", 1},
        // First-level characters take the letter of their position range, first and last of
        // neighbouring ranges, also where they have another reading (堕 duo hui, 期 ji qi).
        {L"澳芭怖擦", L"ABBC", 0}, {L"诺沤啪孕匝座", L"NOPYZZ", 0}, {L"堕", L"D-H", 0}, {L"期", L"Q", 0},
        // Others take theirs from the tables searched from Z: second level (亍, 丌 ji qi), and
        // extension characters of GBK even where the position formula would land in a range.
        {L"亍", L"C", 0}, {L"丌", L"Q", 0}, {L"盄", L"Z", 0},
        // Characters in no table give a blank; characters without code page bytes the default one.
        {L"笔（红）", L"B H ", 0}, {L"〇", L" ", 0}, {L"№1", L" 1", 0}, {L"한국A", L"??A", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.name));
        EXPECT_EQ(PyOf(c.name), Code(c.code, c.result));
    }
    // One common character of each initial.
    const std::wstring names = L"爱北菜店儿饭果黑酒烤蓝米奶藕啤芹肉水糖碗鞋盐纸";
    const std::wstring letters = L"ABCDEFGHJKLMNOPQRSTWXYZ";
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(PyOf(names.substr(i, 1)).first, letters.substr(i, 1));
    EXPECT_EQ(PyOf(names).first, letters);
    EXPECT_EQ(CSysBLL().GetFirstLetter(names.c_str()), letters.c_str());
}

TEST(Pinyin, CodePageBytesCStringsAndFirstLetters) {
    const auto position = [](int code) {
        return std::string{static_cast<char>(code / 100 + 160), static_cast<char>(code % 100 + 160)};
    };
    EXPECT_EQ(PyOfBytes(""), Code(L"", 0));
    EXPECT_EQ(PyOfBytes(position(1601)), Code(L"A", 0));
    EXPECT_EQ(PyOfBytes(position(5590)), Code(L" ", 0));  // just past the last range
    EXPECT_EQ(PyOfBytes("\xB1\x40"), Code(L"Z", 0));       // 盄 would read as 1604, an A
    EXPECT_EQ(PyOfBytes("A\xB0"), Code(L"A ", 1));         // a lead byte cut off at the end

    // The CString form always answers 1.
    CSysBLL sys;
    CString name = L"长城A4", out;
    EXPECT_EQ(sys.GetFirstPY(name, out), 1);
    EXPECT_EQ(out, L"CCA4-ZCA4");
    name = L"";
    EXPECT_EQ(sys.GetFirstPY(name, out), 1);
    EXPECT_EQ(out, L"");

    // One letter per character, searched from A (丌: J).
    EXPECT_EQ(sys.GetFirstLetter(L"银行ab1长"), L"YH   C");
    EXPECT_EQ(sys.GetFirstLetter(L"丌"), L"J");
    EXPECT_EQ(sys.GetFirstLetter(L""), L"");
}

class SearchCodeByName : public ShopDbTest {};

TEST_F(SearchCodeByName, ReadsTheFirstTypeOfThatNameAndLetsErrorsPass) {
    CSysBLL sys;
    EXPECT_THROW(sys.GetSearchCodeByName(db, L"O'Neil"), CppSQLite3Exception);
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);
    EXPECT_TRUE(TakeLog().empty());
    Exec(L"INSERT INTO SystemProdType (TypeName, SearchCode) VALUES ('文具', 'WJ'), ('饮料', 'YL'), ('饮料', 'YL2')");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"文具"), L"WJ");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"饮料"), L"YL");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"零食"), L"");
}

}  // namespace
