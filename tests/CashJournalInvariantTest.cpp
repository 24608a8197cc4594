// What writing a journal line moves, deleting it with the undo flag moves back. Seeded random
// sequences of receipts, payments, hand-entered items, new accounts (opening entries), edits
// and deletions, with this test acting as the caller where the caller moves a balance; at the
// end every line is deleted again and the balances must be where they started.
//
// One-way effects, as the journal defines them (the test allows for exactly these):
//  * Opening entries: writing one adds nothing to the month totals (the account only gets its
//    month row), deleting one takes its amount off the month's income and balance.
//  * The account's balance is set to the opening amount when the account is opened, not moved
//    by the entry; deleting the entry takes the amount off. Accounts opened during the
//    sequence so end at zero, accounts opened before it at their start less that opening.
//  * Hand-entered items (project type 3) never move the partner's balance, neither when
//    written nor when deleted; so partners named on them stay where they are.
//  * Not part of the sequence: the day's sales and purchase lines (their deletion is one-way,
//    see CashJournalTest) and UpdateExistAccount (it moves nothing but the line).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/ShopDbTest.h"

namespace {

constexpr double kTolerance = 1e-6;

struct MonthTotals {
    double in = 0, out = 0, balance = 0;
};
using MonthKey = std::pair<std::wstring, std::wstring>;  // account name, "yyyy-mm"

class CashJournalInvariant : public ShopDbTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        // Partners with balances; the journal lowers them on receipts and payments.
        Exec(
            L"INSERT INTO Companies (CompanyName, CompanyCode, CompanyType, CurAmount) VALUES "
            L"('甲客户', 'KH0101', 1, 120.50), ('乙客户', 'KH0102', 1, 0), ('丙客户', 'KH0103', 1, -33.10), "
            L"('丁供应商', 'GYS0101', 2, 800), ('戊供应商', 'GYS0102', 2, 15.25)");
        // A bank account opened before the sequence, and some movement already in the months.
        CString error;
        ASSERT_EQ(accounts.InsertLIstData(db, 1, L"工商银行", L"工行", L"6222", L"1000", error), 0) << error;
        ASSERT_EQ(journal.UpdateAccountMonth(db, L"2013-03-15", L"收入", L"现金", 1, 42.0, error), 0);
        Exec(L"UPDATE SettleAcct SET CurAmount = 77.7 WHERE SettleAcctName = '现金'");
        TakeLog();
        accountsAtStart = AccountBalances();
        for (CppSQLite3Query q = db.execQuery(L"SELECT SettleAcctName, InAmount FROM Account WHERE ProjectType = 4");
             !q.eof(); q.nextRow())
            openingsAtStart[q.getStringField(0).str()] += q.getFloatField(1);
        partnersAtStart = PartnerBalances();
        monthsAtStart = Months();
    }

    std::map<std::wstring, double> AccountBalances() {
        std::map<std::wstring, double> balances;
        for (CppSQLite3Query q = db.execQuery(L"SELECT SettleAcctName, CurAmount FROM SettleAcct"); !q.eof();
             q.nextRow())
            balances[q.getStringField(0).str()] = q.getFloatField(1);
        return balances;
    }
    std::map<std::wstring, double> PartnerBalances() {
        std::map<std::wstring, double> balances;
        for (CppSQLite3Query q = db.execQuery(L"SELECT CompanyName, CurAmount FROM Companies"); !q.eof(); q.nextRow())
            balances[q.getStringField(0).str()] = q.getFloatField(1);
        return balances;
    }
    std::map<MonthKey, MonthTotals> Months() {
        std::map<MonthKey, MonthTotals> months;
        for (CppSQLite3Query q = db.execQuery(L"SELECT SettleAcctName, strftime('%Y-%m', Month), InAmount, OutAmount, "
                                              L"Balance FROM AccountMonth");
             !q.eof(); q.nextRow()) {
            MonthTotals& m = months[{q.getStringField(0).str(), q.getStringField(1).str()}];
            m.in += q.getFloatField(2);
            m.out += q.getFloatField(3);
            m.balance += q.getFloatField(4);
        }
        return months;
    }

    // --- The random sequence ------------------------------------------------------------------
    struct Account {
        std::wstring name;
        int id;
    };
    struct LiveLine {
        int id;
        int projectType;
        bool income;
    };

    std::mt19937 rng;
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    double Amount() { return std::uniform_int_distribution<int>(1, 500000)(rng) / 100.0; }
    CString Date() {
        CString d;
        d.Format(L"2013-%02d-%02d", 3 + Pick(5), 1 + Pick(28));
        return d;
    }

    std::vector<Account> Accounts() {
        std::vector<Account> all;
        for (CppSQLite3Query q = db.execQuery(L"SELECT SettleAcctName, SettleAcctID FROM SettleAcct ORDER BY 2");
             !q.eof(); q.nextRow())
            all.push_back({q.getStringField(0).str(), q.getIntField(1)});
        return all;
    }
    std::vector<LiveLine> Lines(const wchar_t* where = L"1") {
        std::vector<LiveLine> lines;
        CString sql;
        sql.Format(L"SELECT AccountID, ProjectType, AccountType FROM Account WHERE %s ORDER BY AccountID", where);
        for (CppSQLite3Query q = db.execQuery(sql); !q.eof(); q.nextRow())
            lines.push_back({q.getIntField(0), q.getIntField(1), q.getStringField(2) == L"收入"});
        return lines;
    }
    Account RandomAccount() {
        const std::vector<Account> all = Accounts();
        return all[Pick(static_cast<int>(all.size()))];
    }

    CString Partner(bool customer) {
        static const wchar_t* const kCustomers[] = {L"甲客户", L"乙客户", L"丙客户"};
        static const wchar_t* const kSuppliers[] = {L"丁供应商", L"戊供应商"};
        // Now and then one the shop has never dealt with: the journal creates it.
        if (Pick(10) == 0) {
            CString fresh;
            fresh.Format(customer ? L"新客户%d" : L"新供应商%d", ++freshPartners);
            return fresh;
        }
        return customer ? kCustomers[Pick(3)] : kSuppliers[Pick(2)];
    }
    CString Project(bool income) {
        static const wchar_t* const kIncomeItems[] = {L"利息收入", L"其他收入"};
        static const wchar_t* const kExpenseItems[] = {L"房租", L"水电费", L"杂费"};
        return income ? kIncomeItems[Pick(2)] : kExpenseItems[Pick(3)];
    }

    // The caller's part: receipts and income put money into the account, the rest takes it out.
    void CallerMoves(const Account& account, bool moneyIn, double amount) {
        CString error;
        ASSERT_EQ(accounts.UpdateBaseAccount(db, account.name.c_str(), moneyIn ? -amount : amount, error, 1), 0)
            << error;
    }

    void Receipt(bool receipt) {
        const Account account = RandomAccount();
        const double amount = Amount();
        CString code, error;
        code.Format(receipt ? L"SK%05d" : L"FK%05d", ++billCodes);
        const int result = receipt ? journal.InsertAccountByRec(db, account.name.c_str(), account.id, Partner(true),
                                                                Date(), code, L"收款", amount, error)
                                   : journal.InsertAccountByPay(db, account.name.c_str(), account.id, Partner(false),
                                                                Date(), code, L"付款", amount, error);
        ASSERT_GE(result, 0) << error;
        CallerMoves(account, receipt, amount);
        ++done[receipt ? "receipt" : "payment"];
    }

    void HandEntered() {
        const Account account = RandomAccount();
        const bool income = Pick(2) == 0;
        const double amount = Amount();
        const CString partner = Pick(3) == 0 ? CString() : Partner(income);
        CString error;
        ASSERT_GE(journal.InsertAccount(db, account.name.c_str(), account.id, income ? L"收入" : L"支出", Date(), L"",
                                        L"手工", partner, Project(income), amount, error, 3),
                  0)
            << error;
        CallerMoves(account, income, amount);
        ++done["hand-entered"];
    }

    void OpenAccount() {
        CString name, error;
        name.Format(L"账户%d", ++openedAccounts);
        // Rolled to cents the way a user types an amount.
        CString opening;
        opening.Format(L"%.2f", Amount());
        ASSERT_EQ(accounts.InsertLIstData(db, 1, name, L"", L"", opening, error), 0) << error;
        ++done["new account"];
    }

    void EditAccount() {
        // Only an account whose opening entry is still there: the edit rewrites that entry.
        std::vector<LiveLine> openings = Lines(L"ProjectType = 4");
        if (openings.empty()) return;
        const int entry = openings[Pick(static_cast<int>(openings.size()))].id;
        CString where;
        where.Format(L"SELECT SettleAcctID FROM Account WHERE AccountID = %d", entry);
        const int accountId = Int(where);
        where.Format(L"SELECT CurAmount FROM SettleAcct WHERE SettleAcctID = %d", accountId);
        CString name;
        name.Format(L"SELECT SettleAcctName FROM SettleAcct WHERE SettleAcctID = %d", accountId);
        CString newBalance, error;
        newBalance.Format(L"%.2f", Real(where) + (Pick(2) ? 1 : -1) * Amount());
        ASSERT_EQ(accounts.UpdateBaseData(db, accountId, L"1", Text(name), L"", L"", newBalance, error, 1), 0) << error;
        ASSERT_TRUE(TakeMessageBoxes().empty());
        ++done["account edit"];
    }

    void Update() {
        std::vector<LiveLine> lines = Lines(L"ProjectType IN (2, 3)");
        if (lines.empty()) return;
        const LiveLine line = lines[Pick(static_cast<int>(lines.size()))];
        const Account account = RandomAccount();
        const double amount = Amount();
        CString error;
        int result = 0;
        bool moneyIn = line.income;
        if (line.projectType == 2) {
            result = line.income ? journal.UpdateAccountByRec(db, line.id, account.name.c_str(), Partner(true), Date(),
                                                              L"改收款", amount, error, L"", account.id)
                                 : journal.UpdateAccountByPay(db, line.id, account.name.c_str(), Partner(false), Date(),
                                                              L"改付款", amount, error, L"", account.id);
        } else {
            moneyIn = Pick(2) == 0;  // a hand-entered item may change sides
            result = journal.UpdateAccount(db, line.id, moneyIn ? L"收入" : L"支出", Date(), L"", L"改手工",
                                           Pick(2) ? Partner(moneyIn) : CString(), Project(moneyIn), amount, error,
                                           account.name.c_str(), account.id, 3);
        }
        ASSERT_GE(result, 0) << error;
        // The old line's effects were undone by the update; the caller moves the new amount.
        CallerMoves(account, moneyIn, amount);
        ++done[line.projectType == 2 ? "receipt/payment change" : "hand-entered change"];
    }

    void Delete(const LiveLine& line) {
        if (line.projectType == 4) {
            // One-way: the month totals never got the opening amount, they lose it now.
            CString sql;
            sql.Format(
                L"SELECT SettleAcctName, strftime('%%Y-%%m', AccountDate), InAmount FROM Account WHERE "
                L"AccountID = %d",
                line.id);
            CppSQLite3Query q = db.execQuery(sql);
            MonthTotals& m = openingsTakenOff[{q.getStringField(0).str(), q.getStringField(1).str()}];
            m.in -= q.getFloatField(2);
            m.balance -= q.getFloatField(2);
            q.finalize();
        }
        CString error;
        ASSERT_EQ(journal.DeleteAccount(db, line.id, error, 1), 0) << error;
        ++done[line.projectType == 4 ? "opening entry deleted" : "line deleted"];
    }

    void Step() {
        const int roll = Pick(100);
        if (roll < 20) return Receipt(true);
        if (roll < 40) return Receipt(false);
        if (roll < 60) return HandEntered();
        if (roll < 64) return OpenAccount();
        if (roll < 68) return EditAccount();
        if (roll < 84) return Update();
        std::vector<LiveLine> lines = Lines();
        if (!lines.empty()) Delete(lines[Pick(static_cast<int>(lines.size()))]);
    }

    CAccountBLL journal;
    CAccInfoBLL accounts;
    std::map<std::wstring, double> accountsAtStart, openingsAtStart, partnersAtStart;
    std::map<MonthKey, MonthTotals> monthsAtStart, openingsTakenOff;
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

    for (const LiveLine& line : Lines()) {
        Delete(line);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 0);

    // Accounts opened during the sequence started from nothing; the others lose the opening
    // balance they had (see the top of the file).
    for (const auto& [name, balance] : AccountBalances()) {
        const double start = accountsAtStart.count(name) ? accountsAtStart.at(name) : 0.0;
        const double opening = openingsAtStart.count(name) ? openingsAtStart.at(name) : 0.0;
        EXPECT_NEAR(balance, start - opening, kTolerance) << "settlement account " << CString(name);
    }
    // Partners created on the fly too.
    for (const auto& [name, balance] : PartnerBalances()) {
        const auto start = partnersAtStart.find(name);
        EXPECT_NEAR(balance, start == partnersAtStart.end() ? 0.0 : start->second, kTolerance)
            << "partner " << CString(name);
    }
    // Months: where they started, less the opening amounts (see the top of the file); rows
    // made during the sequence started at zero.
    std::map<MonthKey, MonthTotals> expected = monthsAtStart;
    for (const auto& [key, taken] : openingsTakenOff) {
        expected[key].in += taken.in;
        expected[key].balance += taken.balance;
    }
    const std::map<MonthKey, MonthTotals> months = Months();
    for (const auto& [key, totals] : months) {
        const MonthTotals want = expected.count(key) ? expected.at(key) : MonthTotals{};
        const std::string where = CString(key.first).ToUtf8() + " " + CString(key.second).ToUtf8();
        EXPECT_NEAR(totals.in, want.in, kTolerance) << where;
        EXPECT_NEAR(totals.out, want.out, kTolerance) << where;
        EXPECT_NEAR(totals.balance, want.balance, kTolerance) << where;
    }
    for (const auto& [key, want] : expected) EXPECT_TRUE(months.count(key)) << "month row lost";
}

INSTANTIATE_TEST_SUITE_P(Seeds, CashJournalInvariant, ::testing::Values(1u, 7u, 2013u, 424242u, 90001u));

}  // namespace
