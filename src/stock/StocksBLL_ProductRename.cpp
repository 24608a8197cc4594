// CStocksBLL: a renamed product carried into its ledger rows.
#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CStocksBLL::UpdateBillProName(CppSQLite3DB& db, int productID, CString productName, CString productCode,
                                  CString& error) {
    ServiceLock lock;
    try {
        return ReportOnErrorAs(error, L"同步货品资料时出错！\r\n\r\n%s", -1, [&] {
            CString searchCode;
            CSysBLL().GetFirstPY(productName, searchCode);
            return db.execDML(Sql(L"UPDATE Stocks Set ProductName='%s', ProductCode='%s', SearchCode='%s' WHERE ProductID=%d ",
                                  EscapeQuotes(productName), EscapeQuotes(productCode), EscapeQuotes(searchCode),
                                  productID));
        });
    } catch (...) {
        error = L"同步货品资料时出错！";
        return -1;
    }
}
