// The money reports: the accounts' opening balance and journal (CAccountBLL), receivables and
// payables (CRecPayBLL), statements, charts, and their print data, checked against the bills
// and journal lines they come from.
#include <gtest/gtest.h>

#include "support/PrintJobFixture.h"

namespace {

using shopbiz::Fmt;

// April and May of a shop, posted through the services (cash unless said otherwise):
//   04-10 sale to 甲客户 100, 60 paid        04-12 purchase from 戊供应商 50, paid
//   04-20 甲客户 pays 30 (SK1)                04-25 hand-entered expense 8 (店面装修与维护费)
//   04-28 丙客户 orders, 50 deposit           05-03 sale to 乙公司 300, 100 paid
//   05-03 sale to 甲客户 200, 50 paid         05-03 purchase from 乙公司 120, nothing paid
//   05-05 purchase from 戊供应商 500, 200 paid from 工商银行
//   05-06 工商银行 opened with 1000          05-10 甲客户 pays 100 into 工商银行 (SK2)
//   05-20 the shop pays 戊供应商 100 (FK1)
// 乙公司 is a customer that also supplies the shop; 丁客户 never trades.
class MoneyReports : public PrintJobFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        Exec(L"UPDATE SystemInfo SET CompanyName='城东文具店', StoreAddress='解放路1号', Contact='周店长'");
        for (const wchar_t* customer : {L"甲客户", L"乙公司", L"丙客户", L"丁客户"}) PutCompany(customer, 1);
        PutCompany(L"戊供应商", 2);
        ASSERT_EQ(CAccInfoBLL().InsertLIstData(db, 1, L"工商银行", L"工行", L"6222", L"1000", error), 0) << error;

        Post(Sale(Dated(Bill(L"甲客户", L"100", L"60"), L"2013-04-10"), Items({Pencils(L"50")})));
        Post(Purchase(Dated(Bill(L"戊供应商", L"50", L"50"), L"2013-04-12"), Items({Pencils(L"50", L"1")})));
        Post(journal.InsertAccountByRec(db, L"现金", 1, L"甲客户", L"2013-04-20", L"SK1", L"还款", 30, error));
        Post(journal.InsertAccount(db, L"现金", 1, L"支出", L"2013-04-25", L"", L"装修", L"", kRepairs, 8, error, 3));
        Post(Order(Dated(Bill(L"丙客户", L"80", L"50"), L"2013-04-28"), {Pencils(L"40")}));
        Post(Sale(Dated(Bill(L"乙公司", L"300", L"100"), L"2013-05-03"), Items({Pencils(L"150")})));
        Post(Sale(Dated(Bill(L"甲客户", L"200", L"50"), L"2013-05-03"), Items({Pencils(L"100")})));
        Post(Purchase(Dated(Bill(L"乙公司", L"120", L"0"), L"2013-05-03"), Items({Pencils(L"120", L"1")})));
        Post(Purchase({.settleAcct = L"工商银行", .date = L"2013-05-05", .company = L"戊供应商", .billAmount = L"500",
                       .discountAmount = L"500", .getAmount = L"200"}, Items({Pencils(L"500", L"1")})));
        Post(journal.InsertAccountByRec(db, L"工商银行", 2, L"甲客户", L"2013-05-10", L"SK2", L"还款", 100, error));
        Post(journal.InsertAccountByPay(db, L"现金", 1, L"戊供应商", L"2013-05-20", L"FK1", L"付货款", 100, error));
        TakeLog();
    }

    static BillArgs Dated(BillArgs bill, const wchar_t* date) {
        bill.date = date;
        return bill;
    }
    static ItemRow Pencils(const wchar_t* count, const wchar_t* price = L"2") {
        return {.name = L"铅笔", .price = price, .count = count};
    }
    void Post(int result) { ASSERT_GE(result, 0) << Joined(TakeLog()) << error.ToUtf8(); }

    double Opening(const wchar_t* start, const wchar_t* account = L"") {
        CppSQLite3Query q = journal.GetAccountHeader(db, start, error, account);
        EXPECT_FALSE(q.eof());
        return q.getFloatField(L"Balance");
    }
    // "in/out" summed over the rows of a report.
    static CString Sums(CppSQLite3Query q) {
        double in = 0, out = 0;
        for (; !q.eof(); q.nextRow()) in += q.getFloatField(L"InAmount"), out += q.getFloatField(L"OutAmount");
        return Fmt(L"%g/%g", in, out);
    }
    // A statement: a bill's own row as "code|BillAmount|DisAmount|AddAmount|PayAmount|EndAmount",
    // a line as "product|count|amount".
    static CString Statement(CppSQLite3Query q) {
        CString text;
        for (; !q.eof(); q.nextRow()) {
            const bool bill = q.getIntField(L"SaleItemID") == 0;
            const auto columns = bill ? std::vector<const wchar_t*>{L"ProductCode", L"BillAmount", L"DisAmount",
                                                                    L"AddAmount", L"PayAmount", L"EndAmount"}
                                      : std::vector<const wchar_t*>{L"ProductName", L"ShowItemCount", L"BillAmount"};
            for (size_t i = 0; i < columns.size(); ++i)
                text += (i ? L"|" : (text.IsEmpty() ? L"" : L"; ")) + q.fieldValue(columns[i]);
        }
        return text;
    }

    // The first `n` chart pairs as "label value, label value".
    CString Pairs(int n) const {
        CString text;
        for (int i = 0; i < n; ++i) text += (i ? L", " : L"") + pairs[i][0] + L" " + pairs[i][1];
        return text;
    }

    static constexpr const wchar_t* kRepairs = L"店面装修与维护费";
    // The two months, and May alone.
    static constexpr const wchar_t *kApril = L"2013-04-01", *kMay = L"2013-05-01", *kEnd = L"2013-05-31";
    CAccountBLL journal;
    CRecPayBLL debts;
    long count = -1;
    long next = -1;
    CString pairs[5][2];
};

TEST_F(MoneyReports, OpeningBalanceComesFromTheMonthTotalsAndTheDaysBeforeTheStart) {
    // April left 140 - 58 = 82 in the cash account; the bank's opening entry counts whatever its date.
    ASSERT_EQ(Real(L"SELECT sum(Balance) FROM AccountMonth WHERE Month < '2013-05'"), 82);
    const struct { const wchar_t *start, *account; double balance; } cases[] = {
        {L"2013-05-01", L"", 1082},          // the month totals alone
        {L"2013-05-04", L"", 1232},          // + the sales paid on 05-03
        {L"2013-06-01", L"", 1032},          // + May's month totals
        {L"2014-01-15", L"", 1032},          // over a year boundary
        {L"", L"", 1000},                    // 1970-01-01: only the opening entry
        {L"2013-05-01", L"工商银行", 1000},  // one account: its months and its opening entry
        {L"2013-06-01", L"工商银行", 900},
    };
    for (const auto& c : cases) EXPECT_EQ(Opening(c.start, c.account), c.balance) << c.start << " " << c.account;
}

TEST_F(MoneyReports, TheJournalPerBillAgreesWithTheNextOpeningBalance) {
    // The journal holds one income line for the two sales of 05-03; the detail shows each bill.
    EXPECT_EQ(FieldsOf(journal.GetAccountList(db, kMay, kEnd, count, error),
                       {L"AccountDate", L"ProjectType", L"InAmount", L"OutAmount"}),
              L"2013-05-03|1|150.0|0.0; 2013-05-05|1|0.0|200.0; 2013-05-06|4|1000.0|0.0; 2013-05-10|2|100.0|0.0; "
              L"2013-05-20|2|0.0|100.0");
    EXPECT_EQ(count, 5);
    EXPECT_EQ(FieldsOf(journal.GetAccountListDetail(db, kMay, kEnd, L"", count, error),
                       {L"AccountDate", L"BillCode", L"AccountDesp", L"CompanyName", L"InAmount", L"OutAmount",
                        L"SettleAcctName"}),
              L"2013-05-03|XS2013050001|销售出货|乙公司|100.0|0.0|现金; 2013-05-03|XS2013050002|销售出货|甲客户|50.0|0.0|现金; "
              L"2013-05-05|JH2013050002|采购进货|戊供应商|0.0|200.0|工商银行; 2013-05-10|SK2|还款|甲客户|100.0|0.0|工商银行; "
              L"2013-05-20|FK1|付货款|戊供应商|0.0|100.0|现金");
    EXPECT_EQ(count, 5);
    // Opening + in - out of each period is the opening balance of the next day.
    for (const wchar_t* account : {L"", L"工商银行", L"现金"}) {
        double closing = Opening(L"2013-05-01", account);
        auto q = journal.GetAccountListDetail(db, kMay, kEnd, account, count, error);
        for (; !q.eof(); q.nextRow()) closing += q.getFloatField(L"InAmount") - q.getFloatField(L"OutAmount");
        EXPECT_EQ(closing, Opening(L"2013-06-01", account)) << account;
    }
    EXPECT_EQ(error, L"");
}

TEST_F(MoneyReports, ProjectsSumTheJournalAndTheirDetailTheBills) {
    EXPECT_EQ(FieldsOf(journal.GetAccReportList(db, kApril, kEnd, L"", L"", count, error),
                       {L"AccountType", L"ProjectName", L"InAmount", L"OutAmount"}),
              L"收入|收订金/欠款|180.0|0.0; 收入|销售收入|210.0|0.0; 支出|付订金/欠款|0.0|100.0; "
              L"支出|店面装修与维护费|0.0|8.0; 支出|进货支出|0.0|250.0");
    EXPECT_EQ(count, 5);
    // The same money per bill: deposits, what the bills had paid, receipts, payments, items.
    EXPECT_EQ(Sums(journal.GetAccReportDetailList(db, kApril, kEnd, L"", L"", count, error)), L"390/358");
    EXPECT_EQ(count, 10);
    EXPECT_EQ(FieldsOf(journal.GetAccReportDetailList(db, kApril, kEnd, L"支出", L"进货", count, error),
                       {L"BillCode", L"OutAmount"}),
              L"JH2013040001|50.0; JH2013050002|200.0");

    // Only hand-entered items of projects that count toward profit.
    EXPECT_EQ(Sums(journal.GetAccProfitList(db, kApril, kEnd, L"", L"", count, error)), L"0/0");
    Exec(Fmt(L"UPDATE Project SET IsProfit=1 WHERE ProjectName IN ('%s', '付订金/欠款')", kRepairs));
    EXPECT_EQ(FieldsOf(journal.GetAccProfitList(db, kApril, kEnd, L"", L"", count, error),
                       {L"ProjectName", L"OutAmount"}),
              CString(kRepairs) + L"|8.0");
    EXPECT_EQ(error, L"");
}

TEST_F(MoneyReports, ChartsCutLongNamesAndKeepTheLargestFirst) {
    EXPECT_EQ(journal.GetAccReportChartData(db, 5, kApril, kEnd, L"支出", L"", pairs, error), 3);
    // Six characters stay whole.
    EXPECT_EQ(Pairs(3), L"[进货支出] 250.00000000, [付订金/欠款] 100.00000000, [店面装修与维...] 8.00000000");
    // Income counts the accounts' opening entries too.
    EXPECT_EQ(journal.GetAccReportChartData(db, 2, kApril, kEnd, L"收入", L"", pairs, error), 2);
    EXPECT_EQ(Pairs(2), L"[账户操作] 1000.00000000, [销售收入] 210.00000000");

    // The expense pie: purchases paid and hand-entered expense, not payments to suppliers.
    const CTime from(2013, 4, 1, 0, 0, 0), to(2013, 5, 31, 0, 0, 0);
    EXPECT_EQ(FieldsOf(journal.GetAccChartData(db, from, to, L"", count, error), {L"ProjectName", L"OutAmount"}),
              CString(kRepairs) + L"|8.0; 进货支出|250.0");
    EXPECT_EQ(FieldsOf(journal.GetAccChartData(db, from, to, L"工商银行", count, error), {L"ProjectName", L"OutAmount"}),
              L"进货支出|200.0");

    // Customers who owe at the end, largest first; 丙客户's deposit leaves it owed, not owing.
    EXPECT_EQ(debts.GetRecChartData(db, 5, kMay, kEnd, L"", L"", pairs, error), 2);
    EXPECT_EQ(Pairs(2), L"[乙公司] 80.00000000, [甲客户] 60.00000000");
    EXPECT_EQ(debts.GetPayChartData(db, 5, kMay, kEnd, L"ZZQ", L"", pairs, error), 0);
    Exec(L"UPDATE Companies SET SearchCode='ZZQ' WHERE CompanyName='戊供应商'");  // found by its search code
    EXPECT_EQ(debts.GetPayChartData(db, 5, kMay, kEnd, L"ZZQ", L"", pairs, error), 1);
    EXPECT_EQ(Pairs(1), L"[戊供应商] 200.00000000");
}

TEST_F(MoneyReports, ReceiptAndPaymentBills) {
    EXPECT_EQ(ListOf(journal.GetAccBillList(db, 1, kApril, kEnd, L"", count, 1), L"AccountCode"), L"SK1,SK2");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(FieldsOf(journal.GetAccBillList(db, 2, kApril, kEnd, L"戊", count, 1),
                       {L"AccountCode", L"SettleAcctName", L"OutAmount", L"Remark"}),
              L"FK1|现金|100.0|付货款");
    EXPECT_EQ(ListOf(journal.GetAccBillList(db, 1, kMay, kEnd, L"SK1", count, 1), L"AccountCode"), L"");
    // Two accounts on one receipt: one row per line with the detail flag, one per bill without.
    Exec(L"INSERT INTO Account (AccountDate, AccountCode, CompanyName, SettleAcctID, SettleAcctName, ProjectID, "
         L"ProjectType, AccountType, InAmount) VALUES ('2013-05-11', 'SK3', '甲客户', 1, '现金', 3, 2, '收入', 5), "
         L"('2013-05-11', 'SK3', '甲客户', 2, '工商银行', 3, 2, '收入', 7)");
    EXPECT_EQ(ListOf(journal.GetAccBillList(db, 1, L"2013-05-11", L"2013-05-11", L"", count, 1), L"BankNo"), L",6222");
    EXPECT_EQ(FieldsOf(journal.GetAccBillList(db, 1, L"2013-05-11", L"2013-05-11", L"", count, 0),
                       {L"AccountCode", L"InAmount"}),
              L"SK3|12.0");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(FieldsOf(debts.GetRecPayLists(db, L"甲客户", L"SK3"), {L"SettleAcctName"}), L"现金; 工商银行");
    EXPECT_EQ(ListOf(journal.GetSetAccNameByACID(db, Int(L"SELECT AccountID FROM Account WHERE AccountCode='SK2'"),
                                                 error),
                     L"SettleAcctName"),
              L"工商银行");
}

TEST_F(MoneyReports, ReceivablesAndPayablesAgreeWithThePartnersBalances) {
    EXPECT_EQ(FieldsOf(debts.GetRecLists(db, kMay, kEnd, L"", L"", count, error),
                       {L"CompanyName", L"InitAmount", L"AddAmount", L"GetAmount"}),
              L"甲客户|10.0|150.0|100.0; 乙公司|0.0|80.0|0.0; 丙客户|-50.0|0.0|0.0");  // 丁客户 has nothing
    EXPECT_EQ(count, 3);
    EXPECT_EQ(FieldsOf(debts.GetPayLists(db, kMay, kEnd, L"", L"", count, error),
                       {L"CompanyName", L"InitAmount", L"AddAmount", L"GetAmount"}),
              L"戊供应商|0.0|300.0|100.0");  // 乙公司's purchase counts against what it owes
    EXPECT_EQ(ListOf(debts.GetRecLists(db, kMay, kEnd, L"乙", L"", count, error), L"CompanyName"), L"乙公司");

    // Over everything up to now, a customer's or supplier's end balance is its current balance.
    for (const wchar_t* name : {L"甲客户", L"丙客户", L"戊供应商"}) {
        const wchar_t *from = L"2000-01-01", *to = L"2099-12-31";
        auto q = CString(name) != L"戊供应商" ? debts.GetRecLists(db, from, to, name, L"", count, error)
                                              : debts.GetPayLists(db, from, to, name, L"", count, error);
        ASSERT_FALSE(q.eof()) << name;
        EXPECT_EQ(q.getFloatField(L"InitAmount") + q.getFloatField(L"AddAmount") - q.getFloatField(L"GetAmount"),
                  Balance(name)) << name;
    }
}

TEST_F(MoneyReports, OnePartnersMovementsRunFromItsOpeningBalance) {
    const CString code = Text(L"SELECT CompanyCode FROM Companies WHERE CompanyName='甲客户'");
    const struct { CString code, name; double opening; } headers[] = {
        {L"", L"甲客户", 10}, {code, L"", 10}, {L"", L"丙客户", -50}, {L"", L"丁客户", 0}, {L"", L"", 0}};
    for (const auto& h : headers)
        EXPECT_EQ(debts.GetRecItemHeader(db, kMay, h.code, h.name, error).getFloatField(L"InitAmount"), h.opening)
            << h.code << h.name;

    EXPECT_EQ(FieldsOf(debts.GetRecItem(db, kMay, kEnd, L"", L"乙公司", count, error),
                       {L"ProjectType", L"BillCode", L"Note", L"OweAmount", L"InAmount"}),
              L"3|JH2013050001|采购进货|-120.0|0.0; 1|XS2013050001|销售出货|200.0|0.0");
    EXPECT_EQ(FieldsOf(debts.GetRecItem(db, kApril, kEnd, code, L"", count, error),
                       {L"BillDate", L"ProjectType", L"Note", L"OweAmount", L"InAmount"}),
              L"2013-04-10|1|销售出货|40.0|0.0; 2013-04-20|0|还款|0.0|30.0; 2013-05-03|1|销售出货|150.0|0.0; "
              L"2013-05-10|0|还款|0.0|100.0");
    EXPECT_EQ(count, 4);
    EXPECT_EQ(FieldsOf(debts.GetRecItem(db, L"2013-04-01", L"2013-04-30", L"", L"丙客户", count, error),
                       {L"Note", L"InAmount"}),
              L"销售订单|50.0");
    EXPECT_EQ(FieldsOf(debts.GetPayItem(db, kApril, kEnd, L"", L"戊供应商", count, error),
                       {L"BillCode", L"OweAmount", L"InAmount"}),
              L"JH2013050002|300.0|0.0; FK1|0.0|100.0");  // the April purchase was paid: nothing owed
    EXPECT_EQ(debts.GetPayItemHeader(db, L"2013-06-01", L"", L"戊供应商", error).getFloatField(L"InitAmount"), 200);
}

TEST_F(MoneyReports, MovementsAndStatementsOverAYearBoundary) {
    Post(Sale(Dated(Bill(L"丁客户", L"30", L"0"), L"2012-12-28"), Items({Pencils(L"15")})));
    Post(Sale(Dated(Bill(L"丁客户", L"40", L"10"), L"2013-01-03"), Items({Pencils(L"20")})));
    EXPECT_EQ(debts.GetRecItemHeader(db, L"2013-01-01", L"", L"丁客户", error).getFloatField(L"InitAmount"), 30);
    EXPECT_EQ(ListOf(debts.GetRecItem(db, L"2012-12-20", L"2013-01-10", L"", L"丁客户", count, error), L"OweAmount"),
              L"30.0,30.0");
    EXPECT_EQ(Statement(journal.GetStatementAccountByCust(db, L"2012-12-20", L"2013-01-10", L"丁客户", count, error)),
              L"2012-12-28 销售 XS2012120001|30.0|0.0|30.0|0.0|30.0; 铅笔|15.0|30.0; "
              L"2013-01-03 销售 XS2013010001|40.0|0.0|40.0|10.0|30.0; 铅笔|20.0|40.0");
    EXPECT_EQ(count, 4);
}

TEST_F(MoneyReports, StatementsSetTheOtherSidesBillsAgainstThePartner) {
    EXPECT_EQ(Statement(journal.GetStatementAccountByCust(db, kMay, kEnd, L"乙公司", count, error)),
              L"2013-05-03 销售 XS2013050001|300.0|0.0|300.0|100.0|200.0; 铅笔|150.0|300.0; "
              L"2013-05-03 进货 JH2013050001|120.0|0.0|-120.0|0.0|-120.0; 铅笔|120.0|-120.0");
    EXPECT_EQ(Statement(journal.GetStatementAccountByCust(db, L"2013-04-01", L"2013-04-30", L"丙客户", count, error)),
              L"2013-04-28 销售订单 DD2013040001||||50.0|50.0");
    // A supplier's statement of every supplier: the purchases still owing.
    EXPECT_EQ(Statement(journal.GetStatementAccountBySupply(db, kApril, kEnd, L"", count, error)),
              L"2013-05-05 进货 JH2013050002|500.0|0.0|500.0|200.0|300.0; 铅笔|500.0|500.0");
    EXPECT_EQ(error, L"");
}

TEST_F(MoneyReports, JournalPrintDataRunsTheBalanceAndFailsAsAWhole) {
    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(journal.InsertPrintData(db, kMay, kEnd, L"工商银行", 1, L"账户收支明细", 3, next, error), 0) << error;
    EXPECT_EQ(next, 5);
    ExpectValues({{-1, L"StoreName", L"城东文具店|varchar"}, {-1, L"AccountSdt", L"2013-05-01|varchar"},
                  {3, L"RowNo", L"1|varchar"}, {3, L"Balance", L"800.00000000|varMoneyfloat"},
                  {4, L"Balance", L"900.00000000|varMoneyfloat"}, {-1, L"SumBalance", L"900.00000000|varMoneyfloat"}});
    EXPECT_EQ(Uncited(L"账户收支明细"), L"");

    // Without the detail: every journal line of every account, from the opening of all.
    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(journal.InsertPrintData(db, kMay, kEnd, L"工商银行", 0, L"账户收支明细", 1, next, error), 0);
    EXPECT_EQ(next, 6);
    EXPECT_EQ(Value(-1, L"SumBalance"), L"2032.00000000|varMoneyfloat");  // 1082 + 1250 - 300

    const int before = Count(L"SysPrintData");
    Exec(L"DROP TABLE SaleOrderBills");
    EXPECT_EQ(journal.InsertPrintData(db, kMay, kEnd, L"", 1, L"账户收支明细", 1, next, error), -1);
    EXPECT_EQ(error.Left(20), L"InsertPrintData Err:");
    EXPECT_EQ(Count(L"SysPrintData"), before);
    EXPECT_EQ(next, 1);
}

TEST_F(MoneyReports, ProjectAndBillListPrintData) {
    Exec(Fmt(L"UPDATE Project SET IsProfit=1 WHERE ProjectName='%s'", kRepairs));
    // The ledger's sales of May instead of the bills': 40 sold for 35.
    Exec(L"DELETE FROM Stocks");
    Exec(L"INSERT INTO Stocks (BillType, BillDate, BillCode, CompanyName, OutCount, SaleAmount, OutAmount) VALUES "
         L"('出货', '2013-05-03', 'XS1', '甲客户', 3, 30, 18.004), ('出货', '2013-05-04', 'XS2', '乙公司', 1, 10, 12), "
         L"('出货', '2013-05-05', 'XS3', '丙客户', 2, 0, 5), ('出货', '2013-06-01', 'XS4', '甲客户', 9, 90, 1)");
    long customers = 0;
    EXPECT_EQ(RowsOf(CStocksBLL().GetProfitSumByTotal(db, L"", kApril, kEnd, customers)), L"6.0|40.0|35.0|4.996");
    EXPECT_EQ(customers, 2);  // 丙客户 sold nothing for money

    const struct { const wchar_t *label, *code, *total; long next; std::function<int(const wchar_t*)> fill; } cases[] = {
        {L"收支项目统计", L"SumBalance", L"32.00000000", 6,
         [&](auto l) { return journal.InsertAccReportPrintData(db, kApril, kEnd, L"", L"", l, 1, next, error); }},
        {L"收支项目明细", L"SumAmount", L"240.00000000", 4,
         [&](auto l) { return journal.InsertAccItemReportPrintData(db, kMay, kEnd, L"", L"", l, 1, next, error); }},
        {L"收款单列表", L"TotalAmount", L"130.00000000", 3,
         [&](auto l) { return journal.InsertAccBillListPrintData(db, 1, kApril, kEnd, L"", 1, l, 1, next, error); }},
        {L"往来单位列表", L"RowNo", nullptr, 4,
         [&](auto l) { return CCustomerBLL().InsertPrintData(db, 1, L"", false, l, 1, next, error); }},
        {L"利润表", L"SumBalance", L"-3.00000000", 4,  // last: its rows are read below
         [&](auto l) { return journal.InsertProfitPrintData(db, kApril, kEnd, L"", L"", l, 1, next, error); }},
    };
    for (const auto& c : cases) {
        Exec(L"DELETE FROM SysPrintData");
        ASSERT_EQ(c.fill(c.label), 0) << c.label << " " << error;
        EXPECT_EQ(next, c.next) << c.label;
        if (c.total) {
            EXPECT_EQ(Value(-1, c.code), CString(c.total) + L"|varMoneyfloat") << c.label;
        }
        EXPECT_EQ(Uncited(c.label), L"") << c.label;
    }
    // The profit report starts with the sales and their cost.
    EXPECT_EQ(Rows(L"SELECT group_concat(KeyWordValue, ',') FROM SysPrintData WHERE KeyWordName='ProjectName'"),
              CString(L"销售收入,销售成本,") + kRepairs);
}

TEST_F(MoneyReports, ReceivablesPrintDataStartsANewJob) {
    Exec(L"INSERT INTO SysPrintData (EntryNo, KeyWordName, BillType) VALUES (1, 'Old', '销售单')");
    ASSERT_EQ(debts.InsertRecPrintData(db, kMay, kEnd, L"", L"应收款", 1, next, error), 0) << error;
    EXPECT_EQ(next, 4);
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysPrintData WHERE KeyWordName='Old'"), 0);
    EXPECT_EQ(Rows(L"SELECT RecordNo, EntryNo, KeyWordValue FROM SysPrintData WHERE KeyWordName='Balance'"),
              L"1|1|60.00000000; 2|2|80.00000000; 3|3|-50.00000000");
    EXPECT_EQ(Value(-1, L"SumBalance") + L"; " + Value(-1, L"BillEdt"),
              L"90.00000000|varMoneyfloat; 2013-05-31|varchar");
    EXPECT_EQ(Uncited(L"应收款"), L"");

    ASSERT_EQ(debts.InsertPayItemPrintData(db, kMay, kEnd, L"", L"戊供应商", L"应付款明细", 2, next, error), 0);
    EXPECT_EQ(next, 4);
    EXPECT_EQ(Rows(L"SELECT group_concat(KeyWordValue, ',') FROM SysPrintData WHERE KeyWordName='Amount'"),
              L"300.00000000,200.00000000");
    EXPECT_EQ(Value(-1, L"InitAmount") + L"; " + Value(-1, L"SumAmount"),
              L"0.00000000|varMoneyfloat; 200.00000000|varMoneyfloat");
    EXPECT_EQ(Uncited(L"应付款明细"), L"");
    // A customer by its code: its name heads the page; what it owed before May opens the balance.
    const CString code = Text(L"SELECT CompanyCode FROM Companies WHERE CompanyName='甲客户'");
    ASSERT_EQ(debts.InsertRecItemPrintData(db, kMay, kEnd, code, L"", L"应收款明细", 1, next, error), 0);
    EXPECT_EQ(Value(-1, L"CompanyName") + L"; " + Value(-1, L"InitAmount") + L"; " + Value(2, L"Amount"),
              L"甲客户|varchar; 10.00000000|varMoneyfloat; 60.00000000|varMoneyfloat");

    Exec(L"DROP TABLE Account");
    EXPECT_EQ(debts.InsertRecPrintData(db, kMay, kEnd, L"", L"应收款", 1, next, error), -1);
    EXPECT_EQ(error.Left(23), L"InsertRecPrintData Err:");
    EXPECT_NE(Joined(TakeLog()).find("InsertRecPrintData Err:"), std::string::npos);
    EXPECT_EQ(debts.GetRecLists(db, kMay, kEnd, L"", L"", count, error).eof(), true);
    EXPECT_EQ(count, 0);
    EXPECT_NE(error.Find(L"no such table"), -1);
}

}  // namespace
