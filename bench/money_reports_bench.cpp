// The money reports on two years of a busy shop (100,000 bills, 200,000 journal lines, 2,000
// customers and 200 suppliers), in memory: each report through the library (the call, then
// every row stepped and its amounts read) beside the very statements it runs (its count and
// its rows) prepared, stepped and finalized straight on SQLite.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "shopbiz.h"
#include "BenchSql.h"

namespace {

using bench_sql::Run;

// The shop, built once, as a new shop database holds it (no ANALYZE statistics). Trading runs
// from 2024-12-01 to 2026-11-30: 70,000 sale bills (three in ten partly on credit), 25,000
// purchase bills (half on credit), 5,000 sale orders with a deposit; the first 50 customers
// also supply the shop and the first 20 suppliers also buy. The journal: a sales and a
// purchase line a day, 50,000 receipts, 20,000 payments, 128,537 hand-entered items under ten
// projects and three opening entries; the month totals follow from them.
CppSQLite3DB& Shop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        shop->open(":memory:");
        shopbiz::CreateShopSchema(*shop);
        sqlite3* h = shop->handle();
        Run(h, "BEGIN");
        Run(h,
            "INSERT INTO SettleAcct(SettleAcctName, SearchCode, BankNo, InitAmount, CurAmount) VALUES "
            "('工商银行', 'GSYH', '6222', 50000, 50000), ('建设银行', 'JSYH', '6227', 30000, 30000)");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<2000) "
            "INSERT INTO Companies(CompanyName, CompanyCode, CompanyType, SearchCode) "
            "SELECT printf('客户%04d', i), printf('KH%04d', i + 1000), 1, printf('KH%04d', i) FROM n");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<200) "
            "INSERT INTO Companies(CompanyName, CompanyCode, CompanyType, SearchCode) "
            "SELECT printf('供应商%03d', i), printf('GYS%04d', i + 1000), 2, printf('GYS%03d', i) FROM n");
        Run(h,
            "INSERT INTO Project(ProjectName, ProjectType, AccountType, IsProfit) VALUES ('房租', 3, '支出', 1), "
            "('水电', 3, '支出', 1), ('工资', 3, '支出', 1), ('运费', 3, '支出', 0), ('杂费', 3, '支出', 0), "
            "('废品回收', 3, '收入', 1), ('返利', 3, '收入', 1), ('租金收入', 3, '收入', 0), "
            "('利息', 3, '收入', 0), ('其他收入', 3, '收入', 0)");
        const char* accountOf = "CASE i % 3 WHEN 0 THEN '现金' WHEN 1 THEN '工商银行' ELSE '建设银行' END";
        const char* accountIdOf = "1 + i % 3";
        char sql[4096];
        std::snprintf(sql, sizeof sql,
                      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<70000), "
                      "d(i, day, amount, name) AS (SELECT i, date('2024-12-01', '+' || (i * 730 / 70000) || ' days'), "
                      "100 + i %% 50, CASE WHEN i %% 50 = 0 THEN printf('供应商%%03d', i / 50 %% 20) "
                      "ELSE printf('客户%%04d', i %% 2000) END FROM n) "
                      "INSERT INTO SaleBills(BillCode, CompanyName, CompanyCode, SettleAcctID, SettleAcctName, "
                      "BillAmount, DiscountAmount, GetAmount, OweAmount, BillDate, CreateDate, BillType) "
                      "SELECT printf('XS%%s%%05d', strftime('%%Y%%m', day), i), name, "
                      "(SELECT CompanyCode FROM Companies WHERE CompanyName = name), %s, %s, amount, amount, "
                      "CASE WHEN i %% 10 < 3 THEN amount / 2 ELSE amount END, "
                      "CASE WHEN i %% 10 < 3 THEN amount - amount / 2 ELSE 0 END, day, day || ' 10:00:00', "
                      "CASE WHEN i %% 97 = 0 THEN 2 ELSE 1 END FROM d",
                      accountIdOf, accountOf);
        Run(h, sql);
        std::snprintf(sql, sizeof sql,
                      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<25000), "
                      "d(i, day, amount, name) AS (SELECT i, date('2024-12-01', '+' || (i * 730 / 25000) || ' days'), "
                      "500 + i %% 300, CASE WHEN i %% 40 = 0 THEN printf('客户%%04d', i / 40 %% 50) "
                      "ELSE printf('供应商%%03d', i %% 200) END FROM n) "
                      "INSERT INTO PurBills(BillCode, CompanyName, CompanyCode, SettleAcctID, SettleAcctName, "
                      "BillAmount, DiscountAmount, GetAmount, OweAmount, BillDate, CreateDate, BillType) "
                      "SELECT printf('JH%%s%%05d', strftime('%%Y%%m', day), i), name, "
                      "(SELECT CompanyCode FROM Companies WHERE CompanyName = name), %s, %s, amount, amount, "
                      "CASE WHEN i %% 2 = 0 THEN amount ELSE 0 END, CASE WHEN i %% 2 = 0 THEN 0 ELSE amount END, "
                      "day, day || ' 11:00:00', 1 FROM d",
                      accountIdOf, accountOf);
        Run(h, sql);
        std::snprintf(sql, sizeof sql,
                      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<5000), "
                      "d(i, day) AS (SELECT i, date('2024-12-01', '+' || (i * 730 / 5000) || ' days') FROM n) "
                      "INSERT INTO SaleOrderBills(BillCode, CompanyName, CompanyCode, SettleAcctID, SettleAcctName, "
                      "BillAmount, GetAmount, BillDate, CreateDate) "
                      "SELECT printf('DD%%s%%05d', strftime('%%Y%%m', day), i), printf('客户%%04d', i * 7 %% 2000), "
                      "printf('KH%%04d', 1000 + i * 7 %% 2000), %s, %s, 300, 20, day, day || ' 09:00:00' FROM d",
                      accountIdOf, accountOf);
        Run(h, sql);
        // The day's lines from the bills, as the postings leave them.
        Run(h,
            "INSERT INTO Account(AccountDate, CompanyName, SettleAcctID, ProjectID, ProjectName, ProjectType, "
            "AccountType, InAmount, AccountDesp, IsSystem) SELECT BillDate, '零售客户', -1, 1, '销售收入', 1, '收入', "
            "total(GetAmount), '销售货品', 1 FROM (SELECT BillDate, GetAmount FROM SaleBills UNION ALL "
            "SELECT BillDate, GetAmount FROM SaleOrderBills) GROUP BY BillDate");
        Run(h,
            "INSERT INTO Account(AccountDate, CompanyName, SettleAcctID, ProjectID, ProjectName, ProjectType, "
            "AccountType, OutAmount, AccountDesp, IsSystem) SELECT BillDate, '零散供应商', -1, 2, '进货支出', 1, "
            "'支出', total(GetAmount), '购进货品', 1 FROM PurBills GROUP BY BillDate");
        std::snprintf(sql, sizeof sql,
                      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<70000) "
                      "INSERT INTO Account(AccountDate, AccountCode, CompanyName, CompanyCode, SettleAcctID, "
                      "SettleAcctName, ProjectID, ProjectName, ProjectType, AccountType, InAmount, OutAmount, "
                      "AccountDesp, IsSystem, CreateDate) "
                      "SELECT date('2024-12-01', '+' || (i * 730 / 70000) || ' days'), printf('SK%%06d', i), "
                      "CASE WHEN i < 50000 THEN printf('客户%%04d', i %% 2000) ELSE printf('供应商%%03d', i %% 200) END, "
                      "CASE WHEN i < 50000 THEN printf('KH%%04d', 1000 + i %% 2000) "
                      "ELSE printf('GYS%%04d', 1000 + i %% 200) END, %s, %s, "
                      "CASE WHEN i < 50000 THEN 3 ELSE 4 END, "
                      "CASE WHEN i < 50000 THEN '收订金/欠款' ELSE '付订金/欠款' END, 2, "
                      "CASE WHEN i < 50000 THEN '收入' ELSE '支出' END, CASE WHEN i < 50000 THEN 45 ELSE 0 END, "
                      "CASE WHEN i < 50000 THEN 0 ELSE 400 END, CASE WHEN i < 50000 THEN '收回欠款' ELSE '支付货款' END, "
                      "1, '2026-01-01 16:00:00' FROM n",
                      accountIdOf, accountOf);
        Run(h, sql);
        std::snprintf(sql, sizeof sql,
                      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<128537) "
                      "INSERT INTO Account(AccountDate, SettleAcctID, SettleAcctName, ProjectID, ProjectName, "
                      "ProjectType, AccountType, InAmount, OutAmount, AccountDesp) "
                      "SELECT date('2024-12-01', '+' || (i * 730 / 128537) || ' days'), %s, %s, p.ProjectID, "
                      "p.ProjectName, 3, p.AccountType, CASE WHEN p.AccountType = '收入' THEN 5 + i %% 20 ELSE 0 END, "
                      "CASE WHEN p.AccountType = '支出' THEN 5 + i %% 30 ELSE 0 END, '日常收支' "
                      "FROM n JOIN Project p ON p.ProjectID = (SELECT min(ProjectID) FROM Project WHERE "
                      "ProjectType = 3) + i %% 10",
                      accountIdOf, accountOf);
        Run(h, sql);
        Run(h,
            "INSERT INTO Account(AccountDate, SettleAcctID, SettleAcctName, ProjectID, ProjectName, ProjectType, "
            "AccountType, InAmount, AccountDesp) VALUES ('2024-12-01', 1, '现金', 5, '账户操作', 4, '收入', 2000, "
            "'现金操作'), ('2024-12-01', 2, '工商银行', 5, '账户操作', 4, '收入', 50000, '工商银行操作'), "
            "('2024-12-01', 3, '建设银行', 5, '账户操作', 4, '收入', 30000, '建设银行操作')");
        // The month totals of every account: the bills paid through it and its own lines.
        Run(h,
            "INSERT INTO AccountMonth(Month, SettleAcctName, SettleAcctID, InAmount, OutAmount, Balance) "
            "SELECT substr(Day, 1, 7) || '-01', Name, max(ID), total(InAmount), total(OutAmount), "
            "total(InAmount) - total(OutAmount) FROM ("
            "SELECT BillDate AS Day, SettleAcctName AS Name, SettleAcctID AS ID, GetAmount AS InAmount, "
            "0 AS OutAmount FROM SaleBills UNION ALL SELECT BillDate, SettleAcctName, SettleAcctID, GetAmount, 0 "
            "FROM SaleOrderBills UNION ALL SELECT BillDate, SettleAcctName, SettleAcctID, 0, GetAmount FROM PurBills "
            "UNION ALL SELECT AccountDate, SettleAcctName, SettleAcctID, InAmount, OutAmount FROM Account WHERE "
            "ProjectType IN (2, 3)) GROUP BY substr(Day, 1, 7), Name");
        Run(h, "COMMIT");
        return shop;
    }();
    return *db;
}

// --- The reports ---------------------------------------------------------------------------------

const wchar_t* const kFirstDay = L"2024-12-01";
const wchar_t* const kLastDay = L"2026-11-30";
const wchar_t* const kLastMonth = L"2026-11-01";

struct Report {
    const char* label;
    std::function<CppSQLite3Query()> ask;
};

CString error;
long count = 0;

const std::vector<Report>& Reports() {
    static const std::vector<Report> reports = {
        {"opening balance mid-month",
         [] { return CAccountBLL().GetAccountHeader(Shop(), L"2026-11-15", error, L""); }},
        {"journal per bill, month",
         [] { return CAccountBLL().GetAccountListDetail(Shop(), kLastMonth, kLastDay, L"", count, error); }},
        {"journal per bill, 2 years",
         [] { return CAccountBLL().GetAccountListDetail(Shop(), kFirstDay, kLastDay, L"", count, error); }},
        {"journal lines, month",
         [] { return CAccountBLL().GetAccountList(Shop(), kLastMonth, kLastDay, count, error); }},
        {"by project, 2 years",
         [] { return CAccountBLL().GetAccReportList(Shop(), kFirstDay, kLastDay, L"", L"", count, error); }},
        {"receivables, month",
         [] { return CRecPayBLL().GetRecLists(Shop(), kLastMonth, kLastDay, L"", L"", count, error); }},
        {"receivables, 2 years",
         [] { return CRecPayBLL().GetRecLists(Shop(), kFirstDay, kLastDay, L"", L"", count, error); }},
        {"payables, 2 years",
         [] { return CRecPayBLL().GetPayLists(Shop(), kFirstDay, kLastDay, L"", L"", count, error); }},
        {"one customer's opening",
         [] { return CRecPayBLL().GetRecItemHeader(Shop(), kLastMonth, L"", L"客户0042", error); }},
        {"one customer's movements, 2 years",
         [] { return CRecPayBLL().GetRecItem(Shop(), kFirstDay, kLastDay, L"", L"客户0042", count, error); }},
        {"one customer's statement, 2 years",
         [] { return CAccountBLL().GetStatementAccountByCust(Shop(), kFirstDay, kLastDay, L"客户0042", count, error); }},
    };
    return reports;
}

// The statements the library runs for a report, as SQLite saw them.
std::vector<std::string> StatementsOf(const Report& report) {
    static std::vector<std::string> seen;
    seen.clear();
    sqlite3* h = Shop().handle();
    sqlite3_trace_v2(
        h, SQLITE_TRACE_STMT,
        [](unsigned, void*, void* statement, void*) {
            // With the values the library bound in place: kept statements run with parameters.
            char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
            seen.push_back(sql ? sql : sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
            sqlite3_free(sql);
            return 0;
        },
        nullptr);
    for (CppSQLite3Query q = report.ask(); !q.eof(); q.nextRow()) {
    }
    sqlite3_trace_v2(h, 0, nullptr, nullptr);
    return seen;
}

// Every row is stepped and its amounts read, as a front end filling its grid does.
const char* const kAmounts[] = {"InAmount", "OutAmount", "InitAmount", "AddAmount", "GetAmount", "OweAmount",
                                "Balance", "EndAmount"};

void Library(benchmark::State& state, const Report& report) {
    long rows = 0;
    std::vector<CString> names;
    for (const char* name : kAmounts) names.push_back(CString::FromUtf8(name));
    for (auto _ : state) {
        CppSQLite3Query q = report.ask();
        if (!error.IsEmpty()) {
            state.SkipWithError(error.ToUtf8().c_str());
            return;
        }
        std::vector<int> columns;
        for (int c = 0; c < q.numFields(); ++c)
            for (const CString& name : names)
                if (q.fieldName(c) == name) columns.push_back(c);
        for (; !q.eof(); q.nextRow(), ++rows)
            for (int c : columns) benchmark::DoNotOptimize(q.getFloatField(c));
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}

void Plain(benchmark::State& state, const Report& report) {
    const std::vector<std::string> statements = StatementsOf(report);
    sqlite3* h = Shop().handle();
    long rows = 0;
    for (auto _ : state) {
        for (const std::string& sql : statements) {
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(h, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
                state.SkipWithError(sqlite3_errmsg(h));
                return;
            }
            std::vector<int> columns;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                for (const char* name : kAmounts)
                    if (std::string(sqlite3_column_name(st, c)) == name) columns.push_back(c);
            while (sqlite3_step(st) == SQLITE_ROW) {
                for (int c : columns) benchmark::DoNotOptimize(sqlite3_column_double(st, c));
                if (&sql == &statements.back()) ++rows;
            }
            sqlite3_finalize(st);
        }
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
    state.counters["statements"] = static_cast<double>(statements.size());
}

}  // namespace

int main(int argc, char** argv) {
    // Each report through the library, then its statements straight on SQLite.
    for (const Report& report : Reports()) {
        benchmark::RegisterBenchmark((std::string("Library/") + report.label).c_str(), Library, report)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Plain/") + report.label).c_str(), Plain, report)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Shop();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
