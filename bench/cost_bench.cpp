// The cost calculation over a ledger of 1,000,000 rows on 10,000 products (a year of purchases
// and sales; one product in twenty sells more than it buys and ends in negative stock), in
// memory and on a file in WAL mode:
//   FullPass         every bill row uncalculated, CStocksBLL::CaculateCost()
//   IncrementalPass  the costed ledger after one new sale bill of three lines, dated at the
//                    end of the ledger (0) or back-dated to the middle of the year (1)
//   PlainRewrite     beside them: the same 1,000,000 rows rewritten once in one transaction
//                    with a prepared statement, with the columns the calculation writes
//                    (costs, balance, position and flags, so the same indexes are kept), and
//                    with the cost and balance columns alone.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "LedgerShop.h"
#include "shopbiz.h"

namespace {

using ledger_shop::CostedShop;
using ledger_shop::kProducts;
using ledger_shop::kRows;
using ledger_shop::Run;
using ledger_shop::UncostedShop;

std::string FilePath() { return "/tmp/shopbiz_cost_bench_" + std::to_string(getpid()) + ".db"; }

// A copy of `from`: in memory (0) or a new file in WAL mode (1).
void OpenCopy(CppSQLite3DB& db, CppSQLite3DB& from, bool file) {
    const std::string path = file ? FilePath() : ":memory:";
    for (const char* suffix : {"", "-wal", "-shm"}) std::remove((path + suffix).c_str());
    db.open(path.c_str());
    sqlite3_backup* copy = sqlite3_backup_init(db.handle(), "main", from.handle(), "main");
    sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    if (file) Run(db.handle(), "PRAGMA journal_mode=WAL");
}

// Runs `work` on a fresh copy per iteration; only `work` is timed.
template <class Work>
void OnCopies(benchmark::State& state, CppSQLite3DB& (*shop)(), Work work) {
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<CppSQLite3DB>();
        OpenCopy(*db, shop(), state.range(0) == 1);
        state.ResumeTiming();
        work(*db);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    std::remove(FilePath().c_str());
    std::remove((FilePath() + "-wal").c_str());
}

void Pass(benchmark::State& state, CppSQLite3DB& db) {
    int products = 0;
    const int before = sqlite3_total_changes(db.handle());
    if (CStocksBLL().CaculateCost(db, [&](int, int total) { products = total; }) != 1)
        state.SkipWithError("CaculateCost failed");
    state.counters["products"] = products;
    state.counters["rows_written"] = sqlite3_total_changes(db.handle()) - before;
}

void FullPass(benchmark::State& state) {
    OnCopies(state, UncostedShop, [&](CppSQLite3DB& db) { Pass(state, db); });
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetLabel("items = ledger rows costed");
}

// One sale bill of three lines on three products that stay positive.
void IncrementalPass(benchmark::State& state) {
    const char* date = state.range(1) == 0 ? "2012-12-31" : "2012-07-01";
    OnCopies(state, CostedShop, [&](CppSQLite3DB& db) {
        state.PauseTiming();
        for (int product : {101, 2502, 7003}) {
            const std::string sql =
                "INSERT INTO Stocks(BillType,BillDate,BillCode,BillItemID,ProductID,OutCount,SalePrice,SaleAmount,"
                "IsCale,CreateDate,LastUpdateDate) VALUES('出货','" + std::string(date) + "','XS9999999','1'," +
                std::to_string(product) + ",2,9.5,19,0,'2012-12-31','2012-12-31 12:00:00')";
            Run(db.handle(), sql.c_str());
        }
        state.ResumeTiming();
        Pass(state, db);
    });
    state.SetLabel("one bill of 3 lines");
}

// Every row rewritten once in StockID order, the values given, nothing read.
void PlainRewrite(benchmark::State& state) {
    const bool samePlaceAndFlags = state.range(1) == 1;
    OnCopies(state, UncostedShop, [&](CppSQLite3DB& db) {
        sqlite3* h = db.handle();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(h,
                           samePlaceAndFlags
                               ? "UPDATE Stocks SET OutPrice=?1, OutAmount=?2, LastCount=?3, LastPrice=?4, "
                                 "LastAmount=?5, SortID=?6, IsCale=1, IsCale2=1 WHERE StockID=?7"
                               : "UPDATE Stocks SET OutPrice=?1, OutAmount=?2, LastCount=?3, LastPrice=?4, "
                                 "LastAmount=?5 WHERE StockID=?7",
                           -1, &st, nullptr);
        Run(h, "BEGIN");
        for (int id = 1; id <= kRows; ++id) {
            const double v = id * 0.25;
            for (int k = 1; k <= 5; ++k) sqlite3_bind_double(st, k, v + k);
            if (samePlaceAndFlags) sqlite3_bind_int(st, 6, 2 * (id / kProducts) + 1);
            sqlite3_bind_int(st, 7, id);
            if (sqlite3_step(st) != SQLITE_DONE) state.SkipWithError(sqlite3_errmsg(h));
            sqlite3_reset(st);
        }
        Run(h, "COMMIT");
        sqlite3_finalize(st);
    });
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetLabel(samePlaceAndFlags ? "items = rows; costs, balance, position, flags" : "items = rows; costs, balance");
}

}  // namespace

// file: 0 in memory, 1 a file in WAL mode.
BENCHMARK(FullPass)->ArgNames({"file"})->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(PlainRewrite)
    ->ArgNames({"file", "flags"})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK(IncrementalPass)
    ->ArgNames({"file", "backdated"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
