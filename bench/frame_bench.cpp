// Cost of the service frame (lock, wide text, result-set object) over the raw SQLite API,
// for a one-row INSERT and a one-row SELECT on an in-memory database.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "shopbiz.h"

namespace {

const wchar_t* kInsertW = L"INSERT INTO T (Name, Qty) VALUES ('铅笔', 1.50000000)";
const char* kInsert = "INSERT INTO T (Name, Qty) VALUES ('铅笔', 1.50000000)";
const wchar_t* kSelectW = L"SELECT Name, Qty FROM T WHERE ID = 1";
const char* kSelect = "SELECT Name, Qty FROM T WHERE ID = 1";
const wchar_t* kCreateW = L"CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT, Qty REAL);"
                          L"INSERT INTO T (Name, Qty) VALUES ('铅笔', 1.5);";

void FrameInsert(benchmark::State& state) {
    CppSQLite3DB db;
    db.open(":memory:");
    db.execScript(kCreateW);
    CSysBLL sys;
    const CString sql(kInsertW);
    for (auto _ : state) benchmark::DoNotOptimize(sys.ExecSQL(db, sql));
    state.SetItemsProcessed(state.iterations());
}

void RawInsert(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, shopbiz::WideToUtf8(kCreateW).c_str(), nullptr, nullptr, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, kInsert, -1, &st, nullptr);
        benchmark::DoNotOptimize(sqlite3_step(st));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations());
}

void FrameSelect(benchmark::State& state) {
    CppSQLite3DB db;
    db.open(":memory:");
    db.execScript(kCreateW);
    CSysBLL sys;
    const CString sql(kSelectW);
    for (auto _ : state) {
        CppSQLite3Query q = sys.ExecSQLForQuery(db, sql);
        benchmark::DoNotOptimize(q.getStringField(L"Name"));
        benchmark::DoNotOptimize(q.getFloatField(L"Qty"));
    }
    state.SetItemsProcessed(state.iterations());
}

void RawSelect(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, shopbiz::WideToUtf8(kCreateW).c_str(), nullptr, nullptr, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, kSelect, -1, &st, nullptr);
        sqlite3_step(st);
        benchmark::DoNotOptimize(sqlite3_column_text(st, 0));
        benchmark::DoNotOptimize(sqlite3_column_double(st, 1));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(RawInsert);
BENCHMARK(FrameInsert);
BENCHMARK(RawSelect);
BENCHMARK(FrameSelect);
BENCHMARK_MAIN();
