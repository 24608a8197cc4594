// Bill numbering per type and month, and the next code after a taken one.
#include <gtest/gtest.h>

#include "support/RowText.h"
#include "support/ShopDbTest.h"

namespace {

class BillCode : public ShopDbTest {
protected:
    CSysBLL sys;
};

TEST_F(BillCode, CycleOverTwoMonthsAndTwoTypes) {
    // The first proposal of a month creates its row with nothing consumed; asking again before
    // the bill is saved gives the same code.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-20"), L"XS2013050001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"XSD", L"2013-05-06"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-31"), L"XS2013050002");
    // Purchases count on their own; a new month starts again at 1, May goes on where it was.
    EXPECT_EQ(sys.GetBillCode(db, L"JHD", L"2013-05-06"), L"JH2013050001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-06-01"), L"XS2013060001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"XSD", L"2013-06-01"), 0);
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-06-30"), L"XS2013060002");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-01"), L"XS2013050002");
    // Virtual bills use the start month's delivered rows without advancing them.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", sys.GetSysStartDate()), L"XS1970010001");
    EXPECT_EQ(RowsOf(db, L"SELECT BillType, YearMonth, LastNO FROM BillCode WHERE ID > 3"),
              L"XSD|201305|1\nJHD|201305|0\nXSD|201306|1");
}

TEST_F(BillCode, MonthKeyOfOddDatesAndOddTypes) {
    Exec(L"DELETE FROM BillCode");
    // A type without any row has no prefix; a date shorter than 7 is used whole.
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"20130506"), L"2013050001");
    EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-5"), L"20135" L"0001");
    // Quotes in the type cannot break the statement.
    EXPECT_EQ(sys.GetBillCode(db, L"X'D", L"2013-05-06"), L"2013050001");
    EXPECT_EQ(sys.UpDateBillCode(db, L"X'D", L"2013-05-06"), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT BillType, LastNO FROM BillCode"), L"XSD|0\nXSD|0\nX'D|1");
}

TEST_F(BillCode, NewCodeKeepsTheWidthUntilItOverflows) {
    const std::pair<const wchar_t*, const wchar_t*> codes[] = {
        {L"P0009", L"P0010"}, {L"P9999", L"P10000"}, {L"  C007 ", L"C008"},
        {L"N99999999999999999999", L"N100000000000000000000"},  // longer than any integer
        {L"12X", L""}, {L"商品１", L""}, {L"", L""},             // not ending in a digit (a full-width one is none)
    };
    for (const auto& [code, next] : codes) EXPECT_EQ(sys.GetNewCode(code), next) << CString(code).ToUtf8();
}

}  // namespace
