// The change journal, the usage counters and the search history of CSysBLL.
#include <gtest/gtest.h>

#include <string>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

namespace {

class OperateLog : public ShopDbTest {
protected:
    void SyncOn() { Exec(L"UPDATE SysSetting SET SettingVal='1' WHERE SettingType='IsUseDataSync'"); }
    // The journal rows of one key as "OType" letters in row order.
    CString Journal(const wchar_t* value = L"7") {
        CString sql;
        sql.Format(L"SELECT ifnull(group_concat(OType, ''), '') FROM (SELECT OType FROM OperateData WHERE "
                   L"TName='Products' AND CName='ProductID' AND CValue='%s' ORDER BY ID)",
                   value);
        return Text(sql);
    }
    // Journals `first`, then `second`, for a fresh key, and returns the rows left behind.
    CString Merge(const wchar_t* first, const wchar_t* second) {
        Exec(L"DELETE FROM OperateData");
        EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"7", first), 1);
        EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"7", second), 1);
        return Journal();
    }
    CSysBLL sys;
};

TEST_F(OperateLog, JournalIsOffUnlessSwitchedOn) {
    EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"A"), 1);  // delivered "0"
    Exec(L"DELETE FROM SysSetting WHERE SettingType='IsUseDataSync'");
    EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"A"), 1);  // absent
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateData"), 0);
    sys.UpdateSysSetting(db, L"IsUseDataSync", L"1");
    EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"A"), 1);
    EXPECT_EQ(Text(L"SELECT TName || '|' || CName || '|' || CValue || '|' || OType FROM OperateData"),
              L"Products|ProductID|7|A");
}

TEST_F(OperateLog, MergeTableRowByRow) {
    SyncOn();
    // Same operation again: nothing changes.
    EXPECT_EQ(Merge(L"A", L"A"), L"A");
    EXPECT_EQ(Merge(L"U", L"U"), L"U");
    EXPECT_EQ(Merge(L"D", L"D"), L"D");
    // Updated, then added: the row is marked added.
    EXPECT_EQ(Merge(L"U", L"A"), L"A");
    // Deleted (or anything but updated), then added: a second row, the first stays.
    EXPECT_EQ(Merge(L"D", L"A"), L"DA");
    EXPECT_EQ(Merge(L"X", L"A"), L"XA");
    // Updated after anything else: marked added.
    EXPECT_EQ(Merge(L"A", L"U"), L"A");
    EXPECT_EQ(Merge(L"D", L"U"), L"A");
    // Deleted after anything else: marked deleted.
    EXPECT_EQ(Merge(L"A", L"D"), L"D");
    EXPECT_EQ(Merge(L"U", L"D"), L"D");
    // Another operation text is journalled as a further row.
    EXPECT_EQ(Merge(L"A", L"X"), L"AX");
    EXPECT_EQ(Merge(L"D", L"x"), L"Dx");
}

TEST_F(OperateLog, MergeLooksAtTheFirstRowAndUpdatesEveryRowOfTheKey) {
    SyncOn();
    sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"D");
    sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"A");  // DA
    sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"U");  // first is D: all become A
    EXPECT_EQ(Journal(), L"AA");
    sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"D");
    EXPECT_EQ(Journal(), L"DD");
    // Other keys and tables are separate journal rows.
    sys.AddOperateData(db, L"Products", L"ProductID", L"8", L"A");
    sys.AddOperateData(db, L"Companies", L"ProductID", L"7", L"U");
    EXPECT_EQ(Journal(), L"DD");
    EXPECT_EQ(Journal(L"8"), L"A");
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateData"), 4);
}

TEST_F(OperateLog, KeyValuesWithQuotesAreJournalledAsTheyAre) {
    SyncOn();
    sys.AddOperateData(db, L"Products", L"ProductName", L"O'Neil's 笔", L"A");
    sys.AddOperateData(db, L"Products", L"ProductName", L"O'Neil's 笔", L"U");
    sys.AddOperateData(db, L"Products", L"ProductName", L"x' OR '1'='1", L"D");
    EXPECT_EQ(Text(L"SELECT group_concat(CValue || ':' || OType, '|') FROM OperateData"), L"O'Neil's 笔:A|x' OR '1'='1:D");
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
        EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"7", L"A"), 1);
    }
    EXPECT_EQ(Journal(), L"A");
}

TEST_F(OperateLog, UsageCountersPerMonth) {
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", true), 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"1002", false), 0);
    shopbiz::Clock::SetFixedLocal(2013, 6, 1, 0, 0, 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(UseDate || ' ' || FunNo || ' ' || UseTimes, '|') FROM OperateInfo"),
              L"2013/05 1001 2|2013/05 1002 1|2013/06 1001 1");
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(OperateLog, UsageCountersPerDayOrGivenPeriod) {
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"2001", L"", false), 0);
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"2001", L"", false), 0);
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"2001", L"2013/05", false), 0);
    // Skipped, or without a function number: nothing is counted.
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"2001", L"", true), 0);
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"", L"", false), 0);
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"0", L"", false), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(UseDate || ' ' || FunNo || ' ' || UseTimes, '|') FROM OperateInfo"),
              L"2013/05/06 2001 2|2013/05 2001 1");

    CStringArray dates;
    dates.Add(L"stale");
    sys.AddOperateInfoByTime(db, L"2002", L"2013/05/06", false);
    sys.GetOperateInfoDateList(db, dates);
    ASSERT_EQ(dates.GetSize(), 2);
    EXPECT_EQ(dates[0], L"2013/05/06");
    EXPECT_EQ(dates[1], L"2013/05");

    CppSQLite3Query day = sys.QueryOperateInfo(db, L"2013/05/06");
    int rows = 0;
    for (; !day.eof(); day.nextRow()) ++rows;
    EXPECT_EQ(rows, 2);
    CppSQLite3Query all = sys.QueryOperateInfo(db, L"");
    rows = 0;
    for (; !all.eof(); all.nextRow()) ++rows;
    EXPECT_EQ(rows, 3);

    EXPECT_EQ(sys.ClearOperateInfo(db, L"2013/05/06"), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateInfo"), 1);
    EXPECT_EQ(sys.ClearOperateInfo(db, L""), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateInfo"), 0);
}

TEST_F(OperateLog, UsageCounterErrors) {
    // A failed lookup is logged, and the lookup text itself then runs and fails again.
    Exec(L"DROP TABLE OperateInfo");
    EXPECT_THROW(sys.AddOperateInfo(db, L"1001", false), CppSQLite3Exception);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"CSysBLL::AddOperateInfo() 异常."});
    EXPECT_THROW(sys.AddOperateInfoByTime(db, L"1001", L"", false), CppSQLite3Exception);
    EXPECT_TRUE(TakeLog().empty());
    // The lookup finds a row it cannot read: the lookup text is what runs, nothing is counted.
    Exec(L"CREATE TABLE OperateInfo (UseDate, FunNo, Times)");
    Exec(L"INSERT INTO OperateInfo VALUES ('2013/05', '1001', 5)");
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(Times) FROM OperateInfo"), L"5");
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"CSysBLL::AddOperateInfo() 异常."});
}

TEST_F(OperateLog, FunctionNumberWithQuote) {
    EXPECT_EQ(sys.AddOperateInfo(db, L"10'01", false), 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"10'01", false), 0);
    EXPECT_EQ(Text(L"SELECT FunNo || ' ' || UseTimes FROM OperateInfo"), L"10'01 2");
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
    EXPECT_EQ(Int(L"SELECT Hits FROM SearchHistory WHERE Keyword='笔11'"), 12);
    EXPECT_EQ(Int(L"SELECT count(*) FROM SearchHistory"), 26);

    int count = -1;
    CppSQLite3Query top = sys.GetTop10SearchHistory(db, L"笔", count);
    EXPECT_EQ(count, 25);
    std::vector<int> hits;
    for (; !top.eof(); top.nextRow()) hits.push_back(top.getIntField(L"Hits"));
    EXPECT_EQ(hits, (std::vector<int>{12, 12, 11, 11, 10, 10, 9, 9, 8, 8}));

    top = sys.GetTop10SearchHistory(db, L"笔2", count);
    EXPECT_EQ(count, 5);  // 笔02, 笔12, 笔20..笔24
    top = sys.GetTop10SearchHistory(db, L"铅", count);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(top.eof());
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(OperateLog, SearchHistoryWithQuotesAndErrors) {
    sys.SaveSearchHistory(db, L"O'Neil");
    sys.SaveSearchHistory(db, L"O'Neil");
    int count = 0;
    CppSQLite3Query top = sys.GetTop10SearchHistory(db, L"'N", count);
    EXPECT_EQ(count, 1);
    ASSERT_FALSE(top.eof());
    EXPECT_EQ(top.getStringField(L"Keyword"), L"O'Neil");
    EXPECT_EQ(top.getIntField(L"Hits"), 2);
    top.finalize();

    Exec(L"DROP TABLE SearchHistory");
    EXPECT_EQ(sys.SaveSearchHistory(db, L"笔"), 0);
    count = 7;
    CppSQLite3Query none = sys.GetTop10SearchHistory(db, L"笔", count);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(count, 7);  // the failed count leaves it alone
    EXPECT_EQ(TakeMessageBoxes(),
              (std::vector<CString>{L"no such table: SearchHistory", L"no such table: SearchHistory"}));
    EXPECT_TRUE(TakeLog().empty());
}

}  // namespace
