#include "frame/Transaction.h"

#include <atomic>

#include "frame/SqlText.h"

namespace shopbiz {

namespace {
std::atomic<unsigned> savepoints{0};
}  // namespace

Transaction::Transaction(CppSQLite3DB& db, bool writeLock) : db_(db), outermost_(!db.inTransaction()) {
    if (writeLock && outermost_) {
        db_.execDML(L"BEGIN IMMEDIATE");
        return;
    }
    name_ = Fmt(L"shopbiz_%u", ++savepoints);
    db_.execDML(Fmt(L"SAVEPOINT %s", name_));
}

Transaction::~Transaction() {
    if (open_) Rollback();
}

void Transaction::Rollback() {
    if (!open_) return;
    open_ = false;
    try {
        if (name_.IsEmpty()) {
            if (db_.inTransaction()) db_.execDML(L"ROLLBACK");
            return;
        }
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
    db_.execDML(name_.IsEmpty() ? CString(L"COMMIT") : Fmt(L"RELEASE %s", name_));
    open_ = false;
}

bool Transaction::IsOpen() const { return open_ && db_.inTransaction(); }

}  // namespace shopbiz
