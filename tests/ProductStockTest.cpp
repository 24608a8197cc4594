// The stock counters the bill postings move, and the product's row in the default warehouse.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/ProductRows.h"

using shopbiz::Sql;

namespace {

class ProductStock : public ShopDbTest {
protected:
    CProductsBLL products;

    double Stock(int id) { return Real(Sql(L"select CurStock from Products where ProductID=%d", id)); }
    double WarehouseStock(int id) { return Real(Sql(L"select CurStock from ProductStock where ProductID=%d", id)); }
};

TEST_F(ProductStock, PurchasesAddAndSalesTakeAway) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    const int pen = PutProduct(db, {.curStock = 10});
    const int other = PutProduct(db, {.name = L"橡皮", .code = L"P0002", .curStock = 3});

    EXPECT_EQ(products.AddProductsStock(db, pen, L"4", L"0"), 1);
    EXPECT_DOUBLE_EQ(Stock(pen), 14);
    EXPECT_EQ(products.DecProductsStock(db, pen, L"2.5", L"9"), 1);
    EXPECT_DOUBLE_EQ(Stock(pen), 11.5);
    // A purchase return comes as a negative quantity.
    EXPECT_EQ(products.AddProductsStock(db, pen, L"-1.5", L"0"), 1);
    EXPECT_DOUBLE_EQ(Stock(pen), 10);
    EXPECT_DOUBLE_EQ(Stock(other), 3);
    EXPECT_EQ(Text(L"select TName||'/'||CName||'/'||CValue||'/'||OType from OperateData"),
              CString(Sql(L"products/productID/%d/U", pen)));  // one entry for the row
    EXPECT_EQ(products.GetCurStockByID(db, pen), L"10.00000000");
    EXPECT_EQ(products.GetCurStockByID(db, 999), L"0.00000000");
}

TEST_F(ProductStock, FirstPurchasePricesTheOpeningRowOnlyOnce) {
    const int pen = PutProduct(db, {.initStock = 5, .curStock = 5});
    PutOpeningRow(db, pen, 5, 0);
    db.execDML(L"update Stocks set IsCale=1, IsCale2=1");

    EXPECT_EQ(products.AddProductsStock(db, pen, L"2", L"3.5"), 1);
    EXPECT_DOUBLE_EQ(Real(L"select LastPrice from Stocks where IsSystem=1"), 3.5);
    EXPECT_DOUBLE_EQ(Real(L"select LastAmount from Stocks where IsSystem=1"), 17.5);
    EXPECT_EQ(Int(L"select IsCale + IsCale2 from Stocks where IsSystem=1"), 0);

    EXPECT_EQ(products.AddProductsStock(db, pen, L"2", L"4"), 1);
    EXPECT_DOUBLE_EQ(Real(L"select LastPrice from Stocks where IsSystem=1"), 3.5);
}

TEST_F(ProductStock, BadQuantitiesAndMissingProductsChangeNothing) {
    const int pen = PutProduct(db, {.curStock = 10});
    EXPECT_EQ(products.AddProductsStock(db, pen, L"", L""), 1);
    EXPECT_EQ(products.AddProductsStock(db, pen, L"abc", L"x"), 1);
    EXPECT_EQ(products.DecProductsStock(db, pen, L"1,5", L""), 1);  // "1，5" reads as 1
    EXPECT_DOUBLE_EQ(Stock(pen), 9);
    EXPECT_EQ(products.AddProductsStock(db, 999, L"4", L"2"), 1);
    EXPECT_EQ(products.DecProductsStock(db, 999, L"4", L"2"), 1);
    EXPECT_EQ(Int(L"select count(*) from Products"), 1);
    EXPECT_DOUBLE_EQ(Stock(pen), 9);
}

TEST_F(ProductStock, DatabaseErrorIsLoggedWithItsStatement) {
    const int pen = PutProduct(db, {.curStock = 10});
    db.execDML(L"drop table Stocks");
    EXPECT_EQ(products.AddProductsStock(db, pen, L"1", L"2"), -1);
    const auto log = TakeLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], Sql(L"err:no such table: Stocks;sql=select LastCount,LastPrice from Stocks where "
                          L"ProductID=%d and IsSystem=1",
                          pen));
    EXPECT_DOUBLE_EQ(Stock(pen), 11);  // the counter had moved already
}

TEST_F(ProductStock, WarehouseRowFollowsSalesAndPurchases) {
    const int pen = PutProduct(db, {.initStock = 6, .curStock = 6});
    const int other = PutProduct(db, {.name = L"橡皮", .code = L"P0002", .curStock = 3});

    // The first movement creates the row, with the product's own opening stock.
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"-5"));
    CppSQLite3Query row = products.GetStockProducts(db, pen);
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.getStringField(L"WarehouseID"), L"1");
    EXPECT_EQ(row.getStringField(L"WarehouseCode"), L"CK0001");
    EXPECT_EQ(row.getStringField(L"ProductCode"), L"P0001");
    EXPECT_EQ(row.getIntField(L"UnitID"), Int(L"select ID from BaseData where BaseName='支' and BaseType=2"));
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitStock"), 6);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"CurStock"), 5);
    row.finalize();

    db.execDML(L"update ProductStock set HighLimit='20', LowLimit='2'");
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"2"));  // sale of 2
    EXPECT_DOUBLE_EQ(WarehouseStock(pen), 3);
    EXPECT_DOUBLE_EQ(Real(L"select InitStock from ProductStock"), 5);  // the stock before the movement
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"-4"));  // purchase of 4
    EXPECT_DOUBLE_EQ(WarehouseStock(pen), 7);
    EXPECT_EQ(Text(L"select HighLimit||'/'||LowLimit from ProductStock"), L"20/2");
    EXPECT_EQ(products.DecStockProductsFromBill(db, pen, L"-2"), 1);  // a sale taken back
    EXPECT_DOUBLE_EQ(WarehouseStock(pen), 9);
    EXPECT_EQ(Int(L"select count(*) from ProductStock"), 1);
    EXPECT_DOUBLE_EQ(Stock(other), 3);
}

TEST_F(ProductStock, WarehouseRowNeedsItsProduct) {
    EXPECT_FALSE(products.AddStockProducts(db, L"没有", L"默认仓库", L"个", L"", L"1", L"", L""));
    EXPECT_FALSE(products.AddStockProductsFromBill(db, L"没有", L"默认仓库", L"个", L"0.0", L"1"));
    EXPECT_EQ(products.DecStockProductsFromBill(db, 999, L"1"), 1);
    EXPECT_EQ(Int(L"select count(*) from ProductStock"), 0);
}

TEST_F(ProductStock, NamesAreMadeSafeAndLimitsStayNumbers) {
    // Stored names went through GetSafeString: a typed quote and comma find them.
    const int id = PutProduct(db, {.name = L"a*b，c", .code = L"X1"});
    EXPECT_TRUE(products.AddStockProducts(db, L" a'b,c ", L"默认仓库", L"", L"", L"", L"ten", L"5%"));
    CppSQLite3Query row = products.GetStockProducts(db, id);
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.getStringField(L"ProductName"), L"a*b，c");
    EXPECT_EQ(row.getStringField(L"HighLimit"), L"0.00000000");
    EXPECT_EQ(row.getStringField(L"LowLimit"), L"5.00000000");  // "5％" reads as 5
    EXPECT_DOUBLE_EQ(row.getFloatField(L"CurStock"), 0);
}

}  // namespace
