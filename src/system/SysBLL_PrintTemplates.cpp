// CSysBLL: the print templates (NoteType), the fields they may cite (NoteCitation) and the
// print data the print engine reads through them.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

CppSQLite3Query CSysBLL::GetPrintSetup(CppSQLite3DB& db, CString noteTypeName) {
    return db.execQuery(Sql(L"select FPrintSetup,FEntrysPerNote,FLeft,FTop,OtherPrintSet from NoteType where "
                            L"FNoteTypeName ='%s'",
                            Quoted(noteTypeName)));
}

int CSysBLL::UpdatePrintSetup(CppSQLite3DB& db, CString noteTypeName, int entrysPerNote, CString printSetup, int left,
                              int top, CString otherPrintSet) {
    CppSQLite3Statement update = db.compileStatement(
        L"UPDATE NoteType SET FPrintSetup = ?,FEntrysPerNote=?,FLeft=?,FTop=?,OtherPrintSet=? WHERE FNoteTypeName = ? ");
    update.bind(1, printSetup.GetString());
    update.bind(2, entrysPerNote);
    update.bind(3, left);
    update.bind(4, top);
    update.bind(5, otherPrintSet.GetString());
    update.bind(6, noteTypeName.GetString());
    return update.execDML();
}

bool CSysBLL::ISPrintSetupNull(CppSQLite3DB& db, CString noteTypeName) {
    CppSQLite3Query q =
        db.execQuery(Sql(L"select FPrintSetup from NoteType where FNoteTypeName ='%s'", Quoted(noteTypeName)));
    return q.eof() || q.fieldValue(0).IsEmpty();
}

CppSQLite3Query CSysBLL::GetNoteInfo(CppSQLite3DB& db, int /*which*/) {
    ServiceLock lock;
    // Every template, whatever is asked for: the host filters by FIsEdited and FInUse itself.
    return Guard(Log(L"GetNoteInfo Err:%s"), CppSQLite3Query(),
                 [&] { return db.execQuery(L"SELECT  * FROM NoteType ORDER BY FIsEdited DESC ,FOrderNO ASC"); });
}

int CSysBLL::UpdateNote(CppSQLite3DB& /*db*/, CString /*text*/, int /*value*/) {
    ServiceLock lock;
    return 0;
}

CppSQLite3Query CSysBLL::AddKeyWords(CppSQLite3DB& db, CString noteTypeName, int& count, CString& /*error*/) {
    const QuotedSlot name = Quoted(noteTypeName);
    count = db.execScalar(Sql(L"select count(*) as RowCount from NoteCitation where FNoteType in (select FCode from "
                              L"NoteType where FNoteTypeName = '%s')",
                              name));
    return db.execQuery(Sql(L"select *from NoteCitation where FNoteType in (select FCode from NoteType where "
                            L"FNoteTypeName = '%s') order by FID",
                            name));
}

CppSQLite3Query CSysBLL::GetQueryData(CppSQLite3DB& db, CString noteTypeName, CString citationName, long /*recordNo*/,
                                      long entryNo, int test, CString& /*error*/) {
    SqlText sql = test ? L" SELECT t.KeyWordName,t.KeyWordValue,t.KeyWordType,a.FIsMoney,a.FCitationName FROM SysPrintTestData t"
                       : L" SELECT t.KeyWordName,t.KeyWordValue,t.KeyWordType,a.FIsMoney,a.FCitationName FROM SysPrintData t";
    sql += Sql(L",NoteCitation a, NoteType b where a.FNoteType = b.FCode and t.KeyWordName = a.FCode and t.BillType = "
               L"b.FNoteTypeName and b.FNoteTypeName='%s' and (a.FCitationName = '%s' or a.FCitationName = '%s')",
               Quoted(noteTypeName), Quoted(citationName), Quoted(L"@" + citationName));
    if (entryNo >= 0) sql += Sql(L" and EntryNo = %d", entryNo);
    return db.execQuery(sql);
}
