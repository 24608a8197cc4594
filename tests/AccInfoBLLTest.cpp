// Settlement accounts: creating them with their opening entry, moving and editing balances,
// deleting, the checks and the lists of CAccInfoBLL.
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class AccInfo : public ShopDbTest {
protected:
    int Create(const wchar_t* name, const wchar_t* amount = L"0") {
        return accounts.InsertLIstData(db, 1, name, L"", L"", amount, error);
    }
    int Edit(int id, const wchar_t* name, const wchar_t* amount) {
        return accounts.UpdateBaseData(db, id, L"1", name, L"", L"", amount, error, 1);
    }
    int IdOf(const wchar_t* name) {
        return Int(Fmt(L"SELECT SettleAcctID FROM SettleAcct WHERE SettleAcctName='%s'", name));
    }
    CString Account(const wchar_t* name, const wchar_t* columns) {
        return RowsOf(db, Fmt(L"SELECT %s FROM SettleAcct WHERE SettleAcctName='%s'", columns, name));
    }
    int Count(const wchar_t* table, const wchar_t* where = L"1") {
        return Int(Fmt(L"SELECT COUNT(*) FROM %s WHERE %s", table, where));
    }

    CAccInfoBLL accounts;
    CString error;
};

TEST_F(AccInfo, CreateWritesTheAccountItsOpeningEntryAndItsMonthRow) {
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");
    ASSERT_EQ(accounts.InsertLIstData(db, 7, L" 工商银行 ", L"工行", L"6222 01", L"100", error), 0) << error;
    const int id = IdOf(L"工商银行");
    EXPECT_EQ(Account(L"工商银行", L"BankName, BankNo, SettleAcctType, InitAmount, CurAmount, IsSystem"),
              L"工行|6222 01|1|100.0|100.0|0");  // type 1 whatever is passed
    EXPECT_EQ(RowsOf(db,
                     L"SELECT COUNT(*), ProjectType, ProjectName, AccountType, InAmount, AccountDate, SettleAcctID "
                     L"FROM Account"),
              shopbiz::Fmt(L"1|4|账户操作|收入|100.0|2013-05-06|%d", id));
    // The account has its month, but the opening amount is not income of the month.
    EXPECT_EQ(RowsOf(db, L"SELECT SettleAcctName, Month, InAmount, OutAmount, Balance FROM AccountMonth"),
              L"工商银行|2013-05-06|0.0|0.0|0.0");
    EXPECT_EQ(Count(L"OperateData", Fmt(L"TName='SettleAcct' AND CValue='%d' AND OType='A'", id)), 1);
}

TEST_F(AccInfo, CreateRefusesEmptyAndTakenNames) {
    // A name is taken whatever the type of the account that has it, and as it would be stored.
    Exec(L"INSERT INTO SettleAcct (SettleAcctName, SettleAcctType) VALUES ('支付宝', 2)");
    for (const wchar_t* taken : {L" 现金　", L"支付宝"}) {
        EXPECT_EQ(Create(taken), 1) << CString(taken);
        EXPECT_EQ(error, L"已经存在,请确认!");
    }
    EXPECT_EQ(Create(L"   "), 1);
    EXPECT_EQ(Count(L"SettleAcct") + Count(L"Account"), 2);
}

TEST_F(AccInfo, AFailedOpeningEntryKeepsTheAccountAndSaysSo) {
    Exec(L"CREATE TRIGGER NoLines BEFORE INSERT ON Account BEGIN SELECT RAISE(ABORT, 'journal closed'); END");
    EXPECT_EQ(Create(L"农业银行", L"50"), -1);
    EXPECT_EQ(TakeMessageBoxes(), std::vector<CString>{L"SQLERROR 004004004701"});
    EXPECT_EQ(Account(L"农业银行", L"CurAmount"), L"50.0");
    EXPECT_EQ(Count(L"AccountMonth"), 0);
}

TEST_F(AccInfo, UpdateBaseAccountTakesTheAmountOffTheBalance) {
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"现金", -50.0, error, 1), 0);  // money in
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L" 现金 ", 20.25, error, 1), 0);
    EXPECT_EQ(Account(L"现金", L"CurAmount"), L"29.75");
    // Write flag 0: nothing is written. An unknown account is no error and makes no row.
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"现金", 1000.0, error, 0), 0);
    EXPECT_EQ(Account(L"现金", L"CurAmount"), L"29.75");
    EXPECT_EQ(accounts.UpdateBaseAccount(db, L"无此账户", 5.0, error, 1), 0);
    EXPECT_EQ(Count(L"SettleAcct"), 1);
}

TEST_F(AccInfo, EditByIdKeepsTheMovementsSinceOpeningAndCarriesTheName) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    const int id = IdOf(L"工商银行");
    EXPECT_EQ(Edit(id, L"现金", L"100"), 1);  // another account's name
    EXPECT_EQ(error, L"已经存在,请确认!");
    Exec(L"UPDATE SettleAcct SET CurAmount = 160 WHERE SettleAcctName='工商银行'");
    Exec(L"UPDATE Account SET AccountDate = '2013-01-02'");  // the opening entry keeps its day
    Exec(Fmt(L"INSERT INTO SaleBills (BillCode, SettleAcctID, SettleAcctName) VALUES ('XS1', %d, '工商银行')", id));

    ASSERT_EQ(accounts.UpdateBaseData(db, id, L"2", L"工行基本户", L"工行", L"62", L"200", error, 1), 0) << error;
    EXPECT_EQ(Account(L"工行基本户", L"CurAmount, InitAmount, SettleAcctType"), L"200.0|140.0|2");
    for (const wchar_t* table : {L"AccountMonth", L"SaleBills"})
        EXPECT_EQ(Count(table, L"SettleAcctName='工行基本户'"), 1) << CString(table);
    // The opening entry now carries the new opening balance, on its old day; the month is not moved.
    EXPECT_EQ(RowsOf(db, L"SELECT SettleAcctName, InAmount, AccountDate FROM Account"), L"工行基本户|140.0|2013-01-02");
    EXPECT_EQ(Real(L"SELECT SUM(InAmount) FROM AccountMonth"), 0.0);
    // Without the cascade the journal is left as it is.
    ASSERT_EQ(accounts.UpdateBaseData(db, id, L"2", L"工行", L"", L"", L"150", error, 0), 0);
    EXPECT_EQ(Account(L"工行", L"InitAmount"), L"90.0");
    EXPECT_EQ(Text(L"SELECT SettleAcctName FROM Account"), L"工行基本户");
}

TEST_F(AccInfo, EditByNameSetsBothBalancesAndLeavesTheDayLinesAlone) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    CString e;
    ASSERT_EQ(CAccountBLL().UpdateAccountBySale(db, L"工商银行", IdOf(L"工商银行"), L"2013-05-06", L"30", e), 0);
    EXPECT_EQ(Edit(-1, L"工商银行", L"80"), 0);
    EXPECT_EQ(Account(L"工商银行", L"CurAmount, InitAmount"), L"80.0|80.0");
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE ProjectType=4"), 80.0);
    EXPECT_EQ(Text(L"SELECT SettleAcctName FROM Account WHERE ProjectType=1"), L"");
}

TEST_F(AccInfo, RewritingTheOpeningEntry) {
    // The delivered cash account has none: it gets one, dated today; the second time it is replaced.
    EXPECT_EQ(accounts.UpdateAccountData(db, L"现金", 25.0, error, 0), 0);
    EXPECT_EQ(accounts.UpdateAccountData(db, L"现金", 30.0, error, 0), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT SettleAcctName, ProjectType, InAmount, AccountDate FROM Account"),
              L"现金|4|30.0|2013-05-06");
    EXPECT_EQ(accounts.UpdateAccountData(db, L"无此账户", 1.0, error, 0), 2);
    // Any other account without its entry cannot be rewritten.
    Exec(L"INSERT INTO SettleAcct (SettleAcctName) VALUES ('旧账户')");
    EXPECT_EQ(accounts.UpdateAccountData(db, L"旧账户", 1.0, error, 0), -1);
    EXPECT_EQ(error, L"ID号为0的收支单不存在或者其日期为空!");
    EXPECT_EQ(Count(L"Account"), 1);
}

TEST_F(AccInfo, DeleteRefusesSystemAccountsAndKeepsTheHistory) {
    EXPECT_EQ(accounts.DeleteBaseData(db, L"1", error), 2);
    EXPECT_EQ(Count(L"SettleAcct", L"SettleAcctID=1"), 1);
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    EXPECT_EQ(accounts.DeleteBaseData(db, Fmt(L"%d", IdOf(L"工商银行")), error), 0);
    EXPECT_EQ(Count(L"SettleAcct"), 1);
    // The journal and the month totals keep what happened.
    EXPECT_EQ(Count(L"Account") + Count(L"AccountMonth"), 2);
}

TEST_F(AccInfo, AnAccountIsInUseByBillsOrdersAndLinesButNotItsOpeningEntry) {
    ASSERT_EQ(Create(L"工商银行", L"100"), 0);
    EXPECT_EQ(accounts.CheckAccUse(db, L"工商银行"), 1);
    for (const wchar_t* use : {L"INSERT INTO PurBills (SettleAcctName) VALUES ('工商银行')",
                               L"INSERT INTO Account (SettleAcctName, ProjectType) VALUES ('工商银行', 2)"}) {
        SCOPED_TRACE(CString(use));
        Exec(L"SAVEPOINT one");
        Exec(use);
        EXPECT_EQ(accounts.CheckAccUse(db, L"工商银行"), 0);
        Exec(L"ROLLBACK TO one; RELEASE one");
    }
}

TEST_F(AccInfo, ListsPutSystemAccountsFirstThenBySearchCode) {
    for (const wchar_t* name : {L"支付宝", L"工商银行", L"农业银行"}) ASSERT_EQ(Create(name), 0);  // ZFB, GSYH, NYYH
    EXPECT_EQ(ListOf(accounts.GetBaseData(db, error), L"SettleAcctName"), L"现金,工商银行,农业银行,支付宝");
    EXPECT_EQ(ListOf(accounts.GetAccDateForList(db, L" 银行 ", error), L"SettleAcctName"), L"工商银行,农业银行");
}

}  // namespace
