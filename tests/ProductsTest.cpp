// Products: adding and editing (the opening ledger row, renames carried into copies), the main
// list, deleting, the stock counters, learned prices and type changes.
#include <gtest/gtest.h>

#include <string>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;
using shopbiz::Sql;

namespace {

struct ProductRow {
    const wchar_t* name = L"铅笔";
    const wchar_t* code = L"P0001";
    const wchar_t* type = L"默认类别";
    const wchar_t* unit = L"支";
    const wchar_t* searchCode = L"QB";
    double initStock = 0, curStock = 0, inPrice = 0;
    int isLocal = 1, isDisable = 0;
};

class Products : public ShopDbTest {
protected:
    // A product written straight into the table; returns its ProductID.
    int Put(const ProductRow& r) {
        auto e = [](const wchar_t* text) { return shopbiz::Quoted(text); };
        Exec(
            Sql(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,TypeID,TypeName,UnitName,InitStock,CurStock,"
                L"InPrice,Price,WholesalePrice,IsLocal,IsDisable) "
                L"VALUES('%s','%s','%s',2,'%s','%s',%.08lf,%.08lf,%.08lf,0,0,%d,%d)",
                e(r.name), e(r.code), e(r.searchCode), e(r.type), e(r.unit), r.initStock, r.curStock, r.inPrice,
                r.isLocal, r.isDisable));
        return static_cast<int>(db.lastRowId());
    }
    // The product's opening ledger row ("期初").
    void PutOpening(int id, double count, double price) {
        Exec(
            Fmt(L"INSERT INTO Stocks(SortID,BillType,BillDate,ProductID,LastCount,LastPrice,LastAmount,IsSystem,IsCale,"
                L"IsCale2) VALUES(1,'期初','1970-01-01',%d,%.08lf,%.08lf,%.08lf,1,1,1)",
                id, count, price, count * price));
    }
    // A bill line of the product in a line table (SaleBillItems, PurBillItems, SaleOrderBillItems).
    void PutLine(const wchar_t* table, int id) {
        Exec(Fmt(L"INSERT INTO %s(ProductID, ItemCount) VALUES(%d, 1)", table, id));
    }
    void JournalChanges() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }
    CString Cache() { return Text(L"select group_concat(Flag||':'||UpdateValue||':'||OldValue, ';') from ProdCache"); }
    CString Journal() {
        return Text(L"select group_concat(TName||'/'||CName||'/'||CValue||'/'||OType, ';') from OperateData");
    }
    CString Product(const wchar_t* columns, int id) {
        return RowsOf(db, Fmt(L"select %s from Products where ProductID = %d", columns, id));
    }
    int Rows(const wchar_t* table, int id, const wchar_t* column = L"ProductID") {
        return Int(Fmt(L"select count(*) from %s where %s='%d'", table, column, id));
    }
    // The full form with the defaults of a typical add; the ProductIDs of the rows it returns.
    CString Add(const wchar_t* name, const wchar_t* code, const wchar_t* type = L"", const wchar_t* unit = L"个",
                const wchar_t* stock = L"10", const wchar_t* inPrice = L"2.5", const wchar_t* price = L"4") {
        return ListOf(products.AddProducts(db, name, code, type, unit, stock, inPrice, price, L"3.5", L"", L"", false,
                                           L"备注", exists),
                      L"ProductID");
    }
    int Update(int id, const wchar_t* name, const wchar_t* code, const wchar_t* stock, const wchar_t* inPrice,
               const wchar_t* type = L"", const wchar_t* unit = L"") {
        return products.UpdateProducts(db, id, name, code, type, unit, stock, inPrice, L"4", L"3.5", L"r", L"", L"");
    }
    int UnitID(const wchar_t* name) {
        return Int(Fmt(L"select ID from BaseData where BaseName='%s' and BaseType=2", name));
    }

    CProductsBLL products;
    bool exists = true;
};

TEST_F(Products, NewProductIsLocalEnabledWithItsOpeningRow) {
    JournalChanges();
    EXPECT_EQ(Add(L"铅笔", L"P0001"), L"1");
    EXPECT_FALSE(exists);
    EXPECT_EQ(Product(L"SearchCode, TypeName, TypeID, UnitName, IsLocal, IsDisable, IsDelete, InitStock, CurStock, "
                      L"InitAmount, OutPrice",
                      1),
              L"QB-YB|默认类别|2|个|1|0|0|10.0|10.0|25.0|4.0");
    EXPECT_EQ(RowsOf(db, L"select ProductID, BillType, BillDate, LastAmount from Stocks"), L"1|期初|1970-01-01|25.0");
    EXPECT_EQ(Cache(), L"1:QB-YB|铅笔|默认类别:");
    EXPECT_EQ(Journal(), L"Products/ProductName/铅笔/A");
}

TEST_F(Products, ExistingNameIsFoundNotAdded) {
    Add(L"铅笔", L"P0001");
    Exec(L"delete from ProdCache");
    EXPECT_EQ(Add(L"铅笔", L"P0002"), L"");  // same name, other code: nothing of that pair
    EXPECT_TRUE(exists);
    exists = false;
    EXPECT_EQ(Add(L"铅笔", L"P0001", L"", L"个", L"99"), L"1");
    EXPECT_TRUE(exists);
    EXPECT_EQ(RowsOf(db, L"select count(*), CurStock, (select count(*) from Stocks) from Products"), L"1|10.0|1");
    EXPECT_EQ(Cache(), L"");
}

TEST_F(Products, DisabledProductIsEnabledAgainAndAnOnlineOneTakenOver) {
    const int id = Put({.name = L"铅笔", .code = L"P1", .unit = L"", .isDisable = 1});
    Exec(L"update Products set IsDelete = 1");
    EXPECT_EQ(Add(L"铅笔", L"P1", L"", L"盒"), Fmt(L"%d", id));
    EXPECT_FALSE(exists);
    EXPECT_EQ(Product(L"IsDisable, IsDelete, UnitName", id), L"0|0|盒");  // it had no unit
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 0);                    // not a new product: no opening row

    Exec(L"delete from ProdCache");
    const int net = Put({.name = L"网笔", .code = L"N1", .unit = L"支", .searchCode = L"WB", .isLocal = 0});
    const CString taken = Add(L"网笔", L"P9", L"", L"个", L"10");
    EXPECT_EQ(Product(L"IsLocal, UnitName, InitStock", std::stoi(taken.str())), L"1|支|0.0");  // the online unit
    EXPECT_EQ(Int(Fmt(L"select count(*) from Products where ProductID=%d", net)), 0);
    EXPECT_EQ(Cache(), L"5:WB|网笔|:WB|网笔|默认类别;1:WB|网笔|默认类别:");
}

TEST_F(Products, OpeningStockAbsorbsTheChangeOfCurrentStock) {
    const int pen = Put({.initStock = 5, .curStock = 10, .inPrice = 2});
    PutOpening(pen, 5, 2);
    Exec(Fmt(L"insert into Stocks(BillType, ProductID, InCount) values('进货', %d, 5)", pen));
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"12", L"2"), 1);
    EXPECT_EQ(Product(L"CurStock, InitStock, InitAmount", pen), L"12.0|7.0|14.0");
    EXPECT_EQ(RowsOf(db, L"select LastCount, LastPrice, LastAmount, IsCale from Stocks where IsSystem=1"),
              L"7.0|2.0|14.0|0");
    EXPECT_EQ(Cache(), L"2:QB-YB|铅笔|默认类别:QB|铅笔|默认类别");
    // With bills in the ledger a new purchase price leaves the opening row's price alone.
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"12", L"9"), 1);
    EXPECT_EQ(RowsOf(db, L"select LastPrice, (select InPrice from Products) from Stocks where IsSystem=1"), L"2.0|9.0");
}

TEST_F(Products, OpeningRowIsRepricedWhileThereAreNoBills) {
    const int pen = Put({.initStock = 5, .curStock = 5, .inPrice = 2});
    PutOpening(pen, 5, 2);
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"5", L"3"), 1);
    EXPECT_EQ(RowsOf(db, L"select LastCount, LastPrice, LastAmount from Stocks"), L"5.0|3.0|15.0");
    // An opening row without a price takes the first one given, for the stock after the edit.
    const int rubber = Put({.name = L"橡皮", .code = L"P2", .initStock = 4, .curStock = 4});
    PutOpening(rubber, 4, 0);
    Exec(Fmt(L"insert into Stocks(BillType, ProductID, OutCount) values('出货', %d, 1)", rubber));
    EXPECT_EQ(Update(rubber, L"橡皮", L"P2", L"6", L"1.5"), 1);
    EXPECT_EQ(RowsOf(db, Fmt(L"select LastCount, LastPrice, LastAmount, IsCale2, (select InitAmount from Products "
                             L"where ProductID=%d) from Stocks where IsSystem=1 and ProductID=%d",
                             rubber, rubber)),
              L"6.0|1.5|9.0|0|9.0");
}

TEST_F(Products, RenamesReachEveryCopy) {
    const int pen = Put({});
    const int other = Put({.name = L"橡皮", .code = L"P2"});
    for (int id : {pen, other}) {
        for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems"}) PutLine(table, id);
        PutOpening(id, 0, 0);
        Exec(Fmt(L"insert into CompPrice(ProductID, UnitName) values(%d, '支'), (%d, '盒')", id, id));
    }
    EXPECT_EQ(Update(pen, L"红铅笔", L"R1", L"0", L"0", L"文具", L"根"), 1);
    const CString expected = Fmt(L"红铅笔|R1|文具|%d|根|%d|HQB-HYB",
                                 Int(L"select ID from AdvancedBaseData where BaseName='文具'"), UnitID(L"根"));
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems", L"Stocks"})
        EXPECT_EQ(RowsOf(db, Fmt(L"select ProductName, ProductCode, TypeName, TypeID, UnitName, UnitID, SearchCode "
                                 L"from %s where ProductID=%d",
                                 table, pen)),
                  expected)
            << table;
    // Customer prices: the base unit's rows follow the unit, the second unit's keep theirs; others stay.
    EXPECT_EQ(
        RowsOf(db, L"select ProductID, ProductName, ProductCode, ProdSearchCode, SearchCode, UnitName from CompPrice"),
        L"1|红铅笔|R1|HQB-HYB|HQB-HYB|根\n1|红铅笔|R1|HQB-HYB|HQB-HYB|盒\n2|||||支\n2|||||盒");
}

TEST_F(Products, UpdateRefusalsAndKeptTypeAndUnit) {
    const int pen = Put({.type = L"文具", .unit = L"支"});
    const int other = Put({.name = L"橡皮", .code = L"P2"});
    EXPECT_EQ(Update(other, L"铅笔", L"P0001", L"5", L"1"), 2);  // another product's name and code
    EXPECT_EQ(Update(999, L"新", L"N", L"5", L"1"), 0);
    EXPECT_EQ(Update(other, L" ", L"N", L"5", L"1"), 0);
    EXPECT_EQ(RowsOf(db, L"select ProductName, CurStock from Products"), L"铅笔|0.0\n橡皮|0.0");
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"0", L"0"), 1);  // empty type and unit keep the old ones
    EXPECT_EQ(Product(L"TypeName, UnitName", pen), L"文具|支");
}

TEST_F(Products, PagingHoldsThePageToTheLastOne) {
    for (int i = 1; i <= 6; ++i)
        Put({.name = Fmt(L"笔%02d", i), .code = Fmt(L"B%02d", i), .searchCode = Fmt(L"BI%02d", i)});
    Put({.name = L"橡皮", .code = L"X1", .searchCode = L"XP"});
    const struct {
        const wchar_t* key;
        long size, page;
        const wchar_t* codesTotalPagesPage;
    } cases[] = {
        {L"笔", 4, 9, L"B05,B06|6|2|2"},
        {L"笔", 3, 5, L"B04,B05,B06|6|2|2"},               // six rows fill exactly two pages
        {L"", 0, 3, L"B01,B02,B03,B04,B05,B06,X1|7|1|1"},  // no page size: one page with everything
    };
    for (const auto& c : cases) {
        long size = c.size, total = -1, page = c.page, pages = -1;
        const CString codes =
            ListOf(products.GetProductByPage(db, c.key, size, total, page, pages, true, false), L"ProductCode");
        EXPECT_EQ(codes + Fmt(L"|%ld|%ld|%ld", total, pages, page), c.codesTotalPagesPage) << c.size << " " << c.page;
    }
    EXPECT_TRUE(products.GetProductByInfo(db, L"x' or '1'='1", 0).eof());  // a key taken as it is breaks nothing
}

TEST_F(Products, DeepListPageWalksTheIndexInsteadOfSortingEveryProduct) {
    std::string page;
    for (CppSQLite3Query q = db.execQuery(
             L"explain query plan select ProductID from Products where (ProductName like '%%' or ProductCode like "
             L"'%%' or SearchCode like '%%') and IsDisable = 0 order by IsLocal desc, SearchCode limit 9980,20");
         !q.eof(); q.nextRow())
        page += q.getStringField(L"detail").ToUtf8() + "\n";
    EXPECT_NE(page.find("INDEX IX_Products_List"), std::string::npos) << page;
    EXPECT_EQ(page.find("TEMP B-TREE"), std::string::npos) << page;
}

TEST_F(Products, BillLinesOfAnyKindKeepTheProductLedgerRowsDoNot) {
    const int pen = Put({});
    PutOpening(pen, 1, 1);
    Exec(Fmt(L"insert into Stocks(BillType, ProductID) values('出货', %d)", pen));
    EXPECT_TRUE(products.IsDeletable(db, pen));
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems"}) {
        Exec(L"delete from SaleBillItems; delete from PurBillItems; delete from SaleOrderBillItems;");
        PutLine(table, pen);
        EXPECT_FALSE(products.IsDeletable(db, pen)) << table;
    }
    // A count that cannot be read keeps the product too.
    Exec(L"delete from SaleOrderBillItems; drop table PurBillItems");
    CString error;
    EXPECT_EQ(CPurBLL().QueryBillByProductID(db, pen, error), -1);
    EXPECT_EQ(error, L"no such table: PurBillItems");
    EXPECT_FALSE(products.IsDeletable(db, pen));
}

TEST_F(Products, LocalProductGoesWithEverythingItOwns) {
    JournalChanges();
    const int pen = Put({});
    const int other = Put({.name = L"橡皮", .code = L"P2", .searchCode = L"XP"});
    for (int id : {pen, other}) {
        PutOpening(id, 1, 1);
        Exec(Fmt(L"insert into ProductStock(ProductID, ProductName) values('%d', 'x')", id));
        Exec(Fmt(L"insert into CompPrice(ProductID) values(%d)", id));
        Exec(Fmt(L"insert into net_tbprodvyr(num_iid, prodid) values('9', '%d')", id));
    }
    Exec(L"insert into ProductPictures(ProductID, ProductName) values(1, '铅笔'), (2, '橡皮')");
    Exec(L"update Products set MinPicture = x'0102'; update Stocks set IsCale2 = 1");

    EXPECT_EQ(products.DeleteProducts(db, pen), 1);
    EXPECT_EQ(Cache(), L"3:QB|铅笔|默认类别:");
    for (auto [id, left] : {std::pair{pen, 0}, {other, 1}}) {
        for (const wchar_t* table : {L"Products", L"ProductStock", L"Stocks", L"CompPrice", L"ProductPictures"})
            EXPECT_EQ(Rows(table, id), left) << table << id;
        EXPECT_EQ(Rows(L"net_tbprodvyr", id, L"prodid"), left);
    }
    // Costs are redone for every product by the next full run.
    EXPECT_EQ(Int(L"select IsCale2 from Stocks where IsSystem=1"), 0);
    EXPECT_EQ(Journal(), Fmt(L"Products/ProductID/%d/D", pen));
}

TEST_F(Products, OnlineProductKeepsLedgerAndPricesAndAMissingOneTouchesNothing) {
    const int net = Put({.name = L"网店笔", .code = L"N1", .searchCode = L"WDB", .isLocal = 0});
    PutOpening(net, 1, 1);
    Exec(Fmt(L"insert into CompPrice(ProductID) values(%d)", net));
    EXPECT_EQ(products.DeleteProducts(db, 999), 1);
    EXPECT_EQ(products.DeleteProducts(db, net), 1);
    EXPECT_EQ(Text(L"select group_concat(Flag||':'||UpdateValue, ';') from ProdCache"),
              L"5:||;5:WDB|网店笔|默认类别");  // the missing one leaves an empty entry
    EXPECT_EQ(Rows(L"Products", net), 0);
    EXPECT_EQ(Rows(L"Stocks", net) + Rows(L"CompPrice", net), 2);
}

TEST_F(Products, PurchasesAddSalesTakeAwayBadQuantitiesAndMissingProductsChangeNothing) {
    JournalChanges();
    const int pen = Put({.curStock = 10});
    const int other = Put({.name = L"橡皮", .code = L"P0002", .curStock = 3});
    EXPECT_EQ(products.AddProductsStock(db, pen, L"4", L"0"), 1);
    EXPECT_EQ(products.DecProductsStock(db, pen, L"2.5", L"9"), 1);
    EXPECT_EQ(products.AddProductsStock(db, pen, L"-0.5", L"0"), 1);  // a purchase return: a negative quantity
    EXPECT_EQ(products.AddProductsStock(db, pen, L"abc", L"x"), 1);
    EXPECT_EQ(Journal(), Fmt(L"products/productID/%d/U", pen));  // one entry for the row
    EXPECT_EQ(products.DecProductsStock(db, 999, L"4", L"2"), 1);
    EXPECT_EQ(RowsOf(db, L"select ProductID, CurStock from Products"), Fmt(L"%d|11.0\n%d|3.0", pen, other));
}

TEST_F(Products, FirstPurchasePricesTheOpeningRowOnlyOnce) {
    const int pen = Put({.initStock = 5, .curStock = 5});
    PutOpening(pen, 5, 0);
    EXPECT_EQ(products.AddProductsStock(db, pen, L"2", L"3.5"), 1);
    EXPECT_EQ(RowsOf(db, L"select LastPrice, LastAmount, IsCale + IsCale2 from Stocks where IsSystem=1"),
              L"3.5|17.5|0");
    EXPECT_EQ(products.AddProductsStock(db, pen, L"2", L"4"), 1);
    EXPECT_EQ(Real(L"select LastPrice from Stocks where IsSystem=1"), 3.5);
}

TEST_F(Products, APurchaseAlwaysSetsThePurchasePriceASaleOnlyAMissingPrice) {
    const int pen = Put({.inPrice = 1});
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 5, 1, L"8"), 1);  // a customer: the wholesale price
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 5, 1, L"7"), 1);  // a set price stays
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 7, 2, L"3"), 1);
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 7, 2, L"-5"), 0);  // no price
    EXPECT_EQ(Product(L"Price, WholesalePrice, InPrice", pen), L"0.0|8.0|3.0");
}

TEST_F(Products, WarehouseRowIsMadeByTheFirstMovementOfAProductThatExists) {
    EXPECT_FALSE(products.AddStockProductsFromBill(db, L"没有", L"默认仓库", L"个", L"0.0", L"1"));
    const int pen = Put({.initStock = 6, .curStock = 6});
    // The row starts from the product's own opening stock; InitStock then holds the stock before each movement.
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"-5"));
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"2"));  // sale of 2
    EXPECT_EQ(RowsOf(db,
                     L"select ProductID, WarehouseID, WarehouseCode, ProductCode, InitStock, CurStock, UnitID = "
                     L"(select ID from BaseData where BaseName='支' and BaseType=2) from ProductStock"),
              Fmt(L"%d|1|CK0001|P0001|5.0|3.0|1", pen));
}

TEST_F(Products, TypeChangeReachesTheCopiesOfTheNamedProductsOnly) {
    const int pen = Put({});
    const int other = Put({.name = L"橡皮", .code = L"P2"});
    PutLine(L"SaleBillItems", pen);
    PutOpening(pen, 1, 1);
    EXPECT_EQ(products.ChangProdType(db, L"7", L"文具's", Fmt(L"%d", pen)), 1);
    for (const wchar_t* table : {L"Products", L"SaleBillItems", L"Stocks"})
        EXPECT_EQ(Text(Fmt(L"select TypeID||TypeName from %s where ProductID=%d", table, pen)), L"7文具's") << table;
    // The IDs go into the statements unquoted: anything but a whole number is refused.
    EXPECT_THROW(products.ChangProdType(db, L"8", L"x", L"1 or 1=1"), CppSQLite3Exception);
    EXPECT_EQ(Product(L"TypeID", other), L"2");
}

}  // namespace
