// CCustomerBLL: editing a partner, with everything that carries its name, code or opening
// amount; enabling and disabling.
#include "common/AmountText.h"
#include "documents/OrderSaleBLL.h"
#include "documents/PurBLL.h"
#include "documents/SaleBLL.h"
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"
#include "money/AccountBLL.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;
using namespace shopbiz::partners;

int CCustomerBLL::UpdateCompany(CppSQLite3DB& db, int id, CString name, CString fullName, CString code, CString contact,
                                CString phone, CString fax, CString email, CString qq, CString address,
                                CString postCode, CString initAmount, CString remark, int isBoth, CString& error) {
    ServiceLock lock;
    for (CString* field :
         {&name, &fullName, &code, &contact, &phone, &fax, &email, &qq, &address, &postCode, &initAmount, &remark})
        CSysBLL::GetSafeString(*field);
    if (IsExisted(db, name, id, error)) {
        error =
            L"您输入的客户名称已经在客户资料或供应商资料中存在，不允许重复添加！\r\n"
            L"提示:如果该客户资料未出现在列表中，请选择“显示全部”。";
        return -1;
    }
    initAmount.Trim();
    if (initAmount.IsEmpty()) initAmount = L"0";
    // The amount is stored as text and moves the balance: refuse a text that is no number
    // before anything is written.
    if (!IsPlainNumber(initAmount)) {
        error = L"期初金额[" + initAmount + L"]不是有效的数字!";
        return -1;
    }
    CSysBLL sys;
    CString searchCode;
    sys.GetFirstPY(name, searchCode);

    return Guard(Report(error, ErrorText::WithStatement(kEditLayout, L"修改客户[" + name + L"]失败!")), -1, [&] {
        CppSQLite3Query row = db.execQuery(
            Sql(L" SELECT * FROM Companies  WHERE (CompanyType = 1 or CompanyType = 2) and CompanyID=%d ;", id));
        if (row.eof()) {
            error = Fmt(L"查找不到客户/供应商的资料数据，名称=%s", name);
            return -1;
        }
        const double storedInit = row.getFloatField(L"InitAmount");
        const int storedType = row.getIntField(L"CompanyType");
        row.finalize();

        const double difference = ParseAmount(initAmount) - storedInit;
        if (difference != 0 && AddCurrentAmount(db, id, difference, error) < 0) return -1;

        db.execDML(Sql(L" UPDATE Companies SET CompanyName='%s', CompanyCode='%s', FullName='%s',Contact='%s',"
                       L"Mobile='%s', Tel='%s', Fax='%s', QQ='%s', Email='%s', Address='%s', PostCode='%s',  "
                       L"InitAmount='%s', IsBoth=%d, SearchCode='%s' ,Remark= '%s',IsDisable=0  WHERE "
                       L"CompanyID=%d",
                       Quoted(name), Quoted(code), Quoted(fullName), Quoted(contact), Quoted(phone), Quoted(phone),
                       Quoted(fax), Quoted(qq), Quoted(email), Quoted(address), Quoted(postCode), Quoted(initAmount),
                       isBoth, Quoted(searchCode), Quoted(remark), id));
        db.execDML(Sql(L"UPDATE CompPrice Set CompanyName = '%s', CompanyCode = '%s' WHERE CompanyID = %d",
                       Quoted(name), Quoted(code), id));

        const int virtualBill = storedType == 1 ? CSaleBLL().UpdateVirtualBill(db, initAmount, id, error)
                                                : CPurBLL().UpdateVirtualBill(db, initAmount, id, error);
        if (virtualBill < 0) return -1;

        // Stored documents show the partner as it is now.
        if (COrderSaleBLL().UpdateBillComName(db, id, name, code, error) < 0) return -1;
        if (CSaleBLL().UpdateBillComName(db, id, name, code, error) < 0) return -1;
        if (CPurBLL().UpdateBillComName(db, id, name, code, error) < 0) return -1;
        if (CStocksBLL().UpdateBillComName(db, id, name, code, error) < 0) return -1;
        if (CAccountBLL().UpdateBillComName(db, id, name, code, error) < 0) return -1;

        db.execDML(Sql(L" UPDATE CompPrice SET CompanyCode='%s', CompanyName = '%s' , CompSearchCode= '%s' WHERE "
                       L"CompanyID=%d ",
                       Quoted(code), Quoted(name), Quoted(searchCode), id));
        sys.AddOperateData(db, L"Companies", L"CompanyID", Fmt(L"%d", id), L"U");
        return 1;
    });
}

int CCustomerBLL::SetEnableByID(CppSQLite3DB& db, int id, int disable, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), -1, [&] {
        db.execDML(Sql(L" UPDATE Companies SET IsDisable=%d WHERE CompanyID=%d;", disable, id));
        return 1;
    });
}
