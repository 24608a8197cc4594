#include "support/CustomerPriceFixture.h"

#include "frame/ServiceFrame.h"
#include "support/RowText.h"

using shopbiz::Sql;

void CustomerPriceTest::SetUp() {
    ShopDbTest::SetUp();
    CCustomerBLL partners;
    huaLian = partners.InsertCompany(db, L"华联", 1, error);
    xinHua = partners.InsertCompany(db, L"新华", 1, error);
    flour = PutProduct(L"面粉", L"P001", L"袋", 10, L"箱", 11);
    sugar = PutProduct(L"白糖", L"P002", L"袋", 10);
    error = L"";
}

int CustomerPriceTest::PutProduct(const wchar_t* name, const wchar_t* code, const wchar_t* unit, int unitID,
                                  const wchar_t* secUnit, int secUnitID) {
    CString text(name), searchCode;
    CSysBLL().GetFirstPY(text, searchCode);
    Exec(Sql(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,UnitID,UnitName,SecUnitID,SecUnitName,"
             L"Coefficient,TypeID,TypeName,InPrice,Price,OutPrice,WholesalePrice,CurStock,Remark) VALUES('%s','%s',"
             L"'%s',%d,'%s',%d,'%s','10',2,'默认类别',6,10,10,8,5,'备注')",
             name, code, searchCode, unitID, unit, secUnitID, secUnit));
    return static_cast<int>(db.lastRowId());
}

void CustomerPriceTest::SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }

CString CustomerPriceTest::PriceRows() {
    return RowsOf(db, L"SELECT CompanyName,ProductName,UnitName,UnitID,Price FROM CompPrice ORDER BY CompPriceID");
}

CString CustomerPriceTest::Journal() { return RowsOf(db, L"SELECT TName,CName,CValue,OType FROM OperateData ORDER BY ID"); }

int CustomerPriceTest::PriceCount() { return Int(L"SELECT COUNT(*) FROM CompPrice"); }
