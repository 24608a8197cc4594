// The host's product lists (full reloads and the change records between them) and the online
// catalogue: catalogue products added, updated, listed by type and adopted as the shop's own.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class ProductLists : public ShopDbTest {
protected:
    int Add(const wchar_t* name, const wchar_t* code, const wchar_t* secUnit = L"") {
        bool exists = false;
        products.AddProducts(db, name, code, L"文具", L"支", L"0", L"1", L"2", L"2", secUnit, L"10", false, L"",
                             exists);
        return IdOf(name);
    }
    // A catalogue product written straight into the table.
    int PutOnline(const wchar_t* name, const wchar_t* code, const wchar_t* type = L"文具") {
        Exec(
            Fmt(L"insert into Products(ProductName, ProductCode, SearchCode, TypeName, IsLocal) values('%s', '%s', "
                L"'S', '%s', 0)",
                name, code, type));
        return static_cast<int>(db.lastRowId());
    }
    int IdOf(const wchar_t* name) {
        return Int(Fmt(L"select max(ProductID) from Products where ProductName='%s'", name));
    }
    CString Changes() {
        CString text;
        for (CppSQLite3Query q = products.GetProdListCachUpdate(db); !q.eof(); q.nextRow())
            text += Fmt(L"%s:%s:%s;", q.fieldValue(L"Flag"), q.fieldValue(L"UpdateValue"), q.fieldValue(L"OldValue"));
        return text;
    }
    CString Product(int id, const wchar_t* columns) {
        return RowsOf(db, Fmt(L"select %s from Products where ProductID=%d", columns, id));
    }

    CProductsBLL products;
};

TEST_F(ProductLists, ChangeRecordsFollowAddsUpdatesAndDeletesUntilAFullReload) {
    const int eraser = Add(L"橡皮", L"E1");
    products.ClearProdListCache(db);
    const int brush = Add(L"画笔", L"P1");
    products.UpdateProducts(db, brush, L"钢笔", L"P1", L"文具", L"支", L"0", L"1", L"2", L"2", L"", L"", L"");
    products.DeleteProducts(db, eraser);
    EXPECT_EQ(Changes(), L"3:XP|橡皮|文具:;2:GB|钢笔|文具:HB|画笔|文具;1:HB|画笔|文具:;");

    products.AddSysNetProducts(db, L"圆规", L"N1", L"文具", L"个", L"1", L"2", L"2", false);
    CStringArray local, online;
    products.GetProdListCache(db, local, online, 0);
    EXPECT_EQ(local.GetAt(0) + L"," + online.GetAt(0) + Fmt(L",%d", local.GetSize() + online.GetSize()),
              L"GB|钢笔|文具,YG|圆规|文具,2");
    EXPECT_EQ(Changes(), L"");  // the lists are whole again
}

TEST_F(ProductLists, ReloadModesFillTheirListsOnly) {
    for (int i = 0; i < 60; ++i)
        Exec(Fmt(L"insert into Products(ProductName, SearchCode, TypeName) values('P%02d', 'A%02d', 'T')", i, i));
    Exec(L"insert into Products(ProductName, SearchCode, IsDisable) values('停用', 'A00', 1)");
    PutOnline(L"网1", L"N1");
    PutOnline(L"网2", L"N2");
    // Mode, then the sizes of the two lists (each held one entry before) and the change records left.
    const int reloads[][4] = {{0, 60, 2, 0}, {1, 60, 1, 0}, {2, 1, 2, 0}, {9, 50, 1, 0}, {5, 1, 1, 1}};
    for (const auto& r : reloads) {
        Exec(L"delete from ProdCache; insert into ProdCache(Flag, UpdateValue) values(1, 'x')");
        CStringArray local, online;
        local.Add(L"old");
        online.Add(L"old");
        products.GetProdListCache(db, local, online, r[0]);
        EXPECT_EQ(Fmt(L"%d %d %d", local.GetSize(), online.GetSize(), Int(L"select count(*) from ProdCache")),
                  Fmt(L"%d %d %d", r[1], r[2], r[3]))
            << "mode " << r[0];
        if (r[0] == 9) {
            EXPECT_EQ(local[49], L"A49|P49|T");
        }
    }
}

TEST_F(ProductLists, EveryUnitOfAProductIsListedBySearchCode) {
    Add(L"画笔", L"P1", L"盒");
    Exec(L"insert into Products(ProductName, ProductCode, SearchCode, UnitName) values('剪刀', 'J1', 'JD', '把')");
    CStringArray entries;
    products.GetProdListWithUnit(db, entries, 0);
    ASSERT_EQ(entries.GetSize(), 3);
    EXPECT_EQ((std::set<std::wstring>{entries[0].str(), entries[1].str()}),
              (std::set<std::wstring>{L"HB|画笔|P1|支", L"HB|画笔|P1|盒"}));  // in either order
    EXPECT_EQ(entries[2], L"JD|剪刀|J1|把");                                  // no unit data: its own unit name
}

TEST_F(ProductLists, CatalogueProductsAreAddedOnceAndUpdatedInPlace) {
    products.AddSysNetProducts(db, L" 钢笔 ", L"N1", L"文具", L"支", L"1.5", L"3", L"2.8", false);
    products.AddSysNetProducts(db, L"毛笔", L"N1", L"文具", L"支", L"1", L"1", L"1", true);  // code taken
    const int pen = IdOf(L"钢笔");
    EXPECT_EQ(Product(pen,
                      L"ProductCode, SearchCode, TypeName, InPrice, Price, NetPrice, IsLocal, TypeID > 2, "
                      L"UnitID > 0, (select count(*) from Products)"),
              L"N1|GB|文具|1.5|3.0|2.8|0|1|1|1");
    EXPECT_EQ(products.UpdateSysNetProducts(db, pen, L"水笔", L"N1", L"", L"盒", L"4", L"2", L"5"), 1);
    EXPECT_EQ(Product(pen, L"ProductName, TypeName, UnitName, InitStock, CurStock, InPrice, Price, IsLocal"),
              L"水笔|文具|盒|4.0|4.0|2.0|5.0|0");
    EXPECT_EQ(Changes(), L"2:SB|水笔|文具:GB|钢笔|文具;");
    const int local = Add(L"画笔", L"P1");
    EXPECT_EQ(products.UpdateSysNetProducts(db, local, L"圆珠笔", L"P1", L"", L"支", L"0", L"0", L"0"), 0);
}

TEST_F(ProductLists, AnOnlineProductIsAdoptedOnce) {
    products.AddSysNetProducts(db, L"钢笔", L"N1", L"文具", L"支", L"1", L"2", L"2", false);
    const int pen = IdOf(L"钢笔");
    bool exists = true;
    EXPECT_EQ(products.AddProductsNet(db, pen, L"钢笔", L"", L"", L"支", L"5", L"1.5", L"3", exists), 1);
    EXPECT_FALSE(exists);
    // The online code and type stay; stock and prices are the shop's own.
    EXPECT_EQ(Product(pen, L"ProductCode, TypeName, InitStock, CurStock, InPrice, Price, InitAmount, IsLocal"),
              L"N1|文具|5.0|5.0|1.5|3.0|7.5|1");
    EXPECT_EQ(RowsOf(db, L"select ProductID, BillType, LastCount, LastPrice from Stocks"),
              Fmt(L"%d|期初|5.0|1.5", pen));
    EXPECT_EQ(Changes(), L"5:GB|钢笔|文具:;1:GB|钢笔|文具:;");

    // Adopting it again, or another copy under the name and code the shop now has, writes nothing.
    const int twin = PutOnline(L"钢笔", L"N1");
    for (const int id : {pen, twin}) {
        exists = false;
        EXPECT_EQ(products.AddProductsNet(db, id, L"钢笔", L"N1", L"", L"支", L"9", L"9", L"9", exists), 0);
        EXPECT_TRUE(exists);
    }
    EXPECT_EQ(products.AddProductsNet(db, 999, L"钢笔", L"N1", L"", L"支", L"9", L"9", L"9", exists), -1);
    EXPECT_EQ(RowsOf(db, L"select CurStock, IsLocal from Products order by ProductID"), L"5.0|1\n0.0|0");
    EXPECT_EQ(Int(L"select count(*) from Stocks") + Int(L"select count(*) from ProdCache"), 1 + 2);
}

TEST_F(ProductLists, AnImportDropsTheCatalogueCopyOfAProductTheShopHas) {
    Add(L"画笔", L"P1");
    products.ClearProdListCache(db);
    const int sameName = PutOnline(L"画笔", L"X9"), sameCode = PutOnline(L"圆珠笔", L"P1"),
              fresh = PutOnline(L"橡皮", L"E1");
    struct Import {
        int id;
        const wchar_t *name, *code;
        bool writeCache;
        int result;
        const wchar_t* changes;
    } imports[] = {{sameName, L"画笔", L"", true, 0, L"5:S|画笔|文具:;"},
                   {sameCode, L"圆珠笔", L"P1", false, 0, L""},
                   {fresh, L"橡皮", L"E1", false, 1, L""},
                   {fresh, L"橡皮", L"E1", true, 0, L""}};  // imported twice: the shop's product stays
    for (const Import& i : imports) {
        bool exists = false;
        EXPECT_EQ(products.AddProductsNetFromImport(db, i.id, i.name, i.code, L"", L"个", L"1", L"1", L"1", exists,
                                                    i.writeCache),
                  i.result);
        EXPECT_EQ(exists, i.result == 0);
        EXPECT_EQ(Changes(), i.changes) << i.name;
        products.ClearProdListCache(db);
    }
    EXPECT_EQ(RowsOf(db,
                     L"select ProductName, IsLocal, (select count(*) from Stocks s where s.ProductID = "
                     L"p.ProductID) from Products p order by ProductID"),
              L"画笔|1|1\n橡皮|1|1");
}

TEST_F(ProductLists, CatalogueTypesPricesFlagsAndImportState) {
    // A type lists its own and its direct sub-types' online products.
    Exec(
        L"insert into SystemProdType(ID, TypeName, ParentID) values(1, '文具', 0), (2, '笔', 1), (3, '本子', 1), "
        L"(4, '食品', 0), (5, '笔芯', 2)");
    for (const wchar_t* type : {L"文具", L"笔", L"本子", L"食品", L"笔芯"}) PutOnline(type, L"", type);
    long rows = 0;
    EXPECT_EQ(ListOf(products.GetNetProducts(db, L"文具", L"", rows), L"ProductName"), L"文具,笔,本子");
    EXPECT_EQ(rows, 3);

    const int pen = PutOnline(L"钢笔", L"N1");
    EXPECT_FALSE(products.HaveLocalData(db));
    EXPECT_EQ(products.SetNetProductsLocal(db, pen, 1), 0);
    EXPECT_TRUE(products.HaveLocalData(db));
    products.UpdateNetPrice(db, L"12.5", L"钢笔");
    EXPECT_THROW(products.UpdateNetPrice(db, L"12,5", L"钢笔"), CppSQLite3Exception);
    EXPECT_EQ(Product(pen, L"NetPrice"), L"12.5");

    EXPECT_TRUE(products.IsImportedNetProducts(db));  // nothing chosen, nothing waiting
    Exec(L"insert into UserSelProdType(TypeName, IsImport) values('笔', 0)");
    EXPECT_FALSE(products.IsImportedNetProducts(db) || products.HaveNetData(db));
    Exec(L"update UserSelProdType set IsImport=1");
    EXPECT_TRUE(products.IsImportedNetProducts(db) && products.HaveNetData(db));
    Exec(L"update SystemInfo set Field1='0'");  // the industry's data still to download
    EXPECT_FALSE(products.IsImportedNetProducts(db));
}

}  // namespace
