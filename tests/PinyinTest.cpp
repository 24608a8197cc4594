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
        {L"长城Ab", L"CCAb-ZCAb", 0}, {L"重庆", L"ZQ", 0}, {L"堕", L"D-H", 0},
        {L"HP打印机A4", L"HPDYJA4", 1},  // Latin text is kept as typed
        // First-level characters take the letter of their position range, first and last of
        // neighbouring ranges; others theirs from the tables searched from Z: second level
        // (亍), and extension characters of GBK even where the position formula would land in a range (盄).
        {L"澳芭怖擦", L"ABBC", 0}, {L"诺沤啪孕匝座", L"NOPYZZ", 0}, {L"亍", L"C", 0}, {L"盄", L"Z", 0},
        // Characters in no table give a blank; characters without code page bytes the default one.
        {L"笔（红）", L"B H ", 0}, {L"한국A", L"??A", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.name));
        EXPECT_EQ(PyOf(c.name), Code(c.code, c.result));
    }
    // One common character of each initial.
    const std::wstring names = L"爱北菜店儿饭果黑酒烤蓝米奶藕啤芹肉水糖碗鞋盐纸";
    EXPECT_EQ(PyOf(names).first, L"ABCDEFGHJKLMNOPQRSTWXYZ");
}

TEST(Pinyin, CodePageBytesCStringsAndFirstLetters) {
    EXPECT_EQ(PyOfBytes("A\xB0"), Code(L"A ", 1));  // a lead byte cut off at the end
    // The CString form always answers 1.
    CSysBLL sys;
    CString name = L"长城A4", out;
    EXPECT_EQ(sys.GetFirstPY(name, out), 1);
    EXPECT_EQ(out, L"CCA4-ZCA4");
    // One letter per character, searched from A (丌: J).
    EXPECT_EQ(sys.GetFirstLetter(L"银行ab1长丌"), L"YH   CJ");
}

class SearchCodeByName : public ShopDbTest {};

TEST_F(SearchCodeByName, ReadsTheFirstTypeOfThatName) {
    CSysBLL sys;
    Exec(L"INSERT INTO SystemProdType (TypeName, SearchCode) VALUES ('文具', 'WJ'), ('饮料', 'YL'), ('饮料', 'YL2')");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"饮料"), L"YL");
    EXPECT_EQ(sys.GetSearchCodeByName(db, L"零食"), L"");
}

}  // namespace
