#pragma once
// Test-only fault injection for the database component: counts the statements run on one
// connection and makes a chosen one fail as the database itself would (an I/O error, a full
// disk, a busy file), before it runs. It exists only in builds configured with
// SHOPBIZ_FAULT_INJECTION=ON (the test builds that ask for it); other builds have no hook at
// all, so no host can reach it. This header is internal and never installed.
//
//     StatementFaults::Arm(db, 12, SQLITE_FULL);   // the 12th statement from now fails
//     post(...);
//     int ran = StatementFaults::Disarm();          // statements counted, the failed one too

#include "frame/CppSQLite3.h"

struct sqlite3;

namespace shopbiz::testing {

class StatementFaults {
public:
    // Counts from 0 the statements run on `db`; the `failAt`-th (1-based) throws the error of
    // `code` without running. failAt 0 only counts.
    static void Arm(CppSQLite3DB& db, int failAt, int code);
    // Stops counting and failing; the number of statements counted.
    static int Disarm();
    // Statements counted since Arm.
    static int Counted();
    // Whether the armed statement has failed.
    static bool Fired();

    // Called by the component before each statement runs on `db`; throws for the armed one.
    static void BeforeStatement(sqlite3* db, const char* sql);
};

}  // namespace shopbiz::testing
