// SQL from templates: every caller value goes in through a slot that fits where it stands.
#include <gtest/gtest.h>

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

}  // namespace
