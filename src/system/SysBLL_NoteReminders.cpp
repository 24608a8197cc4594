// CSysBLL: which memos are open and which reminders are due, and reading or ignoring them.
// A repeating memo is one row per occurrence: closing an occurrence adds the next one.
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "system/AcctiveNoteInfo.h"

using namespace shopbiz;

namespace {

// The same wall-clock time `days` calendar days later (a day across a change of daylight
// saving is not 24 hours).
CTime DaysLater(const CTime& time, int days) {
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay() + days, time.GetHour(), time.GetMinute(), 0);
}

// The start of the day after `now`, "yyyy-mm-dd 00:00": open memos are those due before it.
CString TomorrowStart(CSysBLL& sys, const CTime& now) {
    return sys.LongCTime2CString(DaysLater(sys.CString2CTime(sys.CTime2CString(now)), 1));
}

enum class Closing { Read, Ignore };

// Closes the memo's current occurrence; a daily, weekly or monthly memo first gets its next
// one, in the same transaction, so a memo never loses its series nor gains a second one.
int CloseOccurrence(CppSQLite3DB& db, int noteID, Closing closing) {
    CSysBLL sys;
    CppSQLite3Query note = db.execQuery(Sql(L"select * from ActiveNotes where ActiveNoteID = %d;", noteID));
    if (note.eof()) return 0;
    const int frequency = note.getIntField(L"Frequency");
    if (frequency == 0) {
        note.finalize();
        return db.execDML(closing == Closing::Read
                              ? Sql(L"update ActiveNotes set IsLost = 1,IsRead = 1 where ActiveNoteID = %d;", noteID)
                              : Sql(L"update ActiveNotes set IsLost = 1,IsCancel=1 where ActiveNoteID = %d;", noteID));
    }
    if (frequency < 1 || frequency > 3) return -1;

    const CTime due = sys.CString2LongCTime(note.getStringField(L"ActiveNoteTime"));
    const int days = frequency == 1 ? 1 : frequency == 2 ? 7 : sys.GetMonthDays(due);
    const CTime nextDue = DaysLater(due, days);
    CAcctiveNoteInfo next;
    next.ActiveNoteTime = sys.LongCTime2CString(nextDue);
    next.ActiveContent = note.getStringField(L"ActiveContent");
    next.ActiveNoteType = note.getIntField(L"ActiveNoteType");
    next.IsActive = note.getIntField(L"IsActive");
    next.WeekDay = nextDue.GetDayOfWeek();
    next.Aheadtime = note.getIntField(L"Aheadtime");
    next.Frequency = frequency;
    next.UserName = note.getStringField(L"UserName");
    note.finalize();

    Transaction tx(db);
    CString error;
    if (sys.SaveActiveNote(db, next, error) != 0) return -1;  // logged by SaveActiveNote
    const int status = db.execDML(Sql(L"update ActiveNotes set IsLost = 1,IsRead = 1 where ActiveNoteID = %d;", noteID));
    tx.Commit();
    return status;
}

// Handles every reminder due now; stops at the first failure.
int CloseAllDue(CSysBLL& sys, CppSQLite3DB& db, const CTime& now, const CString& user, Closing closing) {
    CStringArray due;
    sys.GetActiveNotes(db, user, now, due);
    int result = 0;
    for (const CString& reminder : due) {
        const int noteID = WToI(reminder.Left(reminder.Find(L'~')));
        result = closing == Closing::Read ? sys.ReadActiveNoteByID(db, noteID) : sys.IgnoreActiveNoteByID(db, noteID);
        if (result < 0) {
            LogLine(closing == Closing::Read ? Fmt(L"ReadAllActiveNote Err:ID%d,已读备忘失败！", noteID)
                                             : Fmt(L"IgnoreAllActiveNote Err:ID%d,忽略备忘失败！", noteID));
            break;
        }
    }
    return result;
}

}  // namespace

CppSQLite3Query CSysBLL::GetActiveNotes(CppSQLite3DB& db, CString user, CTime now) {
    ServiceLock lock;
    return Guard(Log(L"GetActiveNotes Err:%s"), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select * from ActiveNotes where UserName = '%s' AND [ActiveNoteTime] < '%s' AND "
                                L"IsRead=0 AND IsCancel=0 order by ActiveNoteTime",
                                Quoted(user), Quoted(TomorrowStart(*this, now))));
    });
}

int CSysBLL::GetActiveNotes(CppSQLite3DB& db, CString user, CTime now, CStringArray& reminders) {
    ServiceLock lock;
    reminders.RemoveAll();
    return Guard(Log(L"CSysBLL::GetActiveNotes Error:%s"), 0, [&] {
        CppSQLite3Query q = db.execQuery(Sql(L"select * from ActiveNotes where UserName = '%s' AND [ActiveNoteTime] < "
                                             L"'%s' AND IsActive=1 AND IsRead=0 AND IsCancel=0 order by ActiveNoteTime",
                                             Quoted(user), Quoted(TomorrowStart(*this, now))));
        int count = 0;
        for (; !q.eof(); q.nextRow()) {
            const CString due = q.getStringField(L"ActiveNoteTime");
            const CTime remindAt = CString2LongCTime(due) - CTimeSpan(0, 0, q.getIntField(L"Aheadtime"), 0);
            if (now < remindAt) continue;
            reminders.Add(q.getStringField(L"ActiveNoteID") + L"~" + q.getStringField(L"ActiveContent") + L"~" + due);
            ++count;
        }
        return count;
    });
}

int CSysBLL::ReadActiveNoteByID(CppSQLite3DB& db, int noteID) {
    ServiceLock lock;
    return Guard(Log(L"ReadActiveNoteByID Err:%s"), -1, [&] { return CloseOccurrence(db, noteID, Closing::Read); });
}

int CSysBLL::IgnoreActiveNoteByID(CppSQLite3DB& db, int noteID) {
    ServiceLock lock;
    return Guard(Log(L"IgnoreActiveNoteByID Err:%s"), -1, [&] { return CloseOccurrence(db, noteID, Closing::Ignore); });
}

int CSysBLL::ReadAllActiveNote(CppSQLite3DB& db, CTime now, CString user) {
    ServiceLock lock;
    return Guard(Log(L"IgnoreAllActiveNote Err:%s"), -1, [&] { return CloseAllDue(*this, db, now, user, Closing::Read); });
}

int CSysBLL::IgnoreAllActiveNote(CppSQLite3DB& db, CTime now, CString user) {
    ServiceLock lock;
    return Guard(Log(L"IgnoreAllActiveNote Err:%s"), -1,
                 [&] { return CloseAllDue(*this, db, now, user, Closing::Ignore); });
}
