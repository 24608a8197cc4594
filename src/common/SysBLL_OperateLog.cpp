// CSysBLL: the change journal for data synchronisation (OperateData), the per-period usage
// counters of the host's functions (OperateInfo) and the search box history (SearchHistory).
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// Builds the statement that counts one more use of the function in the period. The text
// held in `sql` is always the last one built: first the lookup, then the write.
void BuildUseCountStatement(CppSQLite3DB& db, const CString& period, const CString& funNo, SqlText& sql) {
    const QuotedSlot p = Quoted(period), f = Quoted(funNo);
    sql = Sql(L" SELECT * FROM OperateInfo WHERE UseDate='%s' AND FunNo='%s' ", p, f);
    int count = 0;
    CppSQLite3Query row = db.execQuery(sql);
    if (!row.eof()) count = row.getIntField(L"UseTimes", 0);
    row.finalize();
    if (count != 0)
        sql = Sql(L" UPDATE OperateInfo SET UseTimes=%d WHERE UseDate='%s' AND FunNo='%s' ;", count + 1, p, f);
    else
        sql = Sql(L" INSERT INTO OperateInfo(UseDate,FunNo,UseTimes) VALUES('%s','%s',1)", p, f);
}

}  // namespace

// --- Change journal --------------------------------------------------------------------------

int CSysBLL::AddOperateData(CppSQLite3DB& db, CString table, CString keyColumn, CString keyValue, CString operation) {
    ServiceLock lock;
    if (GetSysSettingForCString(db, L"IsUseDataSync", L"0") == L"0") return 1;

    const QuotedSlot t = Quoted(table), c = Quoted(keyColumn), v = Quoted(keyValue), op = Quoted(operation);
    auto insertRow = [&] {
        db.execDML(Sql(L" INSERT INTO OperateData(TName,CName,CValue,OType)VALUES('%s','%s','%s','%s');", t, c, v, op));
    };
    auto markAs = [&](const wchar_t* updateTemplate) { db.execDML(Sql(updateTemplate, t, c, v)); };
    const wchar_t* kMarkAdded = L"UPDATE  OperateData SET OType='A' WHERE TName='%s' AND CName='%s' AND CValue = '%s' ";
    const wchar_t* kMarkDeleted = L"UPDATE  OperateData SET OType='D' WHERE TName='%s' AND CName='%s' AND CValue = '%s' ";

    CppSQLite3Query row =
        db.execQuery(Sql(L" SELECT * FROM  OperateData WHERE TName='%s' AND CName='%s' AND CValue = '%s' ", t, c, v));
    if (row.eof()) {
        row.finalize();
        insertRow();
        return 1;
    }
    const CString stored = row.getStringField(L"OType", L"");
    row.finalize();

    // Merge with what is journalled already: the host only needs to know whether the row
    // is new to it ("A") or gone ("D"); an update of a journalled row keeps it "A".
    if (stored == operation) return 1;
    if (operation == L"A") {
        if (stored == L"U")
            markAs(kMarkAdded);
        else
            insertRow();  // e.g. deleted and added again: both are kept
    } else if (operation == L"U") {
        markAs(kMarkAdded);
    } else if (operation == L"D") {
        markAs(kMarkDeleted);
    } else {
        insertRow();
    }
    return 1;
}

// --- Usage counters --------------------------------------------------------------------------

int CSysBLL::AddOperateInfo(CppSQLite3DB& db, CString funNo, bool /*flag*/) {
    CString period = GetTimeNowShort();
    period.Replace(L"-", L"/");
    period = period.Left(7);  // yyyy/mm
    SqlText sql;
    // A failed lookup still runs: the statement held then is the lookup itself.
    Guard(CatchAll(L"CSysBLL::AddOperateInfo() 异常."), [&] { BuildUseCountStatement(db, period, funNo, sql); });
    return db.execDML(sql);
}

int CSysBLL::AddOperateInfoByTime(CppSQLite3DB& db, CString funNo, CString period, bool skip) {
    if (skip || funNo == L"" || funNo == L"0") return 0;
    if (period.IsEmpty()) {
        period = GetTimeNowLong();
        period.Replace(L"-", L"/");
        period = period.Left(10);  // yyyy/mm/dd
    }
    SqlText sql;
    BuildUseCountStatement(db, period, funNo, sql);
    return db.execDML(sql);
}

CppSQLite3Query CSysBLL::QueryOperateInfo(CppSQLite3DB& db, CString period) {
    CppSQLite3Query result;
    result = period.IsEmpty() ? db.execQuery(L" SELECT * FROM OperateInfo ")
                              : db.execQuery(Sql(L" SELECT * FROM OperateInfo WHERE UseDate='%s' ", Quoted(period)));
    return result;
}

int CSysBLL::ClearOperateInfo(CppSQLite3DB& db, CString period) {
    if (period.IsEmpty()) return db.execDML(L" DELETE FROM OperateInfo ");
    return db.execDML(Sql(L" DELETE FROM OperateInfo  WHERE UseDate='%s' ", Quoted(period)));
}

void CSysBLL::GetOperateInfoDateList(CppSQLite3DB& db, CStringArray& dates) {
    dates.RemoveAll();
    CppSQLite3Query q = db.execQuery(L"SELECT DISTINCT UseDate FROM OperateInfo;");
    for (; !q.eof(); q.nextRow()) dates.Add(q.getStringField(L"UseDate"));
}

// --- Search history --------------------------------------------------------------------------

int CSysBLL::SaveSearchHistory(CppSQLite3DB& db, CString keyword) {
    if (keyword.IsEmpty()) return 0;
    const QuotedSlot k = Quoted(keyword);
    Guard(ShowMessage(), [&] {
        if (db.execScalar(Sql(L"Select count(1) from [SearchHistory] Where [Keyword] = '%s'", k)) < 1)
            db.execDML(Sql(L"INSERT INTO [SearchHistory] VALUES('%s', 1)", k));
        else
            db.execDML(Sql(L"UPDATE [SearchHistory] SET Hits=Hits+1 Where [Keyword] = '%s'", k));
    });
    return 0;
}

CppSQLite3Query CSysBLL::GetTop10SearchHistory(CppSQLite3DB& db, CString keywordPart, int& count) {
    const QuotedSlot k = Quoted(keywordPart);
    CppSQLite3Query result;
    result = Guard(ShowMessage(), CppSQLite3Query(), [&] {
        count = db.execScalar(
            Sql(L"Select count(1) from [SearchHistory] Where [Keyword] like '%%%s%%' ORDER BY [Hits] DESC LIMIT 10", k));
        return db.execQuery(
            Sql(L"Select * from [SearchHistory] Where [Keyword] like '%%%s%%' ORDER BY [Hits] DESC LIMIT 10", k));
    });
    return result;
}
