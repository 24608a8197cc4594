// The cash journal: the day's lines, receipts and payments, hand-entered items, the month
// totals, changing and deleting lines (CAccountBLL).
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Sql;

namespace {

class CashJournal : public ShopDbTest {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        Exec(
            L"INSERT INTO Companies (CompanyName, CompanyCode, CompanyType, CurAmount) VALUES "
            L"('甲客户', 'KH0101', 1, 500), ('丁供应商', 'GYS0101', 2, 800)");
        Exec(L"INSERT INTO SettleAcct (SettleAcctName, CurAmount) VALUES ('工商银行', 1000)");  // ID 2
    }
    double PartnerBalance(const wchar_t* name) {
        return Real(Sql(L"SELECT CurAmount FROM Companies WHERE CompanyName='%s'", name));
    }
    double AccountBalance(const wchar_t* name) {
        return Real(Sql(L"SELECT CurAmount FROM SettleAcct WHERE SettleAcctName='%s'", name));
    }
    // "In/Out/Balance" of the account's month.
    CString Month(const wchar_t* name, const wchar_t* month) {
        CppSQLite3Query q =
            db.execQuery(Sql(L"SELECT InAmount, OutAmount, Balance FROM AccountMonth WHERE "
                             L"SettleAcctName='%s' AND strftime('%%Y-%%m', Month)='%s'",
                             name, month));
        if (q.eof()) return L"none";
        return Sql(L"%g/%g/%g", q.getFloatField(0), q.getFloatField(1), q.getFloatField(2));
    }
    int Lines(const wchar_t* where = L"1") { return Int(Sql(L"SELECT COUNT(*) FROM Account WHERE %s", where)); }
    int NewestLine() { return Int(L"SELECT MAX(AccountID) FROM Account"); }
    // The columns of the line, joined by "|".
    CString Line(int id, const wchar_t* columns) {
        return RowsOf(db, Sql(L"SELECT %s FROM Account WHERE AccountID=%d", columns, id));
    }
    void SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }

    CAccountBLL journal;
    CString error;
};

// --- The day's lines ----------------------------------------------------------------------------

TEST_F(CashJournal, SalesAndDepositsOfADayShareOneIncomeLine) {
    ASSERT_EQ(journal.UpdateAccountBySale(db, L"现金", 1, L"2013-05-06", L"30.5", error), 0) << error;
    ASSERT_EQ(journal.UpdateAccountBySale(db, L"工商银行", 2, L"2013-05-06", L"20", error), 0);
    ASSERT_EQ(journal.UpdateAccountBySaleOrder(db, L"现金", 1, L"2013-05-06", L"5", error), 0);

    ASSERT_EQ(Lines(), 1);
    const int id = NewestLine();
    EXPECT_EQ(Line(id,
                   L"ProjectType, AccountType, InAmount, ProjectName, AccountDesp, CompanyName, CompanyID, "
                   L"SettleAcctID, SettleAcctName, IsSystem"),
              L"1|收入|55.5|销售收入|销售货品|零售客户|1|-1||1");
    // Each account's month gets what went through it; the line's account stays empty.
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"35.5/0/35.5");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"20/0/20");
    // Balances are the caller's to move.
    EXPECT_EQ(AccountBalance(L"现金"), 0.0);
    EXPECT_EQ(PartnerBalance(L"零售客户"), 0.0);
}

TEST_F(CashJournal, ADepositFirstNamesTheDaysLineAndPurchasesHaveTheirOwn) {
    ASSERT_EQ(journal.UpdateAccountBySaleOrder(db, L"现金", 1, L"2013-05-07", L"8", error), 0);
    ASSERT_EQ(journal.UpdateAccountBySale(db, L"现金", 1, L"2013-05-07", L"2", error), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account WHERE ProjectName='收订金/欠款' AND AccountDesp='预订货品' AND "
                  L"ProjectType=1 AND InAmount=10"),
              1);

    ASSERT_EQ(journal.UpdateAccountByPur(db, L"工商银行", 2, L"2013-05-07", L"100", error), 0);
    ASSERT_EQ(journal.UpdateAccountByPur(db, L"工商银行", 2, L"2013-05-07", L"-40", error), 0);  // a return
    ASSERT_EQ(journal.UpdateAccountByPur(db, L"工商银行", 2, L"2013-05-08", L"7", error), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account WHERE AccountType='支出' AND ProjectName='进货支出' AND "
                  L"AccountDesp='购进货品' AND CompanyName='零散供应商' AND ProjectType=1"),
              2);
    EXPECT_EQ(Real(L"SELECT OutAmount FROM Account WHERE AccountType='支出' AND AccountDate='2013-05-07'"), 60.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"0/67/-67");
}

TEST_F(CashJournal, RaisingADayLineIsJournalledForSalesAndPurchasesOnly) {
    SyncOn();
    journal.UpdateAccountBySaleOrder(db, L"现金", 1, L"2013-05-06", L"1", error);
    Exec(L"DELETE FROM OperateData");
    journal.UpdateAccountBySaleOrder(db, L"现金", 1, L"2013-05-06", L"1", error);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM OperateData"), 0);
    journal.UpdateAccountBySale(db, L"现金", 1, L"2013-05-06", L"1", error);
    EXPECT_EQ(
        Int(Sql(L"SELECT COUNT(*) FROM OperateData WHERE TName='Account' AND CValue='%d' AND OType='U'", NewestLine())),
        1);
    Exec(L"DELETE FROM OperateData");
    journal.UpdateAccountByPur(db, L"现金", 1, L"2013-05-06", L"1", error);  // the day's first: added
    journal.UpdateAccountByPur(db, L"现金", 1, L"2013-05-06", L"1", error);
    EXPECT_EQ(
        Int(Sql(L"SELECT COUNT(*) FROM OperateData WHERE TName='Account' AND CValue='%d' AND OType='A'", NewestLine())),
        1);  // an update of a row journalled as added keeps it added
}

TEST_F(CashJournal, DeletingADayLineIsOneWay) {
    // The day's lines carry no settlement account, so deleting one reverses the month on the
    // empty account name and leaves the account's month and balance alone, and the retail
    // customer's balance goes up by the line, as for any line with a partner.
    ASSERT_EQ(journal.UpdateAccountBySale(db, L"现金", 1, L"2013-05-06", L"30", error), 0);
    ASSERT_EQ(journal.DeleteAccount(db, NewestLine(), error, 1), 0) << error;
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"30/0/30");
    EXPECT_EQ(Month(L"", L"2013-05"), L"-30/0/-30");
    EXPECT_EQ(PartnerBalance(L"零售客户"), 30.0);
    EXPECT_EQ(AccountBalance(L"现金"), 0.0);
}

TEST_F(CashJournal, ImportRebuildsTheDayLinesFromTheBills) {
    journal.UpdateAccountBySale(db, L"现金", 1, L"2013-05-02", L"10", error);  // the latest day line
    Exec(
        L"INSERT INTO SaleBills (BillDate, GetAmount, BillType) VALUES ('2013-05-01', 99, 1), ('2013-05-02', 40, 1), "
        L"('2013-05-02', 2.5, 1), ('2013-05-03', 12, 1), ('1970-01-01', 500, 0)");
    Exec(L"INSERT INTO PurBills (BillDate, GetAmount) VALUES ('2013-05-03', 70), ('2013-05-03', 5)");

    ASSERT_EQ(journal.UpdateAccountByImport(db, L"", 0, L"", L"", error), 0) << error;
    // Days before the latest day line are left; that day is set to its total, later days made.
    EXPECT_EQ(Lines(L"AccountDate='2013-05-01'"), 0);
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE AccountDate='2013-05-02'"), 42.5);
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE AccountDate='2013-05-03' AND AccountType='收入'"), 12.0);
    EXPECT_EQ(Real(L"SELECT OutAmount FROM Account WHERE AccountDate='2013-05-03' AND AccountType='支出'"), 75.0);
    EXPECT_EQ(Lines(), 3);
    // The month totals are not touched by the rebuild.
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"10/0/10");
    // Run again, it changes nothing.
    ASSERT_EQ(journal.UpdateAccountByImport(db, L"", 0, L"", L"", error), 0);
    EXPECT_EQ(Lines(), 3);
}

// --- Month totals -------------------------------------------------------------------------------

TEST_F(CashJournal, MonthTotalsAreKeptPerAccountAndCalendarMonth) {
    EXPECT_EQ(journal.UpdateAccountMonth(db, L"2013-05-06", L"收入", L"现金", 1, 100.0, error), 0);
    EXPECT_EQ(Text(L"SELECT Month FROM AccountMonth"), L"2013-05-06");  // the first day seen names the row
    journal.UpdateAccountMonth(db, L"2013-05-31", L"收入", L"现金", 1, -30.0, error);
    journal.UpdateAccountMonth(db, L"2013-05-01", L"支出", L"现金", 1, 20.0, error);
    journal.UpdateAccountMonth(db, L"2013-06-01", L"支出", L"现金", 1, 5.0, error);
    journal.UpdateAccountMonth(db, L"2013-05-20", L"收入", L"工商银行", 2, 1.0, error);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"70/20/50");
    EXPECT_EQ(Month(L"现金", L"2013-06"), L"0/5/-5");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"1/0/1");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM AccountMonth"), 3);
    EXPECT_EQ(Int(L"SELECT SettleAcctID FROM AccountMonth WHERE SettleAcctName='工商银行'"), 2);

    // Names are matched as they are stored, made safe.
    journal.UpdateAccountMonth(db, L"2013-05-02", L"收入", L"O'Brien", 9, 3.0, error);
    EXPECT_EQ(Month(L"O*Brien", L"2013-05"), L"3/0/3");

    // The statement goes to the log as its trace.
    std::vector<CString> log = TakeLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(),
              L"update [AccountMonth] set InAmount = ifnull(InAmount,0) + (3.00000000),Balance = ifnull(Balance,0) + "
              L"(3.00000000) where strftime('%Y-%m', [Month])= strftime('%Y-%m','2013-05-02') and SettleAcctName = "
              L"'O*Brien' ");

    Exec(L"DROP TABLE AccountMonth");
    EXPECT_EQ(journal.UpdateAccountMonth(db, L"2013-05-02", L"收入", L"现金", 1, 3.0, error), -1);
    EXPECT_EQ(error, L"no such table: AccountMonth");
}

// --- Receipts and payments ----------------------------------------------------------------------

TEST_F(CashJournal, AReceiptLowersWhatTheCustomerOwes) {
    ASSERT_EQ(journal.InsertAccountByRec(db, L"工商银行", 2, L"甲客户", L"2013-05-06", L"SK001", L"还款", 120.0, error),
              0)
        << error;
    const int id = NewestLine();
    EXPECT_EQ(Line(id,
                   L"ProjectType, ProjectID, ProjectName, AccountCode, CompanyID, CompanyCode, SettleAcctName, "
                   L"InAmount, OutAmount, IsSystem, CreateDate"),
              L"2|3|收订金/欠款|SK001|4|KH0101|工商银行|120.0|0.0|1|2013-05-06 14:03:09");
    EXPECT_EQ(PartnerBalance(L"甲客户"), 380.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"120/0/120");
    EXPECT_EQ(AccountBalance(L"工商银行"), 1000.0);  // the caller's to move
}

TEST_F(CashJournal, APaymentLowersWhatTheShopOwes) {
    ASSERT_EQ(journal.InsertAccountByPay(db, L"现金", 1, L"丁供应商", L"2013-04-30", L"FK001", L"付款", 300.0, error),
              0);
    const int id = NewestLine();
    EXPECT_EQ(Line(id, L"AccountType, ProjectID, ProjectName, InAmount, OutAmount"), L"支出|4|付订金/欠款|0.0|300.0");
    EXPECT_EQ(PartnerBalance(L"丁供应商"), 500.0);
    EXPECT_EQ(Month(L"现金", L"2013-04"), L"0/300/-300");
}

TEST_F(CashJournal, AnUnknownPartnerIsCreatedFirst) {
    ASSERT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"新客户", L"2013-05-06", L"SK002", L"", 50.0, error), 0);
    EXPECT_EQ(Int(L"SELECT CompanyType FROM Companies WHERE CompanyName='新客户'"), 1);
    EXPECT_EQ(PartnerBalance(L"新客户"), -50.0);
    ASSERT_EQ(journal.InsertAccountByPay(db, L"现金", 1, L"新供应商", L"2013-05-06", L"FK002", L"", 20.0, error), 0);
    EXPECT_EQ(Int(L"SELECT CompanyType FROM Companies WHERE CompanyName='新供应商'"), 2);
    EXPECT_EQ(Lines(L"CompanyName IN ('新客户', '新供应商') AND CompanyID > 0"), 2);
    // A partner whose name holds a quote is found under the name it is stored with.
    ASSERT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"O'Brien", L"2013-05-06", L"SK003", L"", 5.0, error), 0);
    EXPECT_EQ(Lines(L"CompanyName='O*Brien'"), 1);
    EXPECT_EQ(PartnerBalance(L"O*Brien"), -5.0);
}

TEST_F(CashJournal, APartnerThatCannotBeCreatedStopsTheLine) {
    Exec(L"CREATE TRIGGER NoPartners BEFORE INSERT ON Companies BEGIN SELECT RAISE(ABORT, 'closed'); END");
    EXPECT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"新客户", L"2013-05-06", L"SK1", L"", 50.0, error), -1);
    EXPECT_EQ(error, L"新增往来单位名称为“新客户”失败!");
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM AccountMonth"), 0);
}

TEST_F(CashJournal, ASecondReceiptUnderATakenCodeIsRefusedWithNothingMoved) {
    ASSERT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"甲客户", L"2013-05-06", L"SK001", L"", 120.0, error), 0);
    // The code's line is where a new line of that code goes: its removal has to come first.
    EXPECT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"甲客户", L"2013-05-06", L"SK001", L"", 50.0, error), -1);
    EXPECT_NE(error.Find(L"UNIQUE"), -1) << error;
    EXPECT_EQ(Lines(), 1);
    EXPECT_EQ(PartnerBalance(L"甲客户"), 380.0);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"120/0/120");
}

TEST_F(CashJournal, DeletingAReceiptUndoesIt) {
    ASSERT_EQ(journal.InsertAccountByRec(db, L"工商银行", 2, L"甲客户", L"2013-05-06", L"SK001", L"", 120.0, error), 0);
    CAccInfoBLL().UpdateBaseAccount(db, L"工商银行", -120.0, error, 1);  // the caller's part
    ASSERT_EQ(AccountBalance(L"工商银行"), 1120.0);

    SyncOn();
    ASSERT_EQ(journal.DeleteAccount(db, NewestLine(), error, 1), 0) << error;
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(PartnerBalance(L"甲客户"), 500.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"0/0/0");
    EXPECT_EQ(AccountBalance(L"工商银行"), 1000.0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM OperateData WHERE TName='Account' AND OType='D'"), 1);
}

TEST_F(CashJournal, WithoutTheUndoFlagOnlyThePartnerIsRestored) {
    ASSERT_EQ(journal.InsertAccountByPay(db, L"工商银行", 2, L"丁供应商", L"2013-05-06", L"FK1", L"", 300.0, error), 0);
    CAccInfoBLL().UpdateBaseAccount(db, L"工商银行", 300.0, error, 1);
    ASSERT_EQ(journal.DeleteAccount(db, NewestLine(), error, 0), 0);
    EXPECT_EQ(PartnerBalance(L"丁供应商"), 800.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"0/300/-300");
    EXPECT_EQ(AccountBalance(L"工商银行"), 700.0);
}

TEST_F(CashJournal, DeletingAMissingLineChangesNothing) {
    EXPECT_EQ(journal.DeleteAccount(db, 999, error, 1), -1);
    EXPECT_EQ(error, L"ID号为999的收支单不存在或者其日期为空!");
    EXPECT_EQ(
        journal.UpdateAccount(db, 999, L"收入", L"2013-05-06", L"", L"", L"", L"利息收入", 1.0, error, L"现金", 1, 3),
        -1);
    EXPECT_EQ(journal.UpdateAccountByRec(db, 999, L"现金", L"甲客户", L"2013-05-06", L"", 1.0, error, L"", 1), -1);
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(PartnerBalance(L"甲客户"), 500.0);
}

TEST_F(CashJournal, ChangingAReceiptReplacesItUnderTheSameCode) {
    ASSERT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"甲客户", L"2013-04-10", L"SK007", L"", 100.0, error), 0);
    const int old = NewestLine();
    ASSERT_EQ(journal.UpdateAccountByRec(db, old, L"工商银行", L"甲客户", L"2013-05-06", L"改", 80.0, error, L"x", 2),
              0)
        << error;
    EXPECT_FALSE(journal.IsExist(db, old));
    const int id = NewestLine();
    EXPECT_GT(id, old);
    EXPECT_EQ(Line(id, L"AccountCode, SettleAcctName, AccountDate, AccountDesp, InAmount"),
              L"SK007|工商银行|2013-05-06|改|80.0");
    EXPECT_EQ(PartnerBalance(L"甲客户"), 420.0);
    EXPECT_EQ(Month(L"现金", L"2013-04"), L"0/0/0");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"80/0/80");

    ASSERT_EQ(journal.InsertAccountByPay(db, L"现金", 1, L"丁供应商", L"2013-05-01", L"FK007", L"", 100.0, error), 0);
    ASSERT_EQ(
        journal.UpdateAccountByPay(db, NewestLine(), L"现金", L"丁供应商", L"2013-05-01", L"", 150.0, error, L"", 1),
        0);
    EXPECT_EQ(PartnerBalance(L"丁供应商"), 650.0);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"0/150/-150");
}

// --- Hand-entered items -------------------------------------------------------------------------

TEST_F(CashJournal, AHandEnteredItemCreatesItsProjectAndMovesTheMonth) {
    ASSERT_EQ(
        journal.InsertAccount(db, L"现金", 1, L"支出", L"2013-05-06", L"", L"五月房租", L"", L"房租", 1500.0, error, 3),
        0)
        << error;
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Project WHERE ProjectName='房租' AND AccountType='支出' AND ProjectType=3"),
              1);
    const int id = NewestLine();
    EXPECT_EQ(Line(id, L"ProjectID, ProjectType, IsSystem, CompanyName"),
              Text(L"SELECT ProjectID FROM Project WHERE ProjectName='房租'") + L"|3|0|");
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"0/1500/-1500");
    EXPECT_EQ(AccountBalance(L"现金"), 0.0);

    // The statement is logged before it runs.
    bool logged = false;
    for (const CString& line : TakeLog()) logged |= line.Find(L"insert into [Account]( [AccountID]") == 0;
    EXPECT_TRUE(logged);

    // With a partner the item neither creates a balance nor moves one, when deleted either.
    ASSERT_EQ(
        journal.InsertAccount(db, L"现金", 1, L"收入", L"2013-05-06", L"", L"", L"甲客户", L"利息收入", 9.0, error, 3),
        0);
    EXPECT_EQ(Line(NewestLine(), L"CompanyCode"), L"KH0101");
    ASSERT_EQ(journal.DeleteAccount(db, NewestLine(), error, 1), 0);
    EXPECT_EQ(PartnerBalance(L"甲客户"), 500.0);
}

TEST_F(CashJournal, AProjectNameOfTheOtherKindIsRefusedAndASwitchedOffOneSwitchedOn) {
    EXPECT_EQ(journal.InsertAccount(db, L"现金", 1, L"支出", L"2013-05-06", L"", L"", L"", L"销售收入", 5.0, error, 3),
              -3);
    EXPECT_EQ(error, L"收支项目名称为“销售收入”已经存在，请确认!");
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"none");

    Exec(L"INSERT INTO Project (ProjectName, ProjectType, AccountType, IsDisable) VALUES ('租金收入', 3, '收入', 1)");
    EXPECT_EQ(journal.InsertAccount(db, L"现金", 1, L"收入", L"2013-05-06", L"", L"", L"", L"租金收入", 5.0, error, 3),
              0);
    EXPECT_EQ(Int(L"SELECT IsDisable FROM Project WHERE ProjectName='租金收入'"), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Project WHERE ProjectName='租金收入'"), 1);
    EXPECT_EQ(Lines(L"ProjectName='租金收入'"), 1);
}

TEST_F(CashJournal, ChangingAHandEnteredItemMovesItsMonth) {
    ASSERT_EQ(journal.InsertAccount(db, L"现金", 1, L"支出", L"2013-04-06", L"", L"", L"", L"房租", 100.0, error, 3),
              0);
    ASSERT_EQ(journal.UpdateAccount(db, NewestLine(), L"收入", L"2013-05-06", L"", L"改", L"", L"利息收入", 30.0, error,
                                    L"工商银行", 2, 3),
              0)
        << error;
    EXPECT_EQ(Lines(), 1);
    EXPECT_EQ(Line(NewestLine(), L"InAmount"), L"30.0");
    EXPECT_EQ(Month(L"现金", L"2013-04"), L"0/0/0");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"30/0/30");

    // The amounts alone, nothing else moves.
    ASSERT_EQ(journal.UpdateExistAccount(db, NewestLine(), L"支出", L"", L"", L"", L"", L"", 12.0, error, L"", 0, 3),
              0);
    EXPECT_EQ(Line(NewestLine(), L"InAmount, OutAmount, AccountType"), L"0.0|12.0|收入");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"30/0/30");
}

// --- Line IDs, lookups, points --------------------------------------------------------------------

TEST_F(CashJournal, NewLineIdsNeverCollideOrComeBack) {
    for (int i = 0; i < 3; ++i)
        journal.InsertAccount(db, L"现金", 1, L"收入", L"2013-05-06", L"", L"", L"", L"利息收入", 1.0, error, 3);
    EXPECT_EQ(NewestLine(), 3);
    journal.DeleteAccount(db, 3, error, 1);
    journal.InsertAccount(db, L"现金", 1, L"收入", L"2013-05-06", L"", L"", L"", L"利息收入", 1.0, error, 3);
    EXPECT_EQ(NewestLine(), 4);  // 3 is not given out again
    // A sequence behind the lines (say, restored from elsewhere): the next free ID is taken.
    Exec(L"UPDATE sqlite_sequence SET seq = 1 WHERE name = 'Account'");
    ASSERT_EQ(journal.InsertAccount(db, L"现金", 1, L"收入", L"2013-05-06", L"", L"", L"", L"利息收入", 1.0, error, 3),
              0)
        << error;
    EXPECT_EQ(NewestLine(), 5);
    EXPECT_EQ(Lines(), 4);
}

TEST_F(CashJournal, ReadingLinesBack) {
    ASSERT_EQ(journal.InsertAccountByPay(db, L"工商银行", 2, L"丁供应商", L"2013-05-06", L"FK1", L"", 12.5, error), 0);
    CString type, account, amount, other = L"x";
    EXPECT_EQ(journal.GetZJZKInfo(db, NewestLine(), type, account, amount, other), 1);
    EXPECT_EQ(type, L"支出");
    EXPECT_EQ(account, L"工商银行");
    EXPECT_EQ(amount, L"12.5");
    EXPECT_EQ(other, L"");
    EXPECT_EQ(journal.GetZJZKInfo(db, 999, type, account, amount, other), 1);
    EXPECT_EQ(type, L"");
    EXPECT_TRUE(journal.IsExist(db, NewestLine()));
    EXPECT_FALSE(journal.IsExist(db, 999));
}

TEST_F(CashJournal, AnAccountsOpeningEntryIsFoundAndRemovedByName) {
    CAccInfoBLL accounts;
    ASSERT_EQ(accounts.InsertLIstData(db, 1, L"农业银行", L"", L"", L"200", error), 0);
    CppSQLite3Query entry = journal.GetACIDBySetAccName(db, L"农业银行", error);
    ASSERT_FALSE(entry.eof());
    EXPECT_EQ(entry.getIntField(L"AccountID"), NewestLine());
    EXPECT_EQ(entry.getStringField(L"AccountDate"), L"2013-05-06");
    entry.finalize();

    ASSERT_EQ(journal.DeleteAccount(db, CString(L" 农业银行 "), error), 0) << error;
    EXPECT_EQ(Lines(), 0);
    // Undone: the month loses the amount it never had, the balance the amount it was opened with.
    EXPECT_EQ(Month(L"农业银行", L"2013-05"), L"-200/0/-200");
    EXPECT_EQ(AccountBalance(L"农业银行"), 0.0);
    EXPECT_EQ(journal.DeleteAccount(db, CString(L"农业银行"), error), 0);  // nothing left to remove
}

TEST_F(CashJournal, IncomeWithABillCodeEarnsTheMemberPoints) {
    Exec(L"INSERT INTO VipMember (MemberName, MemberCode, LevelName) VALUES ('甲客户', 'VIP01', '普通会员')");
    ASSERT_EQ(journal.InsertAccountByRec(db, L"现金", 1, L"甲客户", L"2013-05-06", L"SK100", L"", 128.5, error), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM VipScores WHERE ScoreDocument='SK100' AND Money='128.50' AND Scores=12"), 1);
    EXPECT_EQ(Text(L"SELECT VipCore FROM VipMember"), L"12");
    // No code, or money going out: no points.
    journal.InsertAccount(db, L"现金", 1, L"收入", L"2013-05-06", L"", L"", L"甲客户", L"利息收入", 100.0, error, 3);
    journal.InsertAccountByPay(db, L"现金", 1, L"甲客户", L"2013-05-06", L"FK100", L"", 100.0, error);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM VipScores"), 1);
}

}  // namespace
