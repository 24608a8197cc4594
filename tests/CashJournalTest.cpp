// The cash journal: the day's lines, receipts and payments, hand-entered items, the month
// totals, changing and deleting lines (CAccountBLL).
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

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
    // The accounts: 现金 (ID 1) and 工商银行 (ID 2).
    static int Id(const wchar_t* account) { return CString(account) == L"现金" ? 1 : 2; }
    int Sale(const wchar_t* account, const wchar_t* date, const wchar_t* amount) {
        return journal.UpdateAccountBySale(db, account, Id(account), date, amount, error);
    }
    int Order(const wchar_t* account, const wchar_t* date, const wchar_t* amount) {
        return journal.UpdateAccountBySaleOrder(db, account, Id(account), date, amount, error);
    }
    int Pur(const wchar_t* account, const wchar_t* date, const wchar_t* amount) {
        return journal.UpdateAccountByPur(db, account, Id(account), date, amount, error);
    }
    int Rec(const wchar_t* account, const wchar_t* partner, const wchar_t* date, const wchar_t* code, double amount) {
        return journal.InsertAccountByRec(db, account, Id(account), partner, date, code, L"", amount, error);
    }
    int Pay(const wchar_t* account, const wchar_t* partner, const wchar_t* date, const wchar_t* code, double amount) {
        return journal.InsertAccountByPay(db, account, Id(account), partner, date, code, L"", amount, error);
    }
    // A hand-entered item.
    int Item(const wchar_t* type, const wchar_t* date, const wchar_t* partner, const wchar_t* project, double amount) {
        return journal.InsertAccount(db, L"现金", 1, type, date, L"", L"", partner, project, amount, error, 3);
    }
    int Delete(int id, int undo = 1) { return journal.DeleteAccount(db, id, error, undo); }
    // The balance of the partner or settlement account of the name.
    double Balance(const wchar_t* name) {
        return Real(
            Fmt(L"SELECT CurAmount FROM Companies WHERE CompanyName='%s' UNION ALL SELECT CurAmount FROM "
                L"SettleAcct WHERE SettleAcctName='%s'",
                name, name));
    }
    // "In/Out/Balance" of the account's month.
    CString Month(const wchar_t* name, const wchar_t* month) {
        return Text(Fmt(L"SELECT IFNULL((SELECT printf('%%g/%%g/%%g', InAmount, OutAmount, Balance) FROM AccountMonth "
                        L"WHERE SettleAcctName='%s' AND strftime('%%Y-%%m', Month)='%s'), 'none')",
                        name, month));
    }
    int Lines(const wchar_t* where = L"1") { return Int(Fmt(L"SELECT COUNT(*) FROM Account WHERE %s", where)); }
    int NewestLine() { return Int(L"SELECT MAX(AccountID) FROM Account"); }
    CString Line(int id, const wchar_t* columns) {
        return RowsOf(db, Fmt(L"SELECT %s FROM Account WHERE AccountID=%d", columns, id));
    }
    void SyncOn() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }

    CAccountBLL journal;
    CString error;
};


TEST_F(CashJournal, DayLinesCollectSalesDepositsAndPurchasesAndTheirDeletionIsOneWay) {
    ASSERT_EQ(Sale(L"现金", L"2013-05-06", L"30.5"), 0) << error;
    ASSERT_EQ(Sale(L"工商银行", L"2013-05-06", L"20"), 0);
    ASSERT_EQ(Order(L"现金", L"2013-05-06", L"5"), 0);
    const int day = NewestLine();
    EXPECT_EQ(Line(day, L"ProjectType, AccountType, InAmount, ProjectName, CompanyName, SettleAcctID, SettleAcctName"),
              L"1|收入|55.5|销售收入|零售客户|-1|");
    // Each account's month gets what went through it; the line's account stays empty.
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"35.5/0/35.5");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"20/0/20");
    EXPECT_EQ(Balance(L"现金") + Balance(L"零售客户"), 0.0);  // balances are the caller's to move

    // A deposit first names the day's line.
    ASSERT_EQ(Order(L"现金", L"2013-05-07", L"8"), 0);
    ASSERT_EQ(Sale(L"现金", L"2013-05-07", L"2"), 0);
    EXPECT_EQ(Line(NewestLine(), L"ProjectName, AccountDesp, InAmount"), L"收订金/欠款|预订货品|10.0");
    ASSERT_EQ(Pur(L"工商银行", L"2013-05-07", L"100"), 0);  // purchases have their own line per day
    ASSERT_EQ(Pur(L"工商银行", L"2013-05-07", L"-40"), 0);  // a return
    ASSERT_EQ(Pur(L"工商银行", L"2013-05-08", L"7"), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT AccountDate, ProjectName, CompanyName, OutAmount FROM Account WHERE OutAmount > 0"),
              L"2013-05-07|进货支出|零散供应商|60.0\n2013-05-08|进货支出|零散供应商|7.0");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"20/67/-47");

    // Deleting the day's line (no settlement account) reverses the month of the empty account
    // name; the retail customer's balance goes up by the line, as for any line with a partner.
    ASSERT_EQ(Delete(day), 0) << error;
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"45.5/0/45.5");
    EXPECT_EQ(Month(L"", L"2013-05"), L"-55.5/0/-55.5");
    EXPECT_EQ(Balance(L"零售客户"), 55.5);
    EXPECT_EQ(Balance(L"现金"), 0.0);
}

TEST_F(CashJournal, ImportRebuildsTheDayLinesFromTheBills) {
    Sale(L"现金", L"2013-05-02", L"10");  // the latest day line
    Exec(
        L"INSERT INTO SaleBills (BillDate, GetAmount, BillType) VALUES ('2013-05-01', 99, 1), ('2013-05-02', 40, 1), "
        L"('2013-05-02', 2.5, 1), ('2013-05-03', 12, 1), ('1970-01-01', 500, 0)");
    Exec(L"INSERT INTO PurBills (BillDate, GetAmount) VALUES ('2013-05-03', 70), ('2013-05-03', 5)");
    // Days before the latest day line are left; that day is set to its total, later days made;
    // the month totals are not touched. Run again, it changes nothing.
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(journal.UpdateAccountByImport(db, L"", 0, L"", L"", error), 0) << error;
        EXPECT_EQ(RowsOf(db,
                         L"SELECT AccountDate, AccountType, InAmount, OutAmount FROM Account ORDER BY AccountDate, "
                         L"AccountType"),
                  L"2013-05-02|收入|42.5|0.0\n2013-05-03|支出|0.0|75.0\n2013-05-03|收入|12.0|0.0");
        EXPECT_EQ(Month(L"现金", L"2013-05"), L"10/0/10");
    }
}


TEST_F(CashJournal, MonthTotalsAreKeptPerAccountAndCalendarMonth) {
    EXPECT_EQ(journal.UpdateAccountMonth(db, L"2013-05-06", L"收入", L"现金", 1, 100.0, error), 0);
    journal.UpdateAccountMonth(db, L"2013-05-31", L"收入", L"现金", 1, -30.0, error);
    journal.UpdateAccountMonth(db, L"2013-05-01", L"支出", L"现金", 1, 20.0, error);
    journal.UpdateAccountMonth(db, L"2013-06-01", L"支出", L"现金", 1, 5.0, error);
    journal.UpdateAccountMonth(db, L"2013-05-20", L"收入", L"工商银行", 2, 1.0, error);
    // The first day seen names the month's row.
    EXPECT_EQ(RowsOf(db,
                     L"SELECT SettleAcctName, SettleAcctID, Month, InAmount, OutAmount, Balance FROM AccountMonth "
                     L"ORDER BY rowid"),
              L"现金|1|2013-05-06|70.0|20.0|50.0\n现金|1|2013-06-01|0.0|5.0|-5.0\n工商银行|2|2013-05-20|1.0|0.0|1.0");
    // Names are matched as they are stored, made safe.
    journal.UpdateAccountMonth(db, L"2013-05-02", L"收入", L"O'Brien", 9, 3.0, error);
    EXPECT_EQ(Month(L"O*Brien", L"2013-05"), L"3/0/3");
}


TEST_F(CashJournal, AReceiptLowersWhatTheCustomerOwesOnceAndItsDeletionUndoesIt) {
    ASSERT_EQ(Rec(L"工商银行", L"甲客户", L"2013-05-06", L"SK001", 120.0), 0) << error;
    const int id = NewestLine();
    EXPECT_EQ(Line(id, L"ProjectType, ProjectName, AccountCode, CompanyID, CompanyCode, SettleAcctName, InAmount"),
              L"2|收订金/欠款|SK001|4|KH0101|工商银行|120.0");
    // A second receipt under the code is refused with nothing moved.
    EXPECT_EQ(Rec(L"工商银行", L"甲客户", L"2013-05-06", L"SK001", 50.0), -1);
    EXPECT_NE(error.Find(L"UNIQUE"), -1) << error;
    EXPECT_EQ(Lines(), 1);
    EXPECT_EQ(Balance(L"甲客户"), 380.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"120/0/120");
    EXPECT_EQ(Balance(L"工商银行"), 1000.0);  // the caller's to move
    CAccInfoBLL().UpdateBaseAccount(db, L"工商银行", -120.0, error, 1);

    SyncOn();
    ASSERT_EQ(Delete(id), 0) << error;
    EXPECT_EQ(Lines(), 0);
    EXPECT_EQ(Balance(L"甲客户"), 500.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"0/0/0");
    EXPECT_EQ(Balance(L"工商银行"), 1000.0);
    EXPECT_EQ(RowsOf(db, L"SELECT TName, CValue, OType FROM OperateData"),
              shopbiz::Fmt(L"Companies|4|U\nSettleAcct|工商银行|U\nAccount|%d|D", id));
}

TEST_F(CashJournal, APaymentLowersWhatTheShopOwesAndWithoutTheUndoFlagOnlyThePartnerIsRestored) {
    ASSERT_EQ(Pay(L"工商银行", L"丁供应商", L"2013-04-30", L"FK001", 300.0), 0);
    const int id = NewestLine();
    EXPECT_EQ(Line(id, L"AccountType, ProjectName, OutAmount"), L"支出|付订金/欠款|300.0");
    EXPECT_EQ(Balance(L"丁供应商"), 500.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-04"), L"0/300/-300");
    CAccInfoBLL().UpdateBaseAccount(db, L"工商银行", 300.0, error, 1);
    ASSERT_EQ(Delete(id, 0), 0);
    EXPECT_EQ(Balance(L"丁供应商"), 800.0);
    EXPECT_EQ(Month(L"工商银行", L"2013-04"), L"0/300/-300");
    EXPECT_EQ(Balance(L"工商银行"), 700.0);
}

TEST_F(CashJournal, AnUnknownPartnerIsCreatedFirstOrStopsTheLine) {
    ASSERT_EQ(Rec(L"现金", L"新客户", L"2013-05-06", L"SK002", 50.0), 0);
    ASSERT_EQ(Pay(L"现金", L"新供应商", L"2013-05-06", L"FK002", 20.0), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT CompanyName, CompanyType, CurAmount FROM Companies WHERE CompanyID > 5"),
              L"新客户|1|-50.0\n新供应商|2|-20.0");
    EXPECT_EQ(Lines(L"CompanyID > 5"), 2);

    Exec(L"CREATE TRIGGER NoPartners BEFORE INSERT ON Companies BEGIN SELECT RAISE(ABORT, 'closed'); END");
    EXPECT_EQ(Rec(L"现金", L"又一个客户", L"2013-06-06", L"SK1", 50.0), -1);
    EXPECT_EQ(error, L"新增往来单位名称为“又一个客户”失败!");
    EXPECT_EQ(Lines(), 2);
    EXPECT_EQ(Month(L"现金", L"2013-06"), L"none");
}

TEST_F(CashJournal, ChangingAReceiptReplacesItUnderTheSameCode) {
    ASSERT_EQ(Rec(L"现金", L"甲客户", L"2013-04-10", L"SK007", 100.0), 0);
    const int old = NewestLine();
    ASSERT_EQ(journal.UpdateAccountByRec(db, old, L"工商银行", L"甲客户", L"2013-05-06", L"改", 80.0, error, L"x", 2),
              0)
        << error;
    EXPECT_FALSE(journal.IsExist(db, old));
    EXPECT_EQ(Line(NewestLine(), L"AccountCode, SettleAcctName, InAmount"), L"SK007|工商银行|80.0");
    EXPECT_EQ(Balance(L"甲客户"), 420.0);
    EXPECT_EQ(Month(L"现金", L"2013-04"), L"0/0/0");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"80/0/80");

    ASSERT_EQ(Pay(L"现金", L"丁供应商", L"2013-05-01", L"FK007", 100.0), 0);
    ASSERT_EQ(
        journal.UpdateAccountByPay(db, NewestLine(), L"现金", L"丁供应商", L"2013-05-01", L"", 150.0, error, L"", 1),
        0);
    EXPECT_EQ(Balance(L"丁供应商"), 650.0);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"0/150/-150");

    // A line that is not there cannot be deleted.
    EXPECT_EQ(Delete(999), -1);
    EXPECT_EQ(error, L"ID号为999的收支单不存在或者其日期为空!");
    EXPECT_EQ(Lines(), 2);
}


TEST_F(CashJournal, AHandEnteredItemCreatesOrSwitchesOnItsProjectAndMovesTheMonth) {
    // A project name of the other kind is refused.
    EXPECT_EQ(Item(L"支出", L"2013-05-06", L"", L"销售收入", 5.0), -3);
    EXPECT_EQ(error, L"收支项目名称为“销售收入”已经存在，请确认!");
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"none");
    ASSERT_EQ(Item(L"支出", L"2013-05-06", L"", L"房租", 1500.0), 0) << error;
    EXPECT_EQ(Line(NewestLine(), L"ProjectID"), Text(L"SELECT ProjectID FROM Project WHERE ProjectName='房租' AND "
                                                     L"AccountType='支出' AND ProjectType=3"));
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"0/1500/-1500");
    Exec(L"INSERT INTO Project (ProjectName, ProjectType, AccountType, IsDisable) VALUES ('租金收入', 3, '收入', 1)");
    ASSERT_EQ(Item(L"收入", L"2013-05-06", L"甲客户", L"租金收入", 9.0), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT IsDisable FROM Project WHERE ProjectName='租金收入'"), L"0");  // one row, on
    // With a partner the item neither creates a balance nor moves one.
    EXPECT_EQ(Balance(L"甲客户"), 500.0);
    EXPECT_EQ(Month(L"现金", L"2013-05"), L"9/1500/-1491");
}

TEST_F(CashJournal, ChangingAHandEnteredItemMovesItsMonth) {
    ASSERT_EQ(Item(L"支出", L"2013-04-06", L"", L"房租", 100.0), 0);
    ASSERT_EQ(journal.UpdateAccount(db, NewestLine(), L"收入", L"2013-05-06", L"", L"改", L"", L"利息收入", 30.0, error,
                                    L"工商银行", 2, 3),
              0)
        << error;
    EXPECT_EQ(Month(L"现金", L"2013-04"), L"0/0/0");
    // The amounts alone, nothing else moves.
    ASSERT_EQ(journal.UpdateExistAccount(db, NewestLine(), L"支出", L"", L"", L"", L"", L"", 12.0, error, L"", 0, 3),
              0);
    EXPECT_EQ(Line(NewestLine(), L"InAmount, OutAmount, AccountType"), L"0.0|12.0|收入");
    EXPECT_EQ(Month(L"工商银行", L"2013-05"), L"30/0/30");
}


TEST_F(CashJournal, NewLineIdsNeverCollideOrComeBack) {
    for (int i = 0; i < 3; ++i) Item(L"收入", L"2013-05-06", L"", L"利息收入", 1.0);
    EXPECT_EQ(NewestLine(), 3);
    Delete(3);
    Item(L"收入", L"2013-05-06", L"", L"利息收入", 1.0);
    EXPECT_EQ(NewestLine(), 4);  // 3 is not given out again
    // A sequence behind the lines (say, restored from elsewhere): the next free ID is taken.
    Exec(L"UPDATE sqlite_sequence SET seq = 1 WHERE name = 'Account'");
    ASSERT_EQ(Item(L"收入", L"2013-05-06", L"", L"利息收入", 1.0), 0) << error;
    EXPECT_EQ(NewestLine(), 5);
}

TEST_F(CashJournal, AnAccountsOpeningEntryIsRemovedByName) {
    ASSERT_EQ(CAccInfoBLL().InsertLIstData(db, 1, L"农业银行", L"", L"", L"200", error), 0);
    ASSERT_EQ(journal.DeleteAccount(db, CString(L" 农业银行 "), error), 0) << error;
    EXPECT_EQ(Lines(), 0);
    // Undone: the month loses the amount it never had, the balance the amount it was opened with.
    EXPECT_EQ(Month(L"农业银行", L"2013-05"), L"-200/0/-200");
    EXPECT_EQ(Balance(L"农业银行"), 0.0);
    EXPECT_EQ(journal.DeleteAccount(db, CString(L"农业银行"), error), 0);  // nothing left to remove
}

TEST_F(CashJournal, IncomeWithABillCodeEarnsTheMemberPoints) {
    Exec(L"INSERT INTO VipMember (MemberName, MemberCode, LevelName) VALUES ('甲客户', 'VIP01', '普通会员')");
    ASSERT_EQ(Rec(L"现金", L"甲客户", L"2013-05-06", L"SK100", 128.5), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT ScoreDocument, Money, Scores, VipCore FROM VipScores, VipMember"),
              L"SK100|128.50|12|12");
    // No code, or money going out: no points.
    Item(L"收入", L"2013-05-06", L"甲客户", L"利息收入", 100.0);
    Pay(L"现金", L"甲客户", L"2013-05-06", L"FK100", 100.0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM VipScores"), 1);
}

}  // namespace
