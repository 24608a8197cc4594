// CSysBLL: operators' memos (ActiveNotes): storing, changing, deleting and listing them by
// day and month. Due reminders and the repetition of memos: SysBLL_NoteReminders.cpp.
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "system/AcctiveNoteInfo.h"

using namespace shopbiz;

namespace {

// "yyyy-mm-dd hh:mm" naming a real minute: due times are compared as text, so only this
// one form may be stored.
bool IsDueTime(const CString& text) {
    const wchar_t* form = L"0000-00-00 00:00";
    if (text.GetLength() != 16) return false;
    for (int i = 0; i < 16; ++i) {
        const bool digit = text[i] >= L'0' && text[i] <= L'9';
        if (form[i] == L'0' ? !digit : text[i] != form[i]) return false;
    }
    COleDateTime due;
    return due.SetDateTime(WToI(text.Mid(0, 4)), WToI(text.Mid(5, 2)), WToI(text.Mid(8, 2)), WToI(text.Mid(11, 2)),
                           WToI(text.Mid(14, 2)), 0) == 0;
}

}  // namespace

int CSysBLL::SaveActiveNote(CppSQLite3DB& db, const CAcctiveNoteInfo& note, CString& error) {
    ServiceLock lock;
    error.Empty();
    return Guard(Report(error, L"SaveActiveNote Err:%s"), -1, [&] {
        if (!IsDueTime(note.ActiveNoteTime))
            throw CppSQLite3Exception(1, L"invalid due time (yyyy-mm-dd hh:mm): " + note.ActiveNoteTime);
        const QuotedSlot due = Quoted(note.ActiveNoteTime), content = Quoted(note.ActiveContent),
                         user = Quoted(note.UserName), created = Quoted(LongCTime2CString(CTime::GetCurrentTime()));
        if (db.execScalar(Sql(L"select count(*) from ActiveNotes where ActiveNoteID =%d", note.ActiveNoteID)) > 0)
            return db.execDML(Sql(L"update ActiveNotes set [ActiveNoteTime] ='%s', [ActiveContent] ='%s', "
                                  L"[ActiveNoteType] =%d, [IsActive] =%d, [IsLost] =%d, [IsCancel] = %d, "
                                  L"[WeekDay] = %d, [Aheadtime] = %d, [Frequency] = %d, [IsRead] = %d, "
                                  L"[UserName] ='%s', [CreateDate] ='%s' where ActiveNoteID = %d ",
                                  due, content, note.ActiveNoteType, note.IsActive, note.IsLost, note.IsCancel,
                                  note.WeekDay, note.Aheadtime, note.Frequency, note.IsRead, user, created,
                                  note.ActiveNoteID));
        return db.execDML(Sql(L"insert into ActiveNotes([ActiveNoteTime], [ActiveContent] , [ActiveNoteType] , "
                              L"[IsActive] , [IsLost] , [IsCancel] , [WeekDay] , [Aheadtime] , [Frequency] , "
                              L"[IsRead] , [UserName] , [CreateDate]) values('%s','%s',%d,%d,%d,%d,%d,%d,%d,%d,'%s','%s');",
                              due, content, note.ActiveNoteType, note.IsActive, note.IsLost, note.IsCancel,
                              note.WeekDay, note.Aheadtime, note.Frequency, note.IsRead, user, created));
    });
}

int CSysBLL::UpdateActiveNote(CppSQLite3DB& db, int noteID, CString date, CString text, int type, CString user) {
    ServiceLock lock;
    return Guard(Log(L"UpdateActiveNote Err:%s"), -1, [&] {
        return db.execDML(Sql(L"update ActiveNotes set ActiveNoteDate = '%s',ActiveNote = '%s', ActiveNoteType = "
                              L"%d,UserName = '%s' where ActiveNoteID = %d and IsSystem = 0;",
                              Quoted(date), Quoted(text), type, Quoted(user), noteID));
    });
}

int CSysBLL::DeleteActiveNote(CppSQLite3DB& db, int noteID) {
    ServiceLock lock;
    return Guard(Log(L"DeleteActiveNote Err:%s"), -1,
                 [&] { return db.execDML(Sql(L"delete from ActiveNotes where ActiveNoteID = %d;", noteID)); });
}

CppSQLite3Query CSysBLL::GetActiveNoteByID(CppSQLite3DB& db, int noteID) {
    ServiceLock lock;
    return Guard(Log(L"GetActiveNoteByID Err:%s"), CppSQLite3Query(),
                 [&] { return db.execQuery(Sql(L"select * from ActiveNotes where ActiveNoteID = %d;", noteID)); });
}

CppSQLite3Query CSysBLL::GetActiveNotesByDate(CppSQLite3DB& db, CString date, CString user, long& count) {
    ServiceLock lock;
    return Guard(Log(L"GetActiveNotesByDate Err:%s"), CppSQLite3Query(), [&] {
        const SqlText where = Sql(L"from ActiveNotes where strftime('%%Y-%%m-%%d', [ActiveNoteTime]) = "
                                  L"strftime('%%Y-%%m-%%d','%s') and UserName = '%s' order by ActiveNoteTime",
                                  Quoted(date), Quoted(user));
        count = db.execScalar(L"select count(*)" + where);
        return db.execQuery(L"select *" + where);
    });
}

CppSQLite3Query CSysBLL::GetCurMonthActiveNotes(CppSQLite3DB& db, CString date, CString user, long& count) {
    ServiceLock lock;
    return Guard(Log(L"GetCurMonthActiveNotes Err:%s"), CppSQLite3Query(), [&] {
        const SqlText where = Sql(L"from ActiveNotes where strftime('%%Y-%%m', [ActiveNoteTime]) = "
                                  L"strftime('%%Y-%%m','%s') and UserName = '%s' order by ActiveNoteTime",
                                  Quoted(date), Quoted(user));
        count = db.execScalar(L"select count(*)" + where);
        return db.execQuery(L"select *" + where);
    });
}

int CSysBLL::UpdateIsCancelActiveNote(CppSQLite3DB& db, int noteID) {
    ServiceLock lock;
    return Guard(Log(L"UpdateIsCancelActiveNote Err:%s"), -1, [&] {
        CppSQLite3Query note = db.execQuery(Sql(L"select * from ActiveNotes where ActiveNoteID = %d;", noteID));
        if (note.eof()) return 0;
        const int cancel = note.getIntField(L"IsCancel") == 0 ? 1 : 0;
        note.finalize();
        return db.execDML(Sql(L"update ActiveNotes set [IsCancel] =%d where ActiveNoteID = %d;", cancel, noteID));
    });
}
