#include "frame/Atomically.h"

#include "frame/DatabaseErrors.h"
#include "frame/ServiceFrame.h"

namespace shopbiz {

int Atomically(CppSQLite3DB& db, CString& error, const std::function<int()>& post) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        Transaction all = Transaction::ForWriting(db);
        const int result = post();
        if (result < 1) return result;  // undone as `all` ends
        if (!all.IsOpen()) {
            // The database itself rolled everything back (after an I/O error, say).
            error = detail::LastDatabaseError();
            return -1;
        }
        all.Commit();
        return result;
    });
}

}  // namespace shopbiz
