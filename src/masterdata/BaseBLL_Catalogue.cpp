// CBaseBLL: the industry catalogue of product types (SystemProdType) and the types the shop
// took over from it (UserSelProdType).
#include "frame/ServiceFrame.h"
#include "masterdata/BaseBLL.h"

using namespace shopbiz;

CppSQLite3Query CBaseBLL::GetSystemProdType(CppSQLite3DB& db, int parentID) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = db.execQuery(Sql(L"select * from SystemProdType where ParentID = %d order by ID", parentID));
    return result;
}

int CBaseBLL::GetSystemProdTypeID(CppSQLite3DB& db, CString typeName) {
    ServiceLock lock;
    return db.execScalar(Sql(L"select ID from SystemProdType where TypeName = '%s'", Quoted(typeName)));
}

CppSQLite3Query CBaseBLL::GetUserSelProdType(CppSQLite3DB& db, CString typeName) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = db.execQuery(Sql(L"SELECT * FROM UserSelProdType where TypeName = '%s' limit 1", Quoted(typeName)));
    return result;
}

int CBaseBLL::DeleteUserSelProdType(CppSQLite3DB& db, CString typeName) {
    ServiceLock lock;
    const QuotedSlot type = Quoted(typeName);
    const int count = db.execScalar(Sql(L"SELECT Count(*) FROM UserSelProdType where TypeName = '%s'", type));
    if (count > 0) db.execDML(Sql(L"delete FROM UserSelProdType where TypeName = '%s'", type));
    return count;
}

bool CBaseBLL::IsExistUserSelType(CppSQLite3DB& db, CString typeName) {
    ServiceLock lock;
    return db.execScalar(Sql(L"SELECT Count(*) FROM UserSelProdType where TypeName = '%s' and IsImport = 1",
                             Quoted(typeName))) > 0;
}
