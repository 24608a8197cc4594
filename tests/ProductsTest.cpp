// Products: adding and editing (with the opening ledger row and renames carried into copies),
// the lists and look-ups, deleting, the stock counters, codes, checks and learned prices.
#include <gtest/gtest.h>

#include <string>

#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

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
        auto e = [](const wchar_t* text) { return shopbiz::EscapeQuotes(text); };
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
            Sql(L"INSERT INTO Stocks(SortID,BillType,BillDate,ProductID,LastCount,LastPrice,LastAmount,IsSystem,IsCale,"
                L"IsCale2) VALUES(1,'期初','1970-01-01',%d,%.08lf,%.08lf,%.08lf,1,1,1)",
                id, count, price, count * price));
    }
    // A bill line of the product in a line table (SaleBillItems, PurBillItems, SaleOrderBillItems).
    void PutLine(const wchar_t* table, int id) {
        Exec(Sql(L"INSERT INTO %s(ProductID, ItemCount) VALUES(%d, 1)", table, id));
    }
    void JournalChanges() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }
    CString Cache() { return Text(L"select group_concat(Flag||':'||UpdateValue||':'||OldValue, ';') from ProdCache"); }
    CString Journal() {
        return Text(L"select group_concat(TName||'/'||CName||'/'||CValue||'/'||OType, ';') from OperateData");
    }
    CString Product(const wchar_t* columns, int id) {
        return RowsOf(db, Sql(L"select %s from Products where ProductID = %d", columns, id));
    }

    CProductsBLL products;
};

// --- Adding and editing ---------------------------------------------------------------------

class ProductEdit : public Products {
protected:
    bool exists = true;
    // The full form with the defaults of a typical add; the ProductIDs of the rows it returns.
    CString Add(const wchar_t* name, const wchar_t* code, const wchar_t* type = L"", const wchar_t* unit = L"个",
                const wchar_t* stock = L"10", const wchar_t* inPrice = L"2.5", const wchar_t* price = L"4",
                const wchar_t* wholesale = L"3.5", bool typeList = false) {
        return ListOf(products.AddProducts(db, name, code, type, unit, stock, inPrice, price, wholesale, L"", L"",
                                           typeList, L"备注", exists),
                      L"ProductID");
    }
    int Update(int id, const wchar_t* name, const wchar_t* code, const wchar_t* stock, const wchar_t* inPrice,
               const wchar_t* type = L"", const wchar_t* unit = L"") {
        return products.UpdateProducts(db, id, name, code, type, unit, stock, inPrice, L"4", L"3.5", L"r", L"", L"");
    }
    int UnitID(const wchar_t* name) {
        return Int(Sql(L"select ID from BaseData where BaseName='%s' and BaseType=2", name));
    }
};

TEST_F(ProductEdit, NewProductIsLocalEnabledWithItsOpeningRow) {
    JournalChanges();
    EXPECT_EQ(Add(L"铅笔", L"P0001"), L"1");
    EXPECT_FALSE(exists);
    EXPECT_EQ(Product(L"SearchCode, TypeName, TypeID, UnitName, IsLocal, IsDisable, IsDelete, InitStock, CurStock, "
                      L"InitAmount, OutPrice",
                      1),
              L"QB-YB|默认类别|2|个|1|0|0|10.0|10.0|25.0|4.0");
    EXPECT_EQ(Int(L"select UnitID from Products"), UnitID(L"个"));
    EXPECT_EQ(RowsOf(db, L"select ProductID, BillType, BillDate, LastAmount from Stocks"), L"1|期初|1970-01-01|25.0");
    EXPECT_EQ(Cache(), L"1:QB-YB|铅笔|默认类别:");
    EXPECT_EQ(Journal(), L"Products/ProductName/铅笔/A");
}

TEST_F(ProductEdit, NewUnitsAndTypesAreCreatedOnceEmptyNumbersAreZero) {
    products.AddProducts(db, L"啤酒", L"J1", L"饮料", L"罐", L"", L"", L"", L"", L"箱", L"24", false, L"", exists);
    products.AddProducts(db, L"可乐", L"J2", L"饮料", L"罐", L"", L"", L"", L"", L"", L"", false, L"", exists);
    const int beer = Int(L"select ProductID from Products where ProductName='啤酒'");
    EXPECT_EQ(Product(L"UnitID, SecUnitID, TypeID, InPrice + Price + InitStock", beer),
              Sql(L"%d|%d|%d|0.0", UnitID(L"罐"), UnitID(L"箱"),
                  Int(L"select ID from AdvancedBaseData where BaseName='饮料' and ParentID=1")));
    EXPECT_TRUE(products.GetMultUnit(db, beer));
    EXPECT_DOUBLE_EQ(products.GetCoffByName(db, L"啤酒", L"箱"), 24);
    EXPECT_DOUBLE_EQ(products.GetCoffByName(db, L"啤酒", L"盒"), 1.0);  // no such second unit
    // The second product in the same unit and type reuses them.
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName='罐'"), 1);
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where BaseName='饮料'"), 1);
}

TEST_F(ProductEdit, ExistingNameIsFoundNotAdded) {
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

TEST_F(ProductEdit, DisabledProductIsEnabledAgainAndAnOnlineOneTakenOver) {
    const int id = Put({.name = L"铅笔", .code = L"P1", .unit = L"", .isDisable = 1});
    Exec(L"update Products set IsDelete = 1");
    EXPECT_EQ(Add(L"铅笔", L"P1", L"", L"盒"), Sql(L"%d", id));
    EXPECT_FALSE(exists);
    EXPECT_EQ(Product(L"IsDisable, IsDelete, UnitName", id), L"0|0|盒");  // it had no unit
    EXPECT_EQ(Int(L"select UnitID from Products"), UnitID(L"盒"));
    EXPECT_EQ(Cache(), L"1:QB-YB|铅笔|:");
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 0);  // not a new product: no opening row

    Exec(L"delete from ProdCache");
    const int net = Put({.name = L"网笔", .code = L"N1", .unit = L"支", .searchCode = L"WB", .isLocal = 0});
    exists = true;
    const CString taken = Add(L"网笔", L"P9", L"", L"个", L"10");
    EXPECT_FALSE(exists);
    EXPECT_EQ(Product(L"IsLocal, UnitName, InitStock", std::stoi(taken.str())),
              L"1|支|0.0");  // the online product's unit
    EXPECT_EQ(Int(Sql(L"select count(*) from Products where ProductID=%d", net)), 0);
    EXPECT_EQ(Cache(), L"5:WB|网笔|:WB|网笔|默认类别;1:WB|网笔|默认类别:");
}

TEST_F(ProductEdit, TypeListShortFormAndBadTexts) {
    Add(L"铅笔", L"P1", L"文具");
    EXPECT_EQ(Add(L"钢笔", L"P2", L"文具", L"支", L"0", L"0", L"0", L"0", true), L"2,1");
    const CString id = ListOf(products.AddProducts(db, L"本子", L"", L"本", L"6.5"), L"ProductID");
    EXPECT_EQ(Product(L"Price, WholesalePrice, InPrice, TypeName", std::stoi(id.str())), L"6.5|6.5|0.0|默认类别");
    // Texts are made safe; bad numbers read as numbers; no name, no product.
    const int odd = std::stoi(Add(L" it's 100%, ok ", L"A'1", L"", L"个", L"x", L"12abc", L"", L"-").str());
    EXPECT_EQ(Product(L"ProductName, ProductCode, InitStock, InPrice, Price", odd),
              L"it*s 100％， ok|A*1|0.0|12.0|0.0");
    EXPECT_EQ(Real(Sql(L"select LastPrice from Stocks where ProductID=%d", odd)), 12);
    EXPECT_EQ(Add(L"  ", L"X"), L"");
    EXPECT_EQ(Int(L"select count(*) from Products"), 4);
}

TEST_F(ProductEdit, OpeningStockAbsorbsTheChangeOfCurrentStock) {
    JournalChanges();
    const int pen = Put({.initStock = 5, .curStock = 10, .inPrice = 2});
    PutOpening(pen, 5, 2);
    Exec(Sql(L"insert into Stocks(BillType, ProductID, InCount) values('进货', %d, 5)", pen));
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"12", L"2"), 1);
    EXPECT_EQ(Product(L"CurStock, InitStock, InitAmount", pen), L"12.0|7.0|14.0");
    EXPECT_EQ(RowsOf(db, L"select LastCount, LastPrice, LastAmount, IsCale from Stocks where IsSystem=1"),
              L"7.0|2.0|14.0|0");
    EXPECT_EQ(Cache(), L"2:QB-YB|铅笔|默认类别:QB|铅笔|默认类别");
    EXPECT_EQ(Text(L"select CName||'/'||OType from OperateData"), L"productID/U");
    // With bills in the ledger a new purchase price leaves the opening row's price alone.
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"12", L"9"), 1);
    EXPECT_EQ(Real(L"select LastPrice from Stocks where IsSystem=1"), 2);
    EXPECT_EQ(Product(L"InPrice", pen), L"9.0");
}

TEST_F(ProductEdit, OpeningRowIsRepricedWhileThereAreNoBills) {
    const int pen = Put({.initStock = 5, .curStock = 5, .inPrice = 2});
    PutOpening(pen, 5, 2);
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"5", L"3"), 1);
    EXPECT_EQ(RowsOf(db, L"select LastCount, LastPrice, LastAmount from Stocks"), L"5.0|3.0|15.0");
    // An opening row without a price takes the first one given, for the stock after the edit.
    const int rubber = Put({.name = L"橡皮", .code = L"P2", .initStock = 4, .curStock = 4});
    PutOpening(rubber, 4, 0);
    Exec(Sql(L"insert into Stocks(BillType, ProductID, OutCount) values('出货', %d, 1)", rubber));
    EXPECT_EQ(Update(rubber, L"橡皮", L"P2", L"6", L"1.5"), 1);
    EXPECT_EQ(RowsOf(db, Sql(L"select LastCount, LastPrice, LastAmount, IsCale2 from Stocks where IsSystem=1 and "
                             L"ProductID=%d",
                             rubber)),
              L"6.0|1.5|9.0|0");
    EXPECT_EQ(Product(L"InitAmount", rubber), L"9.0");
}

TEST_F(ProductEdit, RenamesReachEveryCopy) {
    const int pen = Put({});
    const int other = Put({.name = L"橡皮", .code = L"P2"});
    for (int id : {pen, other}) {
        for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems"}) PutLine(table, id);
        PutOpening(id, 0, 0);
        Exec(Sql(L"insert into CompPrice(ProductID, UnitName) values(%d, '支'), (%d, '盒')", id, id));
    }
    EXPECT_EQ(Update(pen, L"红铅笔", L"R1", L"0", L"0", L"文具", L"根"), 1);
    const CString expected = Sql(L"红铅笔|R1|文具|%d|根|%d|HQB-HYB",
                                 Int(L"select ID from AdvancedBaseData where BaseName='文具'"), UnitID(L"根"));
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems", L"Stocks"})
        EXPECT_EQ(RowsOf(db, Sql(L"select ProductName, ProductCode, TypeName, TypeID, UnitName, UnitID, SearchCode "
                                 L"from %s where ProductID=%d",
                                 table, pen)),
                  expected)
            << table;
    // Customer prices: the base unit's rows follow the unit, the second unit's keep theirs.
    EXPECT_EQ(
        RowsOf(db, L"select ProductID, ProductName, ProductCode, ProdSearchCode, SearchCode, UnitName from CompPrice"),
        L"1|红铅笔|R1|HQB-HYB|HQB-HYB|根\n1|红铅笔|R1|HQB-HYB|HQB-HYB|盒\n2|||||支\n2|||||盒");
    EXPECT_EQ(Int(Sql(L"select count(*) from SaleBillItems where ProductID=%d and ProductName=''", other)), 1);
    EXPECT_EQ(Cache(), L"2:HQB-HYB|红铅笔|文具:QB|铅笔|默认类别");
}

TEST_F(ProductEdit, UpdateRefusalsKeptTypeAndUnitAndOnlineNameTakenOver) {
    const int pen = Put({.type = L"文具", .unit = L"支"});
    const int other = Put({.name = L"橡皮", .code = L"P2"});
    EXPECT_EQ(Update(other, L"铅笔", L"P0001", L"5", L"1"), 2);  // another product's name and code
    EXPECT_EQ(Update(999, L"新", L"N", L"5", L"1"), 0);
    EXPECT_EQ(Update(other, L" ", L"N", L"5", L"1"), 0);
    EXPECT_EQ(RowsOf(db, L"select ProductName, CurStock from Products"), L"铅笔|0.0\n橡皮|0.0");
    EXPECT_EQ(Cache(), L"");
    // Empty type and unit keep the old ones.
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"0", L"0"), 1);
    EXPECT_EQ(Product(L"TypeName, UnitName", pen), L"文具|支");

    Put({.name = L"网笔", .code = L"N1"});  // a local product of the name, as the online one has
    Put({.name = L"网笔", .code = L"N1", .isLocal = 0});
    Exec(L"delete from ProdCache");
    EXPECT_EQ(Update(other, L"网笔", L"N1", L"0", L"0"), 1);
    EXPECT_EQ(Int(L"select count(*) from Products where IsLocal=0"), 0);
    EXPECT_EQ(Text(L"select group_concat(Flag||':'||UpdateValue, ';') from ProdCache"),
              L"5:WB|网笔|;2:WB|网笔|默认类别");
}

TEST_F(ProductEdit, ProductListOfATypeAndItsSubTypes) {
    CString error;
    CBaseBLL base;
    base.InsertADBaseData(db, L"文具", 1, 1, error);
    base.InsertADBaseData(db, L"笔", 1, base.GetADBaseDataID(db, L"文具", 1, error), error);
    Add(L"本子", L"J1", L"文具");
    Add(L"铅笔", L"J2", L"笔", L"支", L"0");
    Add(L"苹果", L"F1", L"水果");
    Exec(L"insert into ProductStock(ProductName, HighLimit, LowLimit) values('铅笔', '9', '1')");

    long count = 0;
    EXPECT_EQ(ListOf(products.GetProductsByTypeID(db, L"文具", L"", false, count, 0, 0), L"ProductName"),
              L"本子,铅笔");  // by search code
    EXPECT_EQ(count, 2);
    count = 0;
    products.GetProductsByTypeID(db, L"文具", L"", true, count, 0, 0);
    EXPECT_EQ(count, 1);  // only stock
    products.GetProductsByTypeID(db, L"全部类别", L"", false, count, 0, 0);
    EXPECT_EQ(count, 3);
    CppSQLite3Query q = products.GetProductsByTypeID(db, L"笔", L"Q", false, count, 1, 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(q.getStringField(L"HighLimit") + q.getStringField(L"LowLimit"), L"91");
    EXPECT_DOUBLE_EQ(q.getFloatField(L"InPriceEx"), 2.5);
    EXPECT_EQ(ListOf(products.GetProductsByTypeID(db, L"笔", L"", false, count, 1, 0), L"InPriceEx"), L"");
}

// --- Lists and look-ups -------------------------------------------------------------------------

class ProductQueries : public Products {
protected:
    // Products 笔01.. with codes B01.. and search codes BI01..; local unless told otherwise.
    void PutPens(int first, int last, int isLocal = 1) {
        for (int i = first; i <= last; ++i)
            Put({.name = Sql(L"笔%02d", i),
                 .code = Sql(L"B%02d", i),
                 .searchCode = Sql(L"BI%02d", i),
                 .isLocal = isLocal});
    }
    static CString Codes(int first, int last) {
        CString codes;
        for (int i = first; i <= last; ++i) codes += Sql(i == first ? L"B%02d" : L",B%02d", i);
        return codes;
    }
};

TEST_F(ProductQueries, PagingHoldsThePageToTheLastOne) {
    PutPens(1, 25);
    Put({.name = L"橡皮", .code = L"X1", .searchCode = L"XP"});
    const struct {
        const wchar_t* key;
        long size, page, total, pages, pageAfter;
        CString codes;
    } cases[] = {
        {L"笔", 10, 9, 25, 3, 3, Codes(21, 25)},
        {L"BI", 10, 0, 25, 3, 1, Codes(1, 10)},
        {L"笔", 5, 5, 25, 5, 5, Codes(21, 25)},  // 25 rows fill exactly five pages
        {L"没有", 5, 4, 0, 1, 1, L""},
        {L"", 0, 3, 26, 1, 1, Codes(1, 25) + L",X1"},  // no page size: one page with everything
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " size " << c.size << " page " << c.page);
        long size = c.size, total = -1, page = c.page, pages = -1;
        EXPECT_EQ(ListOf(products.GetProductByPage(db, c.key, size, total, page, pages, true, false), L"ProductCode"),
                  c.codes);
        EXPECT_EQ(total, c.total);
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(page, c.pageAfter);
    }
}

TEST_F(ProductQueries, PagingFiltersAndOrderAndKeysWithQuotesAndPercentSigns) {
    Put({.name = L"网笔", .code = L"N1", .searchCode = L"A1", .isLocal = 0});
    Put({.name = L"停笔", .code = L"S1", .searchCode = L"A2", .isDisable = 1});
    Put({.name = L"铅笔", .code = L"P1", .searchCode = L"QB"});
    Put({.name = L"a*b％c", .code = L"Q1"});
    Put({.name = L"abc", .code = L"Q2"});
    long size = 10, total = 0, page = 1, pages = 0;
    auto list = [&](const wchar_t* key, bool localOnly, bool withDisabled) {
        return ListOf(products.GetProductByPage(db, key, size, total, page, pages, localOnly, withDisabled),
                      L"ProductCode");
    };
    EXPECT_EQ(list(L"笔", false, false), L"P1,N1");  // the shop's own products first
    EXPECT_EQ(list(L"笔", false, true), L"S1,P1,N1");
    EXPECT_EQ(total, 3);
    EXPECT_EQ(list(L"笔", true, true), L"S1,P1");
    EXPECT_EQ(list(L"a'b%", false, false), L"Q1");
    EXPECT_EQ(ListOf(products.GetProductByPop(db, L" a'b%", L"", L"", false), L"ProductCode"), L"Q1");
    // Keys taken as they are still cannot break the statement.
    EXPECT_TRUE(products.GetProductByInfo(db, L"x' or '1'='1", 0).eof());
    EXPECT_TRUE(products.GetProductForPop(db, L"'", true, L"全部类别").eof());
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(ProductQueries, PickerListsFiftyEnabledProductsLocalFirst) {
    PutPens(1, 30, 0);
    PutPens(31, 60);
    Put({.name = L"停笔", .code = L"S1", .isDisable = 1});
    Exec(L"update Products set WholesalePrice = 2.5");
    CppSQLite3Query pop = products.GetProductByPop(db, L"笔", L"x", L"y", false);
    EXPECT_DOUBLE_EQ(pop.getFloatField(L"CompPrice"), 2.5);
    CString localFirst = L"1";
    for (int i = 1; i < 50; ++i) localFirst += i < 30 ? L",1" : L",0";
    EXPECT_EQ(ListOf(pop, L"IsLocal"), localFirst);
    EXPECT_EQ(ListOf(products.GetProductByPop(db, L"笔", L"", L"", true), L"ProductCode"), Codes(31, 60));
    Exec(L"update Products set IsDelete = 1 where ProductCode = 'B31'");
    EXPECT_EQ(ListOf(products.GetProductByPop(db, L"B31", L"", L"", false), L"ProductCode"), L"");
}

TEST_F(ProductQueries, PickerErrorIsLoggedWithItsStatement) {
    Exec(L"drop table Products");
    EXPECT_TRUE(products.GetProductByPop(db, L"k", L"", L"", true).eof());
    CStringArray names;
    products.GetProductBySch(db, L"", names);
    EXPECT_EQ(names.GetSize(), 0);
    EXPECT_TRUE(products.GetProductByName(db, L"k").eof());
    const auto log = TakeLog();
    ASSERT_EQ(log.size(), 3u) << Joined(log);
    EXPECT_EQ(log[0].Find(L"Err:no such table: Products\r\nsql=select *,WholeSalePrice"), 0);
    EXPECT_EQ(log[1],
              L"Err:no such table: products\r\nsql=Select ProductName from products Where IsLocal=1 order by "
              L"ProductID ");
    EXPECT_EQ(log[2], L"GetProductByName;no such table: Products");
    EXPECT_TRUE(products.GetProductsByID(db, 1).eof());
    EXPECT_TRUE(products.GetAllProductsID(db).eof());
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(ProductQueries, PickerByType) {
    PutPens(1, 3, 0);
    Put({.name = L"本子", .code = L"J1", .type = L"文具", .searchCode = L"BZ"});
    Put({.name = L"笔记本", .code = L"J2", .type = L"文具", .searchCode = L"BJB"});
    Put({.name = L"网本", .code = L"J3", .type = L"文具", .searchCode = L"WB", .isLocal = 0});
    EXPECT_EQ(ListOf(products.GetProductForPop(db, L"", false, L"全部类别"), L"ProductCode"), L"B01,B02,B03,J3");
    EXPECT_EQ(ListOf(products.GetProductForPop(db, L"", true, L"-1"), L"ProductCode"), L"J2,J1");
    // A named type lists the shop's own products of it, whatever the flag.
    EXPECT_EQ(ListOf(products.GetProductForPop(db, L"本", false, L"文具"), L"ProductCode"), L"J2,J1");
}

TEST_F(ProductQueries, LookUpsAndBrowsing) {
    int maxID = -1, minID = -1;
    products.GetMaxMinProductID(db, maxID, minID, L"", L"");
    EXPECT_EQ(maxID + minID, 0);  // an empty catalogue

    const int a = Put({.name = L"铅笔", .code = L"P1", .type = L"文具"});
    Put({.name = L"铅笔", .code = L"P2", .type = L"文具", .isDisable = 1});
    const int c = Put({.name = L"苹果", .code = L"F1", .type = L"水果"});
    Put({.name = L"网笔", .code = L"N1", .type = L"文具", .isLocal = 0});
    EXPECT_EQ(ListOf(products.GetProductByNameCode(db, L"铅笔", L""), L"ProductCode"), L"P1,P2");
    EXPECT_EQ(ListOf(products.GetProductByNameOrCode(db, L"铅笔", L"F1"), L"ProductCode"), L"F1,P1,P2");
    EXPECT_TRUE(products.GetProductByNameCode(db, L"o'clock", L"it's").eof());
    EXPECT_EQ(ListOf(products.GetProductsByType(db, L"文具", false), L"ProductCode"), L"P1");
    EXPECT_EQ(ListOf(products.GetProductByInfo(db, L"笔", 1), L"ProductCode"), L"P1,P2");
    EXPECT_EQ(ListOf(products.GetProductsID(db, L"全部类别", L"F"), L"ProductID"), Sql(L"%d", c));

    products.GetMaxMinProductID(db, maxID, minID, L"", L"");
    EXPECT_EQ(Sql(L"%d-%d", minID, maxID), Sql(L"%d-%d", a, c));
    products.GetMaxMinProductID(db, maxID, minID, L"文具", L"P");
    EXPECT_EQ(maxID, a);  // the disabled one is skipped

    CStringArray names;
    names.Add(L"kept");
    products.GetProductBySch(db, L"", names);
    ASSERT_EQ(names.GetSize(), 4);
    EXPECT_EQ(names[3], L"苹果");
}

TEST_F(ProductQueries, ListOrderAndProductLookupsReadThroughIndexes) {
    auto plan = [&](const wchar_t* sql) {
        std::string text;
        for (CppSQLite3Query q = db.execQuery(CString(L"explain query plan ") + sql); !q.eof(); q.nextRow())
            text += q.getStringField(L"detail").ToUtf8() + "\n";
        return text;
    };
    // A deep page of the whole list walks the index instead of sorting every product.
    const std::string page = plan(
        L"select ProductID from Products where (ProductName like '%%' or ProductCode like '%%' or SearchCode like "
        L"'%%') and IsDisable = 0 order by IsLocal desc, SearchCode limit 9980,20");
    EXPECT_NE(page.find("INDEX IX_Products_List"), std::string::npos) << page;
    EXPECT_EQ(page.find("TEMP B-TREE"), std::string::npos) << page;
    // Whether a product is used, renames into its lines, and the journal entry of a row.
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems", L"CompPrice"}) {
        const std::string lines = plan(Sql(L"select count(*) from %s where ProductID=7", table));
        EXPECT_NE(lines.find("_Product"), std::string::npos) << lines;
    }
    const std::string journal =
        plan(L"SELECT * FROM  OperateData WHERE TName='Products' AND CName='ProductID' AND CValue = '7' ");
    EXPECT_NE(journal.find("INDEX IX_OperateData_Row"), std::string::npos) << journal;
}

// --- Deleting -------------------------------------------------------------------------------------

class ProductDelete : public Products {
protected:
    int Rows(const wchar_t* table, int id, const wchar_t* column = L"ProductID") {
        return Int(Sql(L"select count(*) from %s where %s='%d'", table, column, id));
    }
};

TEST_F(ProductDelete, LedgerBeyondTheOpeningRowOrBillLinesOfAnyKindKeepTheProduct) {
    const int pen = Put({});
    PutOpening(pen, 1, 1);
    EXPECT_FALSE(products.IsHasBill(db, pen));
    Exec(Sql(L"insert into Stocks(BillType, ProductID) values('出货', %d)", pen));
    EXPECT_TRUE(products.IsHasBill(db, pen));
    EXPECT_FALSE(products.IsHasBill(db, 999));

    EXPECT_TRUE(products.IsDeletable(db, pen));
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems"}) {
        Exec(L"delete from SaleBillItems; delete from PurBillItems; delete from SaleOrderBillItems;");
        PutLine(table, pen);
        PutLine(table, pen);
        EXPECT_FALSE(products.IsDeletable(db, pen)) << table;
    }
    CString error;
    EXPECT_EQ(CSaleBLL().QueryBillByProductID(db, pen, error), 0);
    EXPECT_EQ(CPurBLL().QueryBillByProductID(db, pen, error), 0);
    EXPECT_EQ(COrderSaleBLL().QueryBillByProductID(db, pen, error), 2);
    EXPECT_EQ(COrderSaleBLL().QueryBillByProductID(db, 999, error), 0);
    EXPECT_EQ(error, L"");
    // A count that cannot be read keeps the product too.
    Exec(L"delete from SaleOrderBillItems; drop table PurBillItems");
    EXPECT_EQ(CPurBLL().QueryBillByProductID(db, pen, error), -1);
    EXPECT_EQ(error, L"no such table: PurBillItems");
    EXPECT_EQ(Joined(TakeLog()), "no such table: PurBillItems\n");
    EXPECT_FALSE(products.IsDeletable(db, pen));
}

TEST_F(ProductDelete, LocalProductGoesWithEverythingItOwns) {
    JournalChanges();
    const int pen = Put({});
    const int other = Put({.name = L"橡皮", .code = L"P2", .searchCode = L"XP"});
    for (int id : {pen, other}) {
        PutOpening(id, 1, 1);
        Exec(Sql(L"insert into ProductStock(ProductID, ProductName) values('%d', 'x')", id));
        Exec(Sql(L"insert into CompPrice(ProductID) values(%d)", id));
        Exec(Sql(L"insert into net_tbprodvyr(num_iid, prodid) values('9', '%d')", id));
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
    EXPECT_EQ(Int(L"select length(MinPicture) from Products"), 2);
    // Costs are redone for every product by the next full run.
    EXPECT_EQ(Int(L"select IsCale2 from Stocks where IsSystem=1"), 0);
    EXPECT_EQ(Journal(), Sql(L"Products/ProductID/%d/D", pen));
}

TEST_F(ProductDelete, OnlineProductKeepsLedgerAndPricesAndAMissingOneTouchesNothing) {
    const int unnamed = Put({.name = L"", .code = L"E1"});
    const int net = Put({.name = L"网店笔", .code = L"N1", .searchCode = L"WDB", .isLocal = 0});
    Exec(L"update Products set MinPicture = x'01'");
    Exec(Sql(L"insert into ProductPictures(ProductID, ProductName) values(%d, '')", unnamed));
    PutOpening(net, 1, 1);
    Exec(Sql(L"insert into CompPrice(ProductID) values(%d)", net));
    EXPECT_EQ(products.DeleteProducts(db, 999), 1);
    EXPECT_EQ(products.DeleteProducts(db, net), 1);
    EXPECT_EQ(Text(L"select group_concat(Flag||':'||UpdateValue, ';') from ProdCache"), L"5:||;5:WDB|网店笔|默认类别");
    EXPECT_EQ(Rows(L"Products", net), 0);
    EXPECT_EQ(Rows(L"Stocks", net) + Rows(L"CompPrice", net), 2);
    EXPECT_EQ(Product(L"length(MinPicture)", unnamed), L"1");
    EXPECT_EQ(Int(L"select count(*) from ProductPictures"), 1);
}

TEST_F(ProductDelete, PicturesGoByExactName) {
    Put({.name = L"it's", .code = L"Q1"});
    Put({.name = L"its", .code = L"Q2"});
    Exec(L"update Products set MinPicture = x'0102'");
    Exec(L"insert into ProductPictures(ProductID, ProductName) values(1, 'it''s'), (2, 'its')");
    EXPECT_EQ(products.DeleteProductPicture(db, L"it's"), 1);
    EXPECT_EQ(Text(L"select group_concat(ProductName) from ProductPictures"), L"its");
    EXPECT_EQ(Text(L"select group_concat(ProductName) from Products where length(MinPicture) = 0"), L"it's");
    Exec(L"drop table ProductPictures");
    EXPECT_EQ(products.DeleteProductPicture(db, L"its"), 0);
    EXPECT_EQ(Joined(TakeLog()),
              "Err:no such table: ProductPictures\r\nsql=delete from ProductPictures where "
              "ProductName='its'\n");
}

// --- Stock counters and the default warehouse's row ------------------------------------------

class ProductStock : public Products {
protected:
    CString Stock(int id) { return Product(L"CurStock", id); }
    double WarehouseStock(int id) { return Real(Sql(L"select CurStock from ProductStock where ProductID=%d", id)); }
};

TEST_F(ProductStock, PurchasesAddSalesTakeAwayBadQuantitiesAndMissingProductsChangeNothing) {
    JournalChanges();
    const int pen = Put({.curStock = 10});
    const int other = Put({.name = L"橡皮", .code = L"P0002", .curStock = 3});
    const struct {
        bool purchase;
        const wchar_t *count, *price, *stock;
    } moves[] = {
        {true, L"4", L"0", L"14.0"},    {false, L"2.5", L"9", L"11.5"},
        {true, L"-1.5", L"0", L"10.0"},  // a purchase return comes as a negative quantity
        {true, L"", L"", L"10.0"},      {true, L"abc", L"x", L"10.0"},
        {false, L"1,5", L"", L"9.0"},  // "1，5" reads as 1
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(m.count);
        EXPECT_EQ(m.purchase ? products.AddProductsStock(db, pen, m.count, m.price)
                             : products.DecProductsStock(db, pen, m.count, m.price),
                  1);
        EXPECT_EQ(Stock(pen), m.stock);
    }
    EXPECT_EQ(Journal(), Sql(L"products/productID/%d/U", pen));  // one entry for the row
    EXPECT_EQ(products.GetCurStockByID(db, pen), L"9.00000000");
    EXPECT_EQ(products.GetCurStockByID(db, 999), L"0.00000000");
    EXPECT_EQ(products.AddProductsStock(db, 999, L"4", L"2"), 1);
    EXPECT_EQ(products.DecProductsStock(db, 999, L"4", L"2"), 1);
    EXPECT_EQ(RowsOf(db, L"select ProductID, CurStock from Products"), Sql(L"%d|9.0\n%d|3.0", pen, other));
}

TEST_F(ProductStock, FirstPurchasePricesTheOpeningRowOnlyOnce) {
    const int pen = Put({.initStock = 5, .curStock = 5});
    PutOpening(pen, 5, 0);
    EXPECT_EQ(products.AddProductsStock(db, pen, L"2", L"3.5"), 1);
    EXPECT_EQ(RowsOf(db, L"select LastPrice, LastAmount, IsCale + IsCale2 from Stocks where IsSystem=1"),
              L"3.5|17.5|0");
    EXPECT_EQ(products.AddProductsStock(db, pen, L"2", L"4"), 1);
    EXPECT_EQ(Real(L"select LastPrice from Stocks where IsSystem=1"), 3.5);
}

TEST_F(ProductStock, DatabaseErrorIsLoggedWithItsStatement) {
    const int pen = Put({.curStock = 10});
    Exec(L"drop table Stocks");
    EXPECT_EQ(products.AddProductsStock(db, pen, L"1", L"2"), -1);
    EXPECT_EQ(Joined(TakeLog()), Joined({Sql(L"err:no such table: Stocks;sql=select LastCount,LastPrice from Stocks "
                                             L"where ProductID=%d and IsSystem=1",
                                             pen)}));
    EXPECT_EQ(Stock(pen), L"11.0");  // the counter had moved already
}

TEST_F(ProductStock, WarehouseRowFollowsSalesAndPurchases) {
    const int pen = Put({.initStock = 6, .curStock = 6});
    const int other = Put({.name = L"橡皮", .code = L"P0002", .curStock = 3});
    // The first movement creates the row, with the product's own opening stock.
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"-5"));
    EXPECT_EQ(RowsOf(db,
                     L"select WarehouseID, WarehouseCode, ProductCode, InitStock, CurStock, UnitID = (select ID "
                     L"from BaseData where BaseName='支' and BaseType=2) from ProductStock"),
              L"1|CK0001|P0001|6.00000000|5.0|1");
    EXPECT_EQ(ListOf(products.GetStockProducts(db, pen), L"CurStock"), L"5.0");

    Exec(L"update ProductStock set HighLimit='20', LowLimit='2'");
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"2"));  // sale of 2
    EXPECT_EQ(RowsOf(db, L"select CurStock, InitStock from ProductStock"), L"3.0|5.0");  // the stock before it
    EXPECT_TRUE(products.AddStockProductsFromBill(db, L"铅笔", L"默认仓库", L"支", L"0.0", L"-4"));  // purchase of 4
    EXPECT_EQ(WarehouseStock(pen), 7);
    EXPECT_EQ(products.DecStockProductsFromBill(db, pen, L"-2"), 1);  // a sale taken back
    EXPECT_EQ(RowsOf(db, L"select ProductID, CurStock, HighLimit, LowLimit from ProductStock"),
              Sql(L"%d|9.0|20|2", pen));
    EXPECT_EQ(Stock(other), L"3.0");
}

TEST_F(ProductStock, WarehouseRowNeedsItsProductFoundByItsSafeName) {
    EXPECT_FALSE(products.AddStockProducts(db, L"没有", L"默认仓库", L"个", L"", L"1", L"", L""));
    EXPECT_FALSE(products.AddStockProductsFromBill(db, L"没有", L"默认仓库", L"个", L"0.0", L"1"));
    EXPECT_EQ(products.DecStockProductsFromBill(db, 999, L"1"), 1);
    EXPECT_EQ(Int(L"select count(*) from ProductStock"), 0);
    // Stored names went through GetSafeString: a typed quote and comma find them; limits stay numbers.
    Put({.name = L"a*b，c", .code = L"X1"});
    EXPECT_TRUE(products.AddStockProducts(db, L" a'b,c ", L"默认仓库", L"", L"", L"", L"ten", L"5%"));
    EXPECT_EQ(RowsOf(db, L"select ProductName, HighLimit, LowLimit, CurStock from ProductStock"),
              L"a*b，c|0.00000000|5.00000000|0.0");  // "5％" reads as 5
}

// --- Codes, checks, learned prices, switching off, type changes ---------------------------------

using ProductCodes = Products;

TEST_F(ProductCodes, NewCodeFollowsTheNewestProduct) {
    EXPECT_EQ(products.GetNewProductCode(db), L"");
    Put({.name = L"甲", .code = L"P0100"});
    Put({.name = L"乙", .code = L"P0009"});  // the newest
    EXPECT_EQ(products.GetNewProductCode(db), L"P0010");
    EXPECT_EQ(products.GetProdNameByCode(db, L"P0100"), L"甲");
    EXPECT_EQ(products.GetProdNameByCode(db, L"x'y"), L"");
    Put({.name = L"丙", .code = L"ABC"});
    EXPECT_EQ(products.GetNewProductCode(db), L"");
}

TEST_F(ProductCodes, ExistenceChecksTellLocalFromOnlineAndCodeAndNameMustMatch) {
    const int local = Put({.name = L"铅笔", .code = L"P1"});
    Put({.name = L"网店笔", .code = L"N1", .isLocal = 0});
    Put({.name = L"甲", .code = L"A1"});
    Put({.name = L"乙", .code = L"B1"});
    Put({.name = L"a*b", .code = L"C，1"});
    EXPECT_FALSE(products.IsExists(db, local, L"铅笔", L"P1"));  // the product itself
    EXPECT_TRUE(products.IsExists(db, local + 100, L"铅笔", L"P1"));
    EXPECT_FALSE(products.IsExists(db, 0, L"网店笔", L"N1"));  // online products do not count
    EXPECT_TRUE(products.IsExists(db, L"网店笔"));
    EXPECT_FALSE(products.IsExistsByCode(db, L"N1"));
    EXPECT_TRUE(products.IsExistsCode(db, L"N1"));
    EXPECT_FALSE(products.IsExistsNet(db, L"铅笔", L""));
    EXPECT_TRUE(products.IsExistsNameOrCode(db, L"新的", L"P1"));
    EXPECT_FALSE(products.IsExistsNameOrCode(db, L"新'的", L"Q'1"));

    EXPECT_FALSE(products.CheckProdCodeAndName(db, L"A1", L"乙"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L"A1", L"甲"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L"Z9", L"丙"));  // neither exists
    EXPECT_FALSE(products.CheckProdCodeAndName(db, L"Z9", L"甲"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L"", L"甲"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L" C,1", L"a'b "));  // made safe as they were stored
}

TEST_F(ProductCodes, SalesFillMissingPricesPurchasesAlwaysSetThePurchasePrice) {
    const int pen = Put({.inPrice = 1});
    const struct {
        int companyID, billKind;
        const wchar_t *price, *prices;
    } steps[] = {
        {5, 1, L"8", L"0.0|8.0|1.0"},    // a customer: wholesale
        {1, 1, L"9.5", L"9.5|8.0|1.0"},  // the retail customer: retail
        {5, 1, L"7", L"9.5|8.0|1.0"},    // set prices stay
        {2, 1, L"6", L"9.5|8.0|1.0"},   {2, 2, L"3.25", L"9.5|8.0|3.25"},
        {7, 2, L"3", L"9.5|8.0|3.0"},  // the last purchase wins
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.price);
        EXPECT_EQ(products.UpdateProductPrice(db, pen, s.companyID, s.billKind, s.price), 1);
        EXPECT_EQ(Product(L"Price, WholesalePrice, InPrice", pen), s.prices);
    }
    for (const wchar_t* bad : {L"", L"0", L"abc", L"-5"})
        EXPECT_EQ(products.UpdateProductPrice(db, pen, 7, 2, bad), 0) << bad;
    EXPECT_EQ(Product(L"Price, WholesalePrice, InPrice", pen), L"9.5|8.0|3.0");
    EXPECT_EQ(products.UpdateProductPrice(db, 999, 7, 2, L"4"), 1);
    EXPECT_EQ(Int(L"select count(*) from Products where InPrice=4"), 0);
}

TEST_F(ProductCodes, DisableEnableAndTypeChange) {
    const int pen = Put({});
    const int other = Put({.name = L"橡皮", .code = L"P2"});
    EXPECT_EQ(products.DisableProduct(db, pen), 1);
    EXPECT_EQ(products.DisableProduct(db, pen), 0);
    EXPECT_EQ(products.DisableProduct(db, 999), 0);
    EXPECT_EQ(RowsOf(db, L"select IsDisable from Products order by ProductID"), L"1\n0");
    EXPECT_EQ(products.EnableProduct(db, pen), 1);
    EXPECT_EQ(Product(L"IsDisable", pen), L"0");
    EXPECT_EQ(Int(L"select count(*) from ProdCache"), 0);

    PutLine(L"SaleBillItems", pen);
    PutOpening(pen, 1, 1);
    PutOpening(other, 1, 1);
    EXPECT_EQ(products.ChangProdType(db, L"7", L"文具's", Sql(L"%d", pen)), 1);
    for (const wchar_t* table : {L"Products", L"SaleBillItems", L"Stocks"})
        EXPECT_EQ(Text(Sql(L"select TypeID||TypeName from %s where ProductID=%d", table, pen)), L"7文具's") << table;
    // The IDs go into the statements as they are: only whole numbers are taken.
    EXPECT_EQ(products.ChangProdType(db, L"8", L"x", L"1 or 1=1"), 0);
    EXPECT_EQ(products.ChangProdType(db, L"", L"x", Sql(L"%d", other)), 0);
    EXPECT_EQ(Product(L"TypeID", other), L"2");
}

}  // namespace
