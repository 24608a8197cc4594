// Adding and editing products: the add paths and their out flag, the change records for the
// product lists, the opening stock and opening ledger row, and renames carried into copies.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/ProductRows.h"

using shopbiz::Sql;

namespace {

class ProductEdit : public ShopDbTest {
protected:
    CProductsBLL products;
    bool exists = true;

    // The full form with the defaults of a typical add.
    CppSQLite3Query Add(const wchar_t* name, const wchar_t* code, const wchar_t* type = L"",
                        const wchar_t* unit = L"个", const wchar_t* stock = L"10", const wchar_t* inPrice = L"2.5",
                        const wchar_t* price = L"4", const wchar_t* wholesale = L"3.5", bool typeList = false) {
        return products.AddProducts(db, name, code, type, unit, stock, inPrice, price, wholesale, L"", L"", typeList,
                                    L"备注", exists);
    }
    static CString PY(const wchar_t* name) {
        CString text(name), code;
        CSysBLL().GetFirstPY(text, code);
        return code;
    }
    CString Cache() { return Text(L"select group_concat(Flag||':'||UpdateValue||':'||OldValue, ';') from ProdCache"); }
    int Update(int id, const wchar_t* name, const wchar_t* code, const wchar_t* stock, const wchar_t* inPrice,
               const wchar_t* type = L"", const wchar_t* unit = L"") {
        return products.UpdateProducts(db, id, name, code, type, unit, stock, inPrice, L"4", L"3.5", L"r", L"", L"");
    }
};

TEST_F(ProductEdit, NewProductIsLocalEnabledWithItsOpeningRow) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    CppSQLite3Query row = Add(L"铅笔", L"P0001");
    ASSERT_FALSE(row.eof());
    EXPECT_FALSE(exists);
    EXPECT_EQ(row.getStringField(L"SearchCode"), PY(L"铅笔"));
    EXPECT_EQ(row.getStringField(L"TypeName"), L"默认类别");
    EXPECT_EQ(row.getIntField(L"TypeID"), 2);
    EXPECT_EQ(row.getIntField(L"UnitID"), Int(L"select ID from BaseData where BaseName='个'"));
    EXPECT_EQ(row.getIntField(L"IsLocal") * 10 + row.getIntField(L"IsDisable") + row.getIntField(L"IsDelete"), 10);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitStock"), 10);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"CurStock"), 10);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitAmount"), 25);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"OutPrice"), 4);
    const int id = row.getIntField(L"ProductID");
    row.nextRow();
    EXPECT_TRUE(row.eof());

    CppSQLite3Query opening = db.execQuery(L"select * from Stocks");
    EXPECT_EQ(opening.getIntField(L"ProductID"), id);
    EXPECT_EQ(opening.getStringField(L"BillType"), L"期初");
    EXPECT_EQ(opening.getStringField(L"BillDate"), L"1970-01-01");
    EXPECT_DOUBLE_EQ(opening.getFloatField(L"LastAmount"), 25);
    opening.nextRow();
    EXPECT_TRUE(opening.eof());
    EXPECT_EQ(Cache(), L"1:" + PY(L"铅笔") + L"|铅笔|默认类别:");
    EXPECT_EQ(Text(L"select TName||'/'||CName||'/'||CValue||'/'||OType from OperateData"),
              L"Products/ProductName/铅笔/A");
}

TEST_F(ProductEdit, NewUnitsAndTypesAreCreated) {
    products.AddProducts(db, L"啤酒", L"J1", L"饮料", L"罐", L"", L"", L"", L"", L"箱", L"24", false, L"", exists);
    CppSQLite3Query row = products.GetProductByName(db, L"啤酒");
    EXPECT_EQ(row.getIntField(L"UnitID"), Int(L"select ID from BaseData where BaseName='罐' and BaseType=2"));
    EXPECT_EQ(row.getIntField(L"SecUnitID"), Int(L"select ID from BaseData where BaseName='箱' and BaseType=2"));
    EXPECT_EQ(row.getIntField(L"TypeID"), Int(L"select ID from AdvancedBaseData where BaseName='饮料' and ParentID=1"));
    EXPECT_TRUE(products.GetMultUnit(db, row.getIntField(L"ProductID")));
    EXPECT_DOUBLE_EQ(products.GetCoffByName(db, L"啤酒", L"箱"), 24);
    EXPECT_DOUBLE_EQ(products.GetCoffByName(db, L"啤酒", L"盒"), 1.0);  // no such second unit
    // Empty prices and stock are stored as 0.
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InPrice") + row.getFloatField(L"Price") + row.getFloatField(L"InitStock"), 0);

    // A second product in the same unit and type reuses them.
    products.AddProducts(db, L"可乐", L"J2", L"饮料", L"罐", L"", L"", L"", L"", L"", L"", false, L"", exists);
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName='罐'"), 1);
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where BaseName='饮料'"), 1);
}

TEST_F(ProductEdit, ExistingNameIsFoundNotAdded) {
    Add(L"铅笔", L"P0001");
    db.execDML(L"delete from ProdCache");
    EXPECT_TRUE(Add(L"铅笔", L"P0002").eof());  // same name, other code: nothing of that pair
    EXPECT_TRUE(exists);
    CppSQLite3Query same = Add(L"铅笔", L"P0001", L"", L"个", L"99");
    EXPECT_TRUE(exists);
    EXPECT_DOUBLE_EQ(same.getFloatField(L"CurStock"), 10);
    EXPECT_EQ(Int(L"select count(*) from Products"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 1);
    EXPECT_EQ(Cache(), L"");
}

TEST_F(ProductEdit, DisabledProductIsEnabledAgain) {
    const int id = PutProduct(db, {.name = L"铅笔", .code = L"P1", .unit = L"", .isDisable = 1});
    db.execDML(L"update Products set IsDelete = 1");
    CppSQLite3Query row = Add(L"铅笔", L"P1", L"", L"盒");
    EXPECT_FALSE(exists);
    EXPECT_EQ(row.getIntField(L"ProductID"), id);
    EXPECT_EQ(row.getIntField(L"IsDisable") + row.getIntField(L"IsDelete"), 0);
    EXPECT_EQ(row.getStringField(L"UnitName"), L"盒");  // it had none
    EXPECT_EQ(row.getIntField(L"UnitID"), Int(L"select ID from BaseData where BaseName='盒'"));
    EXPECT_EQ(Cache(), L"1:" + PY(L"铅笔") + L"|铅笔|:");
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 0);  // not a new product: no opening row
}

TEST_F(ProductEdit, OnlineProductIsTakenOver) {
    const int net = PutProduct(db, {.name = L"网笔", .code = L"N1", .unit = L"支", .searchCode = L"WB", .isLocal = 0});
    CppSQLite3Query row = Add(L"网笔", L"P9", L"", L"个", L"10");
    EXPECT_FALSE(exists);
    ASSERT_FALSE(row.eof());
    EXPECT_NE(row.getIntField(L"ProductID"), net);
    EXPECT_EQ(row.getIntField(L"IsLocal"), 1);
    EXPECT_EQ(row.getStringField(L"UnitName"), L"支");  // the online product's unit
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitStock"), 0);
    EXPECT_EQ(Int(Sql(L"select count(*) from Products where ProductID=%d", net)), 0);
    EXPECT_EQ(Cache(), L"5:WB|网笔|:WB|网笔|默认类别;1:WB|网笔|默认类别:");
}

TEST_F(ProductEdit, TypeListAndShortForm) {
    Add(L"铅笔", L"P1", L"文具");
    CppSQLite3Query list = Add(L"钢笔", L"P2", L"文具", L"支", L"0", L"0", L"0", L"0", true);
    int rows = 0;
    for (; !list.eof(); list.nextRow()) ++rows;
    EXPECT_EQ(rows, 2);

    CppSQLite3Query row = products.AddProducts(db, L"本子", L"", L"本", L"6.5");
    EXPECT_DOUBLE_EQ(row.getFloatField(L"Price"), 6.5);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"WholesalePrice"), 6.5);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InPrice"), 0);
    EXPECT_EQ(row.getStringField(L"TypeName"), L"默认类别");
}

TEST_F(ProductEdit, BadTextsAreMadeSafeAndBadNumbersReadAsNumbers) {
    CppSQLite3Query row = Add(L" it's 100%, ok ", L"A'1", L"", L"个", L"x", L"12abc", L"", L"-");
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.getStringField(L"ProductName"), L"it*s 100％， ok");
    EXPECT_EQ(row.getStringField(L"ProductCode"), L"A*1");
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitStock"), 0);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InPrice"), 12);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"Price"), 0);
    EXPECT_DOUBLE_EQ(Real(L"select LastPrice from Stocks"), 12);
    // No name, no product.
    EXPECT_TRUE(Add(L"  ", L"X").eof());
    EXPECT_EQ(Int(L"select count(*) from Products"), 1);
}

TEST_F(ProductEdit, OpeningStockAbsorbsTheChangeOfCurrentStock) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    const int pen = PutProduct(db, {.initStock = 5, .curStock = 10, .inPrice = 2});
    PutOpeningRow(db, pen, 5, 2);
    db.execDML(Sql(L"insert into Stocks(BillType, ProductID, InCount) values('进货', %d, 5)", pen));
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"12", L"2"), 1);
    CppSQLite3Query row = products.GetProductsByID(db, pen);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"CurStock"), 12);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitStock"), 7);
    EXPECT_DOUBLE_EQ(row.getFloatField(L"InitAmount"), 14);
    EXPECT_EQ(Text(L"select printf('%.2f/%.2f/%.2f/%d', LastCount, LastPrice, LastAmount, IsCale) from Stocks where "
                   L"IsSystem=1"),
              L"7.00/2.00/14.00/0");
    EXPECT_EQ(Cache(), L"2:" + PY(L"铅笔") + L"|铅笔|默认类别:QB|铅笔|默认类别");
    EXPECT_EQ(Text(L"select CName||'/'||OType from OperateData"), L"productID/U");

    // With bills in the ledger a new purchase price leaves the opening row's price alone.
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"12", L"9"), 1);
    EXPECT_DOUBLE_EQ(Real(L"select LastPrice from Stocks where IsSystem=1"), 2);
    EXPECT_DOUBLE_EQ(Real(Sql(L"select InPrice from Products where ProductID=%d", pen)), 9);
}

TEST_F(ProductEdit, OpeningRowIsRepricedWhileThereAreNoBills) {
    const int pen = PutProduct(db, {.initStock = 5, .curStock = 5, .inPrice = 2});
    PutOpeningRow(db, pen, 5, 2);
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"5", L"3"), 1);
    EXPECT_EQ(Text(L"select printf('%.2f/%.2f/%.2f', LastCount, LastPrice, LastAmount) from Stocks"),
              L"5.00/3.00/15.00");

    // An opening row without a price takes the first one given, for the stock after the edit.
    const int rubber = PutProduct(db, {.name = L"橡皮", .code = L"P2", .initStock = 4, .curStock = 4});
    PutOpeningRow(db, rubber, 4, 0);
    db.execDML(Sql(L"insert into Stocks(BillType, ProductID, OutCount) values('出货', %d, 1)", rubber));
    EXPECT_EQ(Update(rubber, L"橡皮", L"P2", L"6", L"1.5"), 1);
    EXPECT_EQ(Text(Sql(L"select printf('%%.2f/%%.2f/%%.2f/%%d', LastCount, LastPrice, LastAmount, IsCale2) from Stocks "
                       L"where IsSystem=1 and ProductID=%d",
                       rubber)),
              L"6.00/1.50/9.00/0");
    EXPECT_DOUBLE_EQ(Real(Sql(L"select InitAmount from Products where ProductID=%d", rubber)), 9);
}

TEST_F(ProductEdit, RenamesReachEveryCopy) {
    const int pen = PutProduct(db, {});
    const int other = PutProduct(db, {.name = L"橡皮", .code = L"P2"});
    for (int id : {pen, other}) {
        for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems"})
            PutBillLine(db, table, id);
        PutOpeningRow(db, id, 0, 0);
        db.execDML(Sql(L"insert into CompPrice(ProductID, UnitName) values(%d, '支'), (%d, '盒')", id, id));
    }
    EXPECT_EQ(Update(pen, L"红铅笔", L"R1", L"0", L"0", L"文具", L"根"), 1);
    const int unitID = Int(L"select ID from BaseData where BaseName='根'");
    const int typeID = Int(L"select ID from AdvancedBaseData where BaseName='文具'");
    const CString code = PY(L"红铅笔");
    const CString expected = Sql(L"红铅笔/R1/文具/%d/根/%d/%s", typeID, unitID, code);
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems", L"Stocks"})
        EXPECT_EQ(
            Text(Sql(L"select ProductName||'/'||ProductCode||'/'||TypeName||'/'||TypeID||'/'||UnitName||'/'||UnitID||"
                     L"'/'||SearchCode from %s where ProductID=%d",
                     table, pen)),
            expected)
            << table;
    // Customer prices: the base unit's rows follow the unit, the second unit's keep theirs.
    EXPECT_EQ(Text(Sql(L"select group_concat(ProductName||ProductCode||ProdSearchCode||SearchCode||UnitName, ',') from "
                       L"CompPrice where ProductID=%d",
                       pen)),
              Sql(L"红铅笔R1%s%s根,红铅笔R1%s%s盒", code, code, code, code));
    EXPECT_EQ(Int(Sql(L"select count(*) from SaleBillItems where ProductID=%d and ProductName=''", other)), 1);
    EXPECT_EQ(Int(L"select count(*) from CompPrice where ProductName<>''"), 2);
    EXPECT_EQ(Cache(), L"2:" + code + L"|红铅笔|文具:QB|铅笔|默认类别");
}

TEST_F(ProductEdit, EmptyTypeAndUnitKeepTheOldOnes) {
    const int pen = PutProduct(db, {.type = L"文具", .unit = L"支"});
    EXPECT_EQ(Update(pen, L"铅笔", L"P0001", L"0", L"0"), 1);
    EXPECT_EQ(Text(Sql(L"select TypeName||'/'||UnitName from Products where ProductID=%d", pen)), L"文具/支");
}

TEST_F(ProductEdit, UpdateRefusesDuplicatesMissingProductsAndEmptyNames) {
    PutProduct(db, {});
    const int other = PutProduct(db, {.name = L"橡皮", .code = L"P2"});
    EXPECT_EQ(Update(other, L"铅笔", L"P0001", L"5", L"1"), 2);
    EXPECT_EQ(Update(999, L"新", L"N", L"5", L"1"), 0);
    EXPECT_EQ(Update(other, L" ", L"N", L"5", L"1"), 0);
    EXPECT_EQ(Text(L"select group_concat(ProductName||CurStock, ',') from Products"), L"铅笔0.0,橡皮0.0");
    EXPECT_EQ(Cache(), L"");
}

TEST_F(ProductEdit, UpdateTakesTheNameOverFromAnOnlineProduct) {
    PutProduct(db, {.name = L"网笔", .code = L"N1"});
    PutProduct(db, {.name = L"网笔", .code = L"N1", .isLocal = 0});
    const int mine = PutProduct(db, {.name = L"橡皮", .code = L"P2"});
    EXPECT_EQ(Update(mine, L"网笔", L"N1", L"0", L"0"), 1);
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
    db.execDML(L"insert into ProductStock(ProductName, HighLimit, LowLimit) values('铅笔', '9', '1')");

    long count = 0;
    CppSQLite3Query q = products.GetProductsByTypeID(db, L"文具", L"", false, count, 0, 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(q.getStringField(L"ProductName"), L"本子");  // by search code
    count = 0;
    products.GetProductsByTypeID(db, L"文具", L"", true, count, 0, 0);
    EXPECT_EQ(count, 1);  // only stock
    products.GetProductsByTypeID(db, L"全部类别", L"", false, count, 0, 0);
    EXPECT_EQ(count, 3);
    q = products.GetProductsByTypeID(db, L"笔", L"Q", false, count, 1, 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(q.getStringField(L"HighLimit") + q.getStringField(L"LowLimit"), L"91");
    EXPECT_DOUBLE_EQ(q.getFloatField(L"InPriceEx"), 2.5);
    q = products.GetProductsByTypeID(db, L"笔", L"", false, count, 1, 0);
    EXPECT_EQ(q.getStringField(L"InPriceEx"), L"");
}

}  // namespace
