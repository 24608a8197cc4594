// CStocksBLL: a partner's new name and code carried into the stock ledger.
#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CStocksBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    ServiceLock lock;
    try {
        return ReportOnErrorAs(error, L"同步客户资料时出错！\r\n\r\n%s", -1, [&] {
            return db.execDML(Sql(L"UPDATE Stocks Set CompanyName='%s', CompanyCode='%s' WHERE CompanyID=%d",
                                  EscapeQuotes(name), EscapeQuotes(code), companyID));
        });
    } catch (...) {
        error = L"同步客户资料时出错！";
        return -1;
    }
}
