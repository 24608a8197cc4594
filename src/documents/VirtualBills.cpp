#include "documents/VirtualBills.h"

#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "masterdata/CustomerBLL.h"

namespace shopbiz {

namespace {

// 1 with the partner's name and code; -1 when it cannot be read or is not there (no opening
// balance for a partner that does not exist).
int ReadPartner(CppSQLite3DB& db, const VirtualBillBook& book, int companyID, CString& name, CString& code,
                CString& error) {
    return Guard(Report(error).LogAs({L"执行失败:%s"}).OtherErrors(book.partnerFailed), -1, [&] {
        CppSQLite3Query row = db.execQuery(Sql(L" SELECT * FROM Companies WHERE CompanyID=%d ; ", companyID));
        if (row.eof()) {
            error = book.partnerFailed;
            return -1;
        }
        name = row.getStringField(L"CompanyName");
        code = row.getStringField(L"CompanyCode");
        return 1;
    });
}

}  // namespace

int InsertVirtualBill(CppSQLite3DB& db, const VirtualBillBook& book, CString amount, int companyID, CString& error) {
    ServiceLock lock;
    CSysBLL sys;
    const CString startDate = sys.GetSysStartDate();
    const CString billCode = sys.GetBillCode(db, book.billType, startDate);

    CString name, code;
    if (ReadPartner(db, book, companyID, name, code, error) < 0) return -1;

    const double value = ParseAmount(amount);
    return Guard(Report(error).OtherErrors(L"新增虚拟单据失败！"), -1, [&] {
        db.execDML(
            Sql(L" INSERT INTO %s(  BillCode, BillType, CompanyID, CompanyCode, CompanyName,  BillAmount, "
                L"DiscountAmount, GetAmount, OweAmount, IsSystem,  BillDate, UserID, UserName, CreateDate, "
                L"LastUpdateDate, Remark   ) VALUES (   '%s' , 0, %d,  '%s',  '%s',    %.08lf, %.08lf, 0.00, "
                L"%.08lf, 1,   '%s', 0, 'Admin', date(), date(), '虚拟单据'   )  ; ",
                book.table, Quoted(billCode), companyID, Quoted(code), Quoted(name), value, value, value,
                Quoted(startDate)));
        if (value != 0 && CCustomerBLL().AddCurrentAmount(db, companyID, value, error) < 1) return -1;
        return 1;
    });
}

int UpdateVirtualBill(CppSQLite3DB& db, const VirtualBillBook& book, CString amount, int companyID, CString& error) {
    ServiceLock lock;
    amount.Trim();
    if (amount.IsEmpty()) amount = L"0.00";
    // The amount goes in as the caller typed it; a text that is no number is refused as a
    // failed statement would be.
    return Guard(Report(error).OtherErrors(L"更新虚拟单据数据失败!"), -1, [&] {
        const NumberSlot value = Amount(amount);
        db.execDML(Sql(L"UPDATE %s SET BillAmount=%s,OweAmount=%s, DiscountAmount=%s, GetAmount=0 WHERE "
                       L"CompanyID=%d AND IsSystem=1  ;",
                       book.table, value, value, value, companyID));
        return 1;
    });
}

}  // namespace shopbiz
