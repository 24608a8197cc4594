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

#include "shopbiz.h"

namespace {

constexpr int kProducts = 10000, kRows = 1000000;

void Run(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n%s\n", message, sql);
        sqlite3_free(message);
        std::abort();
    }
}

// The ledger written straight in, as the postings leave it: an opening row per product, then
// bill rows in date order with the products interleaved, five lines to a bill. The Stocks
// indexes are built after the rows, which is quicker than keeping them on the way.
void FillLedger(sqlite3* db) {
    std::vector<std::string> indexes;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, sql FROM sqlite_master WHERE type='index' AND tbl_name='Stocks'", -1, &st,
                       nullptr);
    std::vector<std::string> names;
    while (sqlite3_step(st) == SQLITE_ROW) {
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    }
    sqlite3_finalize(st);
    for (const std::string& name : names) Run(db, ("DROP INDEX " + name).c_str());

    Run(db, "BEGIN");
    Run(db,
        "WITH RECURSIVE p(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM p WHERE i<10000) "
        "INSERT INTO Stocks(SortID,BillType,BillDate,BillCode,ProductID,ProductName,ProductCode,SearchCode,TypeID,"
        "TypeName,UnitName,LastCount,LastPrice,LastAmount,IsSystem,IsVirtual,IsCale,IsCale2,CreateDate,"
        "LastUpdateDate) SELECT 1,'期初','2012-01-01','',i,'商品'||i,printf('SP%05d',i),'SP',2,'默认类别','个',"
        "20,5,100,1,0,1,1,'2012-01-01','2012-01-01 00:00:00' FROM p");
    // Row i: product spread over all products; a purchase in 3 rows of 10 (in 3 of 20 for
    // every twentieth product, which so sells more than it buys).
    Run(db,
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<990000), "
        "r(i, product, buy) AS (SELECT i, 1 + (i*7919 + i/37) % 10000, 0 FROM n), "
        "s(i, product, buy) AS (SELECT i, product, ((i*2654435761) >> 16) % 100 < (CASE WHEN product % 20 = 0 THEN 15 ELSE 30 "
        "END) FROM r) "
        "INSERT INTO Stocks(BillType,BillDate,BillCode,BillItemID,ProductID,ProductName,ProductCode,SearchCode,"
        "CompanyID,CompanyCode,CompanyName,TypeID,TypeName,UnitID,UnitName,InCount,InPrice,InAmount,OutCount,"
        "SalePrice,SaleAmount,IsSystem,IsVirtual,IsCale,IsCale2,SyncState,UserID,UserName,CreateDate,"
        "LastUpdateDate) SELECT CASE WHEN buy THEN '进货' ELSE '出货' END, date('2012-01-02', '+' || (i*365/990000) "
        "|| ' days'), printf(CASE WHEN buy THEN 'JH%07d' ELSE 'XS%07d' END, i/5), i+1, product, '商品'||product, "
        "printf('SP%05d',product), 'SP', 4 + i%200, printf('KH%04d', 3 + i%200), '客户'||(i%200), 2, '默认类别', 1, "
        "'个', CASE WHEN buy THEN 10 + i%21 ELSE 0 END, CASE WHEN buy THEN 4 + (i%7)*0.25 ELSE 0 END, "
        "CASE WHEN buy THEN (10 + i%21)*(4 + (i%7)*0.25) ELSE 0 END, CASE WHEN buy THEN 0 ELSE 1 + i%10 END, "
        "CASE WHEN buy THEN 0 ELSE 9.5 END, CASE WHEN buy THEN 0 ELSE 9.5*(1 + i%10) END, 0,0,0,0,0,0,'', "
        "date('2012-01-02', '+' || (i*365/990000) || ' days'), '2012-12-31 12:00:00' FROM s");
    Run(db, "COMMIT");
    for (const std::string& sql : indexes) Run(db, sql.c_str());
}

CppSQLite3DB& NewShop(CppSQLite3DB* shop) {
    shop->open(":memory:");
    shopbiz::CreateShopSchema(*shop);
    return *shop;
}

// The shop with nothing costed yet, and the same after one full pass.
CppSQLite3DB& UncostedShop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        FillLedger(NewShop(shop).handle());
        return shop;
    }();
    return *db;
}
CppSQLite3DB& CostedShop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        NewShop(shop);
        sqlite3_backup* copy = sqlite3_backup_init(shop->handle(), "main", UncostedShop().handle(), "main");
        sqlite3_backup_step(copy, -1);
        sqlite3_backup_finish(copy);
        // Twice: the second pass settles the positions that the first pass's corrections left
        // (each pass renumbers the products it visits), as after any pass in daily use.
        for (int pass = 0; pass < 2; ++pass)
            if (CStocksBLL().CaculateCost(*shop) != 1) std::abort();
        return shop;
    }();
    return *db;
}

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
