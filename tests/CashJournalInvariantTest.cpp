// What writing a journal line moves, deleting it with the undo flag moves back. Seeded random
// sequences of receipts, payments, hand-entered items, new accounts (opening entries), edits
// and deletions, with this test acting as the caller where the caller moves a balance; at the
// end every line is deleted again and the balances must be where they started, allowing for
// exactly these one-way effects of the journal:
//  * An opening entry adds nothing to the month totals when written; deleting it takes its
//    amount off the month's income and balance, and off the account's balance (which was set,
//    not moved, when the account was opened).
//  * Hand-entered items (project type 3) never move the partner's balance.
// Not part of the sequence: the day's lines (their deletion is one-way, see CashJournalTest).
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

using MonthTotals = std::array<double, 3>;                // in, out, balance
using MonthKey = std::pair<std::wstring, std::wstring>;  // account name, "yyyy-mm"
using Sums = std::map<std::wstring, double>;

class CashJournalInvariant : public ShopDbTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        Exec(
            L"INSERT INTO Companies (CompanyName, CompanyCode, CompanyType, CurAmount) VALUES ('甲客户', 'KH0101', "
            L"1, 120.50), ('乙客户', 'KH0102', 1, 0), ('丙客户', 'KH0103', 1, -33.10), ('丁供应商', 'GYS0101', 2, "
            L"800), ('戊供应商', 'GYS0102', 2, 15.25)");
        // A bank account opened before the sequence, and some movement already in the months.
        ASSERT_EQ(accounts.InsertLIstData(db, 1, L"工商银行", L"工行", L"6222", L"1000", error), 0) << error;
        ASSERT_EQ(journal.UpdateAccountMonth(db, L"2013-03-15", L"收入", L"现金", 1, 42.0, error), 0);
        Exec(L"UPDATE SettleAcct SET CurAmount = 77.7 WHERE SettleAcctName = '现金'");
        accountsAtStart = SumBy(L"SELECT SettleAcctName, CurAmount FROM SettleAcct");
        openingsAtStart = SumBy(L"SELECT SettleAcctName, InAmount FROM Account WHERE ProjectType = 4");
        partnersAtStart = SumBy(L"SELECT CompanyName, CurAmount FROM Companies");
        monthsAtStart = Months();
    }
    // The second column summed by the first.
    Sums SumBy(const wchar_t* sql) {
        Sums sums;
        for (CppSQLite3Query q = db.execQuery(sql); !q.eof(); q.nextRow())
            sums[q.getStringField(0).str()] += q.getFloatField(1);
        return sums;
    }
    std::map<MonthKey, MonthTotals> Months() {
        std::map<MonthKey, MonthTotals> months;
        for (CppSQLite3Query q = db.execQuery(L"SELECT SettleAcctName, strftime('%Y-%m', Month), InAmount, OutAmount, "
                                              L"Balance FROM AccountMonth");
             !q.eof(); q.nextRow())
            for (int i = 0; i < 3; ++i)
                months[{q.getStringField(0).str(), q.getStringField(1).str()}][i] += q.getFloatField(2 + i);
        return months;
    }

    // --- The random sequence ------------------------------------------------------------------
    struct Account {
        std::wstring name;
        int id;
    };
    struct Line {
        int id, projectType;
        bool income;
    };

    std::mt19937 rng;
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    CString Any(const std::vector<CString>& items) { return items[Pick(static_cast<int>(items.size()))]; }
    double Amount() { return std::uniform_int_distribution<int>(1, 500000)(rng) / 100.0; }
    CString Date() { return Fmt(L"2013-%02d-%02d", 3 + Pick(5), 1 + Pick(28)); }
    Account RandomAccount() {
        std::vector<Account> all;
        for (CppSQLite3Query q = db.execQuery(L"SELECT SettleAcctName, SettleAcctID FROM SettleAcct ORDER BY 2");
             !q.eof(); q.nextRow())
            all.push_back({q.getStringField(0).str(), q.getIntField(1)});
        return all[Pick(static_cast<int>(all.size()))];
    }
    std::vector<Line> Lines(const wchar_t* where = L"1") {
        std::vector<Line> lines;
        for (CppSQLite3Query q = db.execQuery(
                 Fmt(L"SELECT AccountID, ProjectType, AccountType FROM Account WHERE %s ORDER BY AccountID", where));
             !q.eof(); q.nextRow())
            lines.push_back({q.getIntField(0), q.getIntField(1), q.getStringField(2) == L"收入"});
        return lines;
    }
    CString Partner(bool customer) {
        // Now and then one the shop has never dealt with: the journal creates it.
        if (Pick(10) == 0) return Fmt(customer ? L"新客户%d" : L"新供应商%d", ++freshPartners);
        return customer ? Any({L"甲客户", L"乙客户", L"丙客户"}) : Any({L"丁供应商", L"戊供应商"});
    }
    CString Project(bool income) { return income ? Any({L"利息收入", L"其他收入"}) : Any({L"房租", L"水电费", L"杂费"}); }

    // The caller's part: receipts and income put money into the account, the rest takes it out.
    void CallerMoves(const Account& account, bool moneyIn, double amount, const char* kind) {
        ASSERT_EQ(accounts.UpdateBaseAccount(db, account.name.c_str(), moneyIn ? -amount : amount, error, 1), 0)
            << error;
        ++done[kind];
    }
    // A new receipt, payment or (when handEntered) hand-entered item of either side.
    void Write(bool moneyIn, bool handEntered) {
        const Account account = RandomAccount();
        const double amount = Amount();
        const CString code = Fmt(moneyIn ? L"SK%05d" : L"FK%05d", ++billCodes);
        const wchar_t* name = account.name.c_str();
        ASSERT_GE(handEntered ? journal.InsertAccount(db, name, account.id, moneyIn ? L"收入" : L"支出", Date(), L"",
                                                      L"手工", Pick(3) ? Partner(moneyIn) : CString(),
                                                      Project(moneyIn), amount, error, 3)
                  : moneyIn ? journal.InsertAccountByRec(db, name, account.id, Partner(true), Date(), code, L"收款",
                                                         amount, error)
                            : journal.InsertAccountByPay(db, name, account.id, Partner(false), Date(), code, L"付款",
                                                         amount, error),
                  0)
            << error;
        CallerMoves(account, moneyIn, amount, handEntered ? "hand-entered" : moneyIn ? "receipt" : "payment");
    }
    void OpenAccount() {
        // The opening amount rolled to cents, as a user types it.
        ASSERT_EQ(
            accounts.InsertLIstData(db, 1, Fmt(L"账户%d", ++openedAccounts), L"", L"", Fmt(L"%.2f", Amount()), error),
            0)
            << error;
        ++done["new account"];
    }
    void EditAccount() {
        // Only an account whose opening entry is still there: the edit rewrites that entry.
        const std::vector<Line> openings = Lines(L"ProjectType = 4");
        if (openings.empty()) return;
        CppSQLite3Query q = db.execQuery(Fmt(L"SELECT S.SettleAcctID, S.SettleAcctName, S.CurAmount FROM Account A "
                                             L"JOIN SettleAcct S USING (SettleAcctID) WHERE A.AccountID = %d",
                                             openings[Pick(static_cast<int>(openings.size()))].id));
        const int id = q.getIntField(0);
        const CString name = q.getStringField(1),
                      balance = Fmt(L"%.2f", q.getFloatField(2) + (Pick(2) ? 1 : -1) * Amount());
        q.finalize();
        ASSERT_EQ(accounts.UpdateBaseData(db, id, L"1", name, L"", L"", balance, error, 1), 0) << error;
        ASSERT_TRUE(TakeMessageBoxes().empty());
        ++done["account edit"];
    }
    void Update() {
        const std::vector<Line> lines = Lines(L"ProjectType IN (2, 3)");
        if (lines.empty()) return;
        const Line line = lines[Pick(static_cast<int>(lines.size()))];
        const Account account = RandomAccount();
        const double amount = Amount();
        const bool moneyIn = line.projectType == 2 ? line.income : Pick(2) == 0;  // an item may change sides
        int result = 0;
        if (line.projectType == 3)
            result = journal.UpdateAccount(db, line.id, moneyIn ? L"收入" : L"支出", Date(), L"", L"改手工",
                                           Pick(2) ? Partner(moneyIn) : CString(), Project(moneyIn), amount, error,
                                           account.name.c_str(), account.id, 3);
        else if (moneyIn)
            result = journal.UpdateAccountByRec(db, line.id, account.name.c_str(), Partner(true), Date(), L"改收款",
                                                amount, error, L"", account.id);
        else
            result = journal.UpdateAccountByPay(db, line.id, account.name.c_str(), Partner(false), Date(), L"改付款",
                                                amount, error, L"", account.id);
        ASSERT_GE(result, 0) << error;
        // The old line's effects were undone by the update; the caller moves the new amount.
        CallerMoves(account, moneyIn, amount, line.projectType == 2 ? "receipt/payment change" : "hand-entered change");
    }
    void Delete(const Line& line) {
        if (line.projectType == 4) {
            // One-way: the month totals never got the opening amount, they lose it now.
            CppSQLite3Query q = db.execQuery(Fmt(L"SELECT SettleAcctName, strftime('%%Y-%%m', AccountDate), InAmount "
                                                 L"FROM Account WHERE AccountID = %d",
                                                 line.id));
            openingsTakenOff[{q.getStringField(0).str(), q.getStringField(1).str()}] += q.getFloatField(2);
        }
        ASSERT_EQ(journal.DeleteAccount(db, line.id, error, 1), 0) << error;
        ++done[line.projectType == 4 ? "opening entry deleted" : "line deleted"];
    }
    void Step() {
        const int roll = Pick(100);
        if (roll < 60) return Write(roll % 2 == 0, roll >= 40);
        if (roll < 64) return OpenAccount();
        if (roll < 68) return EditAccount();
        if (roll < 84) return Update();
        const std::vector<Line> lines = Lines();
        if (!lines.empty()) Delete(lines[Pick(static_cast<int>(lines.size()))]);
    }

    CAccountBLL journal;
    CAccInfoBLL accounts;
    CString error;
    Sums accountsAtStart, openingsAtStart, partnersAtStart;
    std::map<MonthKey, MonthTotals> monthsAtStart;
    std::map<MonthKey, double> openingsTakenOff;
    int billCodes = 0, freshPartners = 0, openedAccounts = 0;
    std::map<std::string, int> done;  // steps taken, by kind
};

TEST_P(CashJournalInvariant, DeletingEveryLineRestoresEveryBalance) {
    rng.seed(GetParam());
    for (int step = 0; step < 300; ++step) {
        Step();
        if (HasFatalFailure()) FAIL() << "at step " << step << " of seed " << GetParam();
    }
    ASSERT_GT(Int(L"SELECT COUNT(*) FROM Account"), 20) << "the sequence should leave lines to delete";
    for (const char* kind : {"receipt", "payment", "hand-entered", "new account", "account edit",
                             "receipt/payment change", "hand-entered change", "line deleted"})
        EXPECT_GT(done[kind], 0) << kind << " never happened";

    for (const Line& line : Lines()) {
        Delete(line);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 0);

    // Accounts lose the opening balance they had before the sequence (those opened during it
    // end at zero); partners, those created on the fly too, end where they started.
    for (const auto& [name, balance] : SumBy(L"SELECT SettleAcctName, CurAmount FROM SettleAcct"))
        EXPECT_NEAR(balance, accountsAtStart[name] - openingsAtStart[name], 1e-6) << "account " << CString(name);
    for (const auto& [name, balance] : SumBy(L"SELECT CompanyName, CurAmount FROM Companies"))
        EXPECT_NEAR(balance, partnersAtStart[name], 1e-6) << "partner " << CString(name);
    // Months: where they started, less the opening amounts taken off; new rows started at zero.
    std::map<MonthKey, MonthTotals> expected = monthsAtStart;
    for (const auto& [key, taken] : openingsTakenOff) {
        expected[key][0] -= taken;
        expected[key][2] -= taken;
    }
    const std::map<MonthKey, MonthTotals> months = Months();
    for (const auto& [key, totals] : months)
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(totals[i], expected[key][i], 1e-6)
                << "month " << CString(key.first) << " " << CString(key.second) << ", column " << i;
    for (const auto& [key, want] : expected) EXPECT_TRUE(months.count(key)) << "month row lost";
}

INSTANTIATE_TEST_SUITE_P(Seeds, CashJournalInvariant, ::testing::Values(1u, 7u, 2013u, 424242u, 90001u));

}  // namespace
