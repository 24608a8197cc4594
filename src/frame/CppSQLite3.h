#pragma once
// The database component: a thin object wrapper over SQLite 3 that speaks wide text.
// The database holds UTF-8; statements and values cross this boundary as wide text.
// Every SQL error, constraint violations included, throws a CppSQLite3Exception by value.
// A call runs exactly one statement: text that holds a second one (anything but blanks,
// semicolons and comments after the first) is refused before anything runs, so a value
// that ends a statement early can never start another. Scripts go through execScript.

#include <memory>
#include <string>

#include "platform/CString.h"

struct sqlite3;
struct sqlite3_stmt;

class CppSQLite3Exception {
public:
    CppSQLite3Exception(int errorCode, const wchar_t* message, const wchar_t* statement = nullptr);
    CppSQLite3Exception(int errorCode, const CString& message, const CString& statement = CString())
        : CppSQLite3Exception(errorCode, message.GetString(), statement.GetString()) {}

    int errorCode() const { return mnErrCode; }
    // SQLite's readable error text. Copies of an exception share the same text.
    const wchar_t* errorMessage() const { return mpszErrMess ? mpszErrMess->c_str() : L""; }
    // The statement that failed, as it was given; "" when the error belongs to no statement.
    const wchar_t* statement() const { return mpszStatement ? mpszStatement->c_str() : L""; }

private:
    int mnErrCode;
    std::shared_ptr<const std::wstring> mpszErrMess;
    std::shared_ptr<const std::wstring> mpszStatement;
};

namespace shopbiz::detail {
struct QueryState;
struct StatementState;
class StatementCache;
}  // namespace shopbiz::detail

// A result set positioned on its current row. Copies share the open statement, so a result
// set returned by value stays usable after the producer's own copy is gone; the statement
// is finalized when the last copy goes or finalize() is called. A default-constructed result
// set holds no statement: isNull() and eof() are true and every other call is harmless.
class CppSQLite3Query {
public:
    CppSQLite3Query();
    ~CppSQLite3Query();
    CppSQLite3Query(const CppSQLite3Query& other);
    CppSQLite3Query& operator=(const CppSQLite3Query& other);

    int numFields() const;
    // Column names are matched without regard to ASCII case; an unknown name throws.
    int fieldIndex(const wchar_t* name) const;
    CString fieldName(int column) const;
    int fieldDataType(int column) const;  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL

    CString fieldValue(int column) const;  // "" for NULL
    CString fieldValue(const wchar_t* name) const;
    bool fieldIsNull(int column) const;
    bool fieldIsNull(const wchar_t* name) const;

    int getIntField(int column, int nullValue = 0) const;
    int getIntField(const wchar_t* name, int nullValue = 0) const;
    long long getInt64Field(int column, long long nullValue = 0) const;
    long long getInt64Field(const wchar_t* name, long long nullValue = 0) const;
    double getFloatField(int column, double nullValue = 0.0) const;
    double getFloatField(const wchar_t* name, double nullValue = 0.0) const;
    CString getStringField(int column, const wchar_t* nullValue = L"") const;
    CString getStringField(const wchar_t* name, const wchar_t* nullValue = L"") const;
    // The bytes of a blob column (empty for NULL).
    std::string getBlobField(int column) const;
    std::string getBlobField(const wchar_t* name) const;

    bool eof() const;
    void nextRow();
    void finalize();
    bool isNull() const;

private:
    friend class CppSQLite3DB;
    friend class CppSQLite3Statement;
    explicit CppSQLite3Query(std::shared_ptr<shopbiz::detail::QueryState> state);
    sqlite3_stmt* RowStatement(int column) const;

    std::shared_ptr<shopbiz::detail::QueryState> state_;
};

// A compiled statement whose "?" parameters are bound by position from 1.
class CppSQLite3Statement {
public:
    CppSQLite3Statement();
    ~CppSQLite3Statement();
    CppSQLite3Statement(const CppSQLite3Statement& other);
    CppSQLite3Statement& operator=(const CppSQLite3Statement& other);

    void bind(int param, int value);
    void bind(int param, double value);
    void bind(int param, const wchar_t* value);
    void bind(int param, const unsigned char* blob, int length);
    void bindInt64(int param, long long value);
    void bindNull(int param);

    // Runs the statement to its end; returns 0 (the statement status) and resets it for reuse.
    int execDML();
    CppSQLite3Query execQuery();
    void reset();
    void finalize();

private:
    friend class CppSQLite3DB;
    explicit CppSQLite3Statement(std::shared_ptr<shopbiz::detail::StatementState> state);
    sqlite3_stmt* Checked() const;

    std::shared_ptr<shopbiz::detail::StatementState> state_;
};

class CppSQLite3DB {
public:
    CppSQLite3DB();
    ~CppSQLite3DB();
    CppSQLite3DB(const CppSQLite3DB&) = delete;
    CppSQLite3DB& operator=(const CppSQLite3DB&) = delete;

    // Opens (creating when missing) the database file; ":memory:" gives a private in-memory one.
    // The connection is opened in serialized mode: threads may share it, and each reads the
    // error of its own statement.
    void open(const char* utf8Path);
    void open(const wchar_t* path);
    // Result sets and statements still open keep working until they are finalized.
    void close();
    bool isOpen() const { return mpDB != nullptr; }

    // Runs the statement to its end. Returns the statement status: 0 when it ran, whatever
    // number of rows it touched (also for text that holds no statement at all). Queries and
    // data changes are kept compiled on the connection with their values taken out, so the
    // next statement of the same shape runs without being compiled again.
    int execDML(const wchar_t* sql);
    // Result set of the statement, positioned on its first row.
    CppSQLite3Query execQuery(const wchar_t* sql);
    // First column of the first row. A query with no row, or a NULL value, gives 0 and ""
    // (the nullValue argument), so counts and sums over nothing read as zero.
    int execScalar(const wchar_t* sql, int nullValue = 0);
    CString execScalarStr(const wchar_t* sql, const wchar_t* nullValue = L"");
    CppSQLite3Statement compileStatement(const wchar_t* sql);
    // Runs every statement of a script in turn (the schema, a test's set-up); what ran before
    // a failing statement stays done. Never for text that holds a caller's values.
    void execScript(const wchar_t* sql);

    bool tableExists(const wchar_t* table);
    long long lastRowId() const;
    int lastChanges() const;  // rows touched by the last statement
    bool inTransaction() const;  // a transaction is open on the connection
    void setBusyTimeout(int milliseconds);
    // Aborts a running statement; callable from another thread.
    void interrupt();
    // The version the component was written against; SQLite itself may be newer.
    static const char* SQLiteVersion();
    sqlite3* handle() const { return mpDB; }

private:
    sqlite3* Checked() const;

    sqlite3* mpDB = nullptr;
    int mnBusyTimeoutMs = 10000;
    // Statements of execDML and execQuery kept compiled for the next one of the same shape.
    std::shared_ptr<shopbiz::detail::StatementCache> mpCache;
};
