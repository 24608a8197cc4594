// A desktop front end calls setlocale(LC_ALL, "") at start-up; under a locale with a decimal
// comma every amount must still be read, written into SQL and printed as under "C".
#include <clocale>
#include <cstdio>

#include "common/AmountText.h"
#include "support/BillFixture.h"
#include "support/RowText.h"

namespace {

class DecimalComma : public BillFixture {
protected:
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        BillFixture::TearDown();
    }

    // A purchase, a sale with a partial payment, a balance moved by hand, the sale reversed,
    // and amounts turned into text; everything they left behind as one text.
    CString Trade() {
        db.close();
        SetUp();
        PutCompany(L"王五", 1);
        EXPECT_GT(Purchase(Bill(L"", L"37.5", L"37.5"), Items({{.price = L"3.75", .count = L"10"}})), 0) << error;
        const int saleID = Sale(Bill(L"王五", L"12.5", L"10.25"), Items({{.price = L"2.5", .count = L"5"}}));
        EXPECT_GT(saleID, 0) << error;
        EXPECT_EQ(Sale(Bill(L"王五", L"12.5", L"10.25"), Items({{.price = L"2,5", .count = L"5"}})), -1);
        EXPECT_EQ(CCustomerBLL().AddCurrentAmount(db, 4, 30.25, error), 1) << error;
        EXPECT_GT(Sale(Bill(L"王五", L"5.5", L"5.5"), Items({{.price = L"5.5"}})), 0) << error;
        EXPECT_EQ(sale.DeleteBillByID(db, saleID, error), 1) << error;
        CSysBLL sys;
        return RowsOf(db, L"SELECT BillCode, BillAmount, GetAmount, OweAmount FROM SaleBills") + L"\n" +
               RowsOf(db, L"SELECT Price, ItemCount, Amount FROM SaleBillItems") + L"\n" +
               RowsOf(db, L"SELECT CompanyName, CurAmount FROM Companies WHERE CompanyID = 4") + L"\n" +
               RowsOf(db, L"SELECT SettleAcctName, CurAmount FROM SettleAcct") + L"\n" +
               RowsOf(db, L"SELECT ProductName, CurStock, InPrice FROM Products") + L"\n" +
               RowsOf(db, L"SELECT BillType, InCount, OutCount, InPrice, SalePrice FROM Stocks ORDER BY StockID") +
               L"\n" + RowsOf(db, L"SELECT InAmount, OutAmount FROM Account ORDER BY AccountID") + L"\n" +
               sys.Double2RMB(1234.56) + L" " + shopbiz::CentsText(30.255) + L" " +
               shopbiz::Fmt(L"%.2f", shopbiz::ParseAmount(L"12.5"));
    }
};

TEST_F(DecimalComma, PostingReversingAndPrintingAsUnderC) {
    const CString underC = Trade();
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "locale de_DE.UTF-8 is not generated here";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    ASSERT_STREQ(printed, "1,5");  // the locale really writes a decimal comma
    EXPECT_EQ(Trade(), underC);
    EXPECT_NE(underC.Find(L"王五|30.25"), -1) << underC;  // 2.25 owed, 30.25 by hand, the 2.25 reversed
    EXPECT_NE(underC.Find(L"壹仟贰佰叁拾肆元伍角陆分 30.26 12.50"), -1) << underC;
}

}  // namespace
