#pragma once
// Plain SQLite work of the benchmarks: a statement run straight on the handle, aborting the
// benchmark with SQLite's message when it fails (a benchmark over a half-built shop measures
// nothing).
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace bench_sql {

inline void Run(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n%s\n", message, sql);
        sqlite3_free(message);
        std::abort();
    }
}

}  // namespace bench_sql
