// CBaseBLL: the tree of product types in AdvancedBaseData (ParentID, Level), its renames
// and moves.
#include <set>

#include "frame/ServiceFrame.h"
#include "masterdata/BaseBLL.h"

using namespace shopbiz;

namespace {

// One level of the depth-first walk below `ids`. `seen` stops the walk on a damaged tree
// whose parent links form a loop; on a sound tree no type is met twice anyway.
CString ChildIDsBelow(CppSQLite3DB& db, const CString& ids, int baseType, CString& names, std::set<int>& seen) {
    return Guard(Log(), CString(), [&] {
        CString found;
        const NumberSlot list = WholeNumbers(ids);
        CppSQLite3Query rows = db.execQuery(Sql(L"select ID,BaseName,Level from AdvancedBaseData where ID not in (%s) "
                                                L"and ParentID in (%s) and BaseType = %d Order by id desc ",
                                                list, list, baseType));
        for (; !rows.eof(); rows.nextRow()) {
            const int id = rows.getIntField(L"ID");
            if (!seen.insert(id).second) continue;
            found.AppendFormat(L"%d,", id);
            names.TrimRight(L',');
            names += L",";
            names += CString(L' ', 2 * rows.getIntField(L"Level")) + rows.getStringField(L"BaseName");
            // Below the types found so far at this level (without the trailing comma).
            CString soFar = found;
            soFar.TrimRight(L',');
            const CString below = ChildIDsBelow(db, soFar, baseType, names, seen);
            if (!below.IsEmpty()) {
                found += below + L",";
                names += L",";
            }
        }
        found.TrimRight(L',');
        names.TrimRight(L',');
        names.TrimLeft(L',');
        return found;
    });
}

}  // namespace

bool CBaseBLL::IsTypeExist(CppSQLite3DB& db, CString name, int baseType, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), false, [&] {
        return db.execScalar(Sql(L"select count(*) from AdvancedBaseData where BaseName = '%s' and BaseType = '%d'",
                                 Quoted(name), baseType)) > 0;
    });
}

CppSQLite3Query CBaseBLL::GetAdBaseDataByType(CppSQLite3DB& db, CString key, int baseType, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select * from AdvancedBaseData Where BaseName like '%%%s' and BaseType ='%d' order by ID DESC",
                Quoted(key), baseType));
    });
}

CppSQLite3Query CBaseBLL::GetADBaseChildDataByName(CppSQLite3DB& db, CString typeName, int baseType, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        const int id = db.execScalar(
            Sql(L"select ID from AdvancedBaseData where BaseName ='%s' and BaseType =%d order by ID DESC",
                Quoted(typeName), baseType));
        return db.execQuery(Sql(L"select * from AdvancedBaseData where ParentID= %d order by ID DESC", id));
    });
}

CString CBaseBLL::GetBaseChildIDsByID(CppSQLite3DB& db, CString ids, int baseType, CString& names) {
    ServiceLock lock;
    // No types given: nothing lies below them.
    if (ids.Trim().IsEmpty()) {
        names.Trim(L',');
        return CString();
    }
    std::set<int> seen;
    return ChildIDsBelow(db, ids, baseType, names, seen);
}

int CBaseBLL::InsertADBaseData(CppSQLite3DB& db, CString name, int baseType, int parentID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        if (IsTypeExist(db, name, baseType, error)) {
            error = L"类别[" + name + L"]已经存在,请确认!";
            return 1;
        }
        int level = 0;
        CppSQLite3Query parent =
            db.execQuery(Sql(L"select * from AdvancedBaseData where ID = %d order by ID DESC", parentID));
        for (; !parent.eof(); parent.nextRow()) level = parent.getIntField(L"Level") + 1;
        parent.finalize();

        CppSQLite3Statement insert = CompileNamedInsert(
            db,
            L"INSERT INTO [AdvancedBaseData]([BaseName],\t[SearchCode],\t[BaseType],\t[UserID],\t[UserName],\t"
            L"[CreateDate],[LastUpdateDate],[Remark],[ParentID],[Level]) VALUES(?,?,?,'0','',?,?,'',?,?)",
            name, baseType);
        insert.bind(6, parentID);
        insert.bind(7, level);
        insert.execDML();

        const int id = db.execScalar(L" SELECT  MAX(ID) FROM  AdvancedBaseData ;");
        m_sysBLL.AddOperateData(db, L"AdvancedBaseData", L"ID", Fmt(L"%d", id), L"A");
        return 0;
    });
}

int CBaseBLL::UpdateADBaseData(CppSQLite3DB& db, int baseType, int id, int newParentID, CString newName,
                               CString& error) {
    ServiceLock lock;
    // A type cannot move below itself: its own ID is not among its descendants, so moving
    // it onto itself is let through.
    CString unusedNames;
    CStringArray below;
    m_sysBLL.splitString(GetBaseChildIDsByID(db, Fmt(L"%d", id), baseType, unusedNames), ',', below);
    const CString parentText = Fmt(L"%d", newParentID);
    for (const CString& childID : below)
        if (childID == parentText) return -3;

    const QuotedSlot name = Quoted(newName);
    return Guard(Report(error), -1, [&] {
        if (db.execScalar(Sql(L"select count(1) from AdvancedBaseData where BaseType = %d and [ID] <> %d and "
                              L"BaseName = '%s'",
                              baseType, id, name)) >= 1)
            return -2;
        CString searchCode;
        m_sysBLL.GetFirstPY(newName, searchCode);

        // The rename and the move stand or fall together.
        Transaction tx(db);
        db.execDML(Sql(L"update AdvancedBaseData set BaseName = '%s',SearchCode = '%s',ParentID = %d,Level =(select "
                       L"Level+1 as Level from AdvancedBaseData  where ID = %d) Where ID = %d ",
                       name, Quoted(searchCode), newParentID, newParentID, id));
        db.execDML(Sql(L"UPDATE Products Set TypeName = '%s' WHERE TypeID = %d and IsLocal = 1", name, id));
        db.execDML(Sql(L"UPDATE SaleBillItems Set TypeName = '%s' WHERE TypeID = %d", name, id));
        db.execDML(Sql(L"UPDATE PurBillItems Set TypeName = '%s' WHERE TypeID = %d", name, id));
        db.execDML(Sql(L"UPDATE Stocks Set TypeName = '%s' WHERE TypeID = %d", name, id));
        db.execDML(Sql(L"UPDATE CompPrice Set TypeName = '%s' WHERE TypeID = %d", name, id));
        m_sysBLL.AddOperateData(db, L"AdvancedBaseData", L"ID", Fmt(L"%d", id), L"U");
        tx.Commit();
        return 0;
    });
}

int CBaseBLL::DeleteAdBaseData(CppSQLite3DB& db, CString name, int baseType, CString& error) {
    ServiceLock lock;
    const QuotedSlot n = Quoted(name);
    return Guard(Report(error), 1, [&] {
        if (db.execScalar(Sql(L"select count(*) from AdvancedBaseData where ParentID in (select ID from "
                              L"AdvancedBaseData  where BaseName = '%s' and BaseType = %d)",
                              n, baseType)) >= 1) {
            error = L"该类别存在子类别，不容许删除，请确认！";
            return -1;
        }
        const CString id = db.execScalarStr(
            Sql(L" SELECT ID from AdvancedBaseData where BaseName = '%s' and BaseType = %d", n, baseType), L"0");
        db.execDML(Sql(L"delete from AdvancedBaseData where BaseName = '%s' and BaseType = %d", n, baseType));
        m_sysBLL.AddOperateData(db, L"AdvancedBaseData", L"ID", id, L"D");
        return 0;
    });
}

int CBaseBLL::GetADBaseDataID(CppSQLite3DB& db, CString name, int baseType, CString& error) {
    ServiceLock lock;
    // Names are unique within a list; should a damaged list hold two, the newest wins.
    return Guard(Report(error), 0, [&] {
        return db.execScalar(
            Sql(L"select ID from AdvancedBaseData where BaseName = '%s' and BaseType = %d order by ID DESC",
                Quoted(name), baseType));
    });
}

CString CBaseBLL::GetTypeIDsByName(CppSQLite3DB& db, CString key, int baseType, CString& error) {
    return Guard(Report(error), CString(), [&] {
        CString ids;
        CppSQLite3Query rows = db.execQuery(
            Sql(L"select ID from AdvancedBaseData where BaseName like '%%%s' and BaseType =%d", Quoted(key), baseType));
        for (; !rows.eof(); rows.nextRow()) ids += rows.getStringField(L"ID") + L",";
        return ids;
    });
}

CString CBaseBLL::GetDefaultTypeName(CppSQLite3DB& db) {
    ServiceLock lock;
    CppSQLite3Query row =
        db.execQuery(Sql(L"select * from AdvancedBaseData where ID = 2 AND Remark = '%s'", L"自定义类别"));
    return row.eof() ? CString() : row.getStringField(L"BaseName");
}

int CBaseBLL::GetProdTypeIDByTypeName(CppSQLite3DB& db, CString typeName) {
    return db.execScalar(
        Sql(L"SELECT ID FROM AdvancedBaseData WHERE BaseType = 1 AND BaseName='%s'", Quoted(typeName)));
}

bool CBaseBLL::IsExistSubType(CppSQLite3DB& db, CString typeName) {
    ServiceLock lock;
    return db.execScalar(Sql(L"select count(1) from AdvancedBaseData where parentid=(select id from AdvancedBaseData t "
                             L"where t.BaseName='%s')",
                             Quoted(typeName))) > 0;
}
