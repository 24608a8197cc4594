// Test-only statement faults; compiled into the library only with SHOPBIZ_FAULT_INJECTION.
#ifdef SHOPBIZ_FAULT_INJECTION

#include "frame/StatementFaults.h"

#include <sqlite3.h>

#include <atomic>
#include <mutex>

#include "platform/TextCodec.h"

namespace shopbiz::testing {

namespace {

std::mutex g_mutex;
std::atomic<bool> g_armed{false};
sqlite3* g_db = nullptr;
int g_failAt = 0, g_code = SQLITE_IOERR, g_counted = 0;
bool g_fired = false;

}  // namespace

void StatementFaults::Arm(CppSQLite3DB& db, int failAt, int code) {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_db = db.handle();
    g_failAt = failAt;
    g_code = code;
    g_counted = 0;
    g_fired = false;
    g_armed = true;
}

int StatementFaults::Disarm() {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_armed = false;
    g_db = nullptr;
    g_failAt = 0;
    return g_counted;
}

int StatementFaults::Counted() {
    std::lock_guard<std::mutex> hold(g_mutex);
    return g_counted;
}

bool StatementFaults::Fired() {
    std::lock_guard<std::mutex> hold(g_mutex);
    return g_fired;
}

void StatementFaults::BeforeStatement(sqlite3* db, const char* sql) {
    if (!g_armed.load(std::memory_order_relaxed)) return;
    int code = 0;
    {
        std::lock_guard<std::mutex> hold(g_mutex);
        if (!g_db || db != g_db) return;
        if (++g_counted != g_failAt) return;
        g_fired = true;
        code = g_code;
    }
    throw CppSQLite3Exception(code, Utf8ToWide(sqlite3_errstr(code)).c_str(), sql ? Utf8ToWide(sql).c_str() : nullptr);
}

}  // namespace shopbiz::testing

#endif
