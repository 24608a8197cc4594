// Customers and suppliers: creating, editing, balances, deleting, codes, checks and the
// pick-list queries of CCustomerBLL.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Sql;

namespace {

class Customers : public ShopDbTest {
protected:
    void SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }
    // Long form with only a name, phone and opening amount.
    int Create(const wchar_t* name, int type, const wchar_t* init = L"0", const wchar_t* phone = L"") {
        return cust.InsertCompany(db, name, L"", L"", L"", phone, L"", L"", L"", L"", L"", init, L"", 0, type, error);
    }
    int CreateWithCode(const wchar_t* name, const wchar_t* code, const wchar_t* init = L"0") {
        return cust.InsertCompany(db, name, L"", code, L"", L"", L"", L"", L"", L"", L"", init, L"", 0, 1, error);
    }
    int Edit(int id, const wchar_t* name, const wchar_t* init, const wchar_t* code = L"") {
        return cust.UpdateCompany(db, id, name, L"", code, L"", L"", L"", L"", L"", L"", L"", init, L"", 0, error);
    }
    CString Row(int id, const wchar_t* columns) {
        return RowsOf(db, Sql(L"SELECT %s FROM Companies WHERE CompanyID=%d", columns, id));
    }
    double Balance(int id) { return Real(Sql(L"SELECT CurAmount FROM Companies WHERE CompanyID=%d", id)); }
    int Count(const wchar_t* table, const wchar_t* where = L"1") {
        return Int(Sql(L"SELECT COUNT(*) FROM %s WHERE %s", table, where));
    }
    // A document row naming the partner, as the postings would leave it; isSystem: a virtual bill.
    void Doc(const wchar_t* table, int id, int isSystem = 0) {
        Exec(Sql(L"INSERT INTO %s(CompanyID, CompanyName%s) VALUES(%d, 'x'%s)", table, isSystem ? L", IsSystem" : L"",
                 id, isSystem ? L", 1" : L""));
    }
    // The given columns of a result, fields joined by "|" and rows by "\n".
    static CString Rows(CppSQLite3Query q, std::vector<const wchar_t*> columns = {L"CompanyName"}) {
        CString text;
        for (bool first = true; !q.eof(); q.nextRow(), first = false) {
            if (!first) text += L"\n";
            for (size_t i = 0; i < columns.size(); ++i) text += (i ? L"|" : L"") + q.getStringField(columns[i]);
        }
        return text;
    }

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
                  L"Email, Address, PostCode, CurAmount, InitAmount, IsBoth, UserID, UserName, CreateDate, "
                  L"LastUpdateDate, Remark, ContactGroup, IsDisable, IsSystem"),
              L"华联超市|KH0003|HLCS|华联超市有限公司|1|张三|13800000000|13800000000|0571-1|12345|a@b.cn|北京路1号|"
              L"310000|0.0|100.0|1|0|Admin|2013-05-06 14:03:09|2013-05-06 14:03:09|老客户|客户|0|0");
    EXPECT_EQ(RowsOf(db, L"SELECT TName, CName, CValue, OType FROM OperateData"), L"Companies|CompanyID|4|A");
}

TEST_F(Customers, ShortFormGivesTheNextCodeZeroAmountsAndGroupByType) {
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"KH0003");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 2, error), L"GYS0002");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 3, error), L"");  // no partner of the type yet
    EXPECT_EQ(cust.InsertCompany(db, L"新供应商", 2, error), 4);
    EXPECT_EQ(cust.InsertCompany(db, L"新客户", 1, error), 5);
    EXPECT_EQ(cust.InsertCompany(db, L"又一个客户", 1, error), 6);
    EXPECT_EQ(cust.InsertCompany(db, L"其他", 7, error), 7);  // neither customer nor supplier
    EXPECT_EQ(CreateWithCode(L"甲", L"VIP01", L""), 8);       // a given code is kept, no opening amount is 0
    EXPECT_EQ(RowsOf(db,
                     L"SELECT CompanyCode, CompanyType, InitAmount, CurAmount, IsBoth, ContactGroup FROM "
                     L"Companies WHERE CompanyID > 3 ORDER BY CompanyID"),
              L"GYS0002|2|0.0|0.0|0|供应商\nKH0003|1|0.0|0.0|0|客户\nKH0004|1|0.0|0.0|0|客户\n|7|0.0|0.0|0|客户\n"
              L"VIP01|1|0.0|0.0|0|客户");
    // The newest partner of the type gives the next code; a code without a number has none.
    CreateWithCode(L"乙", L"KH0099");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"KH0100");
    CreateWithCode(L"丙", L"VIP");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"");
    EXPECT_EQ(error, L"");
}

TEST_F(Customers, CreatingAnExistingNameUpdatesAndReenablesThatRow) {
    const int id = Create(L"老王", 1, L"0", L"111");
    cust.SetEnableByID(db, id, 1, error);
    error = L"old";
    EXPECT_EQ(
        cust.InsertCompany(db, L"老王", L"王记", L"ZZ9", L"", L"222", L"", L"", L"", L"", L"", L"0", L"", 1, 1, error),
        id);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(Count(L"Companies", L"CompanyName='老王'"), 1);
    EXPECT_EQ(Row(id, L"Tel, FullName, CompanyCode, IsDisable, IsBoth"), L"222|王记|KH0003|0|0");  // the code stays

    // A supplier of that name is taken as it is, type and all.
    const int supplier = Create(L"大华", 2);
    EXPECT_EQ(cust.InsertCompany(db, L"大华", 1, error), supplier);
    EXPECT_EQ(Row(supplier, L"CompanyType"), L"2");
    // A plain contact's name is free for a customer.
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('小李', 3)");
    EXPECT_GT(cust.InsertCompany(db, L"小李", 1, error), 0);
    EXPECT_EQ(Count(L"Companies", L"CompanyName='小李'"), 2);
}

TEST_F(Customers, CreateRefusesEmptyNamesAndBadOpeningAmounts) {
    for (const wchar_t* empty : {L"", L"  \t", L"\u3000"}) EXPECT_EQ(Create(empty, 1), -1) << CString(empty);
    EXPECT_TRUE(TakeLog().empty());
    // The opening amount goes into the statement as a number.
    EXPECT_EQ(Create(L"张三", 1, L"abc"), -1);
    EXPECT_EQ(error.Find(L"新增客户[张三]失败!\r\nno such column: abc\r\nsql: INSERT INTO Companies("), 0) << error;
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    EXPECT_EQ(Count(L"Companies"), 3);
}

// --- Editing -----------------------------------------------------------------------------

TEST_F(Customers, OpeningAmountMovesBalanceAndVirtualBill) {
    const int id = Create(L"客户甲", 1, L"100");
    ASSERT_EQ(CSaleBLL().InsertVirtualBill(db, L"100", id, error), 1);
    Exec(Sql(L"INSERT INTO SaleBills(CompanyID, BillAmount) VALUES(%d, 30)", id));  // an ordinary bill keeps its amount
    const CString virtualBill =
        Sql(L"SELECT BillAmount, DiscountAmount, OweAmount, GetAmount FROM SaleBills WHERE "
            L"CompanyID=%d AND IsSystem=1",
            id);
    EXPECT_EQ(Edit(id, L"客户甲", L" 150 "), 1);
    EXPECT_EQ(Row(id, L"CurAmount, InitAmount"), L"150.0|150.0");
    EXPECT_EQ(RowsOf(db, virtualBill), L"150.0|150.0|150.0|0.0");
    EXPECT_EQ(Real(L"SELECT BillAmount FROM SaleBills WHERE IsSystem=0"), 30.0);
    EXPECT_EQ(Edit(id, L"客户甲", L"150"), 1);  // unchanged: the balance stays
    EXPECT_EQ(Balance(id), 150.0);
    EXPECT_EQ(Edit(id, L"客户甲", L""), 1);  // empty is 0
    EXPECT_EQ(Balance(id), 0.0);
    EXPECT_EQ(RowsOf(db, virtualBill), L"0.0|0.0|0.0|0.0");

    // A supplier's opening payable lives in the purchase virtual bill.
    const int supplier = Create(L"供应商乙", 2, L"20");
    ASSERT_EQ(CPurBLL().InsertVirtualBill(db, L"20", supplier, error), 1);
    EXPECT_EQ(Edit(supplier, L"供应商乙", L"-5.5"), 1);
    EXPECT_EQ(Balance(supplier), -5.5);
    EXPECT_EQ(Real(Sql(L"SELECT OweAmount FROM PurBills WHERE CompanyID=%d AND IsSystem=1", supplier)), -5.5);
    EXPECT_EQ(Count(L"SaleBills", Sql(L"CompanyID=%d", supplier)), 0);
}

TEST_F(Customers, EditWritesTheFieldsAndReenables) {
    SyncOn();
    const int id = Create(L"旧名", 1);
    cust.SetEnableByID(db, id, 1, error);
    EXPECT_EQ(cust.UpdateCompany(db, id, L"新名", L"全称", L"N1", L"联系人", L"139", L"fax", L"e@x", L"qq1", L"地址",
                                 L"100000", L"0", L"备注", 1, error),
              1);
    EXPECT_EQ(Row(id,
                  L"CompanyName, CompanyCode, FullName, Contact, Mobile, Tel, Fax, Email, QQ, Address, PostCode, "
                  L"IsBoth, SearchCode, Remark, IsDisable"),
              L"新名|N1|全称|联系人|139|139|fax|e@x|qq1|地址|100000|1|XM|备注|0");
    EXPECT_EQ(Text(L"SELECT group_concat(OType, '') FROM OperateData WHERE CValue='4'"), L"A");  // added, then edited
}

TEST_F(Customers, RenameReachesEveryDocumentOfThePartnerOnly) {
    const int id = Create(L"甲", 1), other = Create(L"乙", 1);
    const wchar_t* const tables[] = {L"SaleBills", L"PurBills", L"SaleOrderBills", L"Account", L"CompPrice", L"Stocks"};
    for (int p : {id, other})
        for (const wchar_t* table : tables) Doc(table, p);
    ASSERT_EQ(Edit(id, L"丙", L"0", L"C9"), 1);
    for (const wchar_t* table : tables) {
        EXPECT_EQ(RowsOf(db, Sql(L"SELECT CompanyName, CompanyCode FROM %s WHERE CompanyID=%d", table, id)), L"丙|C9")
            << CString(table);
        EXPECT_EQ(Text(Sql(L"SELECT CompanyName FROM %s WHERE CompanyID=%d", table, other)), L"x") << CString(table);
    }
    EXPECT_EQ(Text(Sql(L"SELECT CompSearchCode FROM CompPrice WHERE CompanyID=%d", id)), L"B");
    EXPECT_EQ(Row(id, L"SearchCode"), L"B");
}

// --- Balances and enabling ---------------------------------------------------------------

TEST_F(Customers, EditRefusesDuplicatesUnknownPartnersAndBadAmountsAndStopsAtAFailingStep) {
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
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('联系人', 3)");
    EXPECT_EQ(Edit(Int(L"SELECT MAX(CompanyID) FROM Companies"), L"联系人", L"0"), -1);  // a contact is no partner
    EXPECT_EQ(Count(L"SaleBills") + Count(L"OperateData"), 0);

    // A failing step stops the edit and is reported.
    TakeLog();
    Exec(L"DROP TABLE CompPrice");
    EXPECT_EQ(Edit(id, L"乙", L"10"), -1);
    EXPECT_EQ(error,
              L"修改客户[乙]失败!\r\nno such table: CompPrice\r\nsql:UPDATE CompPrice Set CompanyName = '乙', "
              L"CompanyCode = '' WHERE CompanyID = 4");
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    EXPECT_EQ(Row(id, L"CompanyName"), L"乙");  // steps before the failure stay written

    // A failing rename of the documents gives its own message.
    Exec(L"DROP TABLE Stocks");
    Exec(L"CREATE TABLE CompPrice(CompanyID, CompanyName, CompanyCode, CompSearchCode)");
    EXPECT_EQ(Edit(id, L"丙", L"10"), -1);
    EXPECT_EQ(error, L"同步客户资料时出错！\r\n\r\nno such table: Stocks");
}

TEST_F(Customers, BalancesAreKeptInCents) {
    SyncOn();
    const int id = Create(L"甲", 1);
    const struct {
        bool add;
        double amount;
        const wchar_t* balance;
    } moves[] = {{true, 12.345, L"12.35"}, {false, 12.35, L"0.0"},   {true, 0.1, L"0.1"},
                 {true, 0.2, L"0.3"},      {false, 1.005, L"-0.71"}, {false, -2.675, L"1.97"}};  // -0.705; adds
    for (const auto& move : moves) {
        SCOPED_TRACE(move.amount);
        EXPECT_EQ(move.add ? cust.AddCurrentAmount(db, id, move.amount, error)
                           : cust.DecCurrentAmount(db, id, move.amount, error),
                  1);
        EXPECT_EQ(Row(id, L"CurAmount"), move.balance);
    }
    EXPECT_EQ(Text(L"SELECT group_concat(OType, '') FROM OperateData WHERE CValue='4'"), L"A");

    // A partner that is not there: nothing to move, and no row appears.
    EXPECT_EQ(cust.AddCurrentAmount(db, 999, 5, error), 1);
    EXPECT_EQ(cust.DecCurrentAmount(db, 999, 5, error), 1);
    EXPECT_EQ(Count(L"Companies", L"CompanyID=999"), 0);

    Exec(L"CREATE TRIGGER NoWrites BEFORE UPDATE ON Companies BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_EQ(cust.AddCurrentAmount(db, id, 1, error), -1);
    EXPECT_EQ(error,
              L"1:更新客户当前欠款数据失败!\r\n2:locked\r\n3:sql= UPDATE Companies SET CurAmount=2.97 WHERE  "
              L"CompanyID=4");
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    EXPECT_EQ(cust.DecCurrentAmount(db, id, 1, error), -1);
    EXPECT_EQ(cust.SetEnableByID(db, id, 1, error), -1);
    EXPECT_EQ(error.Find(L"1:SQL执行失败!\r\n2:locked\r\n3:sql= UPDATE Companies SET IsDisable=1"), 0) << error;
    EXPECT_EQ(Row(id, L"CurAmount, IsDisable"), L"1.97|0");
}

TEST_F(Customers, UsablePartnersBeyondTheDeliveredOnes) {
    EXPECT_FALSE(cust.HaveCustData(db));
    EXPECT_FALSE(cust.HaveSuppData(db));
    const int customer = Create(L"甲", 1);
    EXPECT_TRUE(cust.HaveCustData(db));
    EXPECT_FALSE(cust.HaveSuppData(db));
    EXPECT_EQ(cust.SetEnableByID(db, customer, 1, error), 1);
    EXPECT_EQ(Row(customer, L"IsDisable"), L"1");
    EXPECT_FALSE(cust.HaveCustData(db));
    EXPECT_EQ(cust.SetEnableByID(db, customer, 0, error), 1);
    EXPECT_EQ(Row(customer, L"IsDisable"), L"0");
    EXPECT_EQ(cust.SetEnableByID(db, 999, 1, error), 1);  // nothing to change
    Exec(Sql(L"UPDATE Companies SET IsDelete=1 WHERE CompanyID=%d", customer));
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
                 {L"PurBills", 2, L"该供应商关联有采购单据，不允许删除数据!"},
                 {L"Account", 1, L"该客户关联有销售单据，不允许删除数据!"},
                 {L"SaleOrderBills", 1, L"该客户关联有销售单据，不允许删除数据!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(CString(c.table));
        const int id = Create(c.table, c.type);
        Doc(c.table, id);
        EXPECT_EQ(cust.DeleteCompany(db, id, error), -1);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(Count(L"Companies", Sql(L"CompanyID=%d", id)) + Count(c.table, Sql(L"CompanyID=%d", id)), 2);
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
    EXPECT_EQ(cust.IsHasBills(db, id, error), 0);
    EXPECT_EQ(cust.DeleteCompany(db, id, error), 1);
    for (const wchar_t* table : {L"Companies", L"SaleBills", L"PurBills", L"CompPrice"}) {
        EXPECT_EQ(Count(table, Sql(L"CompanyID=%d", id)), 0) << CString(table);
        EXPECT_EQ(Count(table, Sql(L"CompanyID=%d", keep)), CString(table) != L"PurBills" ? 1 : 0) << CString(table);
    }
    EXPECT_EQ(Text(L"SELECT OType FROM OperateData WHERE TName='Companies' AND CValue='4'"), L"D");
    EXPECT_EQ(cust.DeleteCompany(db, id, error), 1);  // gone already: nothing left to delete
    EXPECT_EQ(Count(L"Companies"), 4);
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

    Exec(L"DROP TABLE SaleOrderBills");
    EXPECT_EQ(cust.IsHasBills(db, id, error), -1);
    EXPECT_EQ(error.Find(L"1:SQL执行失败!\r\n2:no such table: saleOrderbills\r\n3:sql=SELECT COUNT(*) FROM (SELECT "
                         L"saleid AS id FROM  salebills WHERE  companyid=4 AND  issystem=0 UNION ALL"),
              0)
        << error;
    // Whether documents name it cannot be told: the partner stays.
    EXPECT_EQ(cust.DeleteCompany(db, id, error), -1);
    EXPECT_EQ(Count(L"Companies", L"CompanyID=4"), 1);
}

// --- Codes, checks and queries -----------------------------------------------------------

TEST_F(Customers, ExistenceChecksFindTheNameAsStored) {
    const int customer = Create(L"甲", 1), supplier = Create(L"乙", 2);
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('丙', 3)");
    EXPECT_TRUE(cust.IsExisted(db, L"甲", 0, error));
    EXPECT_FALSE(cust.IsExisted(db, L"甲", customer, error));
    EXPECT_TRUE(cust.IsExisted(db, L"乙", customer, error));
    EXPECT_FALSE(cust.IsExisted(db, L"丙", 0, error));  // contacts are not partners
    EXPECT_TRUE(cust.IsExisted(db, L"丙"));
    EXPECT_FALSE(cust.IsExisted(db, L"丁"));
    EXPECT_EQ(cust.IsExistedCustName(db, L"甲", error), 1);
    EXPECT_EQ(cust.IsExistedCustName(db, L"乙", error), 0);
    EXPECT_EQ(cust.GetCompanyIDByName(db, L"乙"), supplier);
    EXPECT_EQ(cust.GetCompanyIDByName(db, L"丙"), 0);
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('乙', 1)");  // a second row of the name
    EXPECT_EQ(cust.GetCompanyIDByName(db, L"乙"), 7);

    // Names are made safe the same way everywhere: the raw name finds the stored one.
    const wchar_t* raw = L"O'Brien|~%^,……——商行";
    const int id = Create(raw, 1);
    EXPECT_EQ(Row(id, L"CompanyName"), L"O*Brien\uFF5C*\uFF05*\uFF0C**商行");
    EXPECT_TRUE(cust.IsExisted(db, raw, 0, error));
    EXPECT_FALSE(cust.IsExisted(db, raw, id, error));
    EXPECT_TRUE(cust.IsExisted(db, raw));
    EXPECT_EQ(cust.IsExistedCustName(db, raw, error), 1);
    EXPECT_EQ(cust.GetCompanyIDByName(db, raw), id);
    EXPECT_EQ(Rows(cust.QueryCompanyByName(db, raw, error), {L"CompanyID"}), Sql(L"%d", id));
    EXPECT_EQ(Create(raw, 1), id);  // and is not created twice
    EXPECT_EQ(Edit(id, L"A'B", L"0", L"C'1"), 1);
    EXPECT_EQ(Row(id, L"CompanyName, CompanyCode"), L"A*B|C*1");
}

TEST_F(Customers, ListsHideSystemAndDisabledPartners) {
    const int a = Create(L"阿里", 1, L"0", L"135"), b = Create(L"百度", 1, L"0", L"136");
    Create(L"腾讯", 2, L"0", L"135");
    cust.SetEnableByID(db, b, 1, error);

    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"", false, 1, error)), L"阿里");
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"", true, 1, error)), L"阿里\n百度");
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"", true, 0, error)), L"阿里\n腾讯\n百度");  // by name, descending
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L" BD ", true, 0, error)), L"百度");
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"KH0003", false, 0, error), {L"CompanyID"}), Sql(L"%d", a));

    EXPECT_EQ(Rows(cust.QueryCompanyByNameTel(db, 1, L"", L"13", true, error)), L"百度\n阿里");  // newest first
    EXPECT_EQ(Rows(cust.QueryCompanyByNameTel(db, 1, L"", L"13", false, error)), L"阿里");
    EXPECT_EQ(Rows(cust.QueryCompanyByNameTel(db, 2, L"腾", L"135", false, error)), L"腾讯");
    EXPECT_EQ(Rows(cust.QueryCompanyByID(db, a, error)), L"阿里");
    EXPECT_TRUE(cust.QueryCompanyByID(db, 999, error).eof());
}

TEST_F(Customers, KeywordSearchOfReceiptsAndPayments) {
    const int owing = Create(L"欠款户", 1, L"0", L"777");
    Create(L"结清户", 1, L"0", L"778");
    cust.AddCurrentAmount(db, owing, 9.5, error);
    EXPECT_EQ(Rows(cust.QueryByKeyword(db, 1, L"77", false, error)), L"欠款户");
    EXPECT_EQ(Rows(cust.QueryByKeyword(db, 1, L"77", true, error)), L"结清户\n欠款户");  // by search code
    EXPECT_EQ(Rows(cust.QueryByKeyword(db, 2, L"", true, error)), L"");
}

TEST_F(Customers, PickListsOfTheFrontEnd) {
    Create(L"安客", 1);
    Create(L"贝供", 2);
    cust.SetEnableByID(db, Create(L"藏客", 1), 1, error);

    EXPECT_EQ(Rows(cust.QueryCompForSelect(db, L"", false, 0, error), {L"SearchCode", L"CompanyName"}),
              L"AK|安客\nBG|贝供");
    EXPECT_EQ(Rows(cust.QueryCompForSelect(db, L"", true, 2, error)), L"零散供应商\n贝供");  // delivered rows first
    EXPECT_EQ(Rows(cust.QueryCompForSelect(db, L"KH", true, 1, error)), L"零售客户\n淘宝网客户\n安客");
    EXPECT_TRUE(cust.QueryCompForSelect(db, L"", true, 3, error).isNull());

    // Bills list their own kind first, then enabled non-system partners of the other kind.
    EXPECT_EQ(
        Rows(cust.QueryCompForBillSelect(db, L"", false, 2, error), {L"CompanyName", L"IsSystem", L"CompanyType"}),
        L"贝供|0|2\n安客|0|1");
    EXPECT_EQ(Rows(cust.QueryCompForBillSelect(db, L"", true, 2, error)), L"零散供应商\n贝供\n安客");
    EXPECT_EQ(Rows(cust.QueryCompForBillSelect(db, L"", true, 0, error)), L"零售客户\n淘宝网客户\n安客\n贝供");
    EXPECT_EQ(Rows(cust.QueryCompForBillSelect(db, L"B", false, 1, error)), L"贝供");
}

TEST_F(Customers, ChecksAndQueriesReportAMissingTable) {
    Exec(L"DROP TABLE Companies");
    CppSQLite3Query q = cust.QueryCompanyByID(db, 4, error);
    EXPECT_TRUE(q.isNull());
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(error,
              L"1:SQL执行失败!\r\n2:no such table: Companies\r\n3:sql=SELECT * FROM Companies WHERE CompanyID=4 ");
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    for (CppSQLite3Query r :
         {cust.QueryCompanyByName(db, L"x", error), cust.QueryCompanyList(db, L"", true, 0, error),
          cust.QueryCompanyByNameTel(db, 1, L"", L"", true, error), cust.QueryByKeyword(db, 1, L"", true, error),
          cust.QueryCompForSelect(db, L"", true, 0, error), cust.QueryCompForBillSelect(db, L"", true, 1, error)})
        EXPECT_TRUE(r.isNull());
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"");
    EXPECT_EQ(error.Find(L"1:获取编码失败!\r\n2:no such table: Companies"), 0) << error;

    EXPECT_FALSE(cust.IsExisted(db, L"甲", 0, error));
    EXPECT_EQ(error.Find(L"1:SQL执行失败!\r\n2:no such table: Companies\r\n3:sql= SELECT COUNT(*)"), 0) << error;
    error = L"";
    EXPECT_EQ(cust.IsExistedCustName(db, L"甲", error), 0);
    EXPECT_EQ(error, L"no such table: Companies");
    EXPECT_FALSE(cust.IsExisted(db, L"甲"));
    EXPECT_EQ(cust.GetCompanyIDByName(db, L"甲"), 0);
    EXPECT_FALSE(cust.HaveCustData(db));
    const std::vector<CString> log = TakeLog();
    EXPECT_NE(std::find(log.begin(), log.end(), CString(L"IsExistedCustName():: ERROR")), log.end()) << Joined(log);
}

}  // namespace
