// Customers and suppliers: creating, editing, balances, deleting, codes, checks and the
// pick-list queries of CCustomerBLL.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "frame/ServiceFrame.h"
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
    int Edit(int id, const wchar_t* name, const wchar_t* init, const wchar_t* code = L"", const wchar_t* phone = L"") {
        return cust.UpdateCompany(db, id, name, L"", code, L"", phone, L"", L"", L"", L"", L"", init, L"", 0, error);
    }
    CString Field(int id, const wchar_t* column) {
        return Text(Sql(L"SELECT %s FROM Companies WHERE CompanyID=%d", column, id));
    }
    double Balance(int id) { return Real(Sql(L"SELECT CurAmount FROM Companies WHERE CompanyID=%d", id)); }
    // Documents naming a partner, written as the postings would leave them.
    void SaleBill(int id, int isSystem = 0, double amount = 0) {
        Exec(
            Sql(L"INSERT INTO SaleBills(BillCode, CompanyID, CompanyName, IsSystem, BillType, BillAmount) "
                L"VALUES('XS%d', %d, 'x', %d, %d, %.2lf)",
                id, id, isSystem, isSystem ? 0 : 1, amount));
    }
    void PurBill(int id, int isSystem = 0) {
        Exec(Sql(L"INSERT INTO PurBills(BillCode, CompanyID, CompanyName, IsSystem) VALUES('JH%d', %d, 'x', %d)", id,
                 id, isSystem));
    }
    void SaleOrder(int id) {
        Exec(Sql(L"INSERT INTO SaleOrderBills(BillCode, CompanyID, CompanyName) VALUES('DD', %d, 'x')", id));
    }
    void JournalLine(int id) {
        Exec(Sql(L"INSERT INTO Account(AccountCode, CompanyID, CompanyName) VALUES('SK', %d, 'x')", id));
    }
    void CustomerPrice(int id) {
        Exec(Sql(L"INSERT INTO CompPrice(ProductID, ProductName, CompanyID, CompanyName) VALUES(1, 'p', %d, 'x')", id));
    }
    // Rows of a result set as "a|b" texts of the given columns.
    std::vector<CString> Rows(CppSQLite3Query q, std::vector<const wchar_t*> columns) {
        std::vector<CString> rows;
        for (; !q.eof(); q.nextRow()) {
            CString row;
            for (const wchar_t* c : columns) row += (row.IsEmpty() ? L"" : L"|") + q.getStringField(c);
            rows.push_back(row);
        }
        return rows;
    }

    CCustomerBLL cust;
    CString error;
};

using Names = std::vector<CString>;

// --- Creating ----------------------------------------------------------------------------

TEST_F(Customers, CreateWritesEveryFieldAndJournalsTheRow) {
    SyncOn();
    const int id = cust.InsertCompany(db, L" 华联超市 ", L"华联超市有限公司", L"", L"张三", L"13800000000", L"0571-1",
                                      L"a@b.cn", L"12345", L"北京路1号", L"310000", L"100", L"老客户", 1, 1, error);
    EXPECT_EQ(id, 4);
    EXPECT_EQ(Rows(db.execQuery(L"SELECT * FROM Companies WHERE CompanyID=4"),
                   {L"CompanyName", L"CompanyCode",  L"SearchCode", L"FullName",   L"CompanyType",
                    L"Contact",     L"Mobile",       L"Tel",        L"Fax",        L"QQ",
                    L"Email",       L"Address",      L"PostCode",   L"CurAmount",  L"InitAmount",
                    L"IsBoth",      L"UserID",       L"UserName",   L"CreateDate", L"LastUpdateDate",
                    L"Remark",      L"ContactGroup", L"IsDisable",  L"IsSystem"}),
              Names{L"华联超市|KH0003|HLCS|华联超市有限公司|1|张三|13800000000|13800000000|0571-1|12345|a@b.cn|"
                    L"北京路1号|310000|0.0|100.0|1|0|Admin|2013-05-06 14:03:09|2013-05-06 14:03:09|老客户|客户|0|0"});
    EXPECT_EQ(Text(L"SELECT TName || '|' || CName || '|' || CValue || '|' || OType FROM OperateData"),
              L"Companies|CompanyID|4|A");
}

TEST_F(Customers, ShortFormGivesCodeZeroAmountsAndGroupByType) {
    EXPECT_EQ(cust.InsertCompany(db, L"新供应商", 2, error), 4);
    EXPECT_EQ(cust.InsertCompany(db, L"新客户", 1, error), 5);
    EXPECT_EQ(cust.InsertCompany(db, L"又一个客户", 1, error), 6);
    EXPECT_EQ(Rows(db.execQuery(L"SELECT * FROM Companies WHERE CompanyID > 3 ORDER BY CompanyID"),
                   {L"CompanyCode", L"CompanyType", L"InitAmount", L"CurAmount", L"IsBoth", L"ContactGroup"}),
              (Names{L"GYS0002|2|0.0|0.0|0|供应商", L"KH0003|1|0.0|0.0|0|客户", L"KH0004|1|0.0|0.0|0|客户"}));
    // A type that is neither customer nor supplier goes into the customers' group.
    EXPECT_EQ(cust.InsertCompany(db, L"其他", 7, error), 7);
    EXPECT_EQ(Field(7, L"ContactGroup"), L"客户");
    // A code given by the caller is kept.
    EXPECT_EQ(cust.InsertCompany(db, L"甲", L"", L"VIP01", L"", L"", L"", L"", L"", L"", L"", L"", L"", 0, 1, error),
              8);
    EXPECT_EQ(Field(8, L"CompanyCode"), L"VIP01");
    EXPECT_EQ(Field(8, L"InitAmount"), L"0.0");  // an empty opening amount is 0
}

TEST_F(Customers, CreatingAnExistingNameUpdatesAndReenablesThatRow) {
    const int id = Create(L"老王", 1, L"0", L"111");
    cust.SetEnableByID(db, id, 1, error);
    error = L"old";
    EXPECT_EQ(
        cust.InsertCompany(db, L"老王", L"王记", L"ZZ9", L"", L"222", L"", L"", L"", L"", L"", L"0", L"", 1, 1, error),
        id);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE CompanyName='老王'"), 1);
    EXPECT_EQ(Field(id, L"Tel"), L"222");
    EXPECT_EQ(Field(id, L"FullName"), L"王记");
    EXPECT_EQ(Field(id, L"CompanyCode"), L"KH0003");  // the stored code stays
    EXPECT_EQ(Field(id, L"IsDisable"), L"0");
    EXPECT_EQ(Field(id, L"IsBoth"), L"0");

    // A supplier of that name is taken as it is, type and all.
    const int supplier = Create(L"大华", 2);
    EXPECT_EQ(cust.InsertCompany(db, L"大华", 1, error), supplier);
    EXPECT_EQ(Field(supplier, L"CompanyType"), L"2");
    // A plain contact's name is free for a customer.
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('小李', 3)");
    EXPECT_GT(cust.InsertCompany(db, L"小李", 1, error), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE CompanyName='小李'"), 2);
}

TEST_F(Customers, CreateRefusesEmptyNamesAndBadOpeningAmounts) {
    EXPECT_EQ(Create(L"", 1), -1);
    EXPECT_EQ(Create(L"  \t", 1), -1);
    EXPECT_EQ(Create(L"\u3000", 1), -1);  // ideographic space only
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies"), 3);
    EXPECT_TRUE(TakeLog().empty());

    // The opening amount goes into the statement as a number.
    EXPECT_EQ(Create(L"张三", 1, L"abc"), -1);
    EXPECT_EQ(error.Find(L"新增客户[张三]失败!\r\nno such column: abc\r\nsql: INSERT INTO Companies("), 0) << error;
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies"), 3);
}

TEST_F(Customers, NamesAreMadeSafeTheSameWayEverywhere) {
    const wchar_t* raw = L"O'Brien|~%^,……——商行";
    const int id = Create(raw, 1);
    ASSERT_EQ(id, 4);
    EXPECT_EQ(Field(id, L"CompanyName"), L"O*Brien\uFF5C*\uFF05*\uFF0C**商行");
    // The raw name finds the stored one through every check.
    EXPECT_TRUE(cust.IsExisted(db, raw, 0, error));
    EXPECT_FALSE(cust.IsExisted(db, raw, id, error));
    EXPECT_TRUE(cust.IsExisted(db, raw));
    EXPECT_EQ(cust.IsExistedCustName(db, raw, error), 1);
    EXPECT_EQ(cust.GetCompanyIDByName(db, raw), id);
    EXPECT_EQ(Rows(cust.QueryCompanyByName(db, raw, error), {L"CompanyID"}), Names{L"4"});
    EXPECT_EQ(Create(raw, 1), id);  // and is not created twice
    EXPECT_EQ(Edit(id, L"A'B", L"0", L"C'1"), 1);
    EXPECT_EQ(Field(id, L"CompanyName") + Field(id, L"CompanyCode"), L"A*BC*1");
}

// --- Editing -----------------------------------------------------------------------------

TEST_F(Customers, OpeningAmountMovesBalanceAndVirtualBill) {
    const int id = Create(L"客户甲", 1, L"100");
    ASSERT_EQ(CSaleBLL().InsertVirtualBill(db, L"100", id, error), 1);
    SaleBill(id, 0, 30);  // an ordinary bill keeps its amount
    ASSERT_EQ(Balance(id), 100.0);

    EXPECT_EQ(Edit(id, L"客户甲", L" 150 "), 1);
    EXPECT_EQ(Balance(id), 150.0);
    EXPECT_EQ(Field(id, L"InitAmount"), L"150.0");
    EXPECT_EQ(Text(Sql(L"SELECT BillAmount || '|' || DiscountAmount || '|' || OweAmount || '|' || GetAmount FROM "
                       L"SaleBills WHERE CompanyID=%d AND IsSystem=1",
                       id)),
              L"150.0|150.0|150.0|0.0");
    EXPECT_EQ(Real(L"SELECT BillAmount FROM SaleBills WHERE IsSystem=0"), 30.0);

    EXPECT_EQ(Edit(id, L"客户甲", L"150"), 1);  // unchanged: the balance stays
    EXPECT_EQ(Balance(id), 150.0);
    EXPECT_EQ(Edit(id, L"客户甲", L""), 1);  // empty is 0
    EXPECT_EQ(Balance(id), 0.0);
    EXPECT_EQ(Real(Sql(L"SELECT OweAmount FROM SaleBills WHERE CompanyID=%d AND IsSystem=1", id)), 0.0);

    // A supplier's opening payable lives in the purchase virtual bill.
    const int supplier = Create(L"供应商乙", 2, L"20");
    ASSERT_EQ(CPurBLL().InsertVirtualBill(db, L"20", supplier, error), 1);
    EXPECT_EQ(Edit(supplier, L"供应商乙", L"-5.5"), 1);
    EXPECT_EQ(Balance(supplier), -5.5);
    EXPECT_EQ(Real(Sql(L"SELECT OweAmount FROM PurBills WHERE CompanyID=%d AND IsSystem=1", supplier)), -5.5);
    EXPECT_EQ(Int(Sql(L"SELECT COUNT(*) FROM SaleBills WHERE CompanyID=%d", supplier)), 0);
}

TEST_F(Customers, EditWritesTheFieldsAndReenables) {
    SyncOn();
    const int id = Create(L"旧名", 1);
    cust.SetEnableByID(db, id, 1, error);
    EXPECT_EQ(cust.UpdateCompany(db, id, L"新名", L"全称", L"N1", L"联系人", L"139", L"fax", L"e@x", L"qq1", L"地址",
                                 L"100000", L"0", L"备注", 1, error),
              1);
    EXPECT_EQ(Rows(db.execQuery(Sql(L"SELECT * FROM Companies WHERE CompanyID=%d", id)),
                   {L"CompanyName", L"CompanyCode", L"FullName", L"Contact", L"Mobile", L"Tel", L"Fax", L"Email", L"QQ",
                    L"Address", L"PostCode", L"IsBoth", L"SearchCode", L"Remark", L"IsDisable"}),
              Names{L"新名|N1|全称|联系人|139|139|fax|e@x|qq1|地址|100000|1|XM|备注|0"});
    EXPECT_EQ(Text(L"SELECT group_concat(OType, '') FROM OperateData WHERE CValue='4'"), L"A");  // added, then edited
}

TEST_F(Customers, RenameReachesEveryDocumentOfThePartnerOnly) {
    const int id = Create(L"甲", 1), other = Create(L"乙", 1);
    for (int p : {id, other}) {
        SaleBill(p);
        PurBill(p);
        SaleOrder(p);
        JournalLine(p);
        CustomerPrice(p);
        Exec(Sql(L"INSERT INTO Stocks(BillType, CompanyID, CompanyName) VALUES('出货', %d, 'x')", p));
    }
    ASSERT_EQ(Edit(id, L"丙", L"0", L"C9"), 1);
    for (const wchar_t* table : {L"SaleBills", L"PurBills", L"SaleOrderBills", L"Account", L"CompPrice", L"Stocks"}) {
        EXPECT_EQ(Text(Sql(L"SELECT CompanyName || '|' || CompanyCode FROM %s WHERE CompanyID=%d", table, id)),
                  L"丙|C9")
            << table;
        EXPECT_EQ(Text(Sql(L"SELECT CompanyName FROM %s WHERE CompanyID=%d", table, other)), L"x") << table;
    }
    EXPECT_EQ(Text(Sql(L"SELECT CompSearchCode FROM CompPrice WHERE CompanyID=%d", id)), L"B");
    EXPECT_EQ(Field(id, L"SearchCode"), L"B");
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
    EXPECT_EQ(Field(id, L"CompanyName") + Field(id, L"InitAmount"), L"甲10.0");
    EXPECT_EQ(Balance(id), 10.0);

    EXPECT_EQ(Edit(999, L"无此人", L"0"), -1);
    EXPECT_EQ(error, L"查找不到客户/供应商的资料数据，名称=无此人");
    Exec(L"INSERT INTO Companies(CompanyName, CompanyType) VALUES('联系人', 3)");
    EXPECT_EQ(Edit(Int(L"SELECT MAX(CompanyID) FROM Companies"), L"联系人", L"0"), -1);  // a contact is no partner
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SaleBills") + Int(L"SELECT COUNT(*) FROM OperateData"), 0);
}

TEST_F(Customers, EditStopsAtAFailingStepAndReportsIt) {
    const int id = Create(L"甲", 1);
    Exec(L"DROP TABLE CompPrice");
    EXPECT_EQ(Edit(id, L"乙", L"0"), -1);
    EXPECT_EQ(error,
              L"修改客户[乙]失败!\r\nno such table: CompPrice\r\nsql:UPDATE CompPrice Set CompanyName = '乙', "
              L"CompanyCode = '' WHERE CompanyID = 4");
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    EXPECT_EQ(Field(id, L"CompanyName"), L"乙");  // steps before the failure stay written

    // A failing rename of the documents gives its own message.
    Exec(L"DROP TABLE Stocks");
    Exec(L"CREATE TABLE CompPrice(CompanyID, CompanyName, CompanyCode, CompSearchCode)");
    EXPECT_EQ(Edit(id, L"丙", L"0"), -1);
    EXPECT_EQ(error, L"同步客户资料时出错！\r\n\r\nno such table: Stocks");
}

// --- Balances and enabling ---------------------------------------------------------------

TEST_F(Customers, BalancesAreKeptInCents) {
    SyncOn();
    const int id = Create(L"甲", 1);
    EXPECT_EQ(cust.AddCurrentAmount(db, id, 12.345, error), 1);
    EXPECT_EQ(Field(id, L"CurAmount"), L"12.35");
    EXPECT_EQ(cust.DecCurrentAmount(db, id, 12.35, error), 1);
    EXPECT_EQ(Field(id, L"CurAmount"), L"0.0");
    cust.AddCurrentAmount(db, id, 0.1, error);
    cust.AddCurrentAmount(db, id, 0.2, error);
    EXPECT_EQ(Field(id, L"CurAmount"), L"0.3");
    cust.DecCurrentAmount(db, id, 1.005, error);
    EXPECT_EQ(Field(id, L"CurAmount"), L"-0.71");  // 0.3 - 1.005 = -0.705
    cust.DecCurrentAmount(db, id, -2.675, error);  // decrementing by a negative amount adds
    EXPECT_EQ(Field(id, L"CurAmount"), L"1.97");
    EXPECT_EQ(Text(L"SELECT group_concat(OType, '') FROM OperateData WHERE CValue='4'"), L"A");

    // A partner that is not there: nothing to move, and no row appears.
    EXPECT_EQ(cust.AddCurrentAmount(db, 999, 5, error), 1);
    EXPECT_EQ(cust.DecCurrentAmount(db, 999, 5, error), 1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE CompanyID=999"), 0);

    Exec(L"CREATE TRIGGER NoWrites BEFORE UPDATE ON Companies BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_EQ(cust.AddCurrentAmount(db, id, 1, error), -1);
    EXPECT_EQ(error,
              L"1:更新客户当前欠款数据失败!\r\n2:locked\r\n3:sql= UPDATE Companies SET CurAmount=2.97 WHERE  "
              L"CompanyID=4");
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    EXPECT_EQ(cust.DecCurrentAmount(db, id, 1, error), -1);
    EXPECT_EQ(cust.SetEnableByID(db, id, 1, error), -1);
    EXPECT_EQ(error.Find(L"1:SQL执行失败!\r\n2:locked\r\n3:sql= UPDATE Companies SET IsDisable=1"), 0) << error;
}

TEST_F(Customers, EnableAndDisable) {
    const int id = Create(L"甲", 1);
    EXPECT_EQ(cust.SetEnableByID(db, id, 1, error), 1);
    EXPECT_EQ(Field(id, L"IsDisable"), L"1");
    EXPECT_FALSE(cust.HaveCustData(db));
    EXPECT_EQ(cust.SetEnableByID(db, id, 0, error), 1);
    EXPECT_EQ(Field(id, L"IsDisable"), L"0");
    EXPECT_EQ(cust.SetEnableByID(db, 999, 1, error), 1);  // nothing to change
}

// --- Deleting ----------------------------------------------------------------------------

TEST_F(Customers, PartnersNamedByDocumentsAreNotDeleted) {
    const int customer = Create(L"甲", 1), supplier = Create(L"乙", 2), journal = Create(L"丙", 1),
              ordered = Create(L"丁", 1);
    SaleBill(customer);
    PurBill(supplier);
    JournalLine(journal);
    SaleOrder(ordered);
    EXPECT_EQ(cust.DeleteCompany(db, customer, error), -1);
    EXPECT_EQ(error, L"该客户关联有销售单据，不允许删除数据!");
    EXPECT_EQ(cust.DeleteCompany(db, supplier, error), -1);
    EXPECT_EQ(error, L"该供应商关联有采购单据，不允许删除数据!");
    EXPECT_EQ(cust.DeleteCompany(db, journal, error), -1);
    EXPECT_EQ(cust.DeleteCompany(db, ordered, error), -1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies"), 7);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SaleBills") + Int(L"SELECT COUNT(*) FROM Account"), 2);

    // The delivered partners stay even without documents: postings fall back on them.
    for (int id : {1, 2, 3}) {
        EXPECT_EQ(cust.DeleteCompany(db, id, error), -1);
        EXPECT_EQ(error, L"不允许删除该数据!");
    }
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE IsSystem=1"), 3);
}

TEST_F(Customers, DeleteRemovesThePartnerWithItsVirtualBillsAndPrices) {
    SyncOn();
    const int id = Create(L"甲", 1, L"50"), keep = Create(L"乙", 1, L"60");
    for (int p : {id, keep}) {
        CSaleBLL().InsertVirtualBill(db, L"50", p, error);
        CustomerPrice(p);
    }
    PurBill(id, 1);
    EXPECT_EQ(cust.IsHasBills(db, id, error), 0);
    EXPECT_EQ(cust.DeleteCompany(db, id, error), 1);
    for (const wchar_t* table : {L"Companies", L"SaleBills", L"PurBills", L"CompPrice"}) {
        EXPECT_EQ(Int(Sql(L"SELECT COUNT(*) FROM %s WHERE CompanyID=%d", table, id)), 0) << table;
        const bool keptHasRows = CString(table) != L"PurBills";
        EXPECT_EQ(Int(Sql(L"SELECT COUNT(*) FROM %s WHERE CompanyID=%d", table, keep)), keptHasRows ? 1 : 0) << table;
    }
    EXPECT_EQ(Text(L"SELECT OType FROM OperateData WHERE TName='Companies' AND CValue='4'"), L"D");
    // Gone already: nothing left to delete.
    EXPECT_EQ(cust.DeleteCompany(db, id, error), 1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies"), 4);
}

TEST_F(Customers, DocumentCountLeavesVirtualBillsOut) {
    const int id = Create(L"甲", 1);
    SaleBill(id);
    SaleBill(id, 1);  // virtual
    PurBill(id);      // same key value as the sale bill: still two documents
    PurBill(id, 1);
    SaleOrder(id);
    JournalLine(id);
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
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE CompanyID=4"), 1);
}

// --- Codes and checks --------------------------------------------------------------------

TEST_F(Customers, NewCodesFollowTheNewestPartnerOfTheType) {
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"KH0003");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 2, error), L"GYS0002");
    EXPECT_EQ(cust.GetNewCustomerCode(db, 3, error), L"");  // no partner of the type yet
    cust.InsertCompany(db, L"甲", L"", L"KH0099", L"", L"", L"", L"", L"", L"", L"", L"0", L"", 0, 1, error);
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"KH0100");
    cust.InsertCompany(db, L"乙", L"", L"VIP", L"", L"", L"", L"", L"", L"", L"", L"0", L"", 0, 1, error);
    EXPECT_EQ(cust.GetNewCustomerCode(db, 1, error), L"");  // a code without a number has no successor
    EXPECT_EQ(error, L"");
}

TEST_F(Customers, ExistenceChecks) {
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

    Exec(L"DROP TABLE Companies");
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

TEST_F(Customers, UsablePartnersBeyondTheDeliveredOnes) {
    EXPECT_FALSE(cust.HaveCustData(db));
    EXPECT_FALSE(cust.HaveSuppData(db));
    const int customer = Create(L"甲", 1);
    EXPECT_TRUE(cust.HaveCustData(db));
    EXPECT_FALSE(cust.HaveSuppData(db));
    Exec(Sql(L"UPDATE Companies SET IsDelete=1 WHERE CompanyID=%d", customer));
    EXPECT_FALSE(cust.HaveCustData(db));
    Create(L"乙", 2);
    EXPECT_TRUE(cust.HaveSuppData(db));
}

// --- Queries -----------------------------------------------------------------------------

TEST_F(Customers, ListsHideSystemAndDisabledPartners) {
    const int a = Create(L"阿里", 1, L"0", L"135"), b = Create(L"百度", 1, L"0", L"136");
    Create(L"腾讯", 2, L"0", L"135");
    cust.SetEnableByID(db, b, 1, error);

    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"", false, 1, error), {L"CompanyName"}), Names{L"阿里"});
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"", true, 1, error), {L"CompanyName"}).size(), 2u);
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"", true, 0, error), {L"CompanyName"}).size(), 3u);
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L" BD ", true, 0, error), {L"CompanyName"}), Names{L"百度"});
    EXPECT_EQ(Rows(cust.QueryCompanyList(db, L"KH0003", false, 0, error), {L"CompanyID"}), Names{Sql(L"%d", a)});

    EXPECT_EQ(Rows(cust.QueryCompanyByNameTel(db, 1, L"", L"13", true, error), {L"CompanyName"}),
              (Names{L"百度", L"阿里"}));  // newest first
    EXPECT_EQ(Rows(cust.QueryCompanyByNameTel(db, 1, L"", L"13", false, error), {L"CompanyName"}), Names{L"阿里"});
    EXPECT_EQ(Rows(cust.QueryCompanyByNameTel(db, 2, L"腾", L"135", false, error), {L"CompanyName"}), Names{L"腾讯"});

    EXPECT_EQ(Rows(cust.QueryCompanyByID(db, a, error), {L"CompanyName"}), Names{L"阿里"});
    EXPECT_TRUE(cust.QueryCompanyByID(db, 999, error).eof());
}

TEST_F(Customers, KeywordSearchOfReceiptsAndPayments) {
    const int owing = Create(L"欠款户", 1, L"0", L"777");
    Create(L"结清户", 1, L"0", L"778");
    cust.AddCurrentAmount(db, owing, 9.5, error);
    EXPECT_EQ(Rows(cust.QueryByKeyword(db, 1, L"77", false, error), {L"CompanyName"}), Names{L"欠款户"});
    EXPECT_EQ(Rows(cust.QueryByKeyword(db, 1, L"77", true, error), {L"CompanyName"}),
              (Names{L"结清户", L"欠款户"}));  // by search code: JQH, QKH
    EXPECT_EQ(Rows(cust.QueryByKeyword(db, 2, L"", true, error), {L"CompanyName"}), Names{});
}

TEST_F(Customers, PickListsOfTheFrontEnd) {
    Create(L"安客", 1);
    Create(L"贝供", 2);
    const int hidden = Create(L"藏客", 1);
    cust.SetEnableByID(db, hidden, 1, error);

    CppSQLite3Query both = cust.QueryCompForSelect(db, L"", false, 0, error);
    EXPECT_EQ(both.numFields(), 2);
    EXPECT_EQ(Rows(both, {L"SearchCode", L"CompanyName"}), (Names{L"AK|安客", L"BG|贝供"}));
    EXPECT_EQ(Rows(cust.QueryCompForSelect(db, L"", true, 2, error), {L"CompanyName"}),
              (Names{L"零散供应商", L"贝供"}));  // delivered rows first
    EXPECT_EQ(Rows(cust.QueryCompForSelect(db, L"KH", true, 1, error), {L"CompanyName"}),
              (Names{L"零售客户", L"淘宝网客户", L"安客"}));
    EXPECT_TRUE(cust.QueryCompForSelect(db, L"", true, 3, error).isNull());

    // Bills list their own kind first, then enabled non-system partners of the other kind.
    CppSQLite3Query purchase = cust.QueryCompForBillSelect(db, L"", false, 2, error);
    EXPECT_EQ(purchase.numFields(), 4);
    EXPECT_EQ(Rows(purchase, {L"CompanyName", L"IsSystem", L"CompanyType"}), (Names{L"贝供|0|2", L"安客|0|1"}));
    EXPECT_EQ(Rows(cust.QueryCompForBillSelect(db, L"", true, 2, error), {L"CompanyName"}),
              (Names{L"零散供应商", L"贝供", L"安客"}));
    EXPECT_EQ(Rows(cust.QueryCompForBillSelect(db, L"", true, 0, error), {L"CompanyName"}),
              (Names{L"零售客户", L"淘宝网客户", L"安客", L"贝供"}));
    EXPECT_EQ(Rows(cust.QueryCompForBillSelect(db, L"B", false, 1, error), {L"CompanyName"}), Names{L"贝供"});
}

TEST_F(Customers, QueriesReportDatabaseErrors) {
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
}

}  // namespace
