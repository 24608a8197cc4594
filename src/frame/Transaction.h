#pragma once
// One transaction for every service that needs one, on a savepoint: the constructor opens it,
// Commit() keeps the work, and the destructor rolls it back when Commit() was not reached (an
// error left the method). It nests inside any transaction already open on the connection, a
// host's own or another of these, and undoes only its own work.

#include "frame/CppSQLite3.h"

namespace shopbiz {

class Transaction {
public:
    explicit Transaction(CppSQLite3DB& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Keeps the work; a failure to do so throws and leaves the transaction to the destructor.
    void Commit();

private:
    CppSQLite3DB& db_;
    CString name_;
    bool outermost_;
    bool open_ = true;
};

}  // namespace shopbiz
