// CStocksBLL: a partner's new name and code carried into the stock ledger.
#include "frame/ServiceFrame.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CStocksBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, L"同步客户资料时出错！\r\n\r\n%s").OtherErrors(L"同步客户资料时出错！"), -1, [&] {
        return db.execDML(Sql(L"UPDATE Stocks Set CompanyName='%s', CompanyCode='%s' WHERE CompanyID=%d", Quoted(name),
                              Quoted(code), companyID));
    });
}
