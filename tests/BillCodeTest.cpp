// Bill numbering per type and month, and the next code after a taken one.
#include <gtest/gtest.h>

#include "support/RowText.h"
#include "support/ShopDbTest.h"

namespace {

class BillCode : public ShopDbTest {
protected:
    // BillType|PreCode|YearMonth|LastNO of every numbering row past the delivered ones.
    CString Months() { return RowsOf(db, L"SELECT BillType, PreCode, YearMonth, LastNO FROM BillCode WHERE ID > 3"); }
    CSysBLL sys;
};

TEST_F(BillCode, CycleOverTwoMonthsAndTwoTypes) {
    // The first proposal of a month creates its row with nothing consumed; asking again before
    // the bill is saved gives the same code.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-20"), L"XS2013050001");
    EXPECT_EQ(Months(), L"XSD|XS|201305|0");
    EXPECT_EQ(sys.UpDateBillCode(db, L"XSD", L"2013-05-06"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-31"), L"XS2013050002");
    EXPECT_EQ(sys.UpDateBillCode(db, L"XSD", L"2013-05-31"), 0);
    // Purchases count on their own.
    EXPECT_EQ(sys.GetBillCode(db, L"JHD", L"2013-05-06"), L"JH2013050001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"JHD", L"2013-05-06"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"JHD", L"2013-05-06"), L"JH2013050002");
    // A new month starts again at 1 with the type's prefix; May goes on where it was.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-06-01"), L"XS2013060001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"XSD", L"2013-06-01"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-06-30"), L"XS2013060002");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-01"), L"XS2013050003");
    EXPECT_EQ(sys.GetBillCode(db, L"XSDD", L"2013-06-01"), L"DD2013060001");
    // Virtual bills use the start month's delivered rows without advancing them.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", sys.GetSysStartDate()), L"XS1970010001");
    EXPECT_EQ(sys.GetBillCode(db, L"JHD", sys.GetSysStartDate()), L"JH1970010001");
    EXPECT_EQ(Int(L"SELECT SUM(LastNO) FROM BillCode WHERE YearMonth='197001'"), 0);
    EXPECT_EQ(Months(), L"XSD|XS|201305|2\nJHD|JH|201305|1\nXSD|XS|201306|1\nXSDD|DD|201306|0");
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(BillCode, MonthKeyOfOddDatesAndOddTypes) {
    Exec(L"DELETE FROM BillCode");
    // A type without any row has no prefix; a date shorter than 7 is used whole.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"20130506"), L"2013050001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-5"), L"20135" L"0001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L""), L"0001");
    EXPECT_EQ(Text(L"SELECT group_concat(YearMonth, ',') FROM BillCode"), L"201305,20135,");
    // The prefix of a type is copied from any of its rows.
    Exec(L"UPDATE BillCode SET PreCode='S-'");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2014-01-01"), L"S-2014010001");
    // Quotes in the type cannot break the statement.
    EXPECT_EQ(sys.GetBillCode(db, L"X'D", L"2013-05-06"), L"2013050001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"X'D", L"2013-05-06"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"X'D", L"2013-05-06"), L"2013050002");
    EXPECT_EQ(Int(L"SELECT count(*) FROM BillCode WHERE BillType='X''D'"), 1);
    EXPECT_EQ(Int(L"SELECT SUM(LastNO) FROM BillCode WHERE BillType='XSD'"), 0);  // other rows untouched
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(BillCode, DatabaseErrorIsShownAndACodeStillComesBack) {
    Exec(L"ALTER TABLE BillCode RENAME TO BillCodeOld");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"2013050000");
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"no such table: BillCode"});
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_THROW(sys.UpDateBillCode(db, L"XSD", L"2013-05-06"), CppSQLite3Exception);
    // The lookup worked, the insert did not: number 1 with the prefix that was read.
    Exec(L"ALTER TABLE BillCodeOld RENAME TO BillCode");
    Exec(L"CREATE TRIGGER NoNewMonths BEFORE INSERT ON BillCode BEGIN SELECT RAISE(ABORT, 'read only'); END");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050001");
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"read only"});
}

TEST_F(BillCode, NewCodeKeepsTheWidthUntilItOverflows) {
    const std::pair<const wchar_t*, const wchar_t*> codes[] = {
        {L"P0009", L"P0010"}, {L"P9999", L"P10000"}, {L"A99", L"A100"}, {L"2013050001", L"2013050002"},
        {L"XS2013059999", L"XS2013060000"}, {L"  C007 ", L"C008"}, {L"9", L"10"}, {L"A1B0", L"A1B1"},
        {L"N99999999999999999999", L"N100000000000000000000"},  // longer than any integer
        // Not ending in a digit (a full-width one is none): no code.
        {L"12X", L""}, {L"商品１", L""}, {L"   ", L""}, {L"", L""},
    };
    for (const auto& [code, next] : codes) EXPECT_EQ(sys.GetNewCode(code), next) << CString(code).ToUtf8();
}

}  // namespace
