// Settlement accounts: creating them with their opening entry, moving and editing balances,
// deleting, the checks and the lists of CAccInfoBLL.
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Sql;

namespace {

class AccInfo : public ShopDbTest {
protected:
    int Create(const wchar_t* name, const wchar_t* amount = L"0") {
        return accounts.InsertLIstData(db, 1, name, L"", L"", amount, error);
    }
    int Edit(int id, const wchar_t* name, const wchar_t* amount, int cascade = 1) {
        return accounts.UpdateBaseData(db, id, L"1", name, L"", L"", amount, error, cascade);
    }
    int IdOf(const wchar_t* name) {
        return Int(Sql(L"SELECT SettleAcctID FROM SettleAcct WHERE SettleAcctName='%s'", name));
    }
    CString Account(const wchar_t* name, const wchar_t* columns) {
        return RowsOf(db, Sql(L"SELECT %s FROM SettleAcct WHERE SettleAcctName='%s'", columns, name));
    }
    int Count(const wchar_t* table, const wchar_t* where = L"1") {
        return Int(Sql(L"SELECT COUNT(*) FROM %s WHERE %s", table, where));
    }
    static CString Names(CppSQLite3Query q) {
        CString names;
        for (; !q.eof(); q.nextRow()) names += q.getStringField(L"SettleAcctName") + L";";
        return names;
    }
    void SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }

    CAccInfoBLL accounts;
    CString error;
};

TEST_F(AccInfo, CreateWritesTheAccountItsOpeningEntryAndItsMonthRow) {
    SyncOn();
    ASSERT_EQ(accounts.InsertLIstData(db, 7, L" 工商银行 ", L"工行", L"6222 01", L"100", error), 0) << error;
    const int id = IdOf(L"工商银行");
    CString name = L"工商银行", searchCode;
    CSysBLL().GetFirstPY(name, searchCode);
    EXPECT_EQ(Account(name,
                      L"SearchCode, BankName, BankNo, SettleAcctType, InitAmount, CurAmount, IsSystem, "
                      L"CreateDate"),
              searchCode + L"|工行|6222 01|1|100.0|100.0|0|2013-05-06 14:03:09");  // type 1 whatever is passed
    // One opening entry.
    EXPECT_EQ(RowsOf(db,
                     L"SELECT COUNT(*), ProjectType, ProjectID, ProjectName, AccountType, InAmount, AccountDate, "
                     L"AccountDesp, SettleAcctID, CompanyName, IsSystem FROM Account"),
              Sql(L"1|4|5|账户操作|收入|100.0|2013-05-06|工商银行操作|%d||0", id));
    // The account has its month, but the opening amount is not income of the month.
    EXPECT_EQ(RowsOf(db, L"SELECT SettleAcctName, Month, InAmount, OutAmount, Balance FROM AccountMonth"),
              L"工商银行|2013-05-06|0.0|0.0|0.0");
    EXPECT_EQ(
        Count(L"OperateData", Sql(L"TName='SettleAcct' AND CName='SettleAcctID' AND CValue='%d' AND OType='A'", id)),
        1);
    EXPECT_EQ(Count(L"OperateData", L"TName='Account' AND OType='A'"), 1);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(AccInfo, CreateRefusesEmptyAndTakenNames) {
    // A name is taken whatever the type of the account that has it, and as it would be stored.
    Exec(L"INSERT INTO SettleAcct (SettleAcctName, SettleAcctType) VALUES ('支付宝', 2)");
    for (const wchar_t* taken : {L"现金", L" 现金　", L"支付宝"}) {
        error = L"";
        EXPECT_EQ(Create(taken), 1) << CString(taken);
        EXPECT_EQ(error, L"已经存在,请确认!");
    }
    error = L"";
    EXPECT_EQ(Create(L""), 1);
    EXPECT_EQ(Create(L"   "), 1);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(Count(L"SettleAcct"), 2);
    EXPECT_EQ(Count(L"Account"), 0);
}

TEST_F(AccInfo, AFailedOpeningEntryKeepsTheAccountAndSaysSo) {
    Exec(L"CREATE TRIGGER NoLines BEFORE INSERT ON Account BEGIN SELECT RAISE(ABORT, 'journal closed'); END");
    EXPECT_EQ(Create(L"农业银行", L"50"), -1);
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"SQLERROR 004004004701"});
    EXPECT_EQ(Account(L"农业银行", L"CurAmount"), L"50.0");
    EXPECT_EQ(Count(L"AccountMonth"), 0);
}

TEST_F(AccInfo, UpdateBaseAccountTakesTheAmountOffTheBalance) {
    SyncOn();
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"现金", -50.0, error, 1), 0);  // money in
    EXPECT_EQ(Account(L"现金", L"CurAmount"), L"50.0");
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L" 现金 ", 20.25, error, 1), 0);
    EXPECT_EQ(Account(L"现金", L"CurAmount, LastUpdateDate"), L"29.75|2013-05-06 14:03:09");
    EXPECT_EQ(RowsOf(db, L"SELECT DISTINCT TName, CName, CValue, OType FROM OperateData"),
              L"SettleAcct|SettleAcctName|现金|U");
    // Write flag 0: nothing is written. An unknown account is no error and makes no row.
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"现金", 1000.0, error, 0), 0);
    EXPECT_EQ(Account(L"现金", L"CurAmount"), L"29.75");
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"无此账户", 5.0, error, 1), 0);
    EXPECT_EQ(Count(L"SettleAcct"), 1);
}

TEST_F(AccInfo, EditByIdKeepsTheMovementsSinceOpeningAndCarriesTheName) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    const int id = IdOf(L"工商银行");
    Exec(L"UPDATE SettleAcct SET CurAmount = 160 WHERE SettleAcctName='工商银行'");
    Exec(L"UPDATE Account SET AccountDate = '2013-01-02'");  // the opening entry keeps its day
    Exec(Sql(L"INSERT INTO SaleBills (BillCode, SettleAcctID, SettleAcctName) VALUES ('XS1', %d, '工商银行')", id));
    Exec(Sql(L"INSERT INTO PurBills (BillCode, SettleAcctID, SettleAcctName) VALUES ('JH1', %d, '工商银行')", id));

    ASSERT_EQ(accounts.UpdateBaseData(db, id, L"2", L"工行基本户", L"工行", L"62", L"200", error, 1), 0) << error;
    EXPECT_EQ(Account(L"工行基本户", L"CurAmount, InitAmount, SettleAcctType"), L"200.0|140.0|2");
    for (const wchar_t* table : {L"AccountMonth", L"SaleBills", L"PurBills"})
        EXPECT_EQ(Count(table, L"SettleAcctName='工行基本户'"), 1) << CString(table);
    // The opening entry now carries the new opening balance, on its old day; rewriting it
    // moved neither the balance nor the month.
    EXPECT_EQ(RowsOf(db, L"SELECT ProjectType, SettleAcctName, InAmount, AccountDate, AccountDesp FROM Account"),
              L"4|工行基本户|140.0|2013-01-02|工行基本户操作");
    EXPECT_TRUE(TakeMessageBoxes().empty());
    EXPECT_EQ(Real(L"SELECT SUM(InAmount) FROM AccountMonth"), 0.0);

    // Without the cascade the journal is left as it is.
    ASSERT_EQ(accounts.UpdateBaseData(db, id, L"2", L"工行", L"", L"", L"150", error, 0), 0);
    EXPECT_EQ(Account(L"工行", L"InitAmount"), L"90.0");
    EXPECT_EQ(Text(L"SELECT SettleAcctName FROM Account"), L"工行基本户");
}

TEST_F(AccInfo, EditRefusesANameAnotherAccountHas) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    const int id = IdOf(L"工商银行");
    EXPECT_EQ(Edit(id, L"现金", L"100"), 1);
    EXPECT_EQ(error, L"已经存在,请确认!");
    EXPECT_EQ(Edit(id, L"", L"100"), 1);
    EXPECT_EQ(Count(L"SettleAcct", L"SettleAcctName IN ('现金', '工商银行')"), 2);
    EXPECT_EQ(Edit(id, L"工商银行", L"120"), 0);  // its own name is no clash
    EXPECT_EQ(Account(L"工商银行", L"CurAmount"), L"120.0");
}

TEST_F(AccInfo, EditByNameSetsBothBalancesAndLeavesTheDayLinesAlone) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    CString e;
    ASSERT_EQ(CAccountBLL().UpdateAccountBySale(db, L"工商银行", IdOf(L"工商银行"), L"2013-05-06", L"30", e), 0);
    EXPECT_EQ(Edit(-1, L"工商银行", L"80"), 0);
    EXPECT_EQ(Account(L"工商银行", L"CurAmount, InitAmount"), L"80.0|80.0");
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE ProjectType=4"), 80.0);
    // The day's sales line (account -1) keeps its empty account name.
    EXPECT_EQ(Text(L"SELECT SettleAcctName FROM Account WHERE ProjectType=1"), L"");
    // An edit by name is always reported as not rewritten by ID.
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"SQLERROR 004004004702"});
}

TEST_F(AccInfo, RewritingTheOpeningEntry) {
    // The delivered cash account has none: it gets one, dated today; the second time it is replaced.
    EXPECT_EQ(accounts.UpdateAccountData(db, L"现金", 25.0, error, 0), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT SettleAcctName, ProjectType, InAmount, AccountDate FROM Account"),
              L"现金|4|25.0|2013-05-06");
    EXPECT_EQ(accounts.UpdateAccountData(db, L"现金", 30.0, error, 0), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT InAmount FROM Account"), L"30.0");

    EXPECT_EQ(accounts.UpdateAccountData(db, L"无此账户", 1.0, error, 0), 2);
    // Any other account without its entry cannot be rewritten.
    Exec(L"INSERT INTO SettleAcct (SettleAcctName) VALUES ('旧账户')");
    EXPECT_EQ(accounts.UpdateAccountData(db, L"旧账户", 1.0, error, 0), -1);
    EXPECT_EQ(error, L"ID号为0的收支单不存在或者其日期为空!");
    EXPECT_EQ(Count(L"Account"), 1);
}

TEST_F(AccInfo, DeleteRefusesSystemAccountsAndKeepsTheHistory) {
    EXPECT_EQ(accounts.ISSysItem(db, 1), 0);
    EXPECT_EQ(accounts.DeleteBaseData(db, L"1", error), 2);
    EXPECT_EQ(Count(L"SettleAcct", L"SettleAcctID=1"), 1);

    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    const int id = IdOf(L"工商银行");
    EXPECT_EQ(accounts.ISSysItem(db, id), 1);
    SyncOn();
    EXPECT_EQ(accounts.DeleteBaseData(db, Sql(L"%d", id), error), 0);
    EXPECT_EQ(Count(L"SettleAcct"), 1);
    EXPECT_EQ(Count(L"OperateData", Sql(L"TName='SettleAcct' AND CValue='%d' AND OType='D'", id)), 1);
    // The journal and the month totals keep what happened.
    EXPECT_EQ(Count(L"Account"), 1);
    EXPECT_EQ(Count(L"AccountMonth"), 1);
}

TEST_F(AccInfo, ExistenceAndUseChecks) {
    Exec(L"INSERT INTO SettleAcct (SettleAcctName, SettleAcctType) VALUES ('O''Brien', 2)");
    EXPECT_EQ(accounts.IsAccExist(db, L"现金", 1, error), 1);
    EXPECT_EQ(accounts.IsAccExist(db, L"现金", 2, error), 0);
    EXPECT_EQ(accounts.IsAccExist(db, L"O'Brien", 2, error), 1);
    EXPECT_EQ(accounts.IsExistByAcNAme(db, L"O'Brien", error), 1);
    EXPECT_EQ(accounts.IsExistByAcNAme(db, L"现 金", error), 0);
    EXPECT_EQ(error, L"");

    // An account is in use by bills, orders and lines, but not by its opening entry.
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    EXPECT_EQ(accounts.CheckAccUse(db, L"工商银行"), 1);
    for (const wchar_t* use : {L"INSERT INTO SaleBills (SettleAcctName) VALUES ('工商银行')",
                               L"INSERT INTO PurBills (SettleAcctName) VALUES ('工商银行')",
                               L"INSERT INTO SaleOrderBills (SettleAcctName) VALUES ('工商银行')",
                               L"INSERT INTO Account (SettleAcctName, ProjectType) VALUES ('工商银行', 2)"}) {
        SCOPED_TRACE(CString(use));
        Exec(L"SAVEPOINT one");
        Exec(use);
        EXPECT_EQ(accounts.CheckAccUse(db, L"工商银行"), 0);
        Exec(L"ROLLBACK TO one; RELEASE one");
    }
    EXPECT_EQ(accounts.CheckAccUse(db, L"O'Brien"), 1);

    Exec(L"DROP TABLE SettleAcct");
    EXPECT_EQ(accounts.IsExistByAcNAme(db, L"现金", error), -1);
    EXPECT_EQ(error, L"no such table: SettleAcct");
    EXPECT_EQ(accounts.IsAccExist(db, L"现金", 1, error), 0);
    EXPECT_EQ(accounts.ISSysItem(db, 1), 0);
    EXPECT_FALSE(TakeLog().empty());
}

TEST_F(AccInfo, ListsPutSystemAccountsFirstThenBySearchCode) {
    for (const wchar_t* name : {L"支付宝", L"工商银行", L"农业银行"}) ASSERT_EQ(Create(name), 0);  // ZFB, GSYH, NYYH
    EXPECT_EQ(Names(accounts.GetBaseData(db, error)), L"现金;工商银行;农业银行;支付宝;");
    EXPECT_EQ(Names(accounts.GetAccDateForList(db, L" 银行 ", error)), L"工商银行;农业银行;");
    EXPECT_EQ(Names(accounts.GetAccDateForList(db, L"zfb", error)), L"支付宝;");
    EXPECT_EQ(Names(accounts.GetAccDateForList(db, L"", error)), L"现金;工商银行;农业银行;支付宝;");
    EXPECT_EQ(Names(accounts.GetBaseDataByName(db, L"农业银行", error)), L"农业银行;");
    EXPECT_EQ(Names(accounts.GetBaseDataByAccID(db, 1, error)), L"现金;");
    EXPECT_EQ(Names(accounts.GetBaseDataByName(db, L"O'Brien", error)), L"");

    Exec(L"DROP TABLE SettleAcct");
    EXPECT_TRUE(accounts.GetBaseData(db, error).isNull());
    EXPECT_EQ(error, L"no such table: SettleAcct");
    EXPECT_EQ(accounts.UpdateBaseData(db, 1, L"a", L"b", error), 0);  // the short edit form does nothing
}

}  // namespace
