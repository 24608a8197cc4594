// VIP members and levels: member records and their checks, look-ups, lists by birthday and
// by last change, the bulk import of customers, and the level settings of CMemberBLL.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Clock;
using shopbiz::Sql;

namespace {

class Members : public ShopDbTest {
protected:
    // A member record: name, code, contact, tel, birthday, sex, mobile, fax, QQ, e-mail,
    // address, level, picture, customer ID.
    static CString Record(const wchar_t* name, const wchar_t* code, const wchar_t* birthday = L"1980-03-04",
                          const wchar_t* level = L"普通会员", const wchar_t* companyID = L"0",
                          const wchar_t* mobile = L"13900000000") {
        return Sql(L"%s~%s~王五~0571-8~%s~男~%s~0571-9~123~w@x.cn~中山路2号~%s~pic.bmp~%s", name, code, birthday,
                   mobile, level, companyID);
    }
    int Add(const wchar_t* name, const wchar_t* code, const wchar_t* birthday = L"1980-03-04",
            const wchar_t* level = L"普通会员") {
        return members.InsertMemberInfo(db, Record(name, code, birthday, level));
    }
    CString MemberID(const wchar_t* name) {
        return Text(Sql(L"select ID from VipMember where MemberName = '%s'", name));
    }
    CString Birthdays() { return ListOf(members.GetMemberByBirthday(db), L"Birthday"); }

    CMemberBLL members;
};

// --- Member records -------------------------------------------------------------------------

TEST_F(Members, InsertWritesTheWholeRecordOrNothing) {
    EXPECT_EQ(members.InsertMemberInfo(db, Record(L" 张三 ", L"V001", L"1980-03-04", L"银卡会员", L"7")), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select CompanyID,MemberName,MemberCode,SearchCode,Contact,Tel,Birthday,Sex,Mobile,Fax,QQ,"
                     L"Email,Address,LevelName,VipCore,VipBitmap,CreateDate,ActiveDate,LastUpdateDate,Remark "
                     L"from VipMember"),
              L"7|张三|V001|ZS|王五|0571-8|1980-03-04|1|13900000000|0571-9|123|w@x.cn|中山路2号|银卡会员|0|pic.bmp|"
              L"2013-05-06 14:03:09|2013-05-06 14:03:09|2013-05-06 14:03:09|");
    // Any other sex text is female; no birthday is stored as the day that stands for none;
    // a quote in a name is kept as typed.
    EXPECT_EQ(members.InsertMemberInfo(db, L"O'Neil~V002~~~~女~~~~~~普通会员~~"), 0);
    EXPECT_EQ(RowsOf(db, L"select MemberName,Sex,Birthday,CompanyID from VipMember where MemberCode = 'V002'"),
              L"O'Neil|0|1900-01-01|0");
    // A short record or no name writes nothing.
    EXPECT_EQ(members.InsertMemberInfo(db, L"李四~V003~王五~0571-8~1980-03-04~男~1~2~3~4~5~普通会员~pic"), -1);
    EXPECT_EQ(members.InsertMemberInfo(db, Record(L"  ", L"V004")), -1);
    EXPECT_EQ(members.UpdateMemberInfoByName(db, L"张三~V001"), -1);
    EXPECT_EQ(RowsOf(db, L"select MemberName, MemberCode from VipMember"), L"张三|V001\nO'Neil|V002");
}

TEST_F(Members, TakenNameOrCodeIsRefused) {
    ASSERT_EQ(Add(L"张三", L"V001"), 0);
    EXPECT_EQ(Add(L"张三", L"V002"), 1);
    EXPECT_EQ(Add(L"李四", L"V001"), 2);
    EXPECT_EQ(Add(L"张三", L"V001"), 3);
    EXPECT_EQ(members.IsMemberInfoUsed(db, L"李四", L"V002"), 0);
    // Members without a card do not collide on the empty code.
    EXPECT_EQ(Add(L"李四", L""), 0);
    EXPECT_EQ(Add(L"赵六", L""), 0);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 3);
    EXPECT_EQ(members.doCheckMemberByID(db, L"张三", L"V001", MemberID(L"张三")), 0);
    EXPECT_EQ(members.doCheckMemberByID(db, L"李四", L"V001", MemberID(L"张三")), 1);
}

TEST_F(Members, EditsByIdNameAndCard) {
    ASSERT_EQ(Add(L"张三", L"V001"), 0);
    ASSERT_EQ(Add(L"李四", L"V002"), 0);
    Exec(L"update VipMember set Remark = '老客户'");
    const CString id = MemberID(L"张三");
    Clock::SetFixedLocal(2013, 6, 1, 9, 0, 0);

    // Another member's name or code is refused and nothing changes.
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"李四", L"V009"), id, L"张三"), 1);
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"张三", L"V002"), id, L"张三"), 2);
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"张三", L"V001"), L"999", L"张三"), -1);
    EXPECT_EQ(Text(L"select LastUpdateDate from VipMember where MemberCode = 'V001'"), L"2013-05-06 14:03:09");

    // A new name and level; the remark stays unless the record brings one.
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"张小三", L"V001", L"1981-01-01", L"金卡会员"), id, L"张三"), 0);
    const CString row =
        Sql(L"select MemberName,SearchCode,Birthday,LevelName,Remark,CreateDate,ActiveDate,"
            L"LastUpdateDate from VipMember where ID = %s",
            id);
    EXPECT_EQ(RowsOf(db, row),
              L"张小三|ZXS|1981-01-01|金卡会员|老客户|2013-05-06 14:03:09|2013-06-01 09:00:00|2013-06-01 09:00:00");
    EXPECT_EQ(members.UpdateMemberInfoByID(db, Record(L"张小三", L"V001") + L"~新备注", id, L""), 0);
    EXPECT_EQ(Text(Sql(L"select Remark from VipMember where ID = %s", id)), L"新备注");

    // By name: the code may change, not to another member's.
    EXPECT_EQ(members.UpdateMemberInfoByName(db, Record(L"李四", L"V001")), 2);
    EXPECT_EQ(members.UpdateMemberInfoByName(db, Record(L"李四", L"V003", L"1990-09-09")), 0);
    EXPECT_EQ(RowsOf(db, L"select MemberCode,Birthday from VipMember where MemberName = '李四'"), L"V003|1990-09-09");
    EXPECT_EQ(members.UpdateMemberInfoByName(db, Record(L"王二", L"V004")), -1);

    // By card: the name may change, the code is the key.
    EXPECT_EQ(members.UpdateMemberInfoByCard(db, Record(L"张小三", L"V003")), 1);
    EXPECT_EQ(members.UpdateMemberInfoByCard(db, Record(L"李小四", L"V003", L"1990-09-09", L"银卡会员")), 0);
    EXPECT_EQ(RowsOf(db, L"select MemberName,LevelName from VipMember where MemberCode = 'V003'"), L"李小四|银卡会员");
    EXPECT_EQ(members.UpdateMemberInfoByCard(db, Record(L"无卡", L"")), -1);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 2);
}

TEST_F(Members, CustomerMemberLookupsEditAndDelete) {
    ASSERT_EQ(members.InsertMemberInfo(db, Record(L"华联", L"V001", L"1980-03-04", L"银卡会员", L"9")), 0);
    CString name = L"x", code = L"x";
    EXPECT_EQ(members.IsVipMemberByCompayID(db, name, code, 9), 1);
    EXPECT_EQ(name + L"|" + code, L"华联|V001");
    EXPECT_EQ(members.IsVipMemberByCompayID(db, name, code, 10), 0);
    EXPECT_EQ(members.GetMemberNameByCompanyID(db, 10, name, code), 0);
    EXPECT_EQ(name + L"|" + code, L"|");
    EXPECT_EQ(members.GetMemberNameByCompanyID(db, 9, name, code), 0);
    EXPECT_EQ(name, L"华联");
    EXPECT_EQ(members.GetMemberLevelByName(db, L"华联"), L"银卡会员");
    EXPECT_EQ(members.GetMemberLevelByName(db, L"无名"), L"");
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"华联"), 0.95);
    // No member, a level gone, or a discount that is no factor: full price, never free.
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"无名"), 1.0);
    Exec(L"update VipLevelSet set discount = 'abc' where LevelName = '银卡会员'");
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"华联"), 1.0);
    Exec(L"delete from VipLevelSet where LevelName = '银卡会员'");
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"华联"), 1.0);

    // An edit of the customer carries over; a customer that is no member changes nothing.
    EXPECT_EQ(members.UpdateMemberInfoCompayID(db, 9, L"华联超市", L"HLCS", L"赵", L"138", L"88", L"99", L"h@l.cn",
                                               L"北京路", L"大客户"),
              0);
    EXPECT_EQ(members.UpdateMemberInfoCompayID(db, 10, L"别人", L"", L"", L"", L"", L"", L"", L"", L""), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select MemberName,SearchCode,Contact,Mobile,Fax,QQ,Email,Address,Remark,MemberCode "
                     L"from VipMember"),
              L"华联超市|HLCS|赵|138|88|99|h@l.cn|北京路|大客户|V001");
    EXPECT_EQ(members.deleteMemberByName(db, L"华联超市"), 0);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 0);
}

// --- Lists ----------------------------------------------------------------------------------------

TEST_F(Members, SearchAndPlainLists) {
    for (auto [name, code, mobile] : {std::tuple{L"张三", L"V1", L"13911112222"},
                                      {L"张小明", L"V2", L"13733334444"},
                                      {L"李四", L"V3", L"13911115555"}})
        ASSERT_EQ(members.InsertMemberInfo(db, Record(name, code, L"1980-01-01", L"普通会员", L"0", mobile)), 0);
    EXPECT_EQ(ListOf(members.GetMemberInfo(db, L"张", L""), L"MemberName"), L"张三,张小明");
    EXPECT_EQ(ListOf(members.GetMemberInfo(db, L"ZS", L""), L"MemberName"), L"张三");
    EXPECT_EQ(ListOf(members.GetMemberInfo(db, L"", L"1111"), L"MemberName"), L"李四,张三");
    EXPECT_EQ(ListOf(members.GetMemberInfo(db, L"'", L""), L"MemberName"), L"");
    EXPECT_EQ(ListOf(members.GetMemberList(db), L"MemberCode"), L"V1,V2,V3");
}

TEST_F(Members, BirthdaysOfTheComingWeekStayInTheYear) {
    int n = 0;
    for (const wchar_t* day : {L"1970-12-19", L"1980-12-20", L"1990-12-26", L"1985-12-27", L"1991-12-31", L"2000-01-02",
                               L"1999-02-01", L"2001-02-04", L"1992-02-29", L"1900-01-01"})
        ASSERT_EQ(Add(day, Sql(L"V%d", ++n), day), 0);
    const struct {
        int month, day;
        const wchar_t* listed;
    } cases[] = {
        {12, 20, L"1980-12-20,1990-12-26"},
        {12, 28, L"1991-12-31"},  // near the year's end the window does not reach into January
        {1, 28, L"1999-02-01"},   // over a month's end it does
        {2, 25, L"1992-02-29"},   // a 29 February birthday counts in a short February
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "-" << c.day);
        Clock::SetFixedLocal(2013, c.month, c.day, 8);
        EXPECT_EQ(Birthdays(), c.listed);
    }
    Clock::SetFixedLocal(2013, 12, 20, 8);
    EXPECT_EQ(members.GetMemberByBirthday(db).getStringField(L"tDayBirthday"), L"2013-12-20");
    // No birthday given: never listed, also on 1 January.
    Clock::SetFixedLocal(2014, 1, 1, 8);
    EXPECT_EQ(Birthdays(), L"2000-01-02");
}

TEST_F(Members, QuietForAMonth) {
    Clock::SetFixedLocal(2013, 4, 5, 23, 59, 59);
    ASSERT_EQ(Add(L"老会员", L"V1"), 0);
    Clock::SetFixedLocal(2013, 4, 6, 0, 0, 0);
    ASSERT_EQ(Add(L"新会员", L"V2"), 0);
    Clock::SetFixedLocal(2013, 3, 1);
    ASSERT_EQ(Add(L"更老会员", L"V3"), 0);
    Clock::SetFixedLocal(2013, 5, 6, 14, 3, 9);
    EXPECT_EQ(ListOf(members.GetMemberByLastDate(db), L"MemberName"), L"更老会员,老会员");
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
            Sql(L"insert into Companies(CompanyID,CompanyName,SearchCode,Mobile,CurAmount,IsSystem,IsDisable,"
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
    EXPECT_EQ(RowsOf(db, L"select MemberName,LevelName from VipMember where ID <= 2 order by ID"),
              L"老会员|金卡会员\n手录会员|普通会员");
    EXPECT_EQ(members.ImportCustToVipMember(db, 3), 0);
    EXPECT_EQ(Text(L"select group_concat(MemberName) from VipMember where ID > 2"), L"有欠款,无欠款");
    EXPECT_EQ(members.ImportCustToVipMember(db, 1), 0);
    EXPECT_EQ(members.ImportCustToVipMember(db, 7), -1);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 4);
}

// --- Levels -----------------------------------------------------------------------------------------

TEST_F(Members, NewLevelsAreCheckedAndListed) {
    EXPECT_EQ(members.InsertLevelSet(db, 4, L"钻石会员", L"0.8", L"5", L"最高"), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select Level,LevelName,discount,Conversion,CreateDate,TotalScores,Remark from VipLevelSet "
                     L"where ID = 4"),
              L"4|钻石会员|0.8|5|2013-05-06 14:03:09|1|最高");
    EXPECT_EQ(members.InsertLevelSet(db, 5, L"钻石会员", L"0.8", L"5", L""), 3);
    EXPECT_EQ(members.InsertLevelSet(db, 4, L"黑卡会员", L"0.8", L"5", L""), 3);
    EXPECT_EQ(members.doCheckLevel(db, 6, L"黑卡会员"), 0);
    // A "9" meant as nine-tenths, a word, or no whole money per point are refused.
    for (auto [name, discount, conversion] : {std::tuple{L"黑卡会员", L"9", L"5"},
                                              {L"黑卡会员", L"abc", L"5"},
                                              {L"黑卡会员", L"0.7", L"2.5"},
                                              {L"", L"0.7", L""}})
        EXPECT_EQ(members.InsertLevelSet(db, 6, name, discount, conversion, L""), -1) << discount << conversion;
    EXPECT_EQ(members.InsertLevelSet(db, 6, L"黑卡会员", L"", L"", L""), 0);
    EXPECT_EQ(RowsOf(db, L"select discount,Conversion from VipLevelSet where Level = 6"), L"1|");

    CString error = L"old";
    EXPECT_EQ(ListOf(members.GetLevelInfoAll(db, error), L"LevelName"),
              L"普通会员,银卡会员,金卡会员,钻石会员,黑卡会员");
    EXPECT_EQ(error, L"");
    CString name, discount;
    for (auto [level, expected] : {std::pair{L"-1", L"普通会员|1"}, {L"4", L"钻石会员|0.8"}, {L"99", L"|1"}}) {
        EXPECT_EQ(members.GetLevelnfoByLevel(db, name, discount, level), 0);
        EXPECT_EQ(name + L"|" + discount, expected);
    }
}

TEST_F(Members, ChangingALevelKeepsItsPlaceAndMovesItsMembers) {
    ASSERT_EQ(Add(L"张三", L"V1", L"1980-01-01", L"普通会员"), 0);
    Exec(L"update VipLevelSet set Remark = '默认' where ID = 1");
    EXPECT_EQ(members.IsLevelUsed(db, L"普通会员"), 1);
    EXPECT_EQ(members.IsLevelUsed(db, L"金卡会员"), 0);

    EXPECT_EQ(members.UpdateLevelSet(db, 1, 1, L"铜卡会员", L"0.98", 0, L"20"), 0);
    EXPECT_EQ(RowsOf(db,
                     L"select ID,Level,LevelName,discount,Conversion,CreateDate,Remark from VipLevelSet order by "
                     L"ID limit 1"),
              L"1|1|铜卡会员|0.98|20|1970-01-01 00:00:00|默认");
    EXPECT_EQ(members.GetMemberLevelByName(db, L"张三"), L"铜卡会员");

    // Another level's number or name, bad values or an unknown level leave everything as it was.
    EXPECT_EQ(members.UpdateLevelSet(db, 1, 2, L"铜卡会员", L"0.98", 0, L"20"), 3);
    EXPECT_EQ(members.UpdateLevelSet(db, 1, 1, L"金卡会员", L"0.98", 0, L"20"), 3);
    EXPECT_EQ(members.UpdateLevelSet(db, 1, 1, L"铜卡会员", L"98", 0, L"20"), -1);
    EXPECT_EQ(members.UpdateLevelSet(db, 42, 9, L"新", L"0.5", 0, L"1"), -1);
    EXPECT_EQ(RowsOf(db, L"select Level,LevelName,discount from VipLevelSet order by ID"),
              L"1|铜卡会员|0.98\n2|银卡会员|0.95\n3|金卡会员|0.9");

    CppSQLite3Query byId = members.GetLevelIfoByID(db, 3);
    EXPECT_EQ(byId.getStringField(L"LevelName") + L"|" + byId.getStringField(L"Conversion"), L"金卡会员|10");
    byId.finalize();
    EXPECT_EQ(members.deleteLevelById(db, 3), 0);
    EXPECT_EQ(Int(L"select count(*) from VipLevelSet"), 2);
}

TEST_F(Members, DatabaseErrorsAreLoggedByMethodName) {
    TakeLog();
    Exec(L"drop table VipMember");
    EXPECT_EQ(Add(L"张三", L"V1"), -1);
    EXPECT_EQ(members.ImportCustToVipMember(db, 1), -1);
    EXPECT_TRUE(members.GetMemberList(db).eof());
    EXPECT_DOUBLE_EQ(members.GetMemberDiscount(db, L"张三"), 1.0);
    // The method that met the error logs it; its callers only pass the failure on.
    EXPECT_EQ(Joined(TakeLog()), Joined({L"IsMemberInfoUsed(): 异常. ", L"ImportCustToVipMember(): 异常. ",
                                         L"GetMemberList(): 异常. ", L"GetMemberLevelByName(): 异常. "}));
    Exec(L"drop table VipLevelSet");
    CString error;
    EXPECT_TRUE(members.GetLevelInfoAll(db, error).isNull());
    EXPECT_NE(error.Find(L"VipLevelSet"), -1) << error;
}

}  // namespace
