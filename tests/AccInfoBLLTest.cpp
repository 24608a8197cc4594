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
    int IdOf(const wchar_t* name) {
        return Int(Sql(L"SELECT SettleAcctID FROM SettleAcct WHERE SettleAcctName='%s'", name));
    }
    double Column(const wchar_t* column, const wchar_t* name) {
        return Real(Sql(L"SELECT %s FROM SettleAcct WHERE SettleAcctName='%s'", column, name));
    }
    std::vector<CString> Names(CppSQLite3Query q) {
        std::vector<CString> names;
        for (; !q.eof(); q.nextRow()) names.push_back(q.getStringField(L"SettleAcctName"));
        return names;
    }

    CAccInfoBLL accounts;
    CAccountBLL journal;
    CString error;
};

TEST_F(AccInfo, CreateWritesTheAccountItsOpeningEntryAndItsMonthRow) {
    ASSERT_EQ(accounts.InsertLIstData(db, 7, L" 工商银行 ", L"工行", L"6222 01", L"100", error), 0) << error;

    const int id = IdOf(L"工商银行");
    CString name = L"工商银行", searchCode;
    CSysBLL().GetFirstPY(name, searchCode);
    EXPECT_EQ(RowsOf(db, Sql(L"SELECT SearchCode, BankName, BankNo, SettleAcctType, InitAmount, CurAmount, IsSystem, "
                             L"CreateDate FROM SettleAcct WHERE SettleAcctID=%d",
                             id)),
              searchCode + L"|工行|6222 01|1|100.0|100.0|0|2013-05-06 14:03:09");  // type 1 whatever is passed
    // One opening entry.
    EXPECT_EQ(RowsOf(db,
                     L"SELECT COUNT(*), ProjectType, ProjectID, ProjectName, AccountType, InAmount, AccountDate, "
                     L"AccountDesp, SettleAcctID, CompanyName, IsSystem FROM Account"),
              Sql(L"1|4|5|账户操作|收入|100.0|2013-05-06|工商银行操作|%d||0", id));

    // The account has its month, but the opening amount is not income of the month.
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM AccountMonth WHERE SettleAcctName='工商银行' AND Month='2013-05-06' AND "
                  L"InAmount=0 AND OutAmount=0 AND Balance=0"),
              1);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(AccInfo, CreateRefusesEmptyAndTakenNames) {
    EXPECT_EQ(Create(L"现金"), 1);
    EXPECT_EQ(error, L"已经存在,请确认!");
    error = L"";
    EXPECT_EQ(Create(L" 现金　"), 1);  // the name as it would be stored
    EXPECT_EQ(error, L"已经存在,请确认!");
    // A name is taken whatever the type of the account that has it.
    Exec(L"INSERT INTO SettleAcct (SettleAcctName, SettleAcctType) VALUES ('支付宝', 2)");
    EXPECT_EQ(Create(L"支付宝"), 1);
    error = L"";
    EXPECT_EQ(Create(L""), 1);
    EXPECT_EQ(Create(L"   "), 1);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SettleAcct"), 2);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 0);
}

TEST_F(AccInfo, AFailedOpeningEntryKeepsTheAccountAndSaysSo) {
    Exec(L"CREATE TRIGGER NoLines BEFORE INSERT ON Account BEGIN SELECT RAISE(ABORT, 'journal closed'); END");
    EXPECT_EQ(Create(L"农业银行", L"50"), -1);
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"SQLERROR 004004004701"});
    EXPECT_EQ(Column(L"CurAmount", L"农业银行"), 50.0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM AccountMonth"), 0);
}

TEST_F(AccInfo, UpdateBaseAccountTakesTheAmountOffTheBalance) {
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"现金", -50.0, error, 1), 0);  // money in
    EXPECT_EQ(Column(L"CurAmount", L"现金"), 50.0);
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L" 现金 ", 20.25, error, 1), 0);
    EXPECT_EQ(Column(L"CurAmount", L"现金"), 29.75);
    EXPECT_EQ(Text(L"SELECT LastUpdateDate FROM SettleAcct WHERE SettleAcctID=1"), L"2013-05-06 14:03:09");
    // Write flag 0: nothing is written.
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"现金", 1000.0, error, 0), 0);
    EXPECT_EQ(Column(L"CurAmount", L"现金"), 29.75);
    // An unknown account is no error and makes no row.
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"无此账户", 5.0, error, 1), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SettleAcct"), 1);
}

TEST_F(AccInfo, BalanceMovesAreJournalledWhileSyncIsOn) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    ASSERT_EQ(Create(L"建设银行", L"10"), 0);
    accounts.UpdateBaseAccount(db, L"现金", -5.0, error, 1);
    EXPECT_EQ(Int(Sql(L"SELECT COUNT(*) FROM OperateData WHERE TName='SettleAcct' AND CName='SettleAcctID' AND "
                      L"CValue='%d' AND OType='A'",
                      IdOf(L"建设银行"))),
              1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM OperateData WHERE TName='SettleAcct' AND CName='SettleAcctName' AND "
                  L"CValue='现金' AND OType='U'"),
              1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM OperateData WHERE TName='Account' AND OType='A'"), 1);
}

TEST_F(AccInfo, EditByIdKeepsTheMovementsSinceOpeningAndCarriesTheName) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    const int id = IdOf(L"工商银行");
    Exec(L"UPDATE SettleAcct SET CurAmount = 160 WHERE SettleAcctName='工商银行'");
    Exec(L"UPDATE Account SET AccountDate = '2013-01-02'");  // the opening entry keeps its day
    Exec(Sql(L"INSERT INTO SaleBills (BillCode, SettleAcctID, SettleAcctName) VALUES ('XS1', %d, '工商银行')", id));
    Exec(Sql(L"INSERT INTO PurBills (BillCode, SettleAcctID, SettleAcctName) VALUES ('JH1', %d, '工商银行')", id));

    ASSERT_EQ(accounts.UpdateBaseData(db, id, L"2", L"工行基本户", L"工行", L"62", L"200", error, 1), 0) << error;
    EXPECT_EQ(Column(L"CurAmount", L"工行基本户"), 200.0);
    EXPECT_EQ(Column(L"InitAmount", L"工行基本户"), 140.0);
    EXPECT_EQ(Column(L"SettleAcctType", L"工行基本户"), 2.0);
    for (const wchar_t* table : {L"AccountMonth", L"SaleBills", L"PurBills"})
        EXPECT_EQ(Int(Sql(L"SELECT COUNT(*) FROM %s WHERE SettleAcctName='工行基本户'", table)), 1) << table;
    // The opening entry now carries the new opening balance, on its old day.
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account WHERE ProjectType=4 AND SettleAcctName='工行基本户' AND "
                  L"InAmount=140 AND AccountDate='2013-01-02' AND AccountDesp='工行基本户操作'"),
              1);
    EXPECT_TRUE(TakeMessageBoxes().empty());
    // Rewriting the entry moved neither the balance nor the month.
    EXPECT_EQ(Column(L"CurAmount", L"工行基本户"), 200.0);
    EXPECT_EQ(Real(L"SELECT SUM(InAmount) FROM AccountMonth"), 0.0);

    // Without the cascade the journal is left as it is.
    ASSERT_EQ(accounts.UpdateBaseData(db, id, L"2", L"工行", L"", L"", L"150", error, 0), 0);
    EXPECT_EQ(Column(L"InitAmount", L"工行"), 90.0);
    EXPECT_EQ(Text(L"SELECT SettleAcctName FROM Account"), L"工行基本户");
}

TEST_F(AccInfo, EditRefusesANameAnotherAccountHas) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    EXPECT_EQ(accounts.UpdateBaseData(db, IdOf(L"工商银行"), L"1", L"现金", L"", L"", L"100", error, 1), 1);
    EXPECT_EQ(error, L"已经存在,请确认!");
    EXPECT_EQ(accounts.UpdateBaseData(db, IdOf(L"工商银行"), L"1", L"", L"", L"", L"100", error, 1), 1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SettleAcct WHERE SettleAcctName IN ('现金', '工商银行')"), 2);
    // Its own name is no clash.
    EXPECT_EQ(accounts.UpdateBaseData(db, IdOf(L"工商银行"), L"1", L"工商银行", L"", L"", L"120", error, 1), 0);
    EXPECT_EQ(Column(L"CurAmount", L"工商银行"), 120.0);
}

TEST_F(AccInfo, EditByNameSetsBothBalancesAndLeavesTheDayLinesAlone) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    CString e;
    ASSERT_EQ(journal.UpdateAccountBySale(db, L"工商银行", IdOf(L"工商银行"), L"2013-05-06", L"30", e), 0);

    EXPECT_EQ(accounts.UpdateBaseData(db, -1, L"1", L"工商银行", L"", L"", L"80", error, 1), 0);
    EXPECT_EQ(Column(L"CurAmount", L"工商银行"), 80.0);
    EXPECT_EQ(Column(L"InitAmount", L"工商银行"), 80.0);
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE ProjectType=4"), 80.0);
    // The day's sales line (account -1) keeps its empty account name.
    EXPECT_EQ(Text(L"SELECT SettleAcctName FROM Account WHERE ProjectType=1"), L"");
    // An edit by name is always reported as not rewritten by ID.
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"SQLERROR 004004004702"});
}

TEST_F(AccInfo, RewritingTheOpeningEntry) {
    // The delivered cash account has none: it gets one, dated today.
    EXPECT_EQ(accounts.UpdateAccountData(db, L"现金", 25.0, error, 0), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account WHERE SettleAcctName='现金' AND ProjectType=4 AND InAmount=25 AND "
                  L"AccountDate='2013-05-06'"),
              1);
    // The second time the entry is replaced, not added.
    EXPECT_EQ(accounts.UpdateAccountData(db, L"现金", 30.0, error, 0), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 1);
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account"), 30.0);

    EXPECT_EQ(accounts.UpdateAccountData(db, L"无此账户", 1.0, error, 0), 2);
    // Any other account without its entry cannot be rewritten.
    Exec(L"INSERT INTO SettleAcct (SettleAcctName) VALUES ('旧账户')");
    EXPECT_EQ(accounts.UpdateAccountData(db, L"旧账户", 1.0, error, 0), -1);
    EXPECT_EQ(error, L"ID号为0的收支单不存在或者其日期为空!");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 1);
}

TEST_F(AccInfo, DeleteRefusesSystemAccountsAndKeepsTheHistory) {
    EXPECT_EQ(accounts.ISSysItem(db, 1), 0);
    EXPECT_EQ(accounts.DeleteBaseData(db, L"1", error), 2);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SettleAcct WHERE SettleAcctID=1"), 1);

    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    const int id = IdOf(L"工商银行");
    EXPECT_EQ(accounts.ISSysItem(db, id), 1);
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    EXPECT_EQ(accounts.DeleteBaseData(db, Sql(L"%d", id), error), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SettleAcct"), 1);
    EXPECT_EQ(Int(Sql(L"SELECT COUNT(*) FROM OperateData WHERE TName='SettleAcct' AND CValue='%d' AND OType='D'", id)),
              1);
    // The journal and the month totals keep what happened.
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM AccountMonth"), 1);
}

TEST_F(AccInfo, ExistenceChecksMatchNameAndType) {
    Exec(L"INSERT INTO SettleAcct (SettleAcctName, SettleAcctType) VALUES ('O''Brien', 2)");
    EXPECT_EQ(accounts.IsAccExist(db, L"现金", 1, error), 1);
    EXPECT_EQ(accounts.IsAccExist(db, L"现金", 2, error), 0);
    EXPECT_EQ(accounts.IsAccExist(db, L"O'Brien", 2, error), 1);
    EXPECT_EQ(accounts.IsExistByAcNAme(db, L"O'Brien", error), 1);
    EXPECT_EQ(accounts.IsExistByAcNAme(db, L"现 金", error), 0);
    EXPECT_EQ(error, L"");

    Exec(L"DROP TABLE SettleAcct");
    EXPECT_EQ(accounts.IsExistByAcNAme(db, L"现金", error), -1);
    EXPECT_EQ(error, L"no such table: SettleAcct");
    EXPECT_EQ(accounts.IsAccExist(db, L"现金", 1, error), 0);
    EXPECT_EQ(accounts.ISSysItem(db, 1), 0);
    EXPECT_FALSE(TakeLog().empty());
}

TEST_F(AccInfo, AnAccountIsInUseByBillsOrdersAndLinesButNotByItsOpeningEntry) {
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
        Exec(L"ROLLBACK TO one");
        Exec(L"RELEASE one");
    }
    EXPECT_EQ(accounts.CheckAccUse(db, L"O'Brien"), 1);
}

TEST_F(AccInfo, ListsPutSystemAccountsFirstThenBySearchCode) {
    ASSERT_EQ(Create(L"支付宝"), 0);    // ZFB
    ASSERT_EQ(Create(L"工商银行"), 0);  // GSY..
    ASSERT_EQ(Create(L"农业银行"), 0);  // NYY..
    EXPECT_EQ(Names(accounts.GetBaseData(db, error)),
              (std::vector<CString>{L"现金", L"工商银行", L"农业银行", L"支付宝"}));
    EXPECT_EQ(Names(accounts.GetAccDateForList(db, L" 银行 ", error)),
              (std::vector<CString>{L"工商银行", L"农业银行"}));
    EXPECT_EQ(Names(accounts.GetAccDateForList(db, L"zfb", error)), std::vector<CString>{L"支付宝"});
    EXPECT_EQ(Names(accounts.GetAccDateForList(db, L"", error)).size(), 4u);
    EXPECT_EQ(Names(accounts.GetBaseDataByName(db, L"农业银行", error)), std::vector<CString>{L"农业银行"});
    EXPECT_EQ(Names(accounts.GetBaseDataByAccID(db, 1, error)), std::vector<CString>{L"现金"});
    EXPECT_TRUE(Names(accounts.GetBaseDataByName(db, L"O'Brien", error)).empty());

    Exec(L"DROP TABLE SettleAcct");
    CppSQLite3Query failed = accounts.GetBaseData(db, error);
    EXPECT_TRUE(failed.isNull());
    EXPECT_EQ(error, L"no such table: SettleAcct");
    // The short edit form does nothing.
    EXPECT_EQ(accounts.UpdateBaseData(db, 1, L"a", L"b", error), 0);
}

}  // namespace
