// Searching sale bills by date range and keyword, and the customer/product report, on two
// years of a busy shop (100,000 sale bills with 500,000 lines, 200 customers, 1,000 products),
// in memory: through the library (the call, then every row stepped and its bill code read),
// beside the very same SELECT prepared, stepped and finalized straight on SQLite.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "shopbiz.h"
#include "BenchSql.h"

namespace {

using bench_sql::Run;

// The shop, built once. Bills run from 2012-01-01 to 2013-12-31 (about 4,200 a month), each
// with five lines; one bill in a hundred has a remark, one line in about a thousand the
// remark "赠品" (a free gift), and a quarter of the bills are paid into the bank.
CppSQLite3DB& Shop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        shop->open(":memory:");
        shopbiz::CreateShopSchema(*shop);
        sqlite3* h = shop->handle();
        Run(h, "BEGIN");
        Run(h, "INSERT INTO SettleAcct(SettleAcctName, SearchCode) VALUES('工商银行', 'GSYH')");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<1000) "
            "INSERT INTO Products(ProductName, ProductCode, SearchCode, UnitID, UnitName) "
            "SELECT printf('商品%04d', i), printf('SP%04d', i), printf('SP%04d', i), 1, '个' FROM n");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<200) "
            "INSERT INTO Companies(CompanyName, CompanyCode, CompanyType, SearchCode) "
            "SELECT printf('客户%03d', i), printf('KH%04d', i + 4), 1, printf('KH%03d', i) FROM n");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<100000), "
            "d(i, day) AS (SELECT i, date('2012-01-01', '+' || (i * 730 / 100000) || ' days') FROM n) "
            "INSERT INTO SaleBills(BillCode, CompanyID, CompanyCode, CompanyName, SettleAcctID, SettleAcctName, "
            "BillAmount, DiscountAmount, DiscountRate, GetAmount, OweAmount, BillDate, UserName, CreateDate, "
            "LastUpdateDate, Remark, BillType) "
            "SELECT printf('XS%s%05d', strftime('%Y%m', day), i), 4 + i % 200, printf('KH%04d', 4 + i % 200), "
            "printf('客户%03d', i % 200), CASE WHEN i % 4 = 0 THEN 2 ELSE 1 END, "
            "CASE WHEN i % 4 = 0 THEN '工商银行' ELSE '现金' END, 52.5, 52.5, 1, 52.5, 0, day, "
            "CASE i % 3 WHEN 0 THEN '张三' WHEN 1 THEN '李四' ELSE '王五' END, day || ' 12:00:00', "
            "day || ' 12:00:00', CASE WHEN i % 100 = 0 THEN '送货上门' ELSE '' END, 1 FROM d");
        Run(h,
            "WITH RECURSIVE k(j) AS (SELECT 0 UNION ALL SELECT j+1 FROM k WHERE j+1<5) "
            "INSERT INTO SaleBillItems(SaleID, BillCode, ProductID, ProductCode, ProductName, UnitID, UnitName, "
            "Price, ItemCount, Amount, ShowUnitID, ShowUnitName, Coefficient, ShowItemCount, ShowPrice, "
            "OriginalPrice, DisRate, SearchCode, Remark, UserName, CreateDate, LastUpdateDate) "
            "SELECT B.SaleID, B.BillCode, P.ProductID, P.ProductCode, P.ProductName, 1, '个', 10.5, "
            "1 + (B.SaleID + k.j) % 5, 10.5 * (1 + (B.SaleID + k.j) % 5), 1, '个', '1', 1 + (B.SaleID + k.j) % 5, "
            "10.5, 10.5, 1, P.SearchCode, CASE WHEN (B.SaleID + k.j) % 997 = 0 THEN '赠品' ELSE '' END, "
            "B.UserName, B.CreateDate, B.CreateDate "
            "FROM SaleBills B, k JOIN Products P ON P.ProductID = 1 + (B.SaleID * 7 + k.j * 131) % 1000");
        Run(h, "COMMIT");
        return shop;
    }();
    return *db;
}

// --- The questions asked -----------------------------------------------------------------------

struct Search {
    const char* label;
    const wchar_t *from, *to, *keyword;
};
// The bill list of a month (the front end's default view), the month searched for a word that
// only line remarks hold and for a customer, and a customer's bills over a year.
const Search kSearches[] = {
    {"month, every bill", L"2013-05-01", L"2013-05-31", L""},
    {"month, line remark", L"2013-05-01", L"2013-05-31", L"赠品"},
    {"month, customer", L"2013-05-01", L"2013-05-31", L"客户042"},
    {"year, customer", L"2013-01-01", L"2013-12-31", L"客户042"},
};

struct Report {
    const char* label;
    const wchar_t *company, *from, *to;
};
// Every customer's lines of a month; one customer's lines of a year.
const Report kReports[] = {
    {"month, every customer", L"", L"2013-05-01", L"2013-05-31"},
    {"year, one customer", L"客户042", L"2013-01-01", L"2013-12-31"},
};

CppSQLite3Query AskSearch(const Search& s) {
    CString error;
    return CSaleBLL().QuryBillList(Shop(), s.from, s.to, s.keyword, error);
}
CppSQLite3Query AskReport(const Report& r) { return CSaleBLL().QueryBillRpt(Shop(), 1, r.company, r.from, r.to); }

// The statement the library runs for a question, as SQLite saw it.
std::string StatementOf(const std::function<CppSQLite3Query()>& ask) {
    static std::string seen;
    sqlite3* h = Shop().handle();
    sqlite3_trace_v2(
        h, SQLITE_TRACE_STMT,
        [](unsigned, void*, void* statement, void*) {
            seen = sqlite3_sql(static_cast<sqlite3_stmt*>(statement));
            return 0;
        },
        nullptr);
    ask();
    sqlite3_trace_v2(h, 0, nullptr, nullptr);
    return seen;
}

// --- Through the library, and straight on SQLite --------------------------------------------------

void Library(benchmark::State& state, const std::function<CppSQLite3Query()>& ask) {
    long rows = 0;
    for (auto _ : state) {
        for (CppSQLite3Query q = ask(); !q.eof(); q.nextRow()) {
            benchmark::DoNotOptimize(q.getStringField(L"BillCode"));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}

void Plain(benchmark::State& state, const std::string& sql) {
    sqlite3* h = Shop().handle();
    long rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(h, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
            state.SkipWithError(sqlite3_errmsg(h));
            return;
        }
        int code = 0;
        while (code < sqlite3_column_count(st) && std::string(sqlite3_column_name(st, code)) != "BillCode") ++code;
        while (sqlite3_step(st) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(st, code));
            ++rows;
        }
        sqlite3_finalize(st);
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}

void LibrarySearch(benchmark::State& state) {
    const Search& s = kSearches[state.range(0)];
    state.SetLabel(s.label);
    Library(state, [&] { return AskSearch(s); });
}

void PlainSearch(benchmark::State& state) {
    const Search& s = kSearches[state.range(0)];
    state.SetLabel(s.label);
    Plain(state, StatementOf([&] { return AskSearch(s); }));
}

void LibraryReport(benchmark::State& state) {
    const Report& r = kReports[state.range(0)];
    state.SetLabel(r.label);
    Library(state, [&] { return AskReport(r); });
}

void PlainReport(benchmark::State& state) {
    const Report& r = kReports[state.range(0)];
    state.SetLabel(r.label);
    Plain(state, StatementOf([&] { return AskReport(r); }));
}

void EachSearch(benchmark::internal::Benchmark* b) {
    for (int i = 0; i < static_cast<int>(std::size(kSearches)); ++i) b->Arg(i);
}
void EachReport(benchmark::internal::Benchmark* b) {
    for (int i = 0; i < static_cast<int>(std::size(kReports)); ++i) b->Arg(i);
}

}  // namespace

BENCHMARK(LibrarySearch)->Apply(EachSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainSearch)->Apply(EachSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(LibraryReport)->Apply(EachReport)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainReport)->Apply(EachReport)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The sale search logs its statement, as it does in a host with a log file.
    const std::string log = "/tmp/shopbiz_bills_query_bench_" + std::to_string(getpid()) + ".log";
    CSuperLog::SetLogFile(log);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Shop();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CSuperLog::SetLogFile("");
    std::remove(log.c_str());
    return 0;
}
