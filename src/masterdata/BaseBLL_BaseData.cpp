// CBaseBLL: the flat lists of BaseData (units of measure and the other small lists).
#include "frame/ServiceFrame.h"
#include "masterdata/BaseBLL.h"

using namespace shopbiz;

CppSQLite3Query CBaseBLL::GetBaseDataByType(CppSQLite3DB& db, CString key, int baseType, CString& error) {
    ServiceLock lock;
    CSysBLL::GetSafeString(key);
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select * from BaseData Where (BaseName like '%%%s' or SearchCode like '%%%s') and "
                                L"BaseType ='%d'",
                                Quoted(key), Quoted(key), baseType));
    });
}

CppSQLite3Query CBaseBLL::GetBaseDataByProd(CppSQLite3DB& db, CString product, CString& error) {
    ServiceLock lock;
    const QuotedSlot p = Quoted(product);
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select b.* from Products a inner join BaseData b on a.UnitID=b.ID where "
                                L"(a.ProductName='%s' or a.SearchCode='%s') Union all select b.* from Products a inner "
                                L"join BaseData b on a.SecUnitID=b.ID where (a.ProductName='%s' or a.SearchCode='%s')",
                                p, p, p, p));
    });
}

int CBaseBLL::InsertBaseData(CppSQLite3DB& db, CString name, int baseType, CString& error) {
    ServiceLock lock;
    if (name.IsEmpty()) return 0;
    return Guard(Report(error), 1, [&] {
        if (IsExist(db, name, baseType, error)) {
            error = name + L"存在";
            return 1;
        }
        CompileNamedInsert(
            db,
            L"INSERT INTO [BaseData]([BaseName],\t[SearchCode],\t[BaseType],\t[UserID],\t[UserName],\t[CreateDate],"
            L"[LastUpdateDate],[Remark]) VALUES(?,?,?,'0','',?,?,'')",
            name, baseType)
            .execDML();
        return 0;
    });
}

int CBaseBLL::UpdateBaseData(CppSQLite3DB& db, int baseType, CString oldName, CString newName, CString& error) {
    ServiceLock lock;
    const QuotedSlot oldQ = Quoted(oldName), newQ = Quoted(newName);
    return Guard(Report(error), 1, [&] {
        const int id =
            db.execScalar(Sql(L"select [ID] from basedata where BaseType = %d and BaseName = '%s'", baseType, oldQ));
        if (db.execScalar(Sql(L"select count(1) from basedata where basetype = %d and [ID] <> %d and baseName = '%s'",
                              baseType, id, newQ)) >= 1)
            return 2;
        db.execDML(Sql(L"update BaseData set BaseName = '%s' Where ID = '%d'", newQ, id));
        // The copies kept by name; each statement stands on its own.
        db.execDML(Sql(L"UPDATE Products Set TypeName = '%s' WHERE TypeName = '%s'", newQ, oldQ));
        db.execDML(Sql(L"UPDATE SaleBillItems Set TypeName = '%s' WHERE TypeName = '%s'", newQ, oldQ));
        db.execDML(Sql(L"UPDATE PurBillItems Set TypeName = '%s' WHERE TypeName = '%s'", newQ, oldQ));
        db.execDML(Sql(L"UPDATE Stocks Set TypeName = '%s' WHERE TypeName = '%s'", newQ, oldQ));
        return 0;
    });
}

int CBaseBLL::DeleteBaseDataByName(CppSQLite3DB& db, CString name, int baseType, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        db.execDML(Sql(L"delete from BaseData Where BaseName = '%s' and BaseType = '%d'", Quoted(name), baseType));
        return 0;
    });
}

int CBaseBLL::DeleteBaseData(CppSQLite3DB& db, int id, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        db.execDML(Sql(L"delete from BaseData Where ID = '%d'", id));
        return 0;
    });
}

bool CBaseBLL::IsExist(CppSQLite3DB& db, CString name, int baseType, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), false, [&] {
        return db.execScalar(Sql(L"select count(*) from BaseData where BaseName = '%s' and BaseType = '%d'",
                                 Quoted(name), baseType)) > 0;
    });
}

CppSQLite3Statement CBaseBLL::CompileNamedInsert(CppSQLite3DB& db, const wchar_t* sql, const CString& name,
                                                 int baseType) {
    CString text = name, searchCode;
    m_sysBLL.GetFirstPY(text, searchCode);
    const CString now = m_sysBLL.GetTimeNowLong();
    CppSQLite3Statement insert = db.compileStatement(sql);
    insert.bind(1, name.GetString());
    insert.bind(2, searchCode.GetString());
    insert.bind(3, baseType);
    insert.bind(4, now.GetString());
    insert.bind(5, now.GetString());
    return insert;
}
