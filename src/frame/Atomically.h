#pragma once
// All or nothing, for a host that wants it. A posting (a sale, purchase or order posted,
// changed or deleted) commits once and keeps what its finished steps did when it fails half
// way, as the posting rules say. Run through Atomically, a posting that fails leaves no trace
// at all, so it can simply be posted again:
//
//     CString error;
//     int saleID = shopbiz::Atomically(db, error, [&] {
//         return CSaleBLL().InsertBill(db, code, account, date, customer, amount, due, rate, paid,
//                                      remark, items, count, L"", user, error, L"1");
//     });
//
// The call holds the library lock throughout and runs in one write transaction (inside the
// host's own transaction when one is open, as a savepoint of it).

#include <functional>

#include "frame/CppSQLite3.h"

namespace shopbiz {

// Runs `post` and keeps what it did only when it returns success (1 or more): any other
// result, or an exception leaving it, undoes all of it. Returns what `post` returned, or -1
// with the database's message in `error` (and the log) when the work could not be kept: the
// database could not begin or commit, or a database error left `post`. Any other exception
// leaves after the undoing.
int Atomically(CppSQLite3DB& db, CString& error, const std::function<int()>& post);

}  // namespace shopbiz
