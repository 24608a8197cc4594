// Adding products to a new shop database (each add also opens the product's ledger, journals
// it and records it for the product-list cache) and searching 10,000 of them, beside the
// plain SQLite work that the same rows and the same queries need.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <string>

#include "frame/SqlText.h"
#include "shopbiz.h"

namespace {

using shopbiz::Fmt;

constexpr int kProducts = 10000;

CString Name(int i) { return Fmt(L"商品%05d", i); }
CString Code(int i) { return Fmt(L"SP%05d", i); }

void NewShop(CppSQLite3DB& db) {
    db.open(":memory:");
    shopbiz::CreateShopSchema(db);
    CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1");  // every add is journalled
}

void AddAll(CppSQLite3DB& db, int count) {
    CProductsBLL products;
    for (int i = 0; i < count; ++i) {
        bool exists = false;
        products.AddProducts(db, Name(i), Code(i), L"", L"个", L"10", L"2.5", L"4", L"3.5", L"", L"", false, L"",
                             exists);
    }
}

// 10,000 products through AddProducts.
void AddProducts(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<CppSQLite3DB>();
        NewShop(*db);
        state.ResumeTiming();
        AddAll(*db, kProducts);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kProducts);
}

void Exec(sqlite3* db, const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

void BindText(sqlite3_stmt* st, int index, const CString& text) {
    const std::string utf8 = text.ToUtf8();
    sqlite3_bind_text(st, index, utf8.c_str(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// The same four rows per product (product, opening ledger row, journal, cache record) with
// prepared statements and nothing else: no look-ups, no text building.
void PlainInsert(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        Exec(db, shopbiz::kShopSchemaSql);
        sqlite3_stmt *product = nullptr, *opening = nullptr, *journal = nullptr, *cache = nullptr;
        sqlite3_prepare_v2(
            db,
            "INSERT INTO Products(ProductName,ProductCode,SearchCode,UnitID,UnitName,TypeID,TypeName,InPrice,"
            "Price,OutPrice,WholesalePrice,InitStock,InitAmount,CurStock,CreateDate,LastUpdateDate) "
            "VALUES(?,?,'SP',1,'个',2,'默认类别',2.5,4,4,3.5,10,25,10,'2013-05-06 14:03:09',"
            "'2013-05-06 14:03:09')",
            -1, &product, nullptr);
        sqlite3_prepare_v2(
            db,
            "INSERT INTO Stocks(SortID,BillType,BillDate,ProductID,ProductName,ProductCode,SearchCode,TypeID,"
            "TypeName,UnitName,LastCount,LastPrice,LastAmount,IsSystem,IsCale,CreateDate,LastUpdateDate) "
            "VALUES(1,'期初','1970-01-01',?,?,?,'SP',2,'默认类别','个',10,2.5,25,1,1,'1970-01-01',"
            "'2013-05-06 14:03:09')",
            -1, &opening, nullptr);
        sqlite3_prepare_v2(db,
                           "INSERT INTO OperateData(TName,CName,CValue,OType) VALUES('Products','ProductName',?,'A')",
                           -1, &journal, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO ProdCache(Flag,UpdateValue,OldValue) VALUES(1,?,'')", -1, &cache, nullptr);
        state.ResumeTiming();

        for (int i = 0; i < kProducts; ++i) {
            const CString name = Name(i), code = Code(i);
            BindText(product, 1, name);
            BindText(product, 2, code);
            sqlite3_step(product);
            sqlite3_reset(product);
            const sqlite3_int64 id = sqlite3_last_insert_rowid(db);
            sqlite3_bind_int64(opening, 1, id);
            BindText(opening, 2, name);
            BindText(opening, 3, code);
            sqlite3_step(opening);
            sqlite3_reset(opening);
            BindText(journal, 1, name);
            sqlite3_step(journal);
            sqlite3_reset(journal);
            BindText(cache, 1, L"SP|" + name + L"|默认类别");
            sqlite3_step(cache);
            sqlite3_reset(cache);
        }

        state.PauseTiming();
        for (sqlite3_stmt* st : {product, opening, journal, cache}) sqlite3_finalize(st);
        sqlite3_close(db);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kProducts);
}

// One shop database of 10,000 products, shared by the query benchmarks.
CppSQLite3DB& Catalogue() {
    static CppSQLite3DB* db = [] {
        auto* d = new CppSQLite3DB;
        NewShop(*d);
        AddAll(*d, kProducts);
        return d;
    }();
    return *db;
}

// Keys: every product, about 1,900 of them ("12" in name or code), exactly one.
const wchar_t* const kKeys[] = {L"", L"12", L"SP09999"};

void GetProductByPage(benchmark::State& state) {
    CppSQLite3DB& db = Catalogue();
    const CString key = kKeys[state.range(0)];
    CProductsBLL products;
    long rows = 0;
    for (auto _ : state) {
        long size = 20, total = 0, page = state.range(1), pages = 0;
        for (CppSQLite3Query q = products.GetProductByPage(db, key, size, total, page, pages, false, false); !q.eof();
             q.nextRow())
            ++rows;
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

void GetProductByPop(benchmark::State& state) {
    CppSQLite3DB& db = Catalogue();
    const CString key = kKeys[state.range(0)];
    CProductsBLL products;
    long rows = 0;
    for (auto _ : state)
        for (CppSQLite3Query q = products.GetProductByPop(db, key, L"", L"", false); !q.eof(); q.nextRow()) ++rows;
    state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

// The statements the two queries run, stepped with the bare SQLite API on the same data.
void PlainPageQuery(benchmark::State& state) {
    CppSQLite3DB& db = Catalogue();
    const std::string key = CString(kKeys[state.range(0)]).ToUtf8();
    const std::string where = " where (ProductName like '%" + key + "%' or ProductCode like '%" + key +
                              "%' or SearchCode like '%" + key + "%') and IsDisable = 0";
    const std::string count = "select count(ProductID) from Products" + where;
    const std::string select =
        "select ProductID,ProductCode,ProductName,CurStock,UnitName,InPrice,WholesalePrice,OutPrice,Price,NetPrice,"
        "IsLocal,SecUnitName,Coefficient,SearchCode from Products" +
        where + " order by IsLocal desc, SearchCode limit ";
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db.handle(), count.c_str(), -1, &st, nullptr);
        sqlite3_step(st);
        const long total = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        const long pages = total == 0 ? 1 : (total + 19) / 20;
        const long page = std::min<long>(state.range(1), pages);
        const std::string sql = select + std::to_string((page - 1) * 20) + ",20";
        sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_text(st, 2));
        sqlite3_finalize(st);
    }
}

void PlainPopQuery(benchmark::State& state) {
    CppSQLite3DB& db = Catalogue();
    const std::string key = CString(kKeys[state.range(0)]).ToUtf8();
    const std::string select = "select *,WholeSalePrice as CompPrice from Products where (ProductName like '%" + key +
                               "%' or ProductCode like '%" + key + "%' or SearchCode like '%" + key +
                               "%') and IsDisable = 0 and IsDelete = 0 order by IsLocal DESC LIMIT 50";
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db.handle(), select.c_str(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_text(st, 2));
        sqlite3_finalize(st);
    }
}

// Arguments: key (0 all, 1 "12", 2 one product), page number (first, or a page past the end
// that is held to the last one).
void PageArgs(benchmark::internal::Benchmark* b) {
    for (int key : {0, 1, 2})
        for (int page : {1, 9999}) b->Args({key, page});
}

}  // namespace

BENCHMARK(AddProducts)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PlainInsert)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GetProductByPage)->Apply(PageArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainPageQuery)->Apply(PageArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetProductByPop)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainPopQuery)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
