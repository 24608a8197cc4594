// CStocksBLL: a renamed product carried into its ledger rows.
#include "frame/ServiceFrame.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CStocksBLL::UpdateBillProName(CppSQLite3DB& db, int productID, CString productName, CString productCode,
                                  CString& error) {
    ServiceLock lock;
    return Guard(Report(error, L"同步货品资料时出错！\r\n\r\n%s").OtherErrors(L"同步货品资料时出错！"), -1, [&] {
        CString searchCode;
        CSysBLL().GetFirstPY(productName, searchCode);
        return db.execDML(Sql(L"UPDATE Stocks Set ProductName='%s', ProductCode='%s', SearchCode='%s' WHERE ProductID=%d ",
                              Quoted(productName), Quoted(productCode), Quoted(searchCode), productID));
    });
}
