// The address book of CCustomerBLL: contacts, contact groups renamed and deleted with their
// members, ticks and the contact lists.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class Contacts : public ShopDbTest {
protected:
    int IdOf(const wchar_t* name) { return Int(Fmt(L"select CompanyID from Companies where CompanyName='%s'", name)); }
    CString Row(const wchar_t* name,
                const wchar_t* columns = L"CompanyType, CompanyCode, SearchCode, Tel, ContactGroup") {
        return RowsOf(db, Fmt(L"select %s from Companies where CompanyName='%s'", columns, name));
    }
    CString Groups() { return ListOf(cust.GetContactGroup(db, L"", 1), L"ProjectName"); }

    CCustomerBLL cust;
    CString error;
};

TEST_F(Contacts, AContactIsAddedOnceIntoItsNewGroupAndEditedThere) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    EXPECT_EQ(cust.AddContacts(db, L" 同学 ", L" 张三 ", L"139"), 0);
    EXPECT_EQ(cust.AddContacts(db, L"同学", L"张三", L"138"), 0);  // already there: kept as it is
    EXPECT_EQ(cust.AddContacts(db, L"", L"李四", L""), -2);
    EXPECT_EQ(Row(L"张三", L"CompanyType, CompanyCode, SearchCode, Mobile, ContactGroup"), L"3|ZS|ZS|139|同学");
    EXPECT_EQ(RowsOf(db, L"select ProjectType, SearchCode, CreateDate from Project where ProjectName='同学'"),
              L"6|TX|2013-05-06 14:03:09");
    EXPECT_EQ(RowsOf(db, L"select CName, CValue, OType from OperateData"), L"CompanyName|张三|A");

    EXPECT_EQ(cust.UpdateContactByID(db, L"家人", L"李四", L"137", IdOf(L"张三")), 0);
    EXPECT_EQ(Row(L"李四"), L"3|LS|LS|137|家人");
    EXPECT_EQ(cust.UpdateContactByID(db, L"家人", L"王五", L"0", 999), -3);
    EXPECT_EQ(Groups(), L"客户,供应商,同学,家人");
}

TEST_F(Contacts, EditingAPartnerKeepsItsTypeAndCodeAndRefusesANameTakenInTheGroup) {
    const int customer = cust.InsertCompany(db, L"华联超市", 1, error);
    Exec(Fmt(L"insert into CompPrice(CompanyID, CompanyName, CompanyCode) values(%d, '华联超市', 'KH0003')", customer));
    cust.AddContacts(db, L"大客户", L"张三", L"1");
    EXPECT_EQ(cust.UpdateContactByID(db, L"大客户", L"张三", L"138", customer), -2);
    EXPECT_EQ(cust.UpdateContactByID(db, L"大客户", L"华联百货", L"138", customer), 0);
    EXPECT_EQ(Row(L"华联百货"), L"1|KH0003|HLBH|138|大客户");
    EXPECT_EQ(RowsOf(db, L"select CompanyName, CompanyCode from CompPrice"), L"华联百货|KH0003");
}

TEST_F(Contacts, RenamingAGroupMovesItsMembersButDeletingItAloneDoesNot) {
    cust.AddContacts(db, L"同学", L"张三", L"");
    cust.AddContacts(db, L"家人", L"李四", L"");
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"家人", L"同学"), -2);
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"老同学", L"同学"), 0);
    EXPECT_EQ(cust.UpdateContactsGroup(db, L"顾客", L"客户"), 0);  // a delivered group too
    EXPECT_EQ(Row(L"张三", L"ContactGroup") + Row(L"零售客户", L"ContactGroup"), L"老同学顾客");

    EXPECT_EQ(cust.DeleteContactsGroup(db, L"家人"), 0);
    EXPECT_EQ(Groups(), L"顾客,供应商,老同学");
    EXPECT_EQ(Row(L"李四", L"ContactGroup"), L"家人");
    EXPECT_EQ(cust.IsUseGroup(db, L"家人") * 10 + cust.IsUseGroup(db, L"同学"), 10);
}

TEST_F(Contacts, DeletingAGroupWithItsContactsIsAllOrNothing) {
    const int customer = cust.InsertCompany(db, L"华联超市", 1, error);
    cust.UpdateContactByID(db, L"同学", L"华联超市", L"", customer);
    cust.AddContacts(db, L"同学", L"张三", L"");
    Exec(
        Fmt(L"insert into SaleBills(CompanyID, IsSystem, BillType) values(%d, 1, 0), (%d, 0, 1); insert into "
            L"CompPrice(CompanyID) values(%d)",
            customer, customer, customer));  // an opening bill, a sale, a customer price

    EXPECT_EQ(cust.DeletGroupandContacts(db, L"同学"), -2);
    EXPECT_EQ(Int(L"select count(*) from Companies where ContactGroup='同学'"), 2);
    EXPECT_EQ(Groups(), L"客户,供应商,同学");

    Exec(L"delete from SaleBills where IsSystem = 0");
    EXPECT_EQ(cust.DeletGroupandContacts(db, L"同学"), 0);
    EXPECT_EQ(Int(L"select (select count(*) from Companies where ContactGroup='同学') + (select count(*) from "
                  L"SaleBills) + (select count(*) from CompPrice)"),
              0);
    EXPECT_EQ(Groups(), L"客户,供应商");
    EXPECT_EQ(cust.DeletGroupandContacts(db, L"客户"), -2);  // the delivered partners stay
    EXPECT_EQ(Int(L"select count(*) from Companies where IsSystem=1"), 3);
}

TEST_F(Contacts, ListsByGroupKeywordAndTick) {
    cust.InsertCompany(db, L"大华", 2, error);
    cust.AddContacts(db, L"同学", L"张三", L"13900000000");
    cust.AddContacts(db, L"同学", L"李四", L"13800000000");
    EXPECT_EQ(ListOf(cust.GetContactGroup(db, L"", 0), L"ProjectName"), L"同学");  // the user's own groups
    EXPECT_EQ(ListOf(cust.GetContactsGroup(db, L"供应商"), L"ProjectType"), L"5");
    long count = 0;
    EXPECT_EQ(ListOf(cust.GetContactsByGroup(db, L"", L"", count), L"CompanyName"), L"大华,张三,李四");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(ListOf(cust.GetContactsByGroup(db, L"同学", L"139", count), L"CompanyName"), L"张三");
    EXPECT_EQ(count, 1);

    cust.UpdateIsSelectByID(db, 1, IdOf(L"李四"));
    cust.UpdateIsSelectByID(db, 1, IdOf(L"大华"));
    EXPECT_EQ(ListOf(cust.GetContactsBySelect(db), L"CompanyName"), L"大华,李四");
    EXPECT_EQ(cust.ClearSelect(db), 0);
    EXPECT_TRUE(cust.GetContactsBySelect(db).eof());
    EXPECT_EQ(ListOf(cust.QueryContactList(db, L"", error), L"CompanyName"), L"大华,李四,张三");  // group, code
}

TEST_F(Contacts, DatabaseErrorsAreLoggedAndGiveTheFailureValue) {
    Exec(L"drop table Project");
    EXPECT_EQ(cust.AddContacts(db, L"同学", L"张三", L""), -1);
    EXPECT_EQ(Int(L"select count(*) from Companies where CompanyType=3"), 0);
    EXPECT_EQ(Joined(TakeLog()), "no such table: Project\n");
    Exec(L"drop table Companies");
    long count = 0;
    EXPECT_TRUE(cust.GetContactsByGroup(db, L"", L"", count).eof());
    EXPECT_EQ(count, -1);
    EXPECT_TRUE(cust.QueryContactList(db, L"x", error).eof());
    EXPECT_EQ(error.Find(L"1:SQL执行失败!\r\n2:no such table: Companies\r\n3:sql= SELECT"), 0) << error;
}

}  // namespace
