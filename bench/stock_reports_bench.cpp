// The stock and profit reports over the costed ledger of the cost benchmark (1,000,000 rows on
// 10,000 products, a year of 2012), with its products, 200 customers and the sale and purchase
// bills behind its rows, in memory: through the library (the call, then every row stepped and
// one column read), beside the very same SELECTs (the count and the rows, as the library ran
// them) prepared, stepped and finalized straight on SQLite. Periods: July (a month) and the
// whole year after the opening day (the opening rows are dated 2012-01-01).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "LedgerShop.h"
#include "shopbiz.h"

namespace {

using ledger_shop::Run;

// The costed ledger with what the reports join it to: the products, the customers and one sale
// or purchase bill per bill code of the ledger, its rows as the bill's lines.
CppSQLite3DB& Shop() {
    static CppSQLite3DB* db = [] {
        CppSQLite3DB& shop = ledger_shop::CostedShop();
        sqlite3* h = shop.handle();
        Run(h, "BEGIN");
        Run(h,
            "INSERT INTO Products(ProductID, ProductName, ProductCode, SearchCode, UnitID, UnitName, TypeID, TypeName, "
            "InPrice, Price, CurStock) SELECT ProductID, ProductName, ProductCode, SearchCode, 1, '个', 2, '默认类别', 4, "
            "9.5, 0 FROM Stocks WHERE IsSystem = 1");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<200) "
            "INSERT INTO Companies(CompanyID, CompanyName, CompanyCode, CompanyType, SearchCode) "
            "SELECT 4 + i, '客户' || i, printf('KH%04d', 3 + i), 1, printf('KH%03d', i) FROM n");
        for (const char* side : {"Sale", "Pur"}) {
            const std::string bills = std::string(side) + "Bills", lines = std::string(side) + "BillItems";
            const std::string id = std::string(side) + "ID", type = side == std::string("Sale") ? "出货" : "进货";
            const std::string count = side == std::string("Sale") ? "OutCount" : "InCount";
            const std::string amount = side == std::string("Sale") ? "SaleAmount" : "InAmount";
            const std::string price = side == std::string("Sale") ? "SalePrice" : "InPrice";
            Run(h, ("INSERT INTO " + bills +
                    "(BillCode, CompanyID, CompanyCode, CompanyName, BillAmount, DiscountAmount, DiscountRate, "
                    "GetAmount, BillDate, UserName, CreateDate, LastUpdateDate, BillType) SELECT BillCode, "
                    "min(CompanyID), min(CompanyCode), min(CompanyName), sum(" + amount + "), sum(" + amount +
                    "), 1, sum(" + amount + "), min(BillDate), '张三', min(BillDate), min(BillDate), 1 FROM Stocks "
                    "WHERE BillType = '" + type + "' GROUP BY BillCode")
                       .c_str());
            Run(h, ("INSERT INTO " + lines + "(" + side + "ItemID, " + id +
                    ", BillCode, ProductID, ProductCode, ProductName, SearchCode, TypeID, TypeName, UnitID, UnitName, "
                    "Price, ItemCount, Amount, ShowUnitID, ShowUnitName, Coefficient, ShowItemCount, ShowPrice, "
                    "OriginalPrice, DisRate) SELECT CAST(s.BillItemID AS INTEGER), b." + id +
                    ", s.BillCode, s.ProductID, s.ProductCode, s.ProductName, s.SearchCode, 2, '默认类别', 1, '个', s." +
                    price + ", s." + count + ", s." + amount + ", 1, '个', '1', s." + count + ", s." + price + ", s." +
                    price + ", 1 FROM Stocks s JOIN " + bills + " b ON b.BillCode = s.BillCode WHERE s.BillType = '" +
                    type + "'")
                       .c_str());
        }
        Run(h, "COMMIT");
        return &shop;
    }();
    return *db;
}

// --- The questions asked -----------------------------------------------------------------------

struct Period {
    const wchar_t *from, *to;
};
constexpr Period kMonth{L"2012-07-01", L"2012-07-31"}, kYear{L"2012-01-02", L"2012-12-31"};

struct Question {
    const char* label;
    std::function<CppSQLite3Query(CppSQLite3DB&)> ask;
};

long g_count = 0;
CStocksBLL g_stocks;

const std::vector<Question>& Questions() {
    static const std::vector<Question> questions = {
        {"stock summary, July",
         [](CppSQLite3DB& db) { return g_stocks.GetStocks(db, L"", kMonth.from, kMonth.to, g_count, L"全部类别", L""); }},
        {"stock summary, the year",
         [](CppSQLite3DB& db) { return g_stocks.GetStocks(db, L"", kYear.from, kYear.to, g_count, L"全部类别", L""); }},
        {"stock summary, every product of the ledger, July",
         [](CppSQLite3DB& db) { return g_stocks.GetStocks(db, CppSQLite3Query(), kMonth.from, kMonth.to); }},
        {"stock by value (re-costs the negative tails), July",
         [](CppSQLite3DB& db) { return g_stocks.GetStocksOrderByAmount(db, L"", kMonth.from, kMonth.to, L""); }},
        {"stock by quantity (re-costs the negative tails), the year",
         [](CppSQLite3DB& db) { return g_stocks.GetStocksOrderByCount(db, L"", kYear.from, kYear.to); }},
        {"ledger card of one product, the year",
         [](CppSQLite3DB& db) { return g_stocks.GetStocksByProduct(db, 2502, kYear.from, kYear.to, g_count); }},
        {"bill lines, July",
         [](CppSQLite3DB& db) { return g_stocks.GetStockList(db, 0, L"", L"", kMonth.from, kMonth.to, g_count); }},
        {"profit by customer, July",
         [](CppSQLite3DB& db) { return g_stocks.GetProfitSumByCust(db, L"", kMonth.from, kMonth.to, g_count); }},
        {"profit by customer, the year",
         [](CppSQLite3DB& db) { return g_stocks.GetProfitSumByCust(db, L"", kYear.from, kYear.to, g_count); }},
        {"profit by product, July",
         [](CppSQLite3DB& db) { return g_stocks.GetProfitSumByProd(db, L"", L"", kMonth.from, kMonth.to, g_count); }},
        {"profit by product, the year",
         [](CppSQLite3DB& db) { return g_stocks.GetProfitSumByProd(db, L"", L"", kYear.from, kYear.to, g_count); }},
        {"profit by customer ranked, the year",
         [](CppSQLite3DB& db) {
             return g_stocks.GetProfitSumByCustOrderByProfit(db, L"", kYear.from, kYear.to, g_count);
         }},
        {"profit total, the year",
         [](CppSQLite3DB& db) { return g_stocks.GetProfitSumByTotal(db, L"", kYear.from, kYear.to, g_count); }},
        {"profit per sale line of one customer, July",
         [](CppSQLite3DB& db) {
             return g_stocks.GetProfitDetailByCustProd(db, 1, L"客户17", L"", kMonth.from, kMonth.to, g_count);
         }},
        {"bill report per product, July",
         [](CppSQLite3DB& db) { return g_stocks.QueryBillRptTotal(db, 1, L"", kMonth.from, kMonth.to, g_count); }},
        {"bill report line by line, one customer, July",
         [](CppSQLite3DB& db) {
             return g_stocks.QueryBillRptDetail(db, 1, L"客户17", L"", kMonth.from, kMonth.to, L"", g_count);
         }},
    };
    return questions;
}

// The report's SELECTs as SQLite saw them (not those of the cost calculation some reports run
// first, which keeps its own benchmark).
std::vector<std::string> StatementsOf(const Question& q) {
    static std::vector<std::string> seen;
    seen.clear();
    sqlite3* h = Shop().handle();
    sqlite3_trace_v2(
        h, SQLITE_TRACE_STMT,
        [](unsigned, void*, void* statement, void*) {
            // With the values bound, as the statement ran.
            char* expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
            const std::string sql = expanded ? expanded : "";
            sqlite3_free(expanded);
            const size_t start = sql.find_first_not_of(' ');
            if (start != std::string::npos && strncasecmp(sql.c_str() + start, "select", 6) == 0 &&
                sql.find("IsCale <> 1") == std::string::npos && sql.find("IsCale2 <> 1") == std::string::npos &&
                sql.find("IsCale = 0") == std::string::npos && sql.find("case BillType when") == std::string::npos)
                seen.push_back(sql);
            return 0;
        },
        nullptr);
    for (CppSQLite3Query rows = q.ask(Shop()); !rows.eof(); rows.nextRow()) {
    }
    sqlite3_trace_v2(h, 0, nullptr, nullptr);
    return seen;
}

void Library(benchmark::State& state) {
    const Question& q = Questions()[state.range(0)];
    state.SetLabel(q.label);
    long rows = 0;
    for (auto _ : state) {
        for (CppSQLite3Query r = q.ask(Shop()); !r.eof(); r.nextRow()) {
            benchmark::DoNotOptimize(r.fieldValue(0));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}

void Plain(benchmark::State& state) {
    const Question& q = Questions()[state.range(0)];
    state.SetLabel(q.label);
    const std::vector<std::string> statements = StatementsOf(q);
    sqlite3* h = Shop().handle();
    long rows = 0;
    for (auto _ : state) {
        for (const std::string& sql : statements) {
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(h, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
                state.SkipWithError(sqlite3_errmsg(h));
                return;
            }
            while (sqlite3_step(st) == SQLITE_ROW) {
                benchmark::DoNotOptimize(sqlite3_column_text(st, 0));
                ++rows;
            }
            sqlite3_finalize(st);
        }
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
    state.counters["statements"] = static_cast<double>(statements.size());
}

void EachQuestion(benchmark::internal::Benchmark* b) {
    for (int i = 0; i < static_cast<int>(Questions().size()); ++i) b->Arg(i);
}

}  // namespace

BENCHMARK(Library)->Apply(EachQuestion)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(Plain)->Apply(EachQuestion)->Unit(benchmark::kMillisecond)->MinTime(0.5);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Shop();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
