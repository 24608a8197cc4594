// CPrintData: the store's and a partner's fields, for documents whose filler leaves them out.
#include "printing/PrintData.h"
#include "printing/PrintRows.h"

using namespace shopbiz;

int CPrintData::InsertStoreInfo(CppSQLite3DB& db, CString label) {
    ServiceLock lock;
    return Guard(Log(L"InsertStoreInfo Err:%s"), -1, [&] {
        PrintRows(db, label).StoreFields();
        return 0;
    });
}

int CPrintData::InsertCompanyInfo(CppSQLite3DB& db, int companyType, CString companyName, CString label) {
    ServiceLock lock;
    return Guard(Log(L"InsertCompanyInfo Err:%s"), -1, [&] {
        PrintRows(db, label).CompanyFields(companyType, companyName, L"ProviderRemark");
        return 0;
    });
}
