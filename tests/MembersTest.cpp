// VIP members and levels: member records and their checks, the discount, the list by birthday,
// the bulk import of customers, and the level settings of CMemberBLL.
#include <gtest/gtest.h>

#include <tuple>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Clock;
using shopbiz::Fmt;

namespace {

class Members : public ShopDbTest {
protected:
    // A member record: name, code, contact, tel, birthday, sex, mobile, fax, QQ, e-mail,
    // address, level, picture, customer ID.
    static CString Record(const wchar_t* name, const wchar_t* code, const wchar_t* birthday = L"1980-03-04",
                          const wchar_t* level = L"普通会员", const wchar_t* companyID = L"0") {
        return Fmt(L"%s~%s~王五~0571-8~%s~男~139~0571-9~123~w@x.cn~中山路2号~%s~pic.bmp~%s", name, code, birthday,
                   level, companyID);
    }
    int Add(const wchar_t* name, const wchar_t* code, const wchar_t* birthday = L"1980-03-04") {
        return members.InsertMemberInfo(db, Record(name, code, birthday));
    }

    CMemberBLL members;
};

TEST_F(Members, InsertWritesTheWholeRecordOrNothing) {
    EXPECT_EQ(members.InsertMemberInfo(db, Record(L" 张三 ", L"V001", L"1980-03-04", L"银卡会员", L"7")), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select CompanyID,MemberName,MemberCode,SearchCode,Contact,Tel,Birthday,Sex,Mobile,Fax,QQ,"
                     L"Email,Address,LevelName,VipCore,VipBitmap,CreateDate,ActiveDate,LastUpdateDate,Remark "
                     L"from VipMember"),
              L"7|张三|V001|ZS|王五|0571-8|1980-03-04|1|139|0571-9|123|w@x.cn|中山路2号|银卡会员|0|pic.bmp|"
              L"2013-05-06 14:03:09|2013-05-06 14:03:09|2013-05-06 14:03:09|");
    // A short record or no name writes nothing.
    EXPECT_EQ(members.InsertMemberInfo(db, L"李四~V003~王五~0571-8~1980-03-04~男~1~2~3~4~5~普通会员~pic"), -1);
    EXPECT_EQ(Add(L"  ", L"V004"), -1);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 1);
}

TEST_F(Members, TakenNameOrCodeIsRefused) {
    ASSERT_EQ(Add(L"张三", L"V001"), 0);
    EXPECT_EQ(Add(L"张三", L"V002"), 1);
    EXPECT_EQ(Add(L"李四", L"V001"), 2);
    EXPECT_EQ(Add(L"张三", L"V001"), 3);
    // Members without a card do not collide on the empty code.
    EXPECT_EQ(Add(L"李四", L""), 0);
    EXPECT_EQ(Add(L"赵六", L""), 0);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 3);
}

TEST_F(Members, EditsByIdNameAndCard) {
    ASSERT_EQ(Add(L"张三", L"V001"), 0);
    ASSERT_EQ(Add(L"李四", L"V002"), 0);
    Exec(L"update VipMember set Remark = '老客户'");
    Clock::SetFixedLocal(2013, 6, 1, 9, 0, 0);
    // Another member's name or code is refused and nothing changes.
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"张三", L"V002"), L"1", L"张三"), 2);
    EXPECT_EQ(Text(L"select LastUpdateDate from VipMember where ID = 1"), L"2013-05-06 14:03:09");
    // A new name and level; the remark stays unless the record brings one.
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"张小三", L"V001", L"1981-01-01", L"金卡会员"), L"1", L"张三"),
              0);
    EXPECT_EQ(RowsOf(db,
                     L"select MemberName,SearchCode,Birthday,LevelName,Remark,CreateDate,ActiveDate,"
                     L"LastUpdateDate from VipMember where ID = 1"),
              L"张小三|ZXS|1981-01-01|金卡会员|老客户|2013-05-06 14:03:09|2013-06-01 09:00:00|2013-06-01 09:00:00");
    // By name the code may change, not to another member's; by card the name may change.
    EXPECT_EQ(members.UpdateMemberInfoByName(db, Record(L"李四", L"V001")), 2);
    EXPECT_EQ(members.UpdateMemberInfoByName(db, Record(L"李四", L"V003")), 0);
    EXPECT_EQ(members.UpdateMemberInfoByCard(db, Record(L"李小四", L"V003", L"1990-09-09", L"银卡会员")), 0);
    EXPECT_EQ(RowsOf(db, L"select MemberName,MemberCode,LevelName from VipMember order by ID"),
              L"张小三|V001|金卡会员\n李小四|V003|银卡会员");
}

TEST_F(Members, DiscountOfTheLevelOrFullPrice) {
    ASSERT_EQ(members.InsertMemberInfo(db, Record(L"华联", L"V001", L"1980-03-04", L"银卡会员", L"9")), 0);
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"华联"), 0.95);
    // No member, or a discount that is no factor: full price, never free.
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"无名"), 1.0);
    Exec(L"update VipLevelSet set discount = 'abc' where LevelName = '银卡会员'");
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"华联"), 1.0);
}

TEST_F(Members, BirthdaysOfTheComingWeekStayInTheYear) {
    int n = 0;
    for (const wchar_t* day :
         {L"1985-12-27", L"1991-12-31", L"2000-01-02", L"1999-02-01", L"1992-02-29", L"1900-01-01"})
        ASSERT_EQ(Add(day, Fmt(L"V%d", ++n), day), 0);
    const struct {
        int year, month, day;
        const wchar_t* listed;
    } cases[] = {
        {2013, 12, 21, L"1985-12-27"},  // the window ends six days ahead
        {2013, 12, 28, L"1991-12-31"},  // near the year's end the window does not reach into January
        {2013, 1, 28, L"1999-02-01"},   // over a month's end it does
        {2013, 2, 25, L"1992-02-29"},   // a 29 February birthday counts in a short February
        {2014, 1, 1, L"2000-01-02"},    // no birthday given: never listed, also on 1 January
    };
    for (const auto& c : cases) {
        Clock::SetFixedLocal(c.year, c.month, c.day, 8);
        EXPECT_EQ(ListOf(members.GetMemberByBirthday(db), L"Birthday"), c.listed) << c.month << "-" << c.day;
    }
}

TEST_F(Members, ImportMakesMembersOfEnabledCustomersOnce) {
    for (auto [id, name, balance, flags] : {std::tuple{4, L"有欠款", 100.0, L"0,0,0,1"},
                                            {5, L"无欠款", 0.0, L"0,0,0,1"},
                                            {6, L"停用", 10.0, L"0,1,0,1"},
                                            {7, L"已删除", 10.0, L"0,0,1,1"},
                                            {8, L"供应商", 10.0, L"0,0,0,2"},
                                            {9, L"老会员", 10.0, L"0,0,0,1"},
                                            {10, L"手录会员", -5.0, L"0,0,0,1"}})
        Exec(
            Fmt(L"insert into Companies(CompanyID,CompanyName,SearchCode,Mobile,CurAmount,IsSystem,IsDisable,"
                L"IsDelete,CompanyType,Remark) values(%d,'%s','S%d','1380%d',%.2lf,%s,'备注%d')",
                id, name, id, id, balance, flags, id));
    ASSERT_EQ(members.InsertMemberInfo(db, Record(L"老会员", L"V1", L"1980-01-01", L"金卡会员", L"9")), 0);
    ASSERT_EQ(Add(L"手录会员", L"V2"), 0);  // the same person, typed in without the customer
    Clock::SetFixedLocal(2013, 6, 1, 10);
    // Mode 2: customers with a balance only; members already on file stay as they are.
    EXPECT_EQ(members.ImportCustToVipMember(db, 2), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select CompanyID,MemberName,MemberCode,SearchCode,Mobile,Birthday,LevelName,VipCore,"
                     L"CreateDate,Remark from VipMember where ID > 2"),
              L"4|有欠款||S4|13804|1900-01-01|普通会员|0|2013-06-01 10:00:00|备注4");
    EXPECT_EQ(members.ImportCustToVipMember(db, 3), 0);
    EXPECT_EQ(RowsOf(db, L"select MemberName,LevelName from VipMember order by ID"),
              L"老会员|金卡会员\n手录会员|普通会员\n有欠款|普通会员\n无欠款|普通会员");
}

TEST_F(Members, NewLevelsAreChecked) {
    EXPECT_EQ(members.InsertLevelSet(db, 4, L"钻石会员", L"0.8", L"5", L"最高"), 0);
    EXPECT_EQ(members.InsertLevelSet(db, 5, L"钻石会员", L"0.8", L"5", L""), 3);
    // A "9" meant as nine-tenths, a word, or no whole money per point are refused.
    for (auto [discount, conversion] : {std::pair{L"9", L"5"}, {L"abc", L"5"}, {L"0.7", L"2.5"}})
        EXPECT_EQ(members.InsertLevelSet(db, 6, L"黑卡会员", discount, conversion, L""), -1) << discount << conversion;
    EXPECT_EQ(RowsOf(db, L"select Level, LevelName, discount, Conversion, TotalScores from VipLevelSet where ID > 3"),
              L"4|钻石会员|0.8|5|1");
}

TEST_F(Members, ChangingALevelKeepsItsPlaceAndMovesItsMembers) {
    ASSERT_EQ(Add(L"张三", L"V1"), 0);
    EXPECT_EQ(members.IsLevelUsed(db, L"普通会员"), 1);
    EXPECT_EQ(members.UpdateLevelSet(db, 1, 1, L"铜卡会员", L"0.98", 0, L"20"), 0);
    EXPECT_EQ(members.GetMemberLevelByName(db, L"张三"), L"铜卡会员");
    // Another level's number, bad values or an unknown level leave everything as it was.
    EXPECT_EQ(members.UpdateLevelSet(db, 1, 2, L"铜卡会员", L"0.98", 0, L"20"), 3);
    EXPECT_EQ(members.UpdateLevelSet(db, 1, 1, L"铜卡会员", L"98", 0, L"20"), -1);
    EXPECT_EQ(members.UpdateLevelSet(db, 42, 9, L"新", L"0.5", 0, L"1"), -1);
    EXPECT_EQ(RowsOf(db, L"select ID,Level,LevelName,discount,Conversion,CreateDate from VipLevelSet order by ID"),
              L"1|1|铜卡会员|0.98|20|1970-01-01 00:00:00\n2|2|银卡会员|0.95|10|1970-01-01 00:00:00\n"
              L"3|3|金卡会员|0.9|10|1970-01-01 00:00:00");
}

}  // namespace
