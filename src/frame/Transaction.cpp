#include "frame/Transaction.h"

#include <atomic>

#include "frame/SqlText.h"

namespace shopbiz {

namespace {
std::atomic<unsigned> savepoints{0};
}  // namespace

Transaction::Transaction(CppSQLite3DB& db)
    : db_(db), name_(Fmt(L"shopbiz_%u", ++savepoints)), outermost_(!db.inTransaction()) {
    db_.execDML(Fmt(L"SAVEPOINT %s", name_));
}

Transaction::~Transaction() {
    if (!open_) return;
    try {
        db_.execDML(Fmt(L"ROLLBACK TO %s", name_));
        db_.execDML(Fmt(L"RELEASE %s", name_));
    } catch (...) {
        // SQLite has already rolled the whole transaction back after some errors; a
        // transaction this object began is never left open.
        try {
            if (outermost_ && db_.inTransaction()) db_.execDML(L"ROLLBACK");
        } catch (...) {
        }
    }
}

void Transaction::Commit() {
    db_.execDML(Fmt(L"RELEASE %s", name_));
    open_ = false;
}

}  // namespace shopbiz
