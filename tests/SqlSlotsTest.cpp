// Numbers typed as text (read without regard to the locale, amounts rounded to cents as a
// person rounds them) and SQL from templates, where every caller value goes in through a slot
// that fits where it stands.
#include <gtest/gtest.h>

#include "common/AmountText.h"
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// The statement, or "refused: <message>" when building it throws.
template <class... Args>
CString Built(const wchar_t* format, const Args&... args) {
    try {
        return Sql(format, args...).str();
    } catch (const CppSQLite3Exception& e) {
        EXPECT_STREQ(e.statement(), format);
        return CString(L"refused: ") + e.errorMessage();
    }
}

TEST(SqlSlots, ValuesFillTheirSlotsOrAreRefusedBeforeAnythingRuns) {
    const CString evil = L"0 WHERE 1=1; DELETE FROM Products; --";
    const std::pair<CString, const wchar_t*> cases[] = {
        {Built(L"SELECT * FROM T WHERE Name='%s' AND ID=%d", Quoted(L"O'Neil'); DROP TABLE T; --"), 7),
         L"SELECT * FROM T WHERE Name='O''Neil''); DROP TABLE T; --' AND ID=7"},
        {Built(L"SELECT * FROM T WHERE Name LIKE '%%%s%%'", Quoted(L"50%'")), L"SELECT * FROM T WHERE Name LIKE '%50%''%'"},
        {Built(L"UPDATE T SET A=%s, B=%s", Amount(L" -1.5e2 "), Amount(L"3")), L"UPDATE T SET A=-1.5e2, B=3"},
        {Built(L"UPDATE T SET A=%s", Amount(evil)), L"refused: not a number: '0 WHERE 1=1; DELETE FROM Products; --'"},
        {Built(L"UPDATE T SET A=%s", Amount(L"")), L"refused: not a number: ''"},
        {Built(L"DELETE FROM T WHERE ID=%s", WholeNumber(L" 12 ")), L"DELETE FROM T WHERE ID=12"},
        {Built(L"DELETE FROM T WHERE ID=%s", WholeNumber(L"12.5")), L"refused: not a whole number: '12.5'"},
        {Built(L"SELECT 1 WHERE ID IN (%s)", WholeNumbers(L"4,-7, 9")), L"SELECT 1 WHERE ID IN (4,-7, 9)"},
        {Built(L"SELECT 1 WHERE ID IN (%s)", WholeNumbers(L"4) OR (1=1")),
         L"refused: not a list of whole numbers: '4) OR (1=1'"},
        {Built(L"SELECT 1 WHERE ID IN (%s)", WholeNumbers(L"4,,5")), L"refused: not a list of whole numbers: '4,,5'"},
        {Built(L"SELECT * FROM T WHERE ID=%s", Quoted(L"1")), L"refused: quoted text outside quotes"},
        // Numbers of the template itself, SQL pieces and constants.
        {Built(L"SELECT %s FROM %s WHERE A=%.08lf", SqlText(L"ID, Name"), L"T", 12.5),
         L"SELECT ID, Name FROM T WHERE A=12.50000000"},
    };
    for (const auto& [built, expected] : cases) EXPECT_EQ(built, expected);
}

TEST(NumberText, ReadingAndCheckingNumbers) {
    // ParseAmount reads the leading number; IsPlainNumber wants the whole text to be one.
    const std::tuple<const wchar_t*, double, bool> amounts[] = {
        {L" 12.5 ", 12.5, true}, {L"-1e3", -1000, true}, {L"+.5", 0.5, true}, {L"5.", 5, true}, {L"2.5E-2", 0.025, true},
        {L"7kg", 7, false}, {L"1,000", 1, false}, {L"1e999", 0, false}, {L"", 0, false}, {L".", 0, false},
        {L"0x1A", 0, false}, {L"1;--", 1, false}, {L"inf", 0, false}, {L"12e", 12, false},
    };
    for (const auto& [text, value, plain] : amounts) {
        EXPECT_EQ(ParseAmount(text), value) << CString(text);
        EXPECT_EQ(IsPlainNumber(text), plain) << CString(text);
    }
    for (auto [text, sql] : {std::pair{L" 4.25 ", L"4.25"}, {L"abc", L"0.00000000"}, {L"7kg", L"7.00000000"}})
        EXPECT_EQ(NumberText(text), sql) << CString(text);
    int v = 0;
    EXPECT_TRUE(IsWholeNumber(L" -42 ", true, &v) && v == -42);
    for (const wchar_t* bad : {L"-42", L"", L"1 or 1=1", L"4.0", L"99999999999", L"+"})
        EXPECT_FALSE(IsWholeNumber(bad, false)) << CString(bad);
}

TEST(NumberText, CentsAsAPersonRoundsThem) {
    const std::pair<double, const wchar_t*> cases[] = {
        {12.345, L"12.35"}, {-12.345, L"-12.35"}, {1.005, L"1.01"}, {12.344999, L"12.34"},
        {-0.004, L"0.00"},  {30.25, L"30.25"},    {9999999999.995, L"10000000000.00"}};
    for (auto [amount, text] : cases) EXPECT_EQ(CentsText(amount), text) << amount;
}

}  // namespace
