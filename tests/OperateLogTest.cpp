// The change journal, the usage counters and the search history of CSysBLL.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

namespace {

class OperateLog : public ShopDbTest {
protected:
    void Add(const wchar_t* op, const wchar_t* value = L"7", const wchar_t* table = L"Products") {
        EXPECT_EQ(sys.AddOperateData(db, table, L"ProductID", value, op), 1);
    }
    // The journal's OType letters in row order, per key value ("|" between keys).
    CString Journal() {
        return Text(L"SELECT ifnull(group_concat(Ops, '|'), '') FROM (SELECT group_concat(OType, '') AS Ops FROM "
                    L"(SELECT * FROM OperateData ORDER BY ID) GROUP BY TName, CValue ORDER BY MIN(ID))");
    }
    CSysBLL sys;
};

TEST_F(OperateLog, JournalIsOffUnlessSwitchedOnAndMergesByTheFirstRowOfTheKey) {
    Add(L"A");  // delivered "0"
    EXPECT_EQ(Journal(), L"");
    sys.UpdateSysSetting(db, L"IsUseDataSync", L"1");
    Add(L"A", L"O'Neil");
    EXPECT_EQ(Text(L"SELECT TName || '|' || CName || '|' || CValue || '|' || OType FROM OperateData"),
              L"Products|ProductID|O'Neil|A");
    const wchar_t* merges[][3] = {  // first, second, the rows left
        // The same again: no change. Added after an update: added, after others a second row. Updated after
        // anything else: added. Deleted: deleted. Another text: a further row.
        {L"A", L"A", L"A"}, {L"U", L"A", L"A"}, {L"D", L"A", L"DA"}, {L"D", L"U", L"A"}, {L"U", L"D", L"D"},
        {L"A", L"X", L"AX"},
    };
    for (const auto& [first, second, rows] : merges) {
        Exec(L"DELETE FROM OperateData");
        Add(first);
        Add(second);
        EXPECT_EQ(Journal(), rows) << CString(first).ToUtf8() << " then " << CString(second).ToUtf8();
    }
    // The first row decides, and every row of the key changes; other keys and tables are apart.
    Exec(L"DELETE FROM OperateData");
    for (const wchar_t* op : {L"D", L"A", L"U"}) Add(op);  // first is D: all become A
    Add(L"A", L"8");
    Add(L"U", L"7", L"Companies");
    EXPECT_EQ(Journal(), L"AA|A|U");
    // Called from inside another locked method: re-entry, no deadlock.
    shopbiz::ServiceLock outer;
    Add(L"D");
    EXPECT_EQ(Journal(), L"DD|A|U");
}

TEST_F(OperateLog, UsageCountersPerMonthDayOrGivenPeriod) {
    for (const wchar_t* fun : {L"1001", L"10'01", L"10'01"}) EXPECT_EQ(sys.AddOperateInfo(db, fun, false), 0);
    // By day unless a period is given; skipped, or without a function number, nothing is counted.
    for (const wchar_t* fun : {L"2001", L"2001", L""}) EXPECT_EQ(sys.AddOperateInfoByTime(db, fun, L"", false), 0);
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"2002", L"2013/05", false), 0);
    EXPECT_EQ(sys.AddOperateInfoByTime(db, L"2001", L"", true), 0);
    shopbiz::Clock::SetFixedLocal(2013, 6, 1, 0, 0, 0);
    EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(UseDate || ' ' || FunNo || ' ' || UseTimes, '|') FROM OperateInfo"),
              L"2013/05 1001 1|2013/05 10'01 2|2013/05/06 2001 2|2013/05 2002 1|2013/06 1001 1");
    EXPECT_EQ(sys.ClearOperateInfo(db, L"2013/05"), 0);  // that period only
    EXPECT_EQ(Int(L"SELECT count(*) FROM OperateInfo"), 2);
}

TEST_F(OperateLog, SearchHistoryRanksByHitsAndCountsAllMatches) {
    for (int i = 0; i < 12; ++i)
        for (int hit = 0; hit <= i % 6; ++hit) sys.SaveSearchHistory(db, shopbiz::Fmt(L"笔%02d", i));
    for (const wchar_t* keyword : {L"O'Neil", L""}) sys.SaveSearchHistory(db, keyword);
    int count = -1;
    const auto top = [&](const wchar_t* text) {
        CString hits;
        for (CppSQLite3Query q = sys.GetTop10SearchHistory(db, text, count); !q.eof(); q.nextRow())
            hits += q.getStringField(L"Keyword") + L":" + q.getStringField(L"Hits") + L" ";
        return hits;
    };
    EXPECT_EQ(top(L"笔"), L"笔05:6 笔11:6 笔04:5 笔10:5 笔03:4 笔09:4 笔02:3 笔08:3 笔01:2 笔07:2 ");
    EXPECT_EQ(count, 12);
    EXPECT_EQ(top(L"'N"), L"O'Neil:1 ");
    EXPECT_EQ(Int(L"SELECT count(*) FROM SearchHistory"), 13);  // not the empty one
}

}  // namespace
