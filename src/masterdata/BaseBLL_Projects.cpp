// CBaseBLL: the income and expense items (Project) that classify cash-journal entries.
#include "frame/ServiceFrame.h"
#include "masterdata/BaseBLL.h"

using namespace shopbiz;

namespace {
// Opening entries (type 4) and the contact groups (no account type) are not items.
constexpr const wchar_t* kOnlyItems = L" and ProjectType <> 4 And AccountType<>'' ";
constexpr const wchar_t* kNameTaken = L"请输入不重复的项目名称！";
}  // namespace

CppSQLite3Query CBaseBLL::GetProject(CppSQLite3DB& db, CString accountType, int all, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        SqlText sql = Sql(L"select * From Project Where AccountType like '%%%s%%'", Quoted(accountType));
        if (all == 0) sql += L" and IsDisable = 0";
        sql += kOnlyItems;
        return db.execQuery(sql);
    });
}

CppSQLite3Query CBaseBLL::GetProjectByKey(CppSQLite3DB& db, CString key, CString accountType, int projectType, int all,
                                          CString& error) {
    ServiceLock lock;
    CSysBLL::GetSafeString(key);
    CSysBLL::GetSafeString(accountType);
    return Guard(Report(error), CppSQLite3Query(), [&] {
        SqlText sql = Sql(L"select * From Project Where (ProjectName like '%%%s%%' or SearchCode like '%%%s%%') ",
                          Quoted(key), Quoted(key));
        if (!accountType.IsEmpty()) sql += Sql(L" and AccountType = '%s' ", Quoted(accountType));
        if (all == 0) sql += L"and IsDisable = 0";
        if (projectType > 0) sql += Sql(L" and ProjectType = %d", projectType);
        sql += kOnlyItems;
        sql += L" order by IsSystem desc,ProjectName";
        return db.execQuery(sql);
    });
}

CppSQLite3Query CBaseBLL::InsertProject(CppSQLite3DB& db, CString name, CString accountType, int& status, int isProfit,
                                        CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        if (IsExist(db, 0, name, error)) {
            error = kNameTaken;
            status = 1;
            if (db.execScalar(Sql(L"select count(*) from Project where ProjectName='%s' and IsDisable=1  and "
                                  L"AccountType='%s' ",
                                  Quoted(name), Quoted(accountType))) > 0) {
                error = L"名称在收支项目中已经存在，但已经停用，是否立即启用？";
                status = 2;
            }
        } else {
            CString searchCode;
            m_sysBLL.GetFirstPY(name, searchCode);
            const CString now = m_sysBLL.GetTimeNowLong();
            CppSQLite3Statement insert = db.compileStatement(
                L"INSERT INTO [Project]([ProjectName], [ProjectType], [AccountType],[SearchCode], [IsDisable], "
                L"[IsDelete], [IsSystem], [SyncState],[UserID], [UserName], [CreateDate],[LastUpdateDate],[IsProfit]) "
                L"VALUES(?,'3',?,?,'0','0','0','0','0','',?,?,?)");
            insert.bind(1, name.GetString());
            insert.bind(2, accountType.GetString());
            insert.bind(3, searchCode.GetString());
            insert.bind(4, now.GetString());
            insert.bind(5, now.GetString());
            insert.bind(6, isProfit);
            insert.execDML();
        }
        return db.execQuery(L"select * from [Project] order by projectID asc");
    });
}

int CBaseBLL::UpdateProject(CppSQLite3DB& db, int projectID, CString name, CString accountType, int isProfit,
                            CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        if (IsExist(db, projectID, name, error)) {
            error = kNameTaken;
            return 1;
        }
        CString searchCode;
        m_sysBLL.GetFirstPY(name, searchCode);
        CppSQLite3Statement update = db.compileStatement(
            L"Update [Project] Set [ProjectName] = ?, [SearchCode] = ?, [AccountType] = ? ,[IsDisable] = ? ,"
            L"[IsProfit] = ?   Where ProjectID = ?");
        update.bind(1, name.GetString());
        update.bind(2, searchCode.GetString());
        update.bind(3, accountType.GetString());
        update.bind(4, 0);  // an edited item is in use again
        update.bind(5, isProfit);
        update.bind(6, projectID);
        update.execDML();
        update.finalize();

        CppSQLite3Query first = db.execQuery(Sql(L"select *from Account where ProjectID = %d", projectID));
        const CString journalType = first.eof() ? CString() : first.getStringField(L"AccountType");
        first.finalize();

        // The journal follows the item; a change of side moves each amount across.
        const QuotedSlot n = Quoted(name), t = Quoted(accountType);
        if (accountType == journalType)
            db.execDML(
                Sql(L"Update [Account] Set ProjectName='%s', AccountType='%s' Where ProjectID=%d", n, t, projectID));
        else if (accountType == L"收入")
            db.execDML(Sql(L"Update [Account] Set ProjectName='%s',InAmount = OutAmount,OutAmount=0, AccountType='%s' "
                           L"Where ProjectID=%d",
                           n, t, projectID));
        else
            db.execDML(Sql(L"Update [Account] Set ProjectName='%s',OutAmount = InAmount ,InAmount=0, AccountType='%s' "
                           L"Where ProjectID=%d",
                           n, t, projectID));
        return 0;
    });
}

int CBaseBLL::DeleteProject(CppSQLite3DB& db, int projectID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        db.execDML(Sql(L"delete from Project Where projectID = '%d'", projectID));
        return 0;
    });
}

int CBaseBLL::DisableProject(CppSQLite3DB& db, int projectID, bool disable, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        db.execDML(Sql(L"update Project set IsDisable = '%d' Where projectID = '%d'", disable ? 1 : 0, projectID));
        return 0;
    });
}

int CBaseBLL::DisableProject(CppSQLite3DB& db, CString name, bool disable, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        db.execDML(Sql(L"update Project set IsDisable = '%d' Where IsDisable =1 and ProjectName = '%s'",
                       disable ? 1 : 0, Quoted(name)));
        return 0;
    });
}

bool CBaseBLL::IsUsed(CppSQLite3DB& db, int projectID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), false, [&] {
        return db.execScalar(Sql(L"select count(*) from Account where ProjectID = '%d'", projectID)) > 0;
    });
}

bool CBaseBLL::IsExist(CppSQLite3DB& db, int projectID, CString name, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), false, [&] {
        return db.execScalar(Sql(L"select count(*) from Project where ProjectName='%s' and ProjectID <> '%d'",
                                 Quoted(name), projectID)) > 0;
    });
}
