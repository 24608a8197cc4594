// The store manager's daily summary (CSysBLL and CSysBLLEx) and the store reminders.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class StoreSummary : public ShopDbTest {
protected:
    // Journal lines, bills and balances around the turn of May to June 2013.
    void Trading() {
        Exec(L"INSERT INTO Account (AccountDate, ProjectType, AccountType, InAmount, OutAmount) VALUES "
             L"('2013-05-30 18:00:00', 1, '收入', 1000, 0),"   // the day before: not counted
             L"('2013-05-31 09:00:00', 1, '收入', 120.5, 0),"  // the day's sales line
             L"('2013-05-31 10:00:00', 2, '收入', 30, 0),"     // a receipt
             L"('2013-05-31 11:00:00', 3, '支出', 0, 12.25),"  // an expense
             L"('2013-05-31 12:00:00', 4, '收入', 500, 0),"    // an account's opening: not business
             L"('2013-06-01 00:00:00', 1, '收入', 2000, 0);"   // the given day itself: not counted
             L"INSERT INTO SaleBills (BillDate, GetAmount) VALUES ('2013-05-31', 100), ('2013-05-31', 20.5), "
             L"('2013-06-01', 9);"
             L"INSERT INTO PurBills (BillDate, GetAmount) VALUES ('2013-05-31', 40);"
             L"INSERT INTO Companies (CompanyName, CompanyType, CurAmount) VALUES ('甲', 1, 300), ('乙', 1, -50), "
             L"('丙', 2, 80), ('丁', 3, 1);"
             L"INSERT INTO ProductStock (ProductName, CurStock, HighLimit, LowLimit) VALUES ('高', 20, '10', '1'), "
             L"('低', 0.5, '10', '1'), ('正常', 5, '10', '1'), ('负', -1, '0', '0'), ('无限制', 99, '0', '0');");
    }
    CSysBLL sys;
    CSysBLLEx ex;
};

TEST_F(StoreSummary, ThePreviousDayAcrossAMonthEnd) {
    Trading();
    EXPECT_EQ(CProductsBLL().GetCustProductForWaringCount(db), 3);
    EXPECT_EQ(sys.GetStoreMgrInfo(db, L"2013-06-01"),
              L"2013年5月31日店铺收入150.50元，支出12.25元，应收款250.00元，应付款81.00元,有3种货品预警。");
    // The bills' line equals the journal's sales line and counts once; the purchase adds 40.
    EXPECT_EQ(ex.GetStoreMgrInfo(db, L"2013-6-1"),
              L"昨日收入150.50元，支出52.25元，应收款250.00元，应付款81.00元,有3种货品预警。");
}

TEST_F(StoreSummary, DaysAtYearAndMonthEndsAndDaysThatAreNoDates) {
    Exec(L"INSERT INTO Account (AccountDate, ProjectType, AccountType, InAmount) VALUES ('2012-12-31 23:59:59', 1, '收入', 7),"
         L"('2012-02-29 08:00:00', 1, '收入', 9)");
    const std::pair<const wchar_t*, const wchar_t*> days[] = {
        {L"2013-01-01", L"2012年12月31日店铺收入7.00元"}, {L"2012-03-01", L"2012年2月29日店铺收入9.00元"},
        {L"2013-03-01 08:00:00", L"2013年2月28日店铺收入0.00元"}};
    for (const auto& [day, start] : days) EXPECT_EQ(sys.GetStoreMgrInfo(db, day).Left(CString(start).GetLength()), start);
    for (const wchar_t* day : {L"", L"2013-02-29", L"yesterday", L"2013-13-01"}) {
        EXPECT_EQ(sys.GetStoreMgrInfo(db, day), L"") << CString(day);
        EXPECT_EQ(ex.GetStoreMgrInfo(db, day), L"") << CString(day);
        EXPECT_EQ(TakeLog(), (std::vector<CString>{L"CSysBLL::GetStoreMgrInfo", L"CSysBLLEx::GetStoreMgrInfo"}));
    }
}

TEST_F(StoreSummary, ADaysSummaryIsStoredOnceAndMarkedSent) {
    CString summary = L"昨日收入1.00元";
    int sent = 9;
    EXPECT_EQ(sys.AddStoreMgrInfo(db, L"2013-05-06", summary, sent), 0);
    EXPECT_EQ(sent, 0);
    summary = L"another";
    EXPECT_EQ(ex.AddStoreMgrInfo(db, L"2013-05-06", summary, sent), 1);
    EXPECT_EQ(summary, L"昨日收入1.00元");
    ex.UpdateSendStatus(db, L"2013-05-06", 1);
    EXPECT_EQ(sys.AddStoreMgrInfo(db, L"2013-05-06", summary, sent), 1);
    EXPECT_EQ(sent, 1);
    sys.UpdateSendStatus(db, L"2013-05-06", 0);
    EXPECT_EQ(RowsOf(db, L"SELECT * FROM StoreMgrInfo"), L"2013-05-06|昨日收入1.00元|0");
    Exec(L"DROP TABLE StoreMgrInfo");
    EXPECT_EQ(ex.AddStoreMgrInfo(db, L"2013-05-07", summary, sent), -1);
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"CSysBLLEx::AddStoreMgrInfo ERR"}));
}

TEST_F(StoreSummary, StoreRemindersPopUpsAndTheBuyList) {
    Exec(L"INSERT INTO StoreRemindResult (RemindName, RemindSortID, ResultType, IsHavePopup, IsClick, IsPopup) VALUES "
         L"('盘点', 2, 0, 0, 0, 1), ('对账', 1, 1, 0, 1, 1), ('备份', 3, 2, 0, 1, 0), ('旧', 4, 0, 1, 0, 1);"
         L"INSERT INTO StoreRemind (RemindSortID, RemindDoneType, RemindDetailDone) VALUES (2, 1, '每月');"
         L"INSERT INTO AppBuyList (AppName, AppSort) VALUES ('短信', 2), ('网店', 1);");
    EXPECT_EQ(RowsOf(ex.GetStoreRemind(db, L"")), L"对账|1|1|0||0|\n盘点|2|0|1|每月|0|\n备份|3|2|0||0|");
    EXPECT_EQ(ListOf(ex.GetPopMsgList(db, L""), L"RemindName"), L"对账,盘点");
    EXPECT_EQ(ListOf(ex.GetBuyList(db, L""), L"AppName"), L"网店,短信");
    EXPECT_EQ(ex.UpdateStoreRemindIntField(db, L"IsClick", L"盘点", 1, 0), 1);
    EXPECT_EQ(ex.UpdateStoreRemindCStringField(db, L"ResultDoneDate", L"x'", L"2013-05-06", 1), 1);
    EXPECT_EQ(ListOf(ex.GetPopMsgList(db, L""), L"RemindName"), L"对账");
    EXPECT_EQ(Text(L"SELECT group_concat(ResultDoneDate) FROM StoreRemindResult"), L"2013-05-06,2013-05-06,2013-05-06,2013-05-06");
    // Only a reminder column may be named.
    EXPECT_EQ(ex.UpdateStoreRemindIntField(db, L"IsClick=0, IsPopup", L"", 0, 1), 0);
    EXPECT_EQ(ex.UpdateStoreRemindCStringField(db, L"ID", L"盘点", L"9", 0), 0);
    EXPECT_EQ(TakeLog(), (std::vector<CString>{
                             L"CSysBLLEx::UpdateStoreRemindIntField invalid column name: IsClick=0, IsPopup",
                             L"CSysBLLEx::UpdateStoreRemindCStringField invalid column name: ID"}));
    EXPECT_EQ(Text(L"SELECT group_concat(IsClick || IsPopup) FROM StoreRemindResult"), L"11,11,10,01");
}

}  // namespace
