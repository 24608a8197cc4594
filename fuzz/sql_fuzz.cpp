// The database component on any SQL against a shop database in memory: whatever the text, a
// call runs at most one statement, every failure is an exception of the component, and the
// result set's getters answer for every column of every row (and harmlessly past its end).
// Each input's changes are rolled back, so the inputs do not build on one another.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

#include "FuzzInput.h"
#include "shopbiz.h"

namespace {

// Thousands of virtual machine steps this input has run; past 100 thousand it is stopped.
int g_steps = 0;

CppSQLite3DB& Shop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        shop->open(":memory:");
        shopbiz::CreateShopSchema(*shop);
        // A statement that runs away (a recursive query, a huge join) is stopped early, and no
        // value may grow beyond a few megabytes.
        sqlite3_progress_handler(shop->handle(), 1000, [](void*) { return ++g_steps > 100 ? 1 : 0; }, nullptr);
        sqlite3_limit(shop->handle(), SQLITE_LIMIT_LENGTH, 1 << 22);
        // Nothing outside the database is reached: no other files attached.
        sqlite3_limit(shop->handle(), SQLITE_LIMIT_ATTACHED, 0);
        return shop;
    }();
    return *db;
}

void ReadAll(CppSQLite3Query q) {
    for (int rows = 0; !q.eof() && rows < 1000; ++rows, q.nextRow()) {
        for (int i = 0; i < q.numFields(); ++i) {
            q.fieldName(i);
            q.fieldDataType(i);
            q.fieldValue(i);
            q.fieldIsNull(i);
            q.getIntField(i, -1);
            q.getInt64Field(i, -1);
            q.getFloatField(i, -1.0);
            q.getStringField(i, L"null");
            q.getBlobField(i);
        }
        if (q.numFields() > 0) q.getStringField(q.fieldName(0).GetString());
    }
    // Past the end, and after finalizing, every call is answered.
    q.eof();
    q.nextRow();
    q.finalize();
    q.eof();
    q.numFields();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    CppSQLite3DB& db = Shop();
    const CString sql = fuzzing::WideText(data + 1, size - 1);
    g_steps = 0;
    try {
        db.execDML(L"SAVEPOINT fuzz");
    } catch (const CppSQLite3Exception& e) {
        std::fprintf(stderr, "SAVEPOINT failed: %ls\n", e.errorMessage());
        std::abort();
    }
    try {
        switch (data[0] % 4) {
            case 0: ReadAll(db.execQuery(sql)); break;
            case 1: db.execDML(sql); break;
            case 2: db.execScalar(sql); db.execScalarStr(sql); break;
            default: {
                CppSQLite3Statement st = db.compileStatement(sql);
                st.bind(1, 7);
                st.bind(2, L"铅笔");
                st.bind(3, 2.5);
                ReadAll(st.execQuery());
                st.execDML();
                break;
            }
        }
    } catch (const CppSQLite3Exception& e) {
        e.errorCode();
        e.errorMessage();
        e.statement();
    }
    // The input's statement may have ended the transaction itself; start clean either way.
    g_steps = 0;
    try {
        db.execDML(L"ROLLBACK TO fuzz");
        db.execDML(L"RELEASE fuzz");
    } catch (const CppSQLite3Exception&) {
        if (db.inTransaction()) db.execDML(L"ROLLBACK");
    }
    return 0;
}
