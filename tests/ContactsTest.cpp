// The address book: plain contacts, contact groups (renamed and deleted with their members),
// ticking contacts and the contact lists of CCustomerBLL.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class Contacts : public ShopDbTest {
protected:
    int Customer(const wchar_t* name, int type = 1) { return cust.InsertCompany(db, name, type, error); }
    int IdOf(const wchar_t* name) { return Int(Fmt(L"select CompanyID from Companies where CompanyName='%s'", name)); }
    CString Row(const wchar_t* name,
                const wchar_t* columns = L"CompanyType, CompanyCode, SearchCode, Mobile, ContactGroup") {
        return RowsOf(db, Fmt(L"select %s from Companies where CompanyName='%s'", columns, name));
    }
    CString Groups() { return ListOf(cust.GetContactGroup(db, L"", 1), L"ProjectName"); }
    int Count(const wchar_t* table, const wchar_t* where) {
        return Int(Fmt(L"select count(*) from %s where %s", table, where));
    }

    CCustomerBLL cust;
    CString error;
};

TEST_F(Contacts, AddingAContactCreatesItsGroupOnceAndTheContactOnce) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    EXPECT_EQ(cust.AddContacts(db, L" 同学 ", L" 张三 ", L"13900000000"), 0);
    EXPECT_EQ(cust.AddContacts(db, L"同学", L"张三", L"13911111111"), 0);  // already there: kept as it is
    EXPECT_EQ(Row(L"张三"), L"3|ZS|ZS|13900000000|同学");
    EXPECT_EQ(RowsOf(db,
                     L"select ProjectType, AccountType, SearchCode, IsSystem, CreateDate from Project "
                     L"where ProjectName='同学'"),
              L"6||TX|0|2013-05-06 14:03:09");
    EXPECT_EQ(RowsOf(db, L"select TName, CName, CValue, OType from OperateData"), L"Companies|CompanyName|张三|A");
    // The same name may stand in another group; an empty name or group is refused.
    EXPECT_EQ(cust.AddContacts(db, L"家人", L"张三", L""), 0);
    EXPECT_EQ(Count(L"Companies", L"CompanyName='张三'"), 2);
    EXPECT_EQ(cust.AddContacts(db, L"家人", L"  ", L""), -2);
    EXPECT_EQ(cust.AddContacts(db, L"", L"李四", L""), -2);
    EXPECT_EQ(Groups(), L"客户,供应商,同学,家人");
}

TEST_F(Contacts, EditingAContactKeepsAPartnersTypeAndCodeAndRenamesItsPrices) {
    const int customer = Customer(L"华联超市");
    Exec(
        Fmt(L"insert into CompPrice(CompanyID, CompanyName, CompanyCode, ProductName) values(%d, '华联超市', 'KH0003', "
            L"'x')",
            customer));
    cust.AddContacts(db, L"同学", L"张三", L"1");
    const int plain = IdOf(L"张三");

    EXPECT_EQ(cust.UpdateContactByID(db, L"大客户", L"华联百货", L"138", customer), 0);
    EXPECT_EQ(Row(L"华联百货", L"CompanyType, CompanyCode, SearchCode, Tel, Mobile, ContactGroup"),
              L"1|KH0003|HLBH|138|138|大客户");
    EXPECT_EQ(RowsOf(db, L"select CompanyName, CompanyCode from CompPrice"), L"华联百货|KH0003");
    EXPECT_EQ(cust.UpdateContactByID(db, L"同学", L"李四", L"139", plain), 0);
    EXPECT_EQ(Row(L"李四"), L"3|LS|LS|139|同学");
    EXPECT_EQ(Groups(), L"客户,供应商,同学,大客户");  // the new group was made

    struct Refusal {
        const wchar_t *group, *name;
        int id, result;
    } refusals[] = {
        {L"大客户", L"华联百货", plain, -2},  // another partner of that group has the name
        {L"同学", L"", plain, -2},
        {L"", L"王五", plain, -2},
        {L"同学", L"王五", 999, -3},
    };
    for (const Refusal& r : refusals) EXPECT_EQ(cust.UpdateContactByID(db, r.group, r.name, L"0", r.id), r.result);
    EXPECT_EQ(Row(L"李四"), L"3|LS|LS|139|同学");
    EXPECT_EQ(cust.UpdateContactByID(db, L"同学", L"李四", L"137", plain), 0);  // its own name is no clash
}

TEST_F(Contacts, RenamingAGroupMovesItsMembersUnlessTheNameIsTaken) {
    cust.AddContacts(db, L"同学", L"张三", L"");
    cust.AddContacts(db, L"家人", L"李四", L"");
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"家人", L"同学"), -2);
    EXPECT_EQ(cust.UpdateContactsGroup(db, L" ", L"同学"), -2);
    EXPECT_EQ(Row(L"张三", L"ContactGroup"), L"同学");
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"老同学", L"同学"), 0);
    EXPECT_EQ(Groups(), L"客户,供应商,家人,老同学");
    EXPECT_EQ(Row(L"张三", L"ContactGroup"), L"老同学");
    // A delivered group is renamed like any other, its partners with it.
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"顾客", L"客户"), 0);
    EXPECT_EQ(Row(L"零售客户", L"ContactGroup"), L"顾客");
}

TEST_F(Contacts, DeletingAGroupWithItsContactsIsAllOrNothing) {
    const int customer = Customer(L"华联超市");
    cust.UpdateContactByID(db, L"同学", L"华联超市", L"", customer);
    cust.AddContacts(db, L"同学", L"张三", L"");
    // The customer's opening bill and customer price go with it.
    Exec(Fmt(L"insert into SaleBills(CompanyID, IsSystem, BillType) values(%d, 1, 0)", customer));
    Exec(Fmt(L"insert into CompPrice(CompanyID, CompanyName) values(%d, '华联超市')", customer));
    Exec(Fmt(L"insert into SaleBills(CompanyID, IsSystem, BillType) values(%d, 0, 1)", customer));  // business

    EXPECT_EQ(cust.DeletGroupandContacts(db, L"同学"), -2);
    EXPECT_EQ(Count(L"Companies", L"ContactGroup='同学'"), 2);
    EXPECT_EQ(Groups(), L"客户,供应商,同学");

    Exec(L"delete from SaleBills where IsSystem = 0");
    EXPECT_EQ(cust.DeletGroupandContacts(db, L"同学"), 0);
    EXPECT_EQ(Count(L"Companies", L"ContactGroup='同学'"), 0);
    EXPECT_EQ(Count(L"SaleBills", L"1") + Count(L"CompPrice", L"1"), 0);
    EXPECT_EQ(Groups(), L"客户,供应商");
    // The delivered partners never go: the postings fall back on them.
    EXPECT_EQ(cust.DeletGroupandContacts(db, L"客户"), -2);
    EXPECT_EQ(Count(L"Companies", L"IsSystem=1"), 3);
}

TEST_F(Contacts, DeletingOnlyTheGroupLeavesItsMembersWhereTheyAre) {
    cust.AddContacts(db, L"同学", L"张三", L"");
    EXPECT_EQ(cust.IsUseGroup(db, L"同学"), 1);
    EXPECT_EQ(cust.IsUseGroup(db, L"家人"), 0);
    EXPECT_EQ(cust.DeleteContactsGroup(db, L"同学"), 0);
    EXPECT_TRUE(cust.GetContactsGroup(db, L"同学").eof());
    EXPECT_EQ(Row(L"张三", L"ContactGroup"), L"同学");
    Exec(L"update Companies set IsDisable = 1 where CompanyName = '张三'");
    EXPECT_EQ(cust.IsUseGroup(db, L""), 0);  // the delivered partners do not count
}

TEST_F(Contacts, ListsFindContactsByGroupKeywordAndTick) {
    Customer(L"华联超市");
    Customer(L"大华", 2);
    cust.AddContacts(db, L"同学", L"张三", L"13900000000");
    cust.AddContacts(db, L"同学", L"李四", L"13800000000");
    cust.AddContactsGroup(db, L"家人");

    EXPECT_EQ(ListOf(cust.GetContactGroup(db, L"", 0), L"ProjectName"), L"同学,家人");  // the user's own
    EXPECT_EQ(ListOf(cust.GetContactGroup(db, L"客", 1), L"ProjectName"), L"客户");
    EXPECT_EQ(ListOf(cust.GetContactsGroup(db, L"供应商"), L"ProjectType"), L"5");

    struct Search {
        const wchar_t *group, *keyword, *names;
        long count;
    } searches[] = {
        {L"", L"", L"华联超市,大华,张三,李四", 4},  // by type; the delivered partners are left out
        {L"同学", L"", L"张三,李四", 2},
        {L"", L"139", L"张三", 1},
        {L"", L"LS", L"李四", 1},
        {L"家人", L"", L"", 0},
    };
    for (const Search& s : searches) {
        long count = -9;
        EXPECT_EQ(ListOf(cust.GetContactsByGroup(db, s.group, s.keyword, count), L"CompanyName"), s.names)
            << s.group << "/" << s.keyword;
        EXPECT_EQ(count, s.count);
    }

    EXPECT_EQ(cust.UpdateIsSelectByID(db, 1, IdOf(L"李四")), 0);
    EXPECT_EQ(cust.UpdateIsSelectByID(db, 1, IdOf(L"大华")), 0);
    EXPECT_EQ(ListOf(cust.GetContactsBySelect(db), L"CompanyName"), L"大华,李四");
    EXPECT_EQ(cust.ClearSelect(db), 0);
    EXPECT_TRUE(cust.GetContactsBySelect(db).eof());

    EXPECT_EQ(ListOf(cust.QueryContactList(db, L"", error), L"CompanyName"),
              L"大华,李四,张三,华联超市");  // by group, then search code
}

TEST_F(Contacts, DatabaseErrorsAreLoggedAndGiveTheFailureValue) {
    Exec(L"drop table Project");
    EXPECT_EQ(cust.AddContacts(db, L"同学", L"张三", L""), -1);
    EXPECT_EQ(Count(L"Companies", L"CompanyType=3"), 0);
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"新", L"旧"), -1);
    EXPECT_TRUE(cust.GetContactGroup(db, L"", 1).eof());
    EXPECT_EQ(Joined(TakeLog()), "no such table: Project\nno such table: Project\nno such table: Project\n");

    Exec(L"drop table Companies");
    long count = 0;
    EXPECT_TRUE(cust.GetContactsByGroup(db, L"", L"", count).eof());
    EXPECT_EQ(count, -1);
    EXPECT_TRUE(cust.QueryContactList(db, L"x", error).eof());
    EXPECT_TRUE(error.Find(L"1:SQL执行失败!\r\n2:no such table: Companies\r\n3:sql= SELECT * FROM Companies") == 0)
        << error;
}

}  // namespace
