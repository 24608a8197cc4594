// The host's product lists (full reloads and the change records between them) and the online
// catalogue: catalogue products added, updated, listed by type and adopted as the shop's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
            Fmt(L"insert into Products(ProductName, ProductCode, SearchCode, TypeName, IsLocal) "
                L"values('%s', '%s', 'S', '%s', 0)",
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
    static CString Joined(const CStringArray& entries) {
        CString text;
        for (const CString& e : entries) text += (text.IsEmpty() ? L"" : L",") + e;
        return text;
    }

    CProductsBLL products;
};

TEST_F(ProductLists, ChangeRecordsFollowAddsUpdatesAndDeletesUntilAFullReload) {
    const int eraser = Add(L"橡皮", L"E1");
    products.ClearProdListCache(db);
    EXPECT_EQ(Changes(), L"");

    const int pencil = Add(L"画笔", L"P1");
    products.UpdateProducts(db, pencil, L"钢笔", L"P1", L"文具", L"支", L"0", L"1", L"2", L"2", L"", L"", L"");
    products.DeleteProducts(db, eraser);
    products.AddSysNetProducts(db, L"圆规", L"N1", L"文具", L"个", L"1", L"2", L"2", true);
    EXPECT_EQ(Changes(), L"3:XP|橡皮|文具:;2:GB|钢笔|文具:HB|画笔|文具;1:HB|画笔|文具:;1:YG|圆规|文具:;");

    CStringArray local, online;
    products.GetProdListCache(db, local, online, 0);
    EXPECT_EQ(Joined(local), L"GB|钢笔|文具");
    EXPECT_EQ(Joined(online), L"YG|圆规|文具");
    EXPECT_EQ(Changes(), L"");  // the lists are whole again
}

TEST_F(ProductLists, ReloadModesFillTheirListsOnly) {
    for (int i = 0; i < 60; ++i)
        Exec(Fmt(L"insert into Products(ProductName, SearchCode, TypeName) values('P%02d', 'A%02d', 'T')", i, i));
    Exec(L"insert into Products(ProductName, SearchCode, IsDisable) values('停用', 'A00', 1)");
    PutOnline(L"网1", L"N1");
    PutOnline(L"网2", L"N2");

    struct Reload {
        int mode;
        int localSize, onlineSize;
        bool cacheEmptied;
    } reloads[] = {
        {0, 60, 2, true}, {1, 60, 1, true}, {2, 1, 2, true}, {9, 50, 1, true}, {5, 1, 1, false},
    };
    for (const Reload& r : reloads) {
        Exec(L"insert into ProdCache(Flag, UpdateValue) values(1, 'x')");
        CStringArray local, online;
        local.Add(L"old");
        online.Add(L"old");
        products.GetProdListCache(db, local, online, r.mode);
        EXPECT_EQ(local.GetSize(), r.localSize) << r.mode;
        EXPECT_EQ(online.GetSize(), r.onlineSize) << r.mode;
        EXPECT_EQ(Int(L"select count(*) from ProdCache") == 0, r.cacheEmptied) << r.mode;
        Exec(L"delete from ProdCache");
    }
    CStringArray local, online;
    products.GetProdListCache(db, local, online, 9);
    EXPECT_EQ(local[0], L"A00|P00|T");
    EXPECT_EQ(local[49], L"A49|P49|T");
}

TEST_F(ProductLists, EveryUnitOfAProductIsListed) {
    Add(L"画笔", L"P1", L"盒");
    Exec(
        L"insert into Products(ProductName, ProductCode, SearchCode, UnitID, UnitName) values('剪刀', 'J1', 'JD', 0, "
        L"'把')");
    CStringArray entries;
    entries.Add(L"kept");
    products.GetProdListWithUnit(db, entries, 0);
    // Appended, by search code; the two units of one product in either order.
    ASSERT_EQ(entries.GetSize(), 4);
    EXPECT_EQ(entries[0], L"kept");
    std::vector<CString> units{entries[1], entries[2]};
    std::sort(units.begin(), units.end(), [](const CString& a, const CString& b) { return a.str() < b.str(); });
    EXPECT_EQ(units, (std::vector<CString>{L"HB|画笔|P1|支", L"HB|画笔|P1|盒"}));
    EXPECT_EQ(entries[3], L"JD|剪刀|J1|把");
}

TEST_F(ProductLists, CatalogueProductsAreAddedOnceAndUpdatedInPlace) {
    products.AddSysNetProducts(db, L" 钢笔 ", L"N1", L"文具", L"支", L"1.5", L"3", L"2.8", false);
    const int pen = IdOf(L"钢笔");
    EXPECT_EQ(Product(pen,
                      L"ProductCode, SearchCode, TypeName, UnitName, InPrice, Price, NetPrice, IsLocal, "
                      L"CreateDate, TypeID > 2, UnitID > 0"),
              L"N1|GB|文具|支|1.5|3.0|2.8|0|2013-05-06 14:03:09|1|1");
    products.AddSysNetProducts(db, L"钢笔", L"N2", L"文具", L"支", L"1", L"1", L"1", false);  // name taken
    products.AddSysNetProducts(db, L"毛笔", L"N1", L"文具", L"支", L"1", L"1", L"1", false);  // code taken
    EXPECT_EQ(Int(L"select count(*) from Products"), 1);
    EXPECT_EQ(Changes(), L"");  // no record without being asked

    EXPECT_EQ(products.UpdateSysNetProducts(db, pen, L"水笔", L"N1", L"", L"盒", L"4", L"2", L"5"), 1);
    EXPECT_EQ(Product(pen,
                      L"ProductName, SearchCode, TypeName, UnitName, InitStock, CurStock, InPrice, Price, "
                      L"IsLocal"),
              L"水笔|SB|文具|盒|4.0|4.0|2.0|5.0|0");
    EXPECT_EQ(Changes(), L"2:SB|水笔|文具:GB|钢笔|文具;");
    const int local = Add(L"画笔", L"P1");
    EXPECT_EQ(products.UpdateSysNetProducts(db, local, L"圆珠笔", L"P1", L"", L"支", L"0", L"0", L"0"), 0);
    EXPECT_EQ(products.UpdateSysNetProducts(db, pen, L" ", L"N1", L"", L"支", L"0", L"0", L"0"), 0);
    EXPECT_EQ(Product(local, L"ProductName"), L"画笔");
    EXPECT_EQ(Product(pen, L"ProductName"), L"水笔");
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
    EXPECT_EQ(RowsOf(db, Fmt(L"select BillType, LastCount, LastPrice from Stocks where ProductID=%d", pen)),
              L"期初|5.0|1.5");
    EXPECT_EQ(Changes(), L"5:GB|钢笔|文具:;1:GB|钢笔|文具:;");

    // Adopting it again, or adopting a product the shop has under that name and code, writes nothing.
    const int twin = PutOnline(L"钢笔", L"N1");
    struct Again {
        int id;
        int result;
        bool exists;
    } attempts[] = {{pen, 0, true}, {twin, 0, true}, {999, -1, false}};
    for (const Again& a : attempts) {
        EXPECT_EQ(products.AddProductsNet(db, a.id, L"钢笔", L"N1", L"", L"支", L"9", L"9", L"9", exists), a.result);
        EXPECT_EQ(exists, a.exists) << a.id;
    }
    EXPECT_EQ(Product(pen, L"CurStock, IsLocal"), L"5.0|1");
    EXPECT_EQ(Product(twin, L"IsLocal"), L"0");
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 1);
    EXPECT_EQ(Int(L"select count(*) from ProdCache"), 2);
}

TEST_F(ProductLists, AnImportDropsTheCatalogueCopyOfAProductTheShopHas) {
    const int pencil = Add(L"画笔", L"P1");
    products.ClearProdListCache(db);
    const int sameName = PutOnline(L"画笔", L"X9"), sameCode = PutOnline(L"圆珠笔", L"P1"),
              fresh = PutOnline(L"橡皮", L"E1");

    struct Import {
        int id;
        const wchar_t *name, *code;
        bool writeCache;
        int result;
        bool exists;
        const wchar_t* changes;
    } imports[] = {
        {sameName, L"画笔", L"", true, 0, true, L"5:S|画笔|文具:;"},
        {sameCode, L"圆珠笔", L"P1", false, 0, true, L""},
        {fresh, L"橡皮", L"E1", false, 1, false, L""},
        {fresh, L"橡皮", L"E1", true, 0, true, L""},  // imported twice: the shop's product stays
    };
    for (const Import& i : imports) {
        bool exists = !i.exists;
        EXPECT_EQ(products.AddProductsNetFromImport(db, i.id, i.name, i.code, L"", L"个", L"1", L"1", L"1", exists,
                                                    i.writeCache),
                  i.result)
            << i.name;
        EXPECT_EQ(exists, i.exists) << i.name;
        EXPECT_EQ(Changes(), i.changes) << i.name;
        products.ClearProdListCache(db);
    }
    EXPECT_EQ(ListOf(db.execQuery(L"select ProductName||'/'||IsLocal as P from Products order by ProductID"), L"P"),
              L"画笔/1,橡皮/1");
    EXPECT_EQ(Int(Fmt(L"select count(*) from Stocks where ProductID in (%d, %d)", pencil, fresh)), 2);
}

TEST_F(ProductLists, CatalogueTypesListTheirOwnAndTheirChildrensProducts) {
    Exec(
        L"insert into SystemProdType(ID, TypeName, ParentID) values(1, '文具', 0), (2, '笔', 1), (3, '本子', 1), "
        L"(4, '食品', 0), (5, '笔芯', 2)");
    for (const wchar_t* type : {L"文具", L"笔", L"本子", L"食品", L"笔芯"}) PutOnline(type, L"", type);
    Add(L"画笔", L"P1");  // a local product of a catalogue type is no catalogue product
    Exec(L"update Products set TypeName='笔' where ProductName='画笔'");

    long rows = 0;
    EXPECT_EQ(ListOf(products.GetNetProducts(db, L"文具", L"", rows), L"ProductName"), L"文具,笔,本子");
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(ListOf(products.GetNetProducts(db, L"笔", L"", rows), L"ProductName"), L"笔,笔芯");
    EXPECT_EQ(rows, 2);
}

TEST_F(ProductLists, OnlineFlagsPricesAndImportState) {
    const int pen = PutOnline(L"钢笔", L"N1");
    EXPECT_EQ(products.SetNetProductsLocal(db, pen, 1), 0);
    EXPECT_EQ(Product(pen, L"IsLocal"), L"1");
    products.UpdateNetPrice(db, L"12.5", L"钢笔");
    EXPECT_EQ(Product(pen, L"NetPrice"), L"12.5");
    EXPECT_THROW(products.UpdateNetPrice(db, L"12,5", L"钢笔"), CppSQLite3Exception);
    EXPECT_EQ(Product(pen, L"NetPrice"), L"12.5");
    products.UpdateNetPrice(db, L"", L"钢笔");
    EXPECT_EQ(Product(pen, L"NetPrice"), L"0.0");

    struct State {
        const wchar_t* setup;
        bool local, net, imported;
    } states[] = {
        {L"update Products set IsDisable=1", false, false, true},
        {L"update Products set IsDisable=0", true, false, true},
        {L"insert into UserSelProdType(TypeName, IsImport) values('笔', 0)", true, false, false},
        {L"update UserSelProdType set IsImport=1", true, true, true},
        {L"update SystemInfo set Field1='0'", true, true, false},
    };
    for (const State& s : states) {
        Exec(s.setup);
        EXPECT_EQ(products.HaveLocalData(db), s.local) << s.setup;
        EXPECT_EQ(products.HaveNetData(db), s.net) << s.setup;
        EXPECT_EQ(products.IsImportedNetProducts(db), s.imported) << s.setup;
    }
}

}  // namespace
