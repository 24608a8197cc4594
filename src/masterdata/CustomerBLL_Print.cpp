// CCustomerBLL: the partner list with balances as print data.
#include "masterdata/CustomerBLL.h"
#include "printing/EntryPrintRows.h"

using namespace shopbiz;

int CCustomerBLL::InsertPrintData(CppSQLite3DB& db, int type, CString keyword, bool all, CString label,
                                  int firstEntry, long& nextEntry, CString& error) {
    ServiceLock lock;
    error = L"";
    EntryPrintRows print(db, label, firstEntry);
    nextEntry = print.NextEntry();
    CppSQLite3Query partners = QueryByKeyword(db, type, keyword, all, error);
    if (!error.IsEmpty()) return -1;  // reported and logged by the query
    return Guard(Report(error, L"InsertPrintData Err:%s"), -1, [&] {
        print.StoreFields();
        for (; !partners.eof(); partners.nextRow()) {
            print.NextRow();
            print.Text(L"CompanyName", partners.getStringField(L"CompanyName"));
            print.Text(L"CompanyCode", partners.getStringField(L"CompanyCode"));
            print.Text(L"Tel", partners.getStringField(L"Tel"));
            print.Text(L"Fax", partners.getStringField(L"Fax"));
            print.Money(L"CurAmount", partners.getFloatField(L"CurAmount"));
        }
        nextEntry = print.NextEntry();
        return 0;
    });
}
