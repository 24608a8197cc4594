#pragma once
// One transaction for every service that needs one, on a savepoint: the constructor opens it,
// Commit() keeps the work, and the destructor rolls it back when Commit() was not reached (an
// error left the method). It nests inside any transaction already open on the connection, a
// host's own or another of these, and undoes only its own work.
//
// ForWriting() is the transaction of a call that reads values and writes them back (a
// posting): when no transaction is open yet, it takes the database's write lock at once
// (BEGIN IMMEDIATE, waiting up to the busy timeout while another connection writes), so that
// nothing another process commits can slip between a read and the write that depends on it.
// Inside an open transaction it is a savepoint like the other.

#include "frame/CppSQLite3.h"

namespace shopbiz {

class Transaction {
public:
    explicit Transaction(CppSQLite3DB& db) : Transaction(db, false) {}
    static Transaction ForWriting(CppSQLite3DB& db) { return Transaction(db, true); }
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Keeps the work; a failure to do so throws and leaves the transaction to the destructor.
    void Commit();
    // Undoes the work now (the destructor then has nothing left to do).
    void Rollback();
    // Still open: neither committed nor rolled back, and not ended under it by the database
    // (SQLite rolls back a whole transaction by itself after some I/O errors).
    bool IsOpen() const;

private:
    Transaction(CppSQLite3DB& db, bool writeLock);

    CppSQLite3DB& db_;
    CString name_;  // the savepoint; empty for a transaction begun with the write lock
    bool outermost_;
    bool open_ = true;
};

}  // namespace shopbiz
