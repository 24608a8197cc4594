// CAccountBLL: a partner's new name and code carried into the cash journal.
#include "frame/ServiceFrame.h"
#include "money/AccountBLL.h"

using namespace shopbiz;

int CAccountBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(L"%s\r\n%s")), -1, [&] {
        return db.execDML(Sql(L"UPDATE Account Set CompanyName='%s', CompanyCode='%s' WHERE CompanyID=%d",
                              Quoted(name), Quoted(code), companyID));
    });
}

// Runs the partner rename: journal lines carry partner columns only.
int CAccountBLL::UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    return UpdateBillComName(db, companyID, name, code, error);
}
