// Customer prices: one price, one price for all customers, batches from a grid (every row or
// none, naming the row that failed), and the price a bill is offered in either unit.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

// Customers 华联 and 新华; 面粉 sold by the bag (袋, unit 10) and the case (箱, unit 11), 白糖 by
// the bag only; both cost 6, wholesale 8, retail 10.
class CustomerPrices : public ShopDbTest {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        huaLian = CCustomerBLL().InsertCompany(db, L"华联", 1, error);
        CCustomerBLL().InsertCompany(db, L"新华", 1, error);
        Exec(
            L"INSERT INTO Products(ProductName,ProductCode,SearchCode,UnitID,UnitName,SecUnitID,SecUnitName,"
            L"Coefficient,TypeID,TypeName,InPrice,Price,OutPrice,WholesalePrice,CurStock) VALUES "
            L"('面粉','P001','MF',10,'袋',11,'箱','10',2,'默认类别',6,10,10,8,5),"
            L"('白糖','P002','BT',10,'袋',0,'','10',2,'默认类别',6,10,10,8,5)");
        flour = Int(L"SELECT ProductID FROM Products WHERE ProductName='面粉'");
        sugar = Int(L"SELECT ProductID FROM Products WHERE ProductName='白糖'");
        error = L"";
    }
    int Set(const wchar_t* customer, const wchar_t* product, const wchar_t* unit, const wchar_t* price,
            bool allowZero = false) {
        return prices.UpdateCompPrice(db, 0, customer, product, unit, price, error, allowZero);
    }
    void SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }
    CString PriceRows() {
        return RowsOf(db, L"SELECT CompanyName,ProductName,UnitName,UnitID,Price FROM CompPrice ORDER BY CompPriceID");
    }
    CString Journal() { return RowsOf(db, L"SELECT TName,CName,CValue,OType FROM OperateData ORDER BY ID"); }
    // The given columns of every row of a query, rows ended by ";".
    static CString Cells(CppSQLite3Query q, std::vector<const wchar_t*> columns) {
        CString text;
        for (; !q.eof(); q.nextRow()) {
            for (size_t i = 0; i < columns.size(); ++i) text += (i ? L"|" : L"") + q.fieldValue(columns[i]);
            text += L";";
        }
        return text;
    }

    CProductsBLL prices;
    CString error;
    int huaLian = 0, flour = 0, sugar = 0;
};

TEST_F(CustomerPrices, OfferedPriceInBothUnitsWithAndWithoutCustomer) {
    auto offered = [&](const wchar_t* customer, const wchar_t* unit) {
        return Cells(prices.GetCustProductByProdUnit(db, L"面粉", customer, unit),
                     {L"CompPrice", L"ACompPrice", L"InPrice", L"WholesalePrice", L"OutPrice", L"UnitID"});
    };
    // No own prices: the wholesale price in the base unit, 0 beside the wholesale price in the second.
    EXPECT_EQ(offered(L"华联", L"袋"), L"8.0|0.0|6.0|8.0|10.0|10;");
    EXPECT_EQ(offered(L"华联", L"箱"), L"0|8.0|0|0|0|11;");

    ASSERT_EQ(Set(L"华联", L"面粉", L"袋", L"7.5"), 1);
    ASSERT_EQ(Set(L"华联", L"面粉", L"箱", L"72"), 1);
    EXPECT_EQ(offered(L"华联", L"袋"), L"7.5|0.0|6.0|8.0|10.0|10;");
    EXPECT_EQ(offered(L"华联", L"箱"), L"72.0|8.0|0|0|0|11;");
    EXPECT_EQ(offered(L"新华", L"袋"), L"8.0|0.0|6.0|8.0|10.0|10;");
    EXPECT_EQ(offered(L"", L"箱"), L"0|0|6.0|8.0|10.0|10;");  // no customer: the base-unit row, no price

    // The other bill-line queries agree, one row per product even with prices in two units.
    EXPECT_EQ(Cells(prices.GetCustProductByProdName(db, L"面粉", L"华联", false), {L"CompPrice"}), L"7.5;");
    EXPECT_EQ(Cells(prices.GetCustProductByProdCode(db, L"P001", L"", false), {L"CompPrice"}), L"8.0;");
    EXPECT_EQ(Cells(prices.GetCompPriceByCompProd(db, L"面粉", L"新华"), {L"CompPrice"}), L"8.0;");
    Exec(L"UPDATE Products SET IsLocal=0 WHERE ProductName='面粉'");  // local products only
    EXPECT_EQ(Cells(prices.GetCustProductByProdName(db, L"面粉", L"华联", true), {L"CompPrice"}), L"");
}

TEST_F(CustomerPrices, OneRowPerCustomerProductAndUnitQueriedAndDeleted) {
    SyncOn();
    EXPECT_EQ(Set(L"华联", L"面粉", L"袋", L"7.5"), 1);
    EXPECT_EQ(RowsOf(db, L"SELECT * FROM CompPrice"),
              shopbiz::Fmt(L"1|%d|面粉|P001|%d|%s|华联|2|默认类别|10|袋|7.5|2013-05-06 14:03:09|HL|MF|", flour, huaLian,
                  Text(L"SELECT CompanyCode FROM Companies WHERE CompanyName='华联'")));
    shopbiz::Clock::SetFixedLocal(2013, 5, 7, 9, 0, 0);
    EXPECT_EQ(Set(L"华联", L"面粉", L"箱", L"70"), 1);
    EXPECT_EQ(Set(L"新华", L"白糖", L"袋", L"4"), 1);

    // Keys match name, code or search code of product and customer; newest first per product.
    auto ids = [](CppSQLite3Query q) { return Cells(q, {L"CompPriceID"}); };
    EXPECT_EQ(ids(prices.GetCustPriceList(db, L"", L"")), L"2;1;3;");
    EXPECT_EQ(ids(prices.GetCustPriceList(db, L"MF", L"HL")), L"2;1;");
    // The customer's own rows, else the product's retail price as a row without ID.
    EXPECT_EQ(ids(prices.GetCustPriceByCustAndProd(db, L"华联", L"面粉")).GetLength(), 4);
    EXPECT_EQ(Cells(prices.GetCustPriceByCustAndProd(db, L"新华", L"面粉"),
                    {L"CompPriceID", L"ProductID", L"UnitName", L"Price"}),
              Fmt(L"0|%d|袋|10.0;", flour));

    // The same unit again: that row's price and time only.
    EXPECT_EQ(Set(L"华联", L"面粉", L"袋", L"7"), 1);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.0\n华联|面粉|箱|11|70.0\n新华|白糖|袋|10|4.0");
    EXPECT_EQ(Text(L"SELECT LastUpdateDate FROM CompPrice WHERE CompPriceID=1"), L"2013-05-07 09:00:00");
    EXPECT_EQ(Journal(), L"CompPrice|CompPriceID|1|A\nCompPrice|CompPriceID|2|A\nCompPrice|CompPriceID|3|A");

    // By ID the unit must match as well.
    EXPECT_EQ(prices.UpdateCompPrice(db, 2, L"", L"", L"袋", L"1", error, false), 0);
    EXPECT_EQ(prices.UpdateCompPrice(db, 2, L"", L"", L"箱", L"65", error, false), 1);
    EXPECT_EQ(Real(L"SELECT Price FROM CompPrice WHERE CompPriceID=2"), 65.0);
    // A zero price only when allowed.
    EXPECT_EQ(Set(L"新华", L"面粉", L"袋", L""), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM CompPrice"), 3);
    EXPECT_EQ(Set(L"新华", L"面粉", L"袋", L"0", true), 1);
    EXPECT_EQ(Real(L"SELECT Price FROM CompPrice WHERE CompanyName='新华' AND ProductName='面粉'"), 0.0);
    EXPECT_TRUE(error.IsEmpty()) << error;

    EXPECT_EQ(prices.DeleteCompPriceByID(db, 2), 1);
    EXPECT_EQ(ids(prices.GetCompPriceByName(db, L"面粉", L"华联")), L"1;");
    EXPECT_EQ(RowsOf(db, L"SELECT CValue,OType FROM OperateData WHERE CValue='2'"), L"2|D");
}

TEST_F(CustomerPrices, UnknownProductIsAddedUnknownCustomerRefused) {
    EXPECT_EQ(Set(L"华联", L"酱油", L"瓶", L"12.5"), 1);
    EXPECT_EQ(RowsOf(db, L"SELECT IsLocal,IsDisable,Price,WholesalePrice,UnitName FROM Products WHERE ProductName='酱油'"),
              L"1|0|12.5|12.5|瓶");
    EXPECT_EQ(RowsOf(db,
                     L"SELECT P.ProductID=C.ProductID,C.UnitID=P.UnitID,C.Price FROM CompPrice C JOIN Products P "
                     L"ON P.ProductName=C.ProductName WHERE C.ProductName='酱油'"),
              L"1|1|12.5");

    EXPECT_EQ(Set(L"无此客户", L"醋", L"瓶", L"3"), -1);
    EXPECT_EQ(error, L"[无此客户]客户不存在！");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Products"), 3);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM CompPrice"), 1);
}

TEST_F(CustomerPrices, PriceThatIsNotANumberFailsAndWritesNothing) {
    ASSERT_EQ(Set(L"华联", L"面粉", L"袋", L"7.5"), 1);
    TakeLog();
    for (const wchar_t* bad : {L"5 WHERE 1=1; DELETE FROM Products; --", L"abc"}) {
        SCOPED_TRACE(CString(bad));
        error = L"";
        EXPECT_EQ(Set(L"华联", L"面粉", L"袋", bad, true), -1);
        EXPECT_EQ(error.Find(L"操作客户价格失败，err:"), 0) << error;
        EXPECT_EQ(Set(L"华联", L"新货", L"袋", bad, true), -1);  // nor does the new product stay
    }
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.5");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Products"), 2);
}

TEST_F(CustomerPrices, OnePriceForEveryEnabledCustomer) {
    CString ignored;
    CCustomerBLL().SetEnableByID(db, CCustomerBLL().InsertCompany(db, L"停用客户", 1, ignored), 1, ignored);
    CCustomerBLL().InsertCompany(db, L"供应商甲", 2, ignored);
    ASSERT_EQ(Set(L"华联", L"面粉", L"袋", L"7.5"), 1);

    EXPECT_EQ(prices.UpdateAllCompPrice(db, L"面粉", L"袋", L"9", error), 0);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|9.0\n新华|面粉|袋|10|9.0");

    // All customers or none.
    EXPECT_EQ(prices.UpdateAllCompPrice(db, L"面粉", L"袋", L"9x", error), -1);
    EXPECT_EQ(error.Find(L"更新客户全部客户价失败"), 0) << error;
    // A zero price is written for no one.
    EXPECT_EQ(prices.UpdateAllCompPrice(db, L"白糖", L"袋", L"0", error), 0);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|9.0\n新华|面粉|袋|10|9.0");
}

// --- Batches from a grid -------------------------------------------------------------------------

using Grid = CProductsBLL::PriceGridRows;

// Per-customer grid row: code, name, unit, two unread cells, price, an unread cell.
std::vector<CString> ProductRow(const wchar_t* code, const wchar_t* name, const wchar_t* unit, const wchar_t* price) {
    return {code, name, unit, L"-", L"-", price, L"-"};
}
// Per-product grid row: code (unread), customer, price, an unread cell.
std::vector<CString> CustomerRow(const wchar_t* name, const wchar_t* price) { return {L"-", name, price, L"-"}; }

class CustomerPriceBatches : public CustomerPrices {
protected:
    void SetUp() override {
        CustomerPrices::SetUp();
        ASSERT_EQ(Set(L"华联", L"面粉", L"袋", L"7.5"), 1);
        TakeLog();
    }
    int ByCust(const Grid& grid, const wchar_t* customer, int rows = -1) {
        failed = 99;
        return prices.InsertCustPriceByCust(db, grid, rows < 0 ? int(grid.size()) : rows, customer, error, failed);
    }
    int ByProd(const Grid& grid, const wchar_t* product, const wchar_t* unit, int rows = -1) {
        failed = 99;
        return prices.InsertCustPriceByProd(db, grid, rows < 0 ? int(grid.size()) : rows, product, unit, error, failed);
    }
    // A refused batch: its error, the row it names, what it logged, and nothing of it stays.
    void ExpectRefused(int result, const CString& wantError, int wantFailed, const std::vector<CString>& wantLog) {
        EXPECT_EQ(result, -1);
        EXPECT_EQ(error, wantError);
        EXPECT_EQ(failed, wantFailed);
        EXPECT_EQ(TakeLog(), wantLog);
        EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.5");
    }

    int failed = 99;
};

TEST_F(CustomerPriceBatches, EveryRowIsWrittenOrUpdated) {
    SyncOn();
    const Grid grid = {ProductRow(L"P001", L"面粉", L"袋", L"7"),    // the existing row
                       ProductRow(L"P001", L"面粉", L"箱", L"68"),   // second unit
                       ProductRow(L"P002", L"改名前", L"袋", L"4"),  // found by its code
                       ProductRow(L"P999", L"不会读到", L"袋", L"1")};
    EXPECT_EQ(ByCust(grid, L"华联", 3), 0);
    EXPECT_EQ(failed, -1);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.0\n华联|面粉|箱|11|68.0\n华联|白糖|袋|10|4.0");
    EXPECT_EQ(RowsOf(db, L"SELECT ProductID,ProductCode,CompanyID,CompSearchCode FROM CompPrice WHERE CompPriceID=3"),
              Fmt(L"%d|P002|%d|HL", sugar, huaLian));
    EXPECT_EQ(Journal(), L"CompPrice|CompPriceID|1|U\nCompPrice|CompPriceID|2|A\nCompPrice|CompPriceID|3|A");

    // A name typed with a quote finds the partner as stored, and the price row follows it.
    Exec(L"INSERT INTO Companies(CompanyName,CompanyCode,SearchCode,CompanyType) VALUES('O*Brien','K9','OB',1)");
    EXPECT_EQ(ByProd({CustomerRow(L"华联", L"69"), CustomerRow(L"新华", L"70"), CustomerRow(L"O'Brien", L"71")},
                     L"面粉", L"箱"),
              0);
    EXPECT_EQ(failed, -1);
    EXPECT_EQ(PriceRows(),
              L"华联|面粉|袋|10|7.0\n华联|面粉|箱|11|69.0\n华联|白糖|袋|10|4.0\n新华|面粉|箱|11|70.0\n"
              L"O*Brien|面粉|箱|11|71.0");
    EXPECT_EQ(RowsOf(db, L"SELECT CompanyCode,CompSearchCode FROM CompPrice WHERE CompPriceID=5"), L"K9|OB");
}

TEST_F(CustomerPriceBatches, ARefusedBatchWritesNothingAndNamesItsRow) {
    const std::vector<CString> none;
    ExpectRefused(ByCust({ProductRow(L"P001", L"面粉", L"袋", L"1"), ProductRow(L"P002", L"白糖", L"袋", L"2"),
                          ProductRow(L"", L"没有的货", L"袋", L"3")},
                         L"华联"),
                  L"[没有的货]货品不存在！", 2, none);
    ExpectRefused(ByProd({CustomerRow(L"新华", L"1"), CustomerRow(L"华联", L"2"), CustomerRow(L"无此客户", L"3")},
                         L"面粉", L"袋"),
                  L"[无此客户]客户不存在！", 2, none);
    // Before any row: the customer or product of the whole batch.
    ExpectRefused(ByCust({ProductRow(L"P001", L"面粉", L"袋", L"1")}, L"O'Brien"), L"[O'Brien]客户不存在！", -1, none);
    // A grid shorter or narrower than asked for.
    ExpectRefused(ByCust({ProductRow(L"P002", L"白糖", L"袋", L"1")}, L"华联", 2),
                  L"新增客户价失败，表格只有1行，不足2行！", 1, none);
    ExpectRefused(ByProd({CustomerRow(L"新华", L"1"), {L"-", L"华联"}}, L"面粉", L"袋"),
                  L"新增客户价失败，第2行只有2列！", 1, none);

    // A bad price fails at its row: by the table's check in an update (面粉), before an insert (白糖).
    const CString bad = L"1' , CompanyName='x";
    const std::pair<const wchar_t*, CString> refusals[] = {
        {L"面粉", L"新增客户价失败，CHECK constraint failed: CompPrice_Price_IsNumber"},
        {L"白糖", L"新增客户价失败，not a number: '" + bad + L"'"}};
    for (const auto& [product, refusal] : refusals) {
        SCOPED_TRACE(CString(product));
        ExpectRefused(ByCust({ProductRow(L"P002", L"白糖", L"箱", L"5"), ProductRow(L"", L"面粉", L"箱", L"6"),
                              ProductRow(L"", product, L"袋", bad)},
                             L"华联"),
                      refusal, 2, {L"InsertCustPriceByCust" + refusal});
    }
    ExpectRefused(ByProd({CustomerRow(L"新华", L"1"), CustomerRow(L"华联", L"x")}, L"面粉", L"箱"),
                  L"新增客户价失败，not a number: 'x'", 1, {L"InsertCustPriceByProd新增客户价失败，not a number: 'x'"});
    // A database error in the middle of the batch.
    Exec(
        L"CREATE TRIGGER Full BEFORE INSERT ON CompPrice WHEN NEW.CompanyName='新华' BEGIN SELECT RAISE(ABORT, "
        L"'disk full'); END");
    ExpectRefused(
        ByProd({CustomerRow(L"华联", L"1"), CustomerRow(L"华联", L"2"), CustomerRow(L"新华", L"3")}, L"白糖", L"袋"),
        L"新增客户价失败，disk full", 2, {L"InsertCustPriceByProd新增客户价失败，disk full"});
}

TEST_F(CustomerPriceBatches, NestInTheCallersTransactionAndUndoOnlyTheirOwnRows) {
    Exec(L"BEGIN; INSERT INTO Companies(CompanyName) VALUES('调用方');");
    EXPECT_EQ(ByCust({ProductRow(L"P002", L"白糖", L"袋", L"1"), ProductRow(L"", L"没有的货", L"袋", L"3")}, L"华联"), -1);
    EXPECT_EQ(ByCust({ProductRow(L"P002", L"白糖", L"袋", L"2")}, L"华联"), 0);
    Exec(L"COMMIT;");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE CompanyName='调用方'"), 1);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.5\n华联|白糖|袋|10|2.0");
}

}  // namespace
