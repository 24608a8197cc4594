// Deleting products, what tells whether one may be deleted, and product pictures.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/ProductRows.h"

using shopbiz::Sql;

namespace {

class ProductDelete : public ShopDbTest {
protected:
    CProductsBLL products;

    int Rows(const wchar_t* table, int id, const wchar_t* column = L"ProductID") {
        return Int(Sql(L"select count(*) from %s where %s='%d'", table, column, id));
    }
};

TEST_F(ProductDelete, BillLinesOfAnyKindKeepTheProduct) {
    const int pen = PutProduct(db, {});
    EXPECT_TRUE(products.IsDeletable(db, pen));
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems"}) {
        db.execDML(L"delete from SaleBillItems; delete from PurBillItems; delete from SaleOrderBillItems;");
        PutBillLine(db, table, pen);
        PutBillLine(db, table, pen);
        EXPECT_FALSE(products.IsDeletable(db, pen)) << table;
    }
    CString error;
    EXPECT_EQ(CSaleBLL().QueryBillByProductID(db, pen, error), 0);
    EXPECT_EQ(CPurBLL().QueryBillByProductID(db, pen, error), 0);
    EXPECT_EQ(COrderSaleBLL().QueryBillByProductID(db, pen, error), 2);
    EXPECT_EQ(COrderSaleBLL().QueryBillByProductID(db, 999, error), 0);
    EXPECT_EQ(error, L"");
}

TEST_F(ProductDelete, CountThatCannotBeReadKeepsTheProduct) {
    const int pen = PutProduct(db, {});
    db.execDML(L"drop table PurBillItems");
    CString error;
    EXPECT_EQ(CPurBLL().QueryBillByProductID(db, pen, error), -1);
    EXPECT_EQ(error, L"no such table: PurBillItems");
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"no such table: PurBillItems"});
    EXPECT_FALSE(products.IsDeletable(db, pen));
}

TEST_F(ProductDelete, LedgerBeyondTheOpeningRowMeansBills) {
    const int pen = PutProduct(db, {});
    PutOpeningRow(db, pen, 1, 1);
    EXPECT_FALSE(products.IsHasBill(db, pen));
    db.execDML(Sql(L"insert into Stocks(BillType, ProductID) values('出货', %d)", pen));
    EXPECT_TRUE(products.IsHasBill(db, pen));
    EXPECT_FALSE(products.IsHasBill(db, 999));
}

TEST_F(ProductDelete, LocalProductGoesWithEverythingItOwns) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    const int pen = PutProduct(db, {});
    const int other = PutProduct(db, {.name = L"橡皮", .code = L"P2", .searchCode = L"XP"});
    for (int id : {pen, other}) {
        PutOpeningRow(db, id, 1, 1);
        db.execDML(Sql(L"insert into ProductStock(ProductID, ProductName) values('%d', 'x')", id));
        db.execDML(Sql(L"insert into CompPrice(ProductID) values(%d)", id));
        db.execDML(Sql(L"insert into net_tbprodvyr(num_iid, prodid) values('9', '%d')", id));
    }
    db.execDML(L"insert into ProductPictures(ProductID, ProductName) values(1, '铅笔'), (2, '橡皮')");
    db.execDML(L"update Products set MinPicture = x'0102'; update Stocks set IsCale2 = 1");

    EXPECT_EQ(products.DeleteProducts(db, pen), 1);
    EXPECT_EQ(Text(L"select Flag||':'||UpdateValue||':'||OldValue from ProdCache"), L"3:QB|铅笔|默认类别:");
    for (const wchar_t* table : {L"Products", L"ProductStock", L"Stocks", L"CompPrice", L"ProductPictures"})
        EXPECT_EQ(Rows(table, pen), 0) << table;
    EXPECT_EQ(Rows(L"net_tbprodvyr", pen, L"prodid"), 0);
    for (const wchar_t* table : {L"Products", L"ProductStock", L"Stocks", L"CompPrice", L"ProductPictures"})
        EXPECT_EQ(Rows(table, other), 1) << table;
    EXPECT_EQ(Rows(L"net_tbprodvyr", other, L"prodid"), 1);
    EXPECT_EQ(Int(L"select length(MinPicture) from Products"), 2);
    // Costs are redone for every product by the next full run.
    EXPECT_EQ(Int(L"select IsCale2 from Stocks where IsSystem=1"), 0);
    EXPECT_EQ(Text(L"select TName||'/'||CName||'/'||CValue||'/'||OType from OperateData"),
              CString(Sql(L"Products/ProductID/%d/D", pen)));
}

TEST_F(ProductDelete, OnlineProductKeepsLedgerAndPrices) {
    const int net = PutProduct(db, {.name = L"网店笔", .code = L"N1", .searchCode = L"WDB", .isLocal = 0});
    PutOpeningRow(db, net, 1, 1);
    db.execDML(Sql(L"insert into CompPrice(ProductID) values(%d)", net));
    EXPECT_EQ(products.DeleteProducts(db, net), 1);
    EXPECT_EQ(Text(L"select Flag||':'||UpdateValue from ProdCache"), L"5:WDB|网店笔|默认类别");
    EXPECT_EQ(Rows(L"Products", net), 0);
    EXPECT_EQ(Rows(L"Stocks", net), 1);
    EXPECT_EQ(Rows(L"CompPrice", net), 1);
}

TEST_F(ProductDelete, MissingProductTouchesNoOtherProduct) {
    const int unnamed = PutProduct(db, {.name = L"", .code = L"E1"});
    db.execDML(L"update Products set MinPicture = x'01'");
    db.execDML(L"insert into ProductPictures(ProductID, ProductName) values(1, '')");
    EXPECT_EQ(products.DeleteProducts(db, 999), 1);
    EXPECT_EQ(Rows(L"Products", unnamed), 1);
    EXPECT_EQ(Int(L"select length(MinPicture) from Products"), 1);
    EXPECT_EQ(Int(L"select count(*) from ProductPictures"), 1);
    EXPECT_EQ(Text(L"select Flag||':'||UpdateValue from ProdCache"), L"5:||");
}

TEST_F(ProductDelete, PicturesGoByExactName) {
    PutProduct(db, {.name = L"it's", .code = L"Q1"});
    PutProduct(db, {.name = L"its", .code = L"Q2"});
    db.execDML(L"update Products set MinPicture = x'0102'");
    db.execDML(L"insert into ProductPictures(ProductID, ProductName) values(1, 'it''s'), (2, 'its')");
    EXPECT_EQ(products.DeleteProductPicture(db, L"it's"), 1);
    EXPECT_EQ(Text(L"select group_concat(ProductName) from ProductPictures"), L"its");
    EXPECT_EQ(Text(L"select group_concat(ProductName) from Products where length(MinPicture) = 0"), L"it's");

    db.execDML(L"drop table ProductPictures");
    EXPECT_EQ(products.DeleteProductPicture(db, L"its"), 0);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"Err:no such table: ProductPictures\r\nsql=delete from ProductPictures "
                                              L"where ProductName='its'"});
}

}  // namespace
