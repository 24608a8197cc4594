// Customers and suppliers: creating, editing, balances, deleting, codes, checks and the
// pick-list queries of CCustomerBLL.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class Customers : public ShopDbTest {
protected:
    void SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }
    // Long form with only a name, code, phone and opening amount.
    int Create(const wchar_t* name, int type, const wchar_t* init = L"0", const wchar_t* phone = L"",
               const wchar_t* code = L"") {
        return cust.InsertCompany(db, name, L"", code, L"", phone, L"", L"", L"", L"", L"", init, L"", 0, type, error);
    }
    int Edit(int id, const wchar_t* name, const wchar_t* init, const wchar_t* code = L"") {
        return cust.UpdateCompany(db, id, name, L"", code, L"", L"", L"", L"", L"", L"", L"", init, L"", 0, error);
    }
    CString Row(int id, const wchar_t* columns) {
        return RowsOf(db, Fmt(L"SELECT %s FROM Companies WHERE CompanyID=%d", columns, id));
    }
    double Balance(int id) { return Real(Fmt(L"SELECT CurAmount FROM Companies WHERE CompanyID=%d", id)); }
    int Count(const wchar_t* table, const wchar_t* where = L"1") {
        return Int(Fmt(L"SELECT COUNT(*) FROM %s WHERE %s", table, where));
    }
    // A document row naming the partner, as the postings would leave it; isSystem: a virtual bill.
    void Doc(const wchar_t* table, int id, int isSystem = 0) {
        Exec(Fmt(L"INSERT INTO %s(CompanyID, CompanyName%s) VALUES(%d, 'x'%s)", table, isSystem ? L", IsSystem" : L"",
                 id, isSystem ? L", 1" : L""));
    }
    static CString Names(CppSQLite3Query q) { return ListOf(q, L"CompanyName"); }

    CCustomerBLL cust;
    CString error;
};

// --- Creating ----------------------------------------------------------------------------

TEST_F(Customers, CreateWritesEveryFieldAndJournalsTheRow) {
    SyncOn();
    EXPECT_EQ(cust.InsertCompany(db, L" 华联超市 ", L"华联超市有限公司", L"", L"张三", L"13800000000", L"0571-1",
                                 L"a@b.cn", L"12345", L"北京路1号", L"310000", L"100", L"老客户", 1, 1, error),
              4);
    EXPECT_EQ(Row(4,
                  L"CompanyName, CompanyCode, SearchCode, FullName, CompanyType, Contact, Mobile, Tel, Fax, QQ, "
                  L"Email, Address, PostCode, CurAmount, InitAmount, IsBoth, UserName, CreateDate, Remark, "
                  L"ContactGroup, IsDisable, IsSystem"),
              L"华联超市|KH0003|HLCS|华联超市有限公司|1|张三|13800000000|13800000000|0571-1|12345|a@b.cn|北京路1号|"
              L"310000|0.0|100.0|1|Admin|2013-05-06 14:03:09|老客户|客户|0|0");
    EXPECT_EQ(RowsOf(db, L"SELECT TName, CName, CValue, OType FROM OperateData"), L"Companies|CompanyID|4|A");
}

TEST_F(Customers, NewCodesFollowTheNewestPartnerOfTheType) {
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"KH0003");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 2, error), L"GYS0002");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 3, error), L"");  // no partner of the type yet
    EXPECT_EQ(cust.InsertCompany(db, L"新供应商", 2, error), 4);  // short form
    EXPECT_EQ(Row(4, L"CompanyCode, InitAmount, CurAmount, ContactGroup"), L"GYS0002|0.0|0.0|供应商");
    EXPECT_EQ(Create(L"甲", 1, L"", L"", L"KH0099"), 5);  // a given code is kept, no opening amount is 0
    EXPECT_EQ(Row(5, L"CompanyCode, InitAmount"), L"KH0099|0.0");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"KH0100");
    Create(L"丙", 1, L"0", L"", L"VIP");  // a code without a number gives none
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"");
}

TEST_F(Customers, CreatingAnExistingNameUpdatesAndReenablesThatRow) {
    const int id = Create(L"老王", 1, L"0", L"111");
    cust.SetEnableByID(db, id, 1, error);
    EXPECT_EQ(
        cust.InsertCompany(db, L"老王", L"王记", L"ZZ9", L"", L"222", L"", L"", L"", L"", L"", L"0", L"", 1, 1, error),
        id);
    EXPECT_EQ(Count(L"Companies", L"CompanyName='老王'"), 1);
    EXPECT_EQ(Row(id, L"Tel, FullName, CompanyCode, IsDisable"), L"222|王记|KH0003|0");  // the code stays
    // A supplier of that name is taken as it is; a plain contact's name is free for a customer.
    const int supplier = Create(L"大华", 2);
    EXPECT_EQ(cust.InsertCompany(db, L"大华", 1, error), supplier);
    EXPECT_EQ(Row(supplier, L"CompanyType"), L"2");
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('小李', 3)");
    EXPECT_GT(cust.InsertCompany(db, L"小李", 1, error), 0);
    EXPECT_EQ(Count(L"Companies", L"CompanyName='小李'"), 2);
}

TEST_F(Customers, CreateRefusesEmptyNamesAndBadOpeningAmounts) {
    EXPECT_EQ(Create(L"", 1), -1);
    EXPECT_EQ(Create(L" \u3000", 1), -1);
    EXPECT_EQ(Create(L"张三", 1, L"abc"), -1);
    EXPECT_EQ(error.Find(L"新增客户[张三]失败!"), 0) << error;
    EXPECT_EQ(Count(L"Companies"), 3);
}

// --- Editing -----------------------------------------------------------------------------

TEST_F(Customers, OpeningAmountMovesBalanceAndVirtualBill) {
    const int id = Create(L"客户甲", 1, L"100");
    ASSERT_EQ(CSaleBLL().InsertVirtualBill(db, L"100", id, error), 1);
    Exec(Fmt(L"INSERT INTO SaleBills(CompanyID, BillAmount) VALUES(%d, 30)", id));  // an ordinary bill keeps its amount
    const CString virtualBill =
        Fmt(L"SELECT BillAmount, DiscountAmount, OweAmount, GetAmount FROM SaleBills WHERE CompanyID=%d AND IsSystem=1",
            id);
    EXPECT_EQ(Edit(id, L"客户甲", L" 150 "), 1);
    EXPECT_EQ(Row(id, L"CurAmount, InitAmount"), L"150.0|150.0");
    EXPECT_EQ(RowsOf(db, virtualBill), L"150.0|150.0|150.0|0.0");
    EXPECT_EQ(Real(L"SELECT BillAmount FROM SaleBills WHERE IsSystem=0"), 30.0);
    EXPECT_EQ(Edit(id, L"客户甲", L""), 1);  // empty is 0
    EXPECT_EQ(Balance(id), 0.0);
    EXPECT_EQ(RowsOf(db, virtualBill), L"0.0|0.0|0.0|0.0");

    // A supplier's opening payable lives in the purchase virtual bill.
    const int supplier = Create(L"供应商乙", 2, L"20");
    ASSERT_EQ(CPurBLL().InsertVirtualBill(db, L"20", supplier, error), 1);
    EXPECT_EQ(Edit(supplier, L"供应商乙", L"-5.5"), 1);
    EXPECT_EQ(Balance(supplier), -5.5);
    EXPECT_EQ(Real(Fmt(L"SELECT OweAmount FROM PurBills WHERE CompanyID=%d AND IsSystem=1", supplier)), -5.5);
    EXPECT_EQ(Count(L"SaleBills", Fmt(L"CompanyID=%d", supplier)), 0);
}

TEST_F(Customers, RenameReenablesAndReachesEveryDocumentOfThePartnerOnly) {
    const int id = Create(L"甲", 1), other = Create(L"乙", 1);
    cust.SetEnableByID(db, id, 1, error);
    const wchar_t* const tables[] = {L"SaleBills", L"PurBills", L"SaleOrderBills", L"Account", L"CompPrice", L"Stocks"};
    for (int p : {id, other})
        for (const wchar_t* table : tables) Doc(table, p);
    ASSERT_EQ(Edit(id, L"丙", L"0", L"C9"), 1);
    EXPECT_EQ(Row(id, L"SearchCode, IsDisable"), L"B|0");
    for (const wchar_t* table : tables) {
        EXPECT_EQ(RowsOf(db, Fmt(L"SELECT CompanyName, CompanyCode FROM %s WHERE CompanyID=%d", table, id)), L"丙|C9")
            << CString(table);
        EXPECT_EQ(Text(Fmt(L"SELECT CompanyName FROM %s WHERE CompanyID=%d", table, other)), L"x") << CString(table);
    }
    EXPECT_EQ(Text(Fmt(L"SELECT CompSearchCode FROM CompPrice WHERE CompanyID=%d", id)), L"B");
}

TEST_F(Customers, EditRefusesDuplicatesUnknownPartnersAndBadAmounts) {
    const int id = Create(L"甲", 1, L"10");
    Create(L"供应商", 2);
    cust.AddCurrentAmount(db, id, 10, error);
    EXPECT_EQ(Edit(id, L"供应商", L"99"), -1);
    EXPECT_EQ(error,
              L"您输入的客户名称已经在客户资料或供应商资料中存在，不允许重复添加！\r\n"
              L"提示:如果该客户资料未出现在列表中，请选择“显示全部”。");
    EXPECT_EQ(Edit(id, L"零售客户", L"99"), -1);  // the delivered partners count too
    EXPECT_EQ(Edit(id, L"甲", L"12abc"), -1);
    EXPECT_EQ(error, L"期初金额[12abc]不是有效的数字!");
    EXPECT_EQ(Row(id, L"CompanyName, InitAmount, CurAmount"), L"甲|10.0|10.0");
    EXPECT_EQ(Edit(999, L"无此人", L"0"), -1);
    EXPECT_EQ(error, L"查找不到客户/供应商的资料数据，名称=无此人");
    EXPECT_EQ(Count(L"SaleBills") + Count(L"OperateData"), 0);
}

// --- Balances and enabling ---------------------------------------------------------------

TEST_F(Customers, BalancesAreKeptInCents) {
    const int id = Create(L"甲", 1);
    const struct {
        bool add;
        double amount;
        const wchar_t* balance;
    } moves[] = {{true, 12.345, L"12.35"}, {false, 12.35, L"0.0"}, {false, 1.005, L"-1.01"}, {false, -2.675, L"1.67"}};
    for (const auto& move : moves) {
        SCOPED_TRACE(move.amount);
        EXPECT_EQ(move.add ? cust.AddCurrentAmount(db, id, move.amount, error)
                           : cust.DecCurrentAmount(db, id, move.amount, error),
                  1);
        EXPECT_EQ(Row(id, L"CurAmount"), move.balance);
    }
    // A partner that is not there: nothing to move, and no row appears.
    EXPECT_EQ(cust.AddCurrentAmount(db, 999, 5, error), 1);
    EXPECT_EQ(Count(L"Companies", L"CompanyID=999"), 0);

    Exec(L"CREATE TRIGGER NoWrites BEFORE UPDATE ON Companies BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_EQ(cust.AddCurrentAmount(db, id, 1, error), -1);
    EXPECT_EQ(error,
              L"1:更新客户当前欠款数据失败!\r\n2:locked\r\n3:sql= UPDATE Companies SET CurAmount=2.67 WHERE  "
              L"CompanyID=4");
    EXPECT_EQ(cust.DecCurrentAmount(db, id, 1, error), -1);
    EXPECT_EQ(Row(id, L"CurAmount"), L"1.67");
}

TEST_F(Customers, UsablePartnersBeyondTheDeliveredOnes) {
    EXPECT_FALSE(cust.HaveCustData(db));
    const int customer = Create(L"甲", 1);
    EXPECT_TRUE(cust.HaveCustData(db));
    EXPECT_FALSE(cust.HaveSuppData(db));
    cust.SetEnableByID(db, customer, 1, error);
    EXPECT_FALSE(cust.HaveCustData(db));
    cust.SetEnableByID(db, customer, 0, error);
    Exec(Fmt(L"UPDATE Companies SET IsDelete=1 WHERE CompanyID=%d", customer));
    EXPECT_FALSE(cust.HaveCustData(db));
    Create(L"乙", 2);
    EXPECT_TRUE(cust.HaveSuppData(db));
}

// --- Deleting ----------------------------------------------------------------------------

TEST_F(Customers, PartnersNamedByDocumentsAreNotDeleted) {
    const struct {
        const wchar_t* table;
        int type;
        const wchar_t* error;
    } cases[] = {{L"SaleBills", 1, L"该客户关联有销售单据，不允许删除数据!"},
                 {L"PurBills", 2, L"该供应商关联有采购单据，不允许删除数据!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(CString(c.table));
        const int id = Create(c.table, c.type);
        Doc(c.table, id);
        EXPECT_EQ(cust.DeleteCompany(db, id, error), -1);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(Count(L"Companies", Fmt(L"CompanyID=%d", id)) + Count(c.table, Fmt(L"CompanyID=%d", id)), 2);
    }
    // The delivered partners stay even without documents: postings fall back on them.
    for (int id : {1, 2, 3}) {
        EXPECT_EQ(cust.DeleteCompany(db, id, error), -1);
        EXPECT_EQ(error, L"不允许删除该数据!");
    }
    EXPECT_EQ(Count(L"Companies", L"IsSystem=1"), 3);
}

TEST_F(Customers, DeleteRemovesThePartnerWithItsVirtualBillsAndPrices) {
    SyncOn();
    const int id = Create(L"甲", 1, L"50"), keep = Create(L"乙", 1, L"60");
    for (int p : {id, keep}) {
        CSaleBLL().InsertVirtualBill(db, L"50", p, error);
        Doc(L"CompPrice", p);
    }
    Doc(L"PurBills", id, 1);
    EXPECT_EQ(cust.DeleteCompany(db, id, error), 1);
    for (const wchar_t* table : {L"Companies", L"SaleBills", L"PurBills", L"CompPrice"}) {
        EXPECT_EQ(Count(table, Fmt(L"CompanyID=%d", id)), 0) << CString(table);
        EXPECT_EQ(Count(table, Fmt(L"CompanyID=%d", keep)), CString(table) != L"PurBills" ? 1 : 0) << CString(table);
    }
    EXPECT_EQ(Text(L"SELECT OType FROM OperateData WHERE TName='Companies' AND CValue='4'"), L"D");
    EXPECT_EQ(cust.DeleteCompany(db, id, error), 1);  // gone already: nothing left to delete
}

TEST_F(Customers, DocumentCountLeavesVirtualBillsOut) {
    const int id = Create(L"甲", 1);
    for (const wchar_t* table : {L"SaleBills", L"PurBills", L"SaleOrderBills", L"Account"}) Doc(table, id);
    Doc(L"SaleBills", id, 1);
    Doc(L"PurBills", id, 1);
    // The sale and purchase bill have the same key value: still two documents.
    ASSERT_EQ(Int(L"SELECT MIN(SaleID) FROM SaleBills"), Int(L"SELECT MIN(PurID) FROM PurBills"));
    EXPECT_EQ(cust.IsHasBills(db, id, error), 4);
    EXPECT_EQ(cust.IsHasBills(db, 999, error), 0);
    // Whether documents name it cannot be told: the partner stays.
    Exec(L"DROP TABLE SaleOrderBills");
    EXPECT_EQ(cust.IsHasBills(db, id, error), -1);
    EXPECT_EQ(cust.DeleteCompany(db, id, error), -1);
    EXPECT_EQ(Count(L"Companies", L"CompanyID=4"), 1);
}

// --- Checks and queries ------------------------------------------------------------------

TEST_F(Customers, ExistenceChecksFindTheNameAsStored) {
    const int customer = Create(L"甲", 1), supplier = Create(L"乙", 2);
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('丙', 3)");
    EXPECT_FALSE(cust.IsExisted(db, L"甲", customer, error));
    EXPECT_TRUE(cust.IsExisted(db, L"乙", customer, error));
    EXPECT_FALSE(cust.IsExisted(db, L"丙", 0, error));  // contacts are not partners
    EXPECT_EQ(cust.GetCompanyIDByName(db, L"乙"), supplier);

    // Names are made safe the same way everywhere: the raw name finds the stored one.
    const wchar_t* raw = L"O'Brien|~%^,……——商行";
    const int id = Create(raw, 1);
    EXPECT_EQ(Row(id, L"CompanyName"), L"O*Brien\uFF5C*\uFF05*\uFF0C**商行");
    EXPECT_TRUE(cust.IsExisted(db, raw, 0, error));
    EXPECT_EQ(cust.IsExistedCustName(db, raw, error), 1);
    EXPECT_EQ(cust.GetCompanyIDByName(db, raw), id);
    EXPECT_EQ(Create(raw, 1), id);  // and is not created twice
}

TEST_F(Customers, ListsHideSystemAndDisabledPartners) {
    const int owing = Create(L"阿里", 1, L"0", L"135"), b = Create(L"百度", 1, L"0", L"136");
    Create(L"腾讯", 2, L"0", L"135");
    cust.SetEnableByID(db, b, 1, error);
    EXPECT_EQ(Names(cust.QueryCompanyList(db, L"", false, 1, error)), L"阿里");
    EXPECT_EQ(Names(cust.QueryCompanyList(db, L"", true, 0, error)), L"阿里,腾讯,百度");  // by name, descending
    EXPECT_EQ(Names(cust.QueryCompanyByNameTel(db, 1, L"", L"13", true, error)), L"百度,阿里");  // newest first
    // Receipts list only partners with a balance, unless all are asked for.
    cust.AddCurrentAmount(db, owing, 9.5, error);
    EXPECT_EQ(Names(cust.QueryByKeyword(db, 1, L"13", false, error)), L"阿里");
}

TEST_F(Customers, PickListsOfTheFrontEnd) {
    Create(L"安客", 1);
    Create(L"贝供", 2);
    cust.SetEnableByID(db, Create(L"藏客", 1), 1, error);
    EXPECT_EQ(Names(cust.QueryCompForSelect(db, L"", true, 2, error)), L"零散供应商,贝供");  // delivered rows first
    // Bills list their own kind first, then enabled non-system partners of the other kind.
    EXPECT_EQ(Names(cust.QueryCompForBillSelect(db, L"", true, 2, error)), L"零散供应商,贝供,安客");
    EXPECT_EQ(Names(cust.QueryCompForBillSelect(db, L"B", false, 1, error)), L"贝供");
}

}  // namespace
