// Member points earned from money received (CMemberBLL::AddMoneytoSocre and what it uses).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

using shopbiz::Sql;

namespace {

class MemberScores : public ShopDbTest {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        Exec(
            L"INSERT INTO VipMember (MemberName, MemberCode, LevelName, VipCore) VALUES "
            L"('张三', 'VIP001', '普通会员', '0'), ('李四', 'VIP002', '金卡会员', '0')");
    }
    int Points(const wchar_t* document) {
        return Int(Sql(L"SELECT Scores FROM VipScores WHERE ScoreDocument='%s'", document));
    }
    CString Total(const wchar_t* member) {
        return Text(Sql(L"SELECT VipCore FROM VipMember WHERE MemberName='%s'", member));
    }

    CMemberBLL members;
};

TEST_F(MemberScores, MoneyEarnsWholePointsAtTheLevelsRate) {
    ASSERT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS201305060001", L"95.80"), 0);
    CppSQLite3Query row = db.execQuery(L"SELECT * FROM VipScores");
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.getStringField(L"MemberName"), L"张三");
    EXPECT_EQ(row.getStringField(L"MemberCode"), L"VIP001");
    EXPECT_EQ(row.getIntField(L"ScoreStyle"), 0);
    EXPECT_EQ(row.getStringField(L"Money"), L"95.80");
    EXPECT_EQ(row.getIntField(L"Scores"), 9);
    EXPECT_EQ(row.getStringField(L"CreateDate"), L"2013-05-06 14:03:09");
    EXPECT_EQ(row.getStringField(L"EffectDate"), L"2013-05-06 14:03:09");
    row.finalize();
    EXPECT_EQ(Total(L"张三"), L"9");
    EXPECT_EQ(Text(L"SELECT LastUpdateDate FROM VipMember WHERE MemberName='张三'"), L"2013-05-06 14:03:09");
    // The statement is logged before it runs.
    bool logged = false;
    for (const CString& line : TakeLog()) logged |= line.Find(L"insert into VipScores(") == 0;
    EXPECT_TRUE(logged);
}

TEST_F(MemberScores, TheRateComesFromTheLevel) {
    CMemberBLL m;
    EXPECT_EQ(m.GetLevelConversoin(db, L"普通会员"), 10);
    Exec(L"UPDATE VipLevelSet SET Conversion = '0' WHERE LevelName = '金卡会员'");
    EXPECT_EQ(m.GetLevelConversoin(db, L"金卡会员"), 1);
    members.AddMoneytoSocre(db, L"李四", L"A", L"95.80");
    EXPECT_EQ(Points(L"A"), 95);
    Exec(L"UPDATE VipLevelSet SET Conversion = '' WHERE LevelName = '金卡会员'");
    members.AddMoneytoSocre(db, L"李四", L"B", L"95.80");
    EXPECT_EQ(Points(L"B"), 95);
    Exec(L"UPDATE VipLevelSet SET Conversion = '3' WHERE LevelName = '金卡会员'");
    members.AddMoneytoSocre(db, L"李四", L"C", L"-10");  // a return takes points back
    EXPECT_EQ(Points(L"C"), -3);
    EXPECT_EQ(Total(L"李四"), L"187");
    // A level that no longer exists earns at ten per point.
    Exec(L"UPDATE VipMember SET LevelName = '旧等级' WHERE MemberName = '李四'");
    EXPECT_EQ(m.GetLevelConversoin(db, L"旧等级"), 10);
    members.AddMoneytoSocre(db, L"李四", L"D", L"128.50");
    EXPECT_EQ(Points(L"D"), 12);
}

TEST_F(MemberScores, TheSameDocumentTwiceKeepsOneRow) {
    members.AddMoneytoSocre(db, L"张三", L"SK001", L"100");
    members.AddMoneytoSocre(db, L"张三", L"SK001", L"250");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM VipScores WHERE ScoreDocument='SK001'"), 1);
    EXPECT_EQ(Points(L"SK001"), 25);
    EXPECT_EQ(Total(L"张三"), L"25");
}

TEST_F(MemberScores, TheTotalCountsSpendingAgainstEarningsAndAdjustments) {
    Exec(
        L"INSERT INTO VipScores (MemberName, ScoreDocument, ScoreStyle, Scores) VALUES "
        L"('张三', 'DH1', 1, 50), ('张三', 'TZ1', 2, 20), ('李四', 'TZ2', 2, 999)");
    members.AddMoneytoSocre(db, L"张三", L"XS1", L"1000");
    EXPECT_EQ(Total(L"张三"), L"70");
    CString total;
    EXPECT_EQ(members.GetMemberSocreFromScore(db, L"李四", total), 0);
    EXPECT_EQ(total, L"999");
}

TEST_F(MemberScores, APartnerWhoIsNotAMemberEarnsNothing) {
    EXPECT_EQ(members.AddMoneytoSocre(db, L"王五", L"XS1", L"100"), 2);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM VipScores"), 0);
    CString code, level;
    double discount = 0;
    EXPECT_EQ(members.IsVipMemberByCust(db, L"王五", code, level, discount), 0);
    EXPECT_EQ(members.IsVipMemberByCust(db, L"李四", code, level, discount), 1);
    EXPECT_EQ(code, L"VIP002");
    EXPECT_EQ(level, L"金卡会员");
    EXPECT_DOUBLE_EQ(discount, 0.9);
    EXPECT_EQ(members.GetLevelDiscount(db, L"旧等级"), L"1");
}

TEST_F(MemberScores, QuotesAndDatabaseErrors) {
    Exec(L"INSERT INTO VipMember (MemberName, MemberCode, LevelName) VALUES ('O''Neil', 'V''3', '普通会员')");
    EXPECT_EQ(members.AddMoneytoSocre(db, L"O'Neil", L"X'1", L"30"), 0);
    EXPECT_EQ(Points(L"X''1"), 3);
    EXPECT_EQ(Text(L"SELECT VipCore FROM VipMember WHERE MemberCode='V''3'"), L"3");

    TakeLog();
    Exec(L"DROP TABLE VipScores");
    EXPECT_EQ(members.AddMoneytoSocre(db, L"张三", L"XS1", L"100"), 3);  // the old rows cannot be removed
    EXPECT_EQ(members.doCheckandDelDocMent(db, L"XS1"), -1);
    EXPECT_EQ(members.UpdateMemberScore(db, L"张三"), -1);
    const std::vector<CString> log = TakeLog();
    EXPECT_NE(std::find(log.begin(), log.end(), CString(L"doCheckandDelDocMent(): 异常. ")), log.end()) << Joined(log);
}

}  // namespace
