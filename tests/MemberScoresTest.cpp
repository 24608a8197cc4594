// Member points: earning from money at each level's rate, spending, adjustments, deletes, the
// rebuild from a partner's documents, re-rating, and points rows following renamed members.
#include <gtest/gtest.h>

#include <tuple>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Clock;
using shopbiz::Fmt;

namespace {

class MemberScores : public ShopDbTest {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        // 普通会员 10 money per point, 银卡会员 5, 金卡会员 0 (one per unit).
        Exec(L"update VipLevelSet set Conversion = '5' where LevelName = '银卡会员'");
        Exec(L"update VipLevelSet set Conversion = '0' where LevelName = '金卡会员'");
        for (auto [name, code, level] :
             {std::tuple{L"张三", L"V1", L"普通会员"}, {L"李四", L"V2", L"银卡会员"}, {L"王五", L"V3", L"金卡会员"}})
            ASSERT_EQ(members.InsertMemberInfo(db, Fmt(L"%s~%s~~~1980-01-01~男~~~~~~%s~~0", name, code, level)), 0);
    }
    int Stored(const wchar_t* name) { return Int(Fmt(L"select VipCore from VipMember where MemberName = '%s'", name)); }
    CString Rows(const wchar_t* name) {
        return RowsOf(db, Fmt(L"select ScoreDocument,ScoreStyle,Money,Scores,MemberCode from VipScores where "
                              L"MemberName = '%s' order by ID",
                              name));
    }

    CMemberBLL members;
};

TEST_F(MemberScores, MoneyEarnsWholePointsAtTheLevelsRate) {
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"95.80"), 0);
    EXPECT_EQ(RowsOf(db, L"select MemberName,MemberCode,ScoreStyle,Money,Scores,CreateDate,EffectDate from VipScores"),
              L"张三|V1|0|95.80|9|2013-05-06 14:03:09|2013-05-06 14:03:09");
    // Small and negative amounts at five per point.
    for (const wchar_t* money : {L"9.99", L"4.99", L"-12.50"})
        EXPECT_EQ(members.AddMoneytoSocre(db, L"李四", Fmt(L"XS%s", money), money), 0);
    EXPECT_EQ(Rows(L"李四"), L"XS9.99|0|9.99|1|V2\nXS4.99|0|4.99|0|V2\nXS-12.50|0|-12.50|-2|V2");
    EXPECT_EQ(Text(L"select group_concat(VipCore) from VipMember where ID < 3"), L"9,-1");
}

TEST_F(MemberScores, TheRateComesFromTheLevel) {
    members.AddMoneytoSocre(db, L"王五", L"A", L"95.80");  // "0": one point per unit
    Exec(L"UPDATE VipLevelSet SET Conversion = '3' WHERE LevelName = '金卡会员'");
    members.AddMoneytoSocre(db, L"王五", L"C", L"-10");  // a return takes points back
    Exec(L"UPDATE VipMember SET LevelName = '旧等级' WHERE MemberName = '王五'");
    members.AddMoneytoSocre(db, L"王五", L"D", L"128.50");  // a level gone: ten per point
    EXPECT_EQ(Text(L"select group_concat(ScoreDocument || ':' || Scores) from VipScores"), L"A:95,C:-3,D:12");
    EXPECT_EQ(Stored(L"王五"), 104);
}

TEST_F(MemberScores, ADocumentPostedAgainOrMovedToAnotherMemberKeepsOneRowAndBothTotalsRight) {
    EXPECT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"100"), 0);
    EXPECT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"250"), 0);
    EXPECT_EQ(Rows(L"张三"), L"XS1|0|250|25|V1");
    EXPECT_EQ(members.AddMoneytoSocre(db, L"李四", L"XS1", L"250"), 0);
    EXPECT_EQ(Stored(L"张三"), 0);
    EXPECT_EQ(Stored(L"李四"), 50);
    EXPECT_EQ(Int(L"select count(*) from VipScores"), 1);
}

TEST_F(MemberScores, APartnerWhoIsNoMemberEarnsNothingAndAFailedRemovalEarnsNothingNew) {
    EXPECT_EQ(members.AddMoneytoSocre(db, L"零售客户", L"XS1", L"500"), 2);
    EXPECT_EQ(Int(L"select count(*) from VipScores"), 0);
    Exec(L"DROP TABLE VipScores");
    EXPECT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"100"), 3);  // the old rows cannot be removed
    EXPECT_EQ(Stored(L"张三"), 0);
}

TEST_F(MemberScores, SpendingIsLimitedToTheBalance) {
    ASSERT_EQ(members.AddMoneytoSocre(db, L"王五", L"XS1", L"120"), 0);
    Clock::SetFixedLocal(2013, 5, 7, 9, 30, 0);
    EXPECT_EQ(members.InsertScoreExpend(db, L"王五", L"V3", L"50", L"换购水杯"), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select ScoreDocument,ScoreStyle,Money,Scores,CreateDate,Remark from VipScores where "
                     L"ScoreStyle = 1"),
              L"DH20130507093000|1||50|2013-05-07 09:30:00|换购水杯");
    EXPECT_EQ(Stored(L"王五"), 70);
    for (auto [name, points, result] : {std::tuple{L"王五", L"71", 4}, {L"王五", L"-5", -1}, {L"王五", L"五十", -1}})
        EXPECT_EQ(members.InsertScoreExpend(db, name, L"V3", points, L""), result) << points;
    EXPECT_EQ(members.InsertScoreExpend(db, L"王五", L"V3", L" 70 ", L""), 0);
    EXPECT_EQ(Stored(L"王五"), 0);
}

TEST_F(MemberScores, AdjustmentsAddOrTakeAway) {
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"100"), 0);
    EXPECT_EQ(members.AddReSetScoreByName(db, L"张三", L"30"), 0);
    Clock::SetFixedLocal(2013, 5, 6, 14, 3, 10);
    EXPECT_EQ(members.AddReSetScoreByName(db, L"张三", L"-15"), 0);
    EXPECT_EQ(members.AddReSetScoreByName(db, L"张三", L"1.5"), -1);
    EXPECT_EQ(Rows(L"张三"), L"XS1|0|100|10|V1\nTZ20130506140309|2||30|V1\nTZ20130506140310|2||-15|V1");
    EXPECT_EQ(Stored(L"张三"), 25);
}

TEST_F(MemberScores, TotalsFollowDeletedRows) {
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"100"), 0);
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS2", L"300"), 0);
    Clock::SetFixedLocal(2013, 5, 9);
    ASSERT_EQ(members.InsertScoreExpend(db, L"张三", L"V1", L"15", L"换购"), 0);
    EXPECT_EQ(members.deleteScoreByDocment(db, L"XS2", L"张三"), 0);
    EXPECT_EQ(Stored(L"张三"), -5);
    EXPECT_EQ(members.deleteScoreByDocment(db, L"DH20130509000000", L"张三"), 0);
    EXPECT_EQ(Stored(L"张三"), 10);
    EXPECT_EQ(members.deleteScoreByName(db, L"张三"), 0);
    EXPECT_EQ(Stored(L"张三") + Int(L"select count(*) from VipScores"), 0);
}

TEST_F(MemberScores, EarningsRebuiltFromThePartnersDocuments) {
    Exec(
        L"insert into Account(AccountCode,CompanyName,AccountType,InAmount,LastUpdateDate) values"
        L"('SK1','张三','收入',55.5,'2013-03-01 10:00:00'),"
        L"('','张三','收入',999,'2013-03-02 10:00:00'),"     // no document: not counted
        L"('FK1','张三','支出',999,'2013-03-03 10:00:00'),"  // money paid out
        L"('SK2','李四','收入',999,'2013-03-04 10:00:00')");
    Exec(
        L"insert into SaleBills(BillCode,CompanyName,BillType,GetAmount,LastUpdateDate) values"
        L"('XS1','张三',1,230,'2013-02-01 09:00:00'),"
        L"('XS0','张三',0,999,'1970-01-01 00:00:00'),"  // the opening balance bill
        L"('XS2','张三',2,40,'2013-04-01 09:00:00')");
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"10"), 0);  // replaced by the rebuild
    ASSERT_EQ(members.AddReSetScoreByName(db, L"张三", L"7"), 0);       // kept
    EXPECT_EQ(members.AddScoreByHistoryDoc(db, L"张三"), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select ScoreDocument,Money,Scores,CreateDate,EffectDate from VipScores where "
                     L"ScoreStyle = 0 order by ID"),
              L"XS1|230.0|23|2013-02-01 09:00:00|2013-02-01 09:00:00\n"
              L"SK1|55.5|5|2013-03-01 10:00:00|2013-03-01 10:00:00\n"
              L"XS2|40.0|4|2013-04-01 09:00:00|2013-04-01 09:00:00");
    EXPECT_EQ(Stored(L"张三"), 39);
}

TEST_F(MemberScores, RatesChangeOnlyWhenAMemberIsReRated) {
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"95.80"), 0);
    ASSERT_EQ(members.AddReSetScoreByName(db, L"张三", L"3"), 0);
    EXPECT_EQ(members.UpDateConversion(db, L"20"), 0);
    EXPECT_EQ(Text(L"select group_concat(distinct Conversion) from VipLevelSet"), L"20");
    EXPECT_EQ(Stored(L"张三"), 12);
    EXPECT_EQ(members.UpdateScoreByConversion(db, L"张三", L"普通会员"), 0);
    EXPECT_EQ(Rows(L"张三"), L"XS1|0|95.80|4|V1\nTZ20130506140309|2||3|V1");
    EXPECT_EQ(Stored(L"张三"), 7);
}

TEST_F(MemberScores, RenamedMembersAndCustomersTakeTheirRows) {
    Exec(
        L"insert into SaleBills(BillCode,CompanyName,BillType,GetAmount,LastUpdateDate) values"
        L"('XS9','张大三',1,300,'2013-01-01 09:00:00')");
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"100"), 0);
    ASSERT_EQ(members.AddReSetScoreByName(db, L"张三", L"30"), 0);
    // A new card: every row carries the new code.
    ASSERT_EQ(members.UpdateMemberInfoByID(db, L"张三~V9~~~1980-01-01~男~~~~~~普通会员~~0", L"1", L"张三"), 0);
    EXPECT_EQ(Rows(L"张三"), L"XS1|0|100|10|V9\nTZ20130506140309|2||30|V9");
    // A new name: the adjustment stays with the member, the earnings come from the new name's bills.
    ASSERT_EQ(members.UpdateMemberInfoByID(db, L"张大三~V9~~~1980-01-01~男~~~~~~普通会员~~0", L"1", L"张三"), 0);
    EXPECT_EQ(Rows(L"张大三"), L"TZ20130506140309|2||30|V9\nXS9|0|300.0|30|V9");
    EXPECT_EQ(Stored(L"张大三"), 60);
    // A renamed customer keeps its member's points.
    Exec(L"update VipMember set CompanyID = 12 where MemberName = '李四'");
    ASSERT_EQ(members.AddMoneytoSocre(db, L"李四", L"XS2", L"100"), 0);
    ASSERT_EQ(members.InsertScoreExpend(db, L"李四", L"V2", L"5", L""), 0);
    EXPECT_EQ(members.UpdateMemberInfoCompayID(db, 12, L"李四商行", L"LSSH", L"", L"", L"", L"", L"", L"", L""), 0);
    EXPECT_EQ(Int(L"select count(*) from VipScores where MemberName = '李四商行'"), 2);
    EXPECT_EQ(Stored(L"李四商行"), 15);
}

}  // namespace
