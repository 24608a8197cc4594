// CAccountBLL: a partner's new name and code carried into the cash journal.
#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"
#include "money/AccountBLL.h"

using namespace shopbiz;

int CAccountBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    ServiceLock lock;
    const CString sql = Sql(L"UPDATE Account Set CompanyName='%s', CompanyCode='%s' WHERE CompanyID=%d",
                            EscapeQuotes(name), EscapeQuotes(code), companyID);
    try {
        return db.execDML(sql);
    } catch (CppSQLite3Exception& e) {
        error = Sql(L"%s\r\n%s", e.errorMessage(), sql);
        LogLine(error);
        return -1;
    }
}

// Runs the partner rename: journal lines carry partner columns only.
int CAccountBLL::UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    return UpdateBillComName(db, companyID, name, code, error);
}
