// The host's full reload of its product lists (GetProdListCache, mode 0) from a catalogue of
// 10,000 products (9,000 of the shop's own, 1,000 of the online catalogue), beside the plain
// SQLite work for the same two lists: one query stepped with the bare API, each row joined
// into its "SearchCode|ProductName|TypeName" entry.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "frame/SqlText.h"
#include "shopbiz.h"

namespace {

using shopbiz::Fmt;

constexpr int kProducts = 10000;
constexpr int kOnline = 1000;

CppSQLite3DB& Catalogue() {
    static CppSQLite3DB* db = [] {
        auto* d = new CppSQLite3DB;
        d->open(":memory:");
        shopbiz::CreateShopSchema(*d);
        CppSQLite3Statement insert = d->compileStatement(
            L"insert into Products(ProductName, ProductCode, SearchCode, TypeName, IsLocal) values(?, ?, ?, ?, ?)");
        for (int i = 0; i < kProducts; ++i) {
            insert.bind(1, Fmt(L"商品%05d", i).GetString());
            insert.bind(2, Fmt(L"SP%05d", i).GetString());
            insert.bind(3, Fmt(L"SP%05d", (i * 7919) % kProducts).GetString());  // not in insert order
            insert.bind(4, i % 2 ? L"文具" : L"食品");
            insert.bind(5, i < kOnline ? 0 : 1);
            insert.execDML();
        }
        return d;
    }();
    return *db;
}

void GetProdListCache(benchmark::State& state) {
    CppSQLite3DB& db = Catalogue();
    CProductsBLL products;
    CStringArray local, online;
    for (auto _ : state) {
        products.GetProdListCache(db, local, online, 0);
        benchmark::DoNotOptimize(local.GetSize() + online.GetSize());
    }
    state.SetItemsProcessed(state.iterations() * kProducts);
}

void PlainListQuery(benchmark::State& state) {
    CppSQLite3DB& db = Catalogue();
    std::vector<std::string> local, online;
    auto text = [](sqlite3_stmt* st, int column) {
        return reinterpret_cast<const char*>(sqlite3_column_text(st, column));
    };
    for (auto _ : state) {
        local.clear();
        online.clear();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db.handle(),
                           "select ProductName,SearchCode,TypeName,IsLocal from Products where IsDisable=0 order by "
                           "SearchCode",
                           -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::string entry = text(st, 1);
            (entry += '|') += text(st, 0);
            (entry += '|') += text(st, 2);
            (sqlite3_column_int(st, 3) == 1 ? local : online).push_back(std::move(entry));
        }
        sqlite3_finalize(st);
        sqlite3_exec(db.handle(), "DELETE FROM ProdCache", nullptr, nullptr, nullptr);
        benchmark::DoNotOptimize(local.size() + online.size());
    }
    state.SetItemsProcessed(state.iterations() * kProducts);
}

}  // namespace

BENCHMARK(GetProdListCache)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainListQuery)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
