// The change journal, the usage counters and the search history of CSysBLL.
#include <gtest/gtest.h>

#include <string>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

namespace {

using Lines = std::vector<CString>;

class OperateLog : public ShopDbTest {
protected:
    void SyncOn() { sys.UpdateSysSetting(db, L"IsUseDataSync", L"1"); }
    void Add(const wchar_t* op, const wchar_t* value = L"7", const wchar_t* table = L"Products") {
        EXPECT_EQ(sys.AddOperateData(db, table, L"ProductID", value, op), 1);
    }
    // The journal rows of one product as "OType" letters in row order.
    CString Journal(const wchar_t* value = L"7") {
        CString sql;
        sql.Format(L"SELECT ifnull(group_concat(OType, ''), '') FROM (SELECT OType FROM OperateData WHERE "
                   L"TName='Products' AND CName='ProductID' AND CValue='%s' ORDER BY ID)",
                   value);
        return Text(sql);
    }
    CString Counters() {
        return Text(L"SELECT group_concat(UseDate || ' ' || FunNo || ' ' || UseTimes, '|') FROM OperateInfo");
    }
    CSysBLL sys;
};

TEST_F(OperateLog, JournalIsOffUnlessSwitchedOn) {
    Add(L"A");  // delivered "0"
    Exec(L"DELETE FROM SysSetting WHERE SettingType='IsUseDataSync'");
    Add(L"A");  // absent
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateData"), 0);
    SyncOn();
    Add(L"A");
    EXPECT_EQ(Text(L"SELECT TName || '|' || CName || '|' || CValue || '|' || OType FROM OperateData"),
              L"Products|ProductID|7|A");
}

TEST_F(OperateLog, MergeTableRowByRow) {
    SyncOn();
    const struct {
        const wchar_t *first, *second, *rows;
    } merges[] = {
        // The same operation again changes nothing.
        {L"A", L"A", L"A"}, {L"U", L"U", L"U"}, {L"D", L"D", L"D"},
        // Added after an update marks the row added; after anything else it is a second row.
        {L"U", L"A", L"A"}, {L"D", L"A", L"DA"}, {L"X", L"A", L"XA"},
        // Updated after anything else: added. Deleted after anything else: deleted.
        {L"A", L"U", L"A"}, {L"D", L"U", L"A"}, {L"A", L"D", L"D"}, {L"U", L"D", L"D"},
        // Another operation text is journalled as a further row.
        {L"A", L"X", L"AX"}, {L"D", L"x", L"Dx"},
    };
    for (const auto& m : merges) {
        SCOPED_TRACE(CString(m.first) + L" then " + m.second);
        Exec(L"DELETE FROM OperateData");
        Add(m.first);
        Add(m.second);
        EXPECT_EQ(Journal(), m.rows);
    }
}

TEST_F(OperateLog, MergeLooksAtTheFirstRowAndUpdatesEveryRowOfTheKey) {
    SyncOn();
    Add(L"D");
    Add(L"A");  // DA
    Add(L"U");  // first is D: all become A
    EXPECT_EQ(Journal(), L"AA");
    Add(L"D");
    EXPECT_EQ(Journal(), L"DD");
    // Other keys and tables are separate journal rows.
    Add(L"A", L"8");
    Add(L"U", L"7", L"Companies");
    EXPECT_EQ(Journal() + L"|" + Journal(L"8"), L"DD|A");
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateData"), 4);
    // Key values with quotes are journalled as they are.
    Exec(L"DELETE FROM OperateData");
    Add(L"A", L"O'Neil's 笔");
    Add(L"U", L"O'Neil's 笔");
    Add(L"D", L"x' OR '1'='1");
    EXPECT_EQ(Text(L"SELECT group_concat(CValue || ':' || OType, '|') FROM OperateData"),
              L"O'Neil's 笔:A|x' OR '1'='1:D");
}

TEST_F(OperateLog, JournalHoldsTheLockAndLetsErrorsPass) {
    SyncOn();
    Exec(L"DROP TABLE OperateData");
    EXPECT_THROW(sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"A"), CppSQLite3Exception);
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);
    EXPECT_TRUE(TakeLog().empty());
    // Called from inside another locked method: re-entry, no deadlock.
    Exec(L"CREATE TABLE OperateData (ID INTEGER PRIMARY KEY AUTOINCREMENT, TName, CName, CValue, OType)");
    {
        shopbiz::ServiceLock outer;
        Add(L"A");
    }
    EXPECT_EQ(Journal(), L"A");
}

TEST_F(OperateLog, UsageCountersPerMonthDayOrGivenPeriod) {
    for (const wchar_t* fun : {L"1001", L"10'01", L"10'01"}) EXPECT_EQ(sys.AddOperateInfo(db, fun, false), 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", true), 0);  // the flag changes nothing
    // By day unless a period is given; skipped, or without a function number, nothing is counted.
    const struct {
        const wchar_t *fun, *period;
        bool skip;
    } byTime[] = {{L"2001", L"", false}, {L"2001", L"", false}, {L"2001", L"2013/05", false},
                  {L"2002", L"2013/05/06", false}, {L"2001", L"", true}, {L"", L"", false}, {L"0", L"", false}};
    for (const auto& t : byTime) EXPECT_EQ(sys.AddOperateInfoByTime(db, t.fun, t.period, t.skip), 0);
    shopbiz::Clock::SetFixedLocal(2013, 6, 1, 0, 0, 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
    EXPECT_EQ(Counters(), L"2013/05 1001 2|2013/05 10'01 2|2013/05/06 2001 2|2013/05 2001 1|2013/05/06 2002 1|"
                          L"2013/06 1001 1");
    EXPECT_TRUE(TakeLog().empty());

    CStringArray dates;
    dates.Add(L"stale");
    sys.GetOperateInfoDateList(db, dates);
    ASSERT_EQ(dates.GetSize(), 3);
    EXPECT_EQ(dates[0] + L"|" + dates[1] + L"|" + dates[2], L"2013/05|2013/05/06|2013/06");
    const auto rows = [](CppSQLite3Query q) {
        int n = 0;
        for (; !q.eof(); q.nextRow()) ++n;
        return n;
    };
    EXPECT_EQ(rows(sys.QueryOperateInfo(db, L"2013/05/06")), 2);
    EXPECT_EQ(rows(sys.QueryOperateInfo(db, L"")), 6);
    EXPECT_EQ(sys.ClearOperateInfo(db, L"2013/05/06"), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateInfo"), 4);
    EXPECT_EQ(sys.ClearOperateInfo(db, L""), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateInfo"), 0);

    // A failed lookup is logged, and the lookup text itself then runs and fails again.
    Exec(L"DROP TABLE OperateInfo");
    EXPECT_THROW(sys.AddOperateInfo(db, L"1001", false), CppSQLite3Exception);
    EXPECT_EQ(TakeLog(), Lines{L"CSysBLL::AddOperateInfo() 异常."});
    EXPECT_THROW(sys.AddOperateInfoByTime(db, L"1001", L"", false), CppSQLite3Exception);
    EXPECT_TRUE(TakeLog().empty());
    // The lookup finds a row it cannot read: the lookup text is what runs, nothing is counted.
    Exec(L"CREATE TABLE OperateInfo (UseDate, FunNo, Times)");
    Exec(L"INSERT INTO OperateInfo VALUES ('2013/06', '1001', 5)");  // this month
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(Times) FROM OperateInfo"), L"5");
    EXPECT_EQ(TakeLog(), Lines{L"CSysBLL::AddOperateInfo() 异常."});
}

TEST_F(OperateLog, SearchHistoryRanksByHitsAndCountsAllMatches) {
    EXPECT_EQ(sys.SaveSearchHistory(db, L""), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM SearchHistory"), 0);
    for (int i = 0; i < 25; ++i) {
        CString keyword;
        keyword.Format(L"笔%02d", i);
        for (int hit = 0; hit <= i % 12; ++hit) EXPECT_EQ(sys.SaveSearchHistory(db, keyword), 0);
    }
    sys.SaveSearchHistory(db, L"本子");
    sys.SaveSearchHistory(db, L"O'Neil");
    sys.SaveSearchHistory(db, L"O'Neil");
    EXPECT_EQ(Int(L"SELECT Hits FROM SearchHistory WHERE Keyword='笔11'"), 12);
    EXPECT_EQ(Int(L"SELECT count(*) FROM SearchHistory"), 27);

    int count = -1;
    const auto top = [&](const wchar_t* text) {
        CString hits;
        for (CppSQLite3Query q = sys.GetTop10SearchHistory(db, text, count); !q.eof(); q.nextRow())
            hits += q.getStringField(L"Keyword") + L":" + q.getStringField(L"Hits") + L" ";
        return hits;
    };
    const CString ranked = top(L"笔");
    EXPECT_EQ(count, 25);
    EXPECT_EQ(ranked, L"笔11:12 笔23:12 笔10:11 笔22:11 笔09:10 笔21:10 笔08:9 笔20:9 笔07:8 笔19:8 ");
    top(L"笔2");
    EXPECT_EQ(count, 5);  // 笔02, 笔12, 笔20..笔24
    EXPECT_EQ(top(L"铅"), L"");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(top(L"'N"), L"O'Neil:2 ");
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(TakeMessageBoxes().empty());

    Exec(L"DROP TABLE SearchHistory");
    EXPECT_EQ(sys.SaveSearchHistory(db, L"笔"), 0);
    count = 7;
    EXPECT_TRUE(sys.GetTop10SearchHistory(db, L"笔", count).isNull());
    EXPECT_EQ(count, 7);  // the failed count leaves it alone
    EXPECT_EQ(TakeMessageBoxes(), (Lines{L"no such table: SearchHistory", L"no such table: SearchHistory"}));
    EXPECT_TRUE(TakeLog().empty());
}

}  // namespace
