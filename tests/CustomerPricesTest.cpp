// Customer prices: writing one price, one price for all customers, and the price a bill is
// offered in the base and the second unit, with and without a customer.
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/CustomerPriceFixture.h"
#include "support/RowText.h"

using shopbiz::Sql;

namespace {

using CustomerPrices = CustomerPriceTest;

// CompPrice|ACompPrice|InPrice|WholesalePrice|OutPrice|UnitID of the bill-line query.
CString Offered(CProductsBLL& prices, CppSQLite3DB& db, const wchar_t* customer, const wchar_t* unit) {
    CString text;
    CppSQLite3Query q = prices.GetCustProductByProdUnit(db, L"面粉", customer, unit);
    for (; !q.eof(); q.nextRow())
        text += Sql(L"%s|%s|%s|%s|%s|%s;", q.fieldValue(L"CompPrice"), q.fieldValue(L"ACompPrice"),
                    q.fieldValue(L"InPrice"), q.fieldValue(L"WholesalePrice"), q.fieldValue(L"OutPrice"),
                    q.fieldValue(L"UnitID"));
    return text;
}

TEST_F(CustomerPrices, OfferedPriceInBothUnitsWithAndWithoutCustomer) {
    // No own prices: the wholesale price in the base unit, 0 beside the wholesale price in the second.
    EXPECT_EQ(Offered(prices, db, L"华联", L"袋"), L"8.0|0.0|6.0|8.0|10.0|10;");
    EXPECT_EQ(Offered(prices, db, L"华联", L"箱"), L"0|8.0|0|0|0|11;");

    ASSERT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7.5", error, false), 1);
    ASSERT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"箱", L"72", error, false), 1);
    EXPECT_EQ(Offered(prices, db, L"华联", L"袋"), L"7.5|0.0|6.0|8.0|10.0|10;");
    EXPECT_EQ(Offered(prices, db, L"华联", L"箱"), L"72.0|8.0|0|0|0|11;");
    EXPECT_EQ(Offered(prices, db, L"新华", L"袋"), L"8.0|0.0|6.0|8.0|10.0|10;");
    // Without a customer: the base-unit row, no customer price.
    EXPECT_EQ(Offered(prices, db, L"", L"箱"), L"0|0|6.0|8.0|10.0|10;");

    // The other bill-line queries agree, one row per product even with prices in two units.
    auto priceOf = [](CppSQLite3Query q) {
        CString text;
        for (; !q.eof(); q.nextRow()) text += q.fieldValue(L"CompPrice") + L";";
        return text;
    };
    EXPECT_EQ(priceOf(prices.GetCustProductByProdName(db, L"面粉", L"华联", false)), L"7.5;");
    EXPECT_EQ(priceOf(prices.GetCustProductByProdName(db, L"面粉", L"新华", false)), L"8.0;");
    EXPECT_EQ(priceOf(prices.GetCustProductByProdName(db, L"面粉", L"", false)), L"0;");
    EXPECT_EQ(priceOf(prices.GetCustProductByProdCode(db, L"P001", L"华联", false)), L"7.5;");
    EXPECT_EQ(priceOf(prices.GetCustProductByProdCode(db, L"P001", L"", false)), L"8.0;");
    EXPECT_EQ(priceOf(prices.GetCompPriceByCompProd(db, L"面粉", L"华联")), L"7.5;");
    EXPECT_EQ(priceOf(prices.GetCompPriceByCompProd(db, L"面粉", L"新华")), L"8.0;");

    Exec(L"UPDATE Products SET IsLocal=0 WHERE ProductName='面粉'");
    EXPECT_EQ(priceOf(prices.GetCustProductByProdName(db, L"面粉", L"华联", true)), L"");
    EXPECT_EQ(priceOf(prices.GetCustProductByProdCode(db, L"P001", L"华联", true)), L"");
}

TEST_F(CustomerPrices, OneRowPerCustomerProductAndUnit) {
    SyncOn();
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7.5", error, false), 1);
    EXPECT_EQ(RowsOf(db, L"SELECT * FROM CompPrice"),
              Sql(L"1|%d|面粉|P001|%d|%s|华联|2|默认类别|10|袋|7.5|2013-05-06 14:03:09|HL|MF|", flour, huaLian,
                  Text(L"SELECT CompanyCode FROM Companies WHERE CompanyName='华联'")));

    // The same unit again: that row's price and time only. Another unit: a second row.
    shopbiz::Clock::SetFixedLocal(2013, 5, 7, 9, 0, 0);
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7", error, false), 1);
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"箱", L"70", error, false), 1);
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"新华", L"白糖", L"袋", L"4", error, false), 1);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.0\n华联|面粉|箱|11|70.0\n新华|白糖|袋|10|4.0");
    EXPECT_EQ(Text(L"SELECT LastUpdateDate FROM CompPrice WHERE CompPriceID=1"), L"2013-05-07 09:00:00");
    EXPECT_EQ(Journal(), L"CompPrice|CompPriceID|1|A\nCompPrice|CompPriceID|2|A\nCompPrice|CompPriceID|3|A");

    // By ID the unit must match as well.
    EXPECT_EQ(prices.UpdateCompPrice(db, 2, L"", L"", L"袋", L"1", error, false), 0);
    EXPECT_EQ(prices.UpdateCompPrice(db, 2, L"", L"", L"箱", L"65", error, false), 1);
    EXPECT_EQ(Real(L"SELECT Price FROM CompPrice WHERE CompPriceID=2"), 65.0);

    // A zero price only when allowed.
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"新华", L"面粉", L"袋", L"0", error, false), 0);
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"新华", L"面粉", L"袋", L"", error, false), 0);
    EXPECT_EQ(PriceCount(), 3);
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"新华", L"面粉", L"袋", L"0", error, true), 1);
    EXPECT_EQ(Real(L"SELECT Price FROM CompPrice WHERE CompanyName='新华' AND ProductName='面粉'"), 0.0);
    EXPECT_TRUE(error.IsEmpty()) << error;
}

TEST_F(CustomerPrices, UnknownProductIsAddedUnknownCustomerRefused) {
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"酱油", L"瓶", L"12.5", error, false), 1);
    EXPECT_EQ(RowsOf(db, L"SELECT IsLocal,IsDisable,IsDelete,Price,WholesalePrice,UnitName FROM Products WHERE "
                         L"ProductName='酱油'"),
              L"1|0|0|12.5|12.5|瓶");
    EXPECT_EQ(RowsOf(db, L"SELECT P.ProductID=C.ProductID,C.UnitID=P.UnitID,C.Price FROM CompPrice C JOIN Products P "
                         L"ON P.ProductName=C.ProductName WHERE C.ProductName='酱油'"),
              L"1|1|12.5");

    const int products = Int(L"SELECT COUNT(*) FROM Products");
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"无此客户", L"醋", L"瓶", L"3", error, false), -1);
    EXPECT_EQ(error, L"[无此客户]客户不存在！");
    EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L" ", L"瓶", L"3", error, false), -1);
    EXPECT_EQ(error, L"[ ]货品不存在！");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Products"), products);
    EXPECT_EQ(PriceCount(), 1);
}

TEST_F(CustomerPrices, PriceThatIsNotANumberFailsAndWritesNothing) {
    ASSERT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7.5", error, false), 1);
    TakeLog();
    const int products = Int(L"SELECT COUNT(*) FROM Products");
    for (const wchar_t* bad : {L"5 WHERE 1=1; DELETE FROM Products; --", L"5,ProductName='x'", L"abc", L"5元"}) {
        error = L"";
        EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", bad, error, true), -1) << CString(bad);
        EXPECT_EQ(error.Find(L"操作客户价格失败，err:"), 0) << error;
        // A new product for a price that cannot be written does not stay either.
        EXPECT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"新货", L"袋", bad, error, true), -1) << CString(bad);
    }
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.5");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Products"), products);
    const auto log = TakeLog();
    ASSERT_EQ(log.size(), 8u) << Joined(log);
    EXPECT_EQ(log[0].Find(L"操作客户价格失败，err:"), 0);
    EXPECT_NE(log[0].Find(L"\r\n sql: UPDATE CompPrice SET Price='5 WHERE 1=1; DELETE FROM Products; --'"), -1)
        << Joined(log);
}

TEST_F(CustomerPrices, OnePriceForEveryEnabledCustomer) {
    CString ignored;
    const int disabled = CCustomerBLL().InsertCompany(db, L"停用客户", 1, ignored);
    CCustomerBLL().SetEnableByID(db, disabled, 1, ignored);
    CCustomerBLL().InsertCompany(db, L"供应商甲", 2, ignored);
    ASSERT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7.5", error, false), 1);

    error = L"old";
    EXPECT_EQ(prices.UpdateAllCompPrice(db, L"面粉", L"袋", L"9", error), 0);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|9.0\n新华|面粉|袋|10|9.0");

    // All customers or none.
    TakeLog();
    EXPECT_EQ(prices.UpdateAllCompPrice(db, L"面粉", L"袋", L"9x", error), -1);
    EXPECT_EQ(error.Find(L"更新客户全部客户价失败UpdateAllCompPric() CHECK constraint failed"), 0) << error;
    EXPECT_EQ(TakeLog(), std::vector<CString>{error});
    // A zero price is written for no one.
    EXPECT_EQ(prices.UpdateAllCompPrice(db, L"白糖", L"袋", L"0", error), 0);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|9.0\n新华|面粉|袋|10|9.0");
}

TEST_F(CustomerPrices, PriceRowQueries) {
    SyncOn();
    prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7.5", error, false);
    shopbiz::Clock::SetFixedLocal(2013, 5, 7, 9, 0, 0);
    prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"箱", L"70", error, false);
    prices.UpdateCompPrice(db, 0, L"新华", L"白糖", L"袋", L"4", error, false);
    auto ids = [](CppSQLite3Query q) {
        CString text;
        for (; !q.eof(); q.nextRow()) text += q.fieldValue(L"CompPriceID") + L";";
        return text;
    };
    // Keys match name, code or search code of product and customer; newest first per product.
    EXPECT_EQ(ids(prices.GetCustPriceList(db, L"", L"")), L"2;1;3;");
    EXPECT_EQ(ids(prices.GetCustPriceList(db, L"MF", L"HL")), L"2;1;");
    EXPECT_EQ(ids(prices.GetCustPriceList(db, L"P002", L"新")), L"3;");
    EXPECT_EQ(ids(prices.GetCustPriceList(db, L"'", L"")), L"");
    EXPECT_EQ(ids(prices.GetCompPrice(db, L"面", L"华联")), L"2;1;");
    EXPECT_EQ(ids(prices.GetCompPriceByUnit(db, L"面", L"华联", L"袋")), L"1;");
    // Both units, in no promised order.
    EXPECT_EQ(ids(prices.GetCompPriceByName(db, L"面粉", L"华联")).GetLength(), 4);

    // The customer's own rows, else the product's retail price as a row without ID.
    EXPECT_EQ(ids(prices.GetCustPriceByCustAndProd(db, L"华联", L"面粉")).GetLength(), 4);
    CppSQLite3Query own = prices.GetCustPriceByCustAndProd(db, L"新华", L"面粉");
    EXPECT_EQ(Sql(L"%s|%d|%s|%s", own.fieldValue(L"CompPriceID"), own.getIntField(L"ProductID"),
                  own.fieldValue(L"UnitName"), own.fieldValue(L"Price")),
              Sql(L"0|%d|袋|10.0", flour));
    own.finalize();
    EXPECT_EQ(ids(prices.GetCustPriceByCustAndProd(db, L"", L"面粉")), L"0;");

    EXPECT_EQ(prices.DeleteCompPriceByID(db, 2), 1);
    EXPECT_EQ(ids(prices.GetCompPriceByName(db, L"面粉", L"华联")), L"1;");
    EXPECT_EQ(RowsOf(db, L"SELECT CValue,OType FROM OperateData WHERE CValue='2'"), L"2|D");

    TakeLog();
    Exec(L"DROP TABLE CompPrice");
    EXPECT_TRUE(prices.GetCompPriceByID(db, 1).eof());
    EXPECT_EQ(TakeLog(), std::vector<CString>{
                             L"Err:no such table: CompPrice\r\n sql: SELECT * FROM CompPrice WHERE CompPriceID=1 ; "});
}

}  // namespace
