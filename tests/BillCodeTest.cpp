// Bill numbering per type and month, and the next code after a taken one.
#include <gtest/gtest.h>

#include "support/ShopDbTest.h"

namespace {

class BillCode : public ShopDbTest {
protected:
    int LastNo(const wchar_t* type, const wchar_t* month) {
        CString sql;
        sql.Format(L"SELECT LastNO FROM BillCode WHERE BillType='%s' AND YearMonth='%s'", type, month);
        return Int(sql);
    }
    int Rows(const wchar_t* type) {
        CString sql;
        sql.Format(L"SELECT count(*) FROM BillCode WHERE BillType='%s'", type);
        return Int(sql);
    }
    CSysBLL sys;
};

TEST_F(BillCode, CycleOverTwoMonthsAndTwoTypes) {
    // First proposal of a month creates its row with nothing consumed; asking again
    // before the bill is saved gives the same code.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050001");
    EXPECT_EQ(LastNo(L"XSD", L"201305"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-20"), L"XS2013050001");
    EXPECT_EQ(Rows(L"XSD"), 2);  // the delivered prefix row and May

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

    EXPECT_EQ(LastNo(L"XSD", L"201305"), 2);
    EXPECT_EQ(LastNo(L"XSD", L"201306"), 1);
    EXPECT_EQ(LastNo(L"JHD", L"201305"), 1);
    EXPECT_EQ(Rows(L"XSD"), 3);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(BillCode, VirtualBillsUseTheStartMonthWithoutAdvancing) {
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", sys.GetSysStartDate()), L"XS1970010001");
    EXPECT_EQ(sys.GetBillCode(db, L"JHD", sys.GetSysStartDate()), L"JH1970010001");
    EXPECT_EQ(Rows(L"XSD"), 1);
}

TEST_F(BillCode, MonthKeyOfOddDates) {
    Exec(L"DELETE FROM BillCode");
    // A type without any row has no prefix.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"20130506"), L"2013050001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-5"), L"20135" L"0001");  // shorter than 7: used whole
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L""), L"0001");
    EXPECT_EQ(Text(L"SELECT group_concat(YearMonth, ',') FROM BillCode"), L"201305,20135,");
    // The prefix of a type is copied from any of its rows.
    Exec(L"UPDATE BillCode SET PreCode='S-'");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2014-01-01"), L"S-2014010001");
}

TEST_F(BillCode, QuotesInTheTypeCannotBreakTheStatement) {
    EXPECT_EQ(sys.GetBillCode(db, L"X'D", L"2013-05-06"), L"2013050001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"X'D", L"2013-05-06"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"X'D", L"2013-05-06"), L"2013050002");
    EXPECT_EQ(Int(L"SELECT count(*) FROM BillCode WHERE BillType='X''D'"), 1);
    EXPECT_EQ(LastNo(L"XSD", L"197001"), 0);  // other rows untouched
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
    EXPECT_EQ(sys.GetNewCode(L"P0009"), L"P0010");
    EXPECT_EQ(sys.GetNewCode(L"P9999"), L"P10000");
    EXPECT_EQ(sys.GetNewCode(L"A99"), L"A100");
    EXPECT_EQ(sys.GetNewCode(L"2013050001"), L"2013050002");
    EXPECT_EQ(sys.GetNewCode(L"XS2013059999"), L"XS2013060000");
    EXPECT_EQ(sys.GetNewCode(L"  C007 "), L"C008");
    EXPECT_EQ(sys.GetNewCode(L"9"), L"10");
    EXPECT_EQ(sys.GetNewCode(L"A1B0"), L"A1B1");
    // Longer than any integer: still one more.
    EXPECT_EQ(sys.GetNewCode(L"N99999999999999999999"), L"N100000000000000000000");
    EXPECT_EQ(sys.GetNewCode(L"12X"), L"");
    EXPECT_EQ(sys.GetNewCode(L"商品１"), L"");  // a full-width digit is not a digit
    EXPECT_EQ(sys.GetNewCode(L"   "), L"");
    EXPECT_EQ(sys.GetNewCode(L""), L"");
}

TEST_F(BillCode, TakenCodeLoopAsTheBillServicesRunIt) {
    // A code proposed for May is taken by a bill entered by hand: the service consumes
    // numbers and asks for the next code until it finds a free one.
    Exec(L"CREATE TABLE Taken (Code TEXT)");
    Exec(L"INSERT INTO Taken VALUES ('XS2013050001'), ('XS2013050002')");
    CString code = sys.GetBillCode(db, L"XSD", L"2013-05-06");
    while (Int(CString(L"SELECT count(*) FROM Taken WHERE Code='") + code + L"'") > 0) {
        sys.UpDateBillCode(db, L"XSD", L"2013-05-06");
        code = sys.GetNewCode(code);
    }
    EXPECT_EQ(code, L"XS2013050003");
    sys.UpDateBillCode(db, L"XSD", L"2013-05-06");  // the bill is saved
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050004");
}

}  // namespace
