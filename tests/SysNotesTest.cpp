// Memos and reminders of CSysBLL, and the question asked before a partner is deleted.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class SysNotes : public ShopDbTest {
protected:
    // Saves a memo of 张三 (unless another user is given); its new ID.
    int Memo(const wchar_t* due, int frequency = 0, int ahead = 0, int active = 1, const wchar_t* user = L"张三") {
        CAcctiveNoteInfo note;
        note.ActiveNoteTime = due;
        note.ActiveContent = L"进货'";
        note.ActiveNoteType = 2;
        note.IsActive = active;
        note.Aheadtime = ahead;
        note.Frequency = frequency;
        note.UserName = user;
        EXPECT_EQ(sys.SaveActiveNote(db, note, error), 0) << error;
        return static_cast<int>(db.lastRowId());
    }
    CString Notes() {
        CString rows = RowsOf(db, L"SELECT ActiveNoteTime, WeekDay, IsLost, IsRead, IsCancel FROM ActiveNotes ORDER BY "
                                  L"ActiveNoteID");
        rows.Replace(L"\n", L"; ");
        return rows;
    }
    static CTime At(int day, int hour, int minute) { return CTime(2013, 5, day, hour, minute, 0); }

    CSysBLL sys;
    CString error;
};

TEST_F(SysNotes, SavedListedChangedAndDeleted) {
    const int id = Memo(L"2013-05-06 10:00");
    EXPECT_EQ(RowsOf(db, L"SELECT ActiveContent, ActiveNoteType, IsActive, UserName, CreateDate FROM ActiveNotes"),
              L"进货'|2|1|张三|2013-05-06 14:03");
    Memo(L"2013-05-31 23:59");
    Memo(L"2013-06-01 00:00");
    Memo(L"2013-05-06 08:00", 0, 0, 1, L"李四");
    long count = 0;
    EXPECT_EQ(ListOf(sys.GetActiveNotesByDate(db, L"2013-05-06", L"张三", count), L"ActiveNoteTime"), L"2013-05-06 10:00");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ListOf(sys.GetCurMonthActiveNotes(db, L"2013-05-20", L"张三", count), L"ActiveNoteID"), L"1,2");
    EXPECT_EQ(count, 2);
    // A stored memo is rewritten in place; a due time in any other form is refused.
    CAcctiveNoteInfo note;
    note.ActiveNoteID = id;
    note.ActiveNoteTime = L"2013-05-07 09:15";
    note.UserName = L"张三";
    EXPECT_EQ(sys.SaveActiveNote(db, note, error), 0);
    for (const wchar_t* bad : {L"2013-02-29 10:00", L"2013-5-6 10:00", L"2013-05-06 24:00", L""}) {
        note.ActiveNoteTime = bad;
        EXPECT_EQ(sys.SaveActiveNote(db, note, error), -1);
        EXPECT_EQ(error, CString(L"SaveActiveNote Err:invalid due time (yyyy-mm-dd hh:mm): ") + bad);
    }
    EXPECT_EQ(TakeLog().size(), 4u);
    EXPECT_EQ(Text(L"SELECT ActiveNoteTime || ActiveContent FROM ActiveNotes WHERE ActiveNoteID=1"), L"2013-05-07 09:15");
    // The further text columns are written, except on system memos.
    Exec(L"UPDATE ActiveNotes SET IsSystem=1 WHERE ActiveNoteID=2");
    for (int n : {1, 2}) EXPECT_EQ(sys.UpdateActiveNote(db, n, L"2013-05-08", L"说明", 3, L"王五"), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT ActiveNoteDate, ActiveNote, ActiveNoteType, UserName FROM ActiveNotes WHERE "
                         L"ActiveNoteID<3"),
              L"2013-05-08|说明|3|王五\n||2|张三");
    EXPECT_EQ(sys.DeleteActiveNote(db, 1), 0);
    EXPECT_EQ(ListOf(sys.GetActiveNoteByID(db, 1), L"ActiveNoteID") + ListOf(sys.GetActiveNoteByID(db, 2), L"ActiveNoteID"),
              L"2");
}

TEST_F(SysNotes, RepeatingMemosStepByDayWeekAndMonthLength) {
    const std::tuple<int, const wchar_t*, const wchar_t*> steps[] = {
        {1, L"2012-02-28 23:30", L"2012-02-29 23:30|4"},  // leap day
        {1, L"2013-02-28 08:00", L"2013-03-01 08:00|6"},
        {1, L"2012-12-31 21:00", L"2013-01-01 21:00|3"},  // year end
        {2, L"2012-02-25 09:00", L"2012-03-03 09:00|7"},
        {2, L"2013-12-28 09:00", L"2014-01-04 09:00|7"},
        {3, L"2012-01-31 10:00", L"2012-03-02 10:00|6"},  // the 31 days of January
        {3, L"2012-02-10 10:00", L"2012-03-10 10:00|7"},  // 29 days of February 2012
        {3, L"2013-02-10 10:00", L"2013-03-10 10:00|1"},  // 28 days of February 2013
        {3, L"2013-12-15 10:00", L"2014-01-15 10:00|4"},
    };
    for (const auto& [frequency, due, next] : steps) {
        Exec(L"DELETE FROM ActiveNotes");
        const int id = Memo(due, frequency, 15);
        EXPECT_EQ((id % 2 ? sys.ReadActiveNoteByID(db, id) : sys.IgnoreActiveNoteByID(db, id)), 0);
        // The occurrence is closed as read (also when ignored); the next one is open.
        EXPECT_EQ(Notes(), Fmt(L"%s|0|1|1|0; %s|0|0|0", due, next)) << CString(due);
        EXPECT_EQ(RowsOf(db, L"SELECT ActiveContent, ActiveNoteType, IsActive, Aheadtime, Frequency, UserName FROM "
                             L"ActiveNotes WHERE IsLost=0"),
                  Fmt(L"进货'|2|1|15|%d|张三", frequency));
    }
}

TEST_F(SysNotes, OnceMemosCloseAndUnknownFrequenciesStay) {
    const int read = Memo(L"2013-05-06 10:00"), ignored = Memo(L"2013-05-06 11:00"), odd = Memo(L"2013-05-06 12:00", 5);
    EXPECT_EQ(sys.ReadActiveNoteByID(db, read), 0);
    EXPECT_EQ(sys.IgnoreActiveNoteByID(db, ignored), 0);
    EXPECT_EQ(sys.ReadActiveNoteByID(db, odd), -1);
    EXPECT_EQ(sys.IgnoreActiveNoteByID(db, odd), -1);
    EXPECT_EQ(sys.ReadActiveNoteByID(db, 99), 0);
    EXPECT_EQ(Notes(), L"2013-05-06 10:00|0|1|1|0; 2013-05-06 11:00|0|1|0|1; 2013-05-06 12:00|0|0|0|0");
    // Switching off and on again.
    EXPECT_EQ(sys.UpdateIsCancelActiveNote(db, odd), 0);
    EXPECT_EQ(Int(Fmt(L"SELECT IsCancel FROM ActiveNotes WHERE ActiveNoteID=%d", odd)), 1);
    EXPECT_EQ(sys.UpdateIsCancelActiveNote(db, odd), 0);
    EXPECT_EQ(Int(Fmt(L"SELECT IsCancel FROM ActiveNotes WHERE ActiveNoteID=%d", odd)), 0);
    // Reading all due reminders stops at the one that cannot be read.
    EXPECT_EQ(sys.ReadAllActiveNote(db, At(6, 12, 0), L"张三"), -1);
    EXPECT_EQ(TakeLog(), (std::vector<CString>{Fmt(L"ReadAllActiveNote Err:ID%d,已读备忘失败！", odd)}));
}

TEST_F(SysNotes, RemindersAreDueFromTheirLeadTime) {
    const int early = Memo(L"2013-05-06 09:00", 0, 0, 0);  // no reminder
    const int lead = Memo(L"2013-05-06 10:00", 0, 30);
    const int late = Memo(L"2013-05-06 23:59", 1);
    Memo(L"2013-05-07 00:00");                   // tomorrow
    Memo(L"2013-05-06 08:00", 0, 0, 1, L"李四");  // someone else's
    CStringArray due;
    EXPECT_EQ(sys.GetActiveNotes(db, L"张三", At(6, 9, 29), due), 0);
    EXPECT_EQ(sys.GetActiveNotes(db, L"张三", At(6, 9, 30), due), 1);
    EXPECT_EQ(due[0], Fmt(L"%d~进货'~2013-05-06 10:00", lead));
    EXPECT_EQ(ListOf(sys.GetActiveNotes(db, L"张三", At(6, 9, 30)), L"ActiveNoteID"), Fmt(L"%d,%d,%d", early, lead, late));
    // Ignoring everything due at midnight's last minute: the daily memo moves on to tomorrow.
    EXPECT_EQ(sys.IgnoreAllActiveNote(db, At(6, 23, 59), L"张三"), 0);
    EXPECT_EQ(ListOf(sys.GetActiveNotes(db, L"张三", At(6, 23, 59)), L"ActiveNoteID"), Fmt(L"%d", early));
    EXPECT_EQ(ListOf(sys.GetActiveNotes(db, L"张三", At(7, 0, 0)), L"ActiveNoteTime"),
              L"2013-05-06 09:00,2013-05-07 00:00,2013-05-07 23:59");
    EXPECT_EQ(sys.ReadAllActiveNote(db, At(7, 23, 59), L"张三"), 0);
    EXPECT_EQ(sys.GetActiveNotes(db, L"张三", At(7, 23, 59), due), 0);
}

// --- May a partner be deleted? ----------------------------------------------------------

class PartnerDeletion : public ShopDbTest {
protected:
    // A partner with the business of `kinds` (bit 1 bills, 2 registrations, 4 journal entries).
    void Partner(int type, int kinds, double owes = 0, int disabled = 0) {
        Exec(L"DELETE FROM Companies WHERE CompanyID > 3; DELETE FROM SaleBills; DELETE FROM PurBills; DELETE FROM Account;");
        Exec(Fmt(L"INSERT INTO Companies (CompanyID, CompanyName, CompanyType, CurAmount, IsDisable) "
                 L"VALUES (4, 'x', %d, %.2f, %d)", type, owes, disabled));
        const wchar_t* side = type == 2 ? L"支出" : L"收入";
        Exec(Fmt(L"INSERT INTO %s (CompanyID, IsSystem) VALUES (4, 1)", type == 2 ? L"PurBills" : L"SaleBills"));
        if (kinds & 1) Exec(Fmt(L"INSERT INTO %s (CompanyID) VALUES (4)", type == 2 ? L"PurBills" : L"SaleBills"));
        if (kinds & 2) Exec(Fmt(L"INSERT INTO Account (CompanyID, ProjectType, AccountType) VALUES (4, 2, '%s')", side));
        if (kinds & 4) Exec(Fmt(L"INSERT INTO Account (CompanyID, ProjectType, AccountType) VALUES (4, 3, '%s')", side));
    }
    CString Ask(int type, int& result) {
        CString message;
        result = sys.GetTipsMsgByCompanies(db, type, 4, message);
        return message;
    }
    CSysBLL sys;
};

TEST_F(PartnerDeletion, CustomersForEveryCombinationOfBusiness) {
    // By kinds: the brackets of the offer to switch off, and of the refusal.
    const wchar_t* offered[] = {L"", L"销售单", L"收款登记", L"销售单，收款登记", L"资金流水", L"销售单，资金流水",
                                L"收款登记和资金流水", L"销售单，收款登记和资金流水"};
    const wchar_t* refused[] = {L"", L"销售单", L"收款登记", L"销售单和收款登记", L"资金流水", L"销售单和资金流水",
                                L"收款登记和资金流水", L"销售单，收款登记和资金流水"};
    for (int kinds = 0; kinds < 8; ++kinds) {
        SCOPED_TRACE(kinds);
        int result = -1;
        Partner(1, kinds);
        const CString offer = Ask(1, result);
        if (kinds == 0) {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(offer, L"确认删除当前选中的客户吗？");
            continue;
        }
        EXPECT_EQ(result, 2);
        EXPECT_EQ(offer, Fmt(L"该客户已经发生业务(%s)，无法直接删除，但您可以直接停用该客户，确定立即停用吗？", offered[kinds]));
        for (const auto& [owes, disabled] : {std::pair{0.0, 1}, std::pair{0.01, 0}}) {
            Partner(1, kinds, owes, disabled);
            EXPECT_EQ(Ask(1, result), Fmt(L"无法删除已经发生业务(%s)的客户！", refused[kinds]));
            EXPECT_EQ(result, 0);
        }
    }
}

TEST_F(PartnerDeletion, SuppliersAndOtherPartners) {
    const std::tuple<int, int, double, int, int, const wchar_t*> cases[] = {
        {2, 0, 5, 1, 1, L"确认删除当前选中的供应商吗？"},
        {2, 7, -3, 0, 2, L"该供应商已经发生业务(进货单，付款登记和资金流水)，无法直接删除，但您可以直接停用该供应商，确定立即停用吗？"},
        {2, 3, 5, 0, 0, L"无法删除已经发生业务(进货单和付款登记)的供应商！"},
        {3, 0, 0, 0, 1, L"确认删除当前选中的项吗？"},
        {3, 5, 0, 0, 2, L"已经发生业务( 销售单 资金流水  )，无法直接删除，但您可以直接停用它，确定立即停用吗？"},
        {3, 2, 0, 1, 0, L"无法删除已经发生业务(    收款登记)的项！"},
    };
    for (const auto& [type, kinds, owes, disabled, expected, text] : cases) {
        Partner(type, kinds, owes, disabled);
        int result = -1;
        EXPECT_EQ(Ask(type, result), text);
        EXPECT_EQ(result, expected);
    }
    // A customer's receipts are no business of a supplier.
    Partner(1, 6);
    Exec(L"UPDATE Companies SET CompanyType=2 WHERE CompanyID=4");
    int result = -1;
    EXPECT_EQ(Ask(2, result), L"确认删除当前选中的供应商吗？");
}

}  // namespace
