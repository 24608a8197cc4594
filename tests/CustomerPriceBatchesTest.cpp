// Customer prices from a grid: one customer with many products, one product with many
// customers. A batch writes every row or none and names the row that failed.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/CustomerPriceFixture.h"
#include "support/RowText.h"

using shopbiz::Sql;

namespace {

using Grid = CProductsBLL::PriceGridRows;

// Per-customer grid row: code, name, unit, two unread cells, price, an unread cell.
std::vector<CString> ProductRow(const wchar_t* code, const wchar_t* name, const wchar_t* unit, const wchar_t* price) {
    return {code, name, unit, L"-", L"-", price, L"-"};
}
// Per-product grid row: code (unread), customer, price, an unread cell.
std::vector<CString> CustomerRow(const wchar_t* name, const wchar_t* price) { return {L"-", name, price, L"-"}; }

class CustomerPriceBatches : public CustomerPriceTest {
protected:
    void SetUp() override {
        CustomerPriceTest::SetUp();
        ASSERT_EQ(prices.UpdateCompPrice(db, 0, L"华联", L"面粉", L"袋", L"7.5", error, false), 1);
        before = PriceRows();
        TakeLog();
    }
    // Nothing of a failed batch may stay.
    void ExpectUnchanged() { EXPECT_EQ(PriceRows(), before); }

    CString before;
    int failed = 99;
};

TEST_F(CustomerPriceBatches, OneCustomerManyProducts) {
    SyncOn();
    const Grid grid = {ProductRow(L"P001", L"面粉", L"袋", L"7"),    // the existing row
                       ProductRow(L"P001", L"面粉", L"箱", L"68"),   // second unit
                       ProductRow(L"P002", L"改名前", L"袋", L"4"),  // found by its code
                       ProductRow(L"P999", L"不会读到", L"袋", L"1")};
    EXPECT_EQ(prices.InsertCustPriceByCust(db, grid, 3, L"华联", error, failed), 0);
    EXPECT_EQ(failed, -1);
    EXPECT_EQ(PriceRows(), L"华联|面粉|袋|10|7.0\n华联|面粉|箱|11|68.0\n华联|白糖|袋|10|4.0");
    EXPECT_EQ(RowsOf(db, L"SELECT ProductID,ProductCode,CompanyID,TypeName,LastUpdateDate,CompSearchCode,"
                         L"ProdSearchCode FROM CompPrice WHERE CompPriceID=3"),
              Sql(L"%d|P002|%d|默认类别|2013-05-06 14:03:09|HL|BT", sugar, huaLian));
    EXPECT_EQ(Journal(), L"CompPrice|CompPriceID|1|U\nCompPrice|CompPriceID|2|A\nCompPrice|CompPriceID|3|A");

    EXPECT_EQ(prices.InsertCustPriceByCust(db, grid, 0, L"华联", error, failed), 0);
}

TEST_F(CustomerPriceBatches, OneProductManyCustomers) {
    Exec(L"INSERT INTO Companies(CompanyName,CompanyCode,SearchCode,CompanyType) VALUES('O*Brien','K9','OB',1)");
    const Grid grid = {CustomerRow(L"华联", L"69"), CustomerRow(L"新华", L"70"), CustomerRow(L"O'Brien", L"71")};
    EXPECT_EQ(prices.InsertCustPriceByProd(db, grid, 3, L"面粉", L"箱", error, failed), 0);
    EXPECT_EQ(failed, -1);
    // A name typed with a quote finds the partner as stored, and the price row follows it.
    EXPECT_EQ(PriceRows(), before + L"\n华联|面粉|箱|11|69.0\n新华|面粉|箱|11|70.0\nO*Brien|面粉|箱|11|71.0");
    EXPECT_EQ(RowsOf(db, L"SELECT CompanyCode,CompSearchCode FROM CompPrice WHERE CompPriceID=4"), L"K9|OB");

    EXPECT_EQ(prices.InsertCustPriceByProd(db, {CustomerRow(L"新华", L"66")}, 1, L"面粉", L"箱", error, failed), 0);
    EXPECT_EQ(Real(L"SELECT Price FROM CompPrice WHERE CompanyName='新华'"), 66.0);
}

TEST_F(CustomerPriceBatches, MissingItemRollsBackTheWholeBatchAtItsRow) {
    EXPECT_EQ(prices.InsertCustPriceByCust(db,
                                           {ProductRow(L"P001", L"面粉", L"袋", L"1"),
                                            ProductRow(L"P002", L"白糖", L"袋", L"2"),
                                            ProductRow(L"", L"没有的货", L"袋", L"3")},
                                           3, L"华联", error, failed),
              -1);
    EXPECT_EQ(error, L"[没有的货]货品不存在！");
    EXPECT_EQ(failed, 2);
    ExpectUnchanged();

    EXPECT_EQ(prices.InsertCustPriceByProd(
                  db, {CustomerRow(L"新华", L"1"), CustomerRow(L"华联", L"2"), CustomerRow(L"无此客户", L"3")}, 3,
                  L"面粉", L"袋", error, failed),
              -1);
    EXPECT_EQ(error, L"[无此客户]客户不存在！");
    EXPECT_EQ(failed, 2);
    ExpectUnchanged();

    // Before any row: the customer or product of the whole batch.
    failed = 99;
    EXPECT_EQ(prices.InsertCustPriceByCust(db, {ProductRow(L"P001", L"面粉", L"袋", L"1")}, 1, L"O'Brien", error,
                                           failed),
              -1);
    EXPECT_EQ(error, L"[O'Brien]客户不存在！");
    EXPECT_EQ(failed, -1);
    EXPECT_EQ(prices.InsertCustPriceByProd(db, {CustomerRow(L"新华", L"1")}, 1, L"没有的货", L"袋", error, failed),
              -1);
    EXPECT_EQ(error, L"[没有的货]货品不存在！");
    ExpectUnchanged();
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(CustomerPriceBatches, BadGridWritesNothing) {
    // More rows asked for than the grid holds.
    EXPECT_EQ(prices.InsertCustPriceByCust(db, {ProductRow(L"P002", L"白糖", L"袋", L"1")}, 2, L"华联", error, failed),
              -1);
    EXPECT_EQ(error, L"新增客户价失败，表格只有1行，不足2行！");
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(prices.InsertCustPriceByProd(db, {CustomerRow(L"新华", L"1"), {L"-", L"华联"}}, 2, L"面粉", L"袋", error,
                                           failed),
              -1);
    EXPECT_EQ(error, L"新增客户价失败，第2行只有2列！");
    EXPECT_EQ(failed, 1);
    ExpectUnchanged();

    // A price that is not a number, in an update and in an insert, fails at its row.
    for (const wchar_t* bad : {L"abc", L"", L"1' , CompanyName='x"}) {
        for (const wchar_t* product : {L"面粉", L"白糖"}) {
            failed = 99;
            EXPECT_EQ(prices.InsertCustPriceByCust(db,
                                                   {ProductRow(L"P002", L"白糖", L"箱", L"5"),
                                                    ProductRow(L"", L"面粉", L"箱", L"6"),
                                                    ProductRow(L"", product, L"袋", bad)},
                                                   3, L"华联", error, failed),
                      -1)
                << CString(bad);
            EXPECT_EQ(failed, 2);
            EXPECT_EQ(error, L"新增客户价失败，CHECK constraint failed: CompPrice_Price_IsNumber");
            ExpectUnchanged();
        }
    }
    const auto log = TakeLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0], L"InsertCustPriceByCust新增客户价失败，CHECK constraint failed: CompPrice_Price_IsNumber");

    EXPECT_EQ(prices.InsertCustPriceByProd(db, {CustomerRow(L"新华", L"1"), CustomerRow(L"华联", L"x")}, 2, L"面粉",
                                           L"箱", error, failed),
              -1);
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"InsertCustPriceByProd" + error});
    ExpectUnchanged();
}

TEST_F(CustomerPriceBatches, DatabaseErrorMidBatchAndTheCallersTransaction) {
    Exec(L"CREATE TRIGGER Full BEFORE INSERT ON CompPrice WHEN NEW.CompanyName='新华' BEGIN SELECT RAISE(ABORT, "
         L"'disk full'); END");
    EXPECT_EQ(prices.InsertCustPriceByProd(
                  db, {CustomerRow(L"华联", L"1"), CustomerRow(L"华联", L"2"), CustomerRow(L"新华", L"3")}, 3,
                  L"白糖", L"袋", error, failed),
              -1);
    EXPECT_EQ(error, L"新增客户价失败，disk full");
    EXPECT_EQ(failed, 2);
    ExpectUnchanged();
    TakeLog();

    // A batch never rolls back work of its caller's own transaction.
    Exec(L"BEGIN; INSERT INTO Companies(CompanyName) VALUES('调用方');");
    EXPECT_EQ(prices.InsertCustPriceByCust(db, {ProductRow(L"P002", L"白糖", L"袋", L"1")}, 1, L"华联", error, failed),
              -1);
    EXPECT_EQ(error.Find(L"新增客户价失败，"), 0);
    EXPECT_EQ(failed, -1);
    Exec(L"COMMIT;");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE CompanyName='调用方'"), 1);
    ExpectUnchanged();
}

}  // namespace
