#include "frame/CppSQLite3.h"

#include <sqlite3.h>

#include <cstring>
#include <vector>

#include "frame/DatabaseErrors.h"
#include "frame/StatementCache.h"
#include "platform/TextCodec.h"
#ifdef SHOPBIZ_FAULT_INJECTION
#include "frame/StatementFaults.h"
#endif

using shopbiz::Utf8ToWide;
using shopbiz::WideToUtf8;

namespace {

constexpr int kComponentError = 1000;  // errors of the component itself, not of SQLite

// Every error thrown on this thread is counted, so that a caller can tell that a step failed
// even when a service inside it answered the error with a failure value alone.
thread_local unsigned long t_errorsThrown = 0;
thread_local std::shared_ptr<const std::wstring> t_lastError;

// A test build may make a chosen statement fail before it runs; other builds have no hook.
#ifdef SHOPBIZ_FAULT_INJECTION
void BeforeStatement(sqlite3* db, const char* sql) { shopbiz::testing::StatementFaults::BeforeStatement(db, sql); }
#else
inline void BeforeStatement(sqlite3*, const char*) {}
#endif

[[noreturn]] void ThrowComponent(const wchar_t* message, const wchar_t* statement = nullptr) {
    throw CppSQLite3Exception(kComponentError, message, statement);
}

// Holds the connection's mutex, so that the error text read after a failed call is that
// call's own and not another thread's (the connection is opened in serialized mode).
class ConnectionMutex {
public:
    explicit ConnectionMutex(sqlite3* db) : mutex_(db ? sqlite3_db_mutex(db) : nullptr) { sqlite3_mutex_enter(mutex_); }
    ~ConnectionMutex() { sqlite3_mutex_leave(mutex_); }
    ConnectionMutex(const ConnectionMutex&) = delete;
    ConnectionMutex& operator=(const ConnectionMutex&) = delete;

private:
    sqlite3_mutex* mutex_;
};

// The error of the last call on the connection; the caller holds the connection's mutex.
CppSQLite3Exception SqliteError(sqlite3* db, int code, const char* statement) {
    const char* msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    return CppSQLite3Exception(code, Utf8ToWide(msg ? msg : "unknown error").c_str(),
                               statement ? Utf8ToWide(statement).c_str() : nullptr);
}

// The text after a statement holds nothing that runs: blanks, semicolons and comments.
bool NothingRunsIn(const char* tail) {
    for (const char* p = tail; p && *p;) {
        if (*p == ';' || *p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') {
            ++p;
        } else if (p[0] == '-' && p[1] == '-') {
            while (*p && *p != '\n') ++p;
        } else if (p[0] == '/' && p[1] == '*') {
            const char* close = std::strstr(p + 2, "*/");
            if (!close) return true;  // an unclosed comment runs to the end of the text
            p = close + 2;
        } else {
            return false;
        }
    }
    return true;
}

// Compiles the one statement of `text`; null when the text holds none. The caller holds the
// connection's mutex and owns the statement.
sqlite3_stmt* PrepareOne(sqlite3* db, const std::string& text) {
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, text.c_str(), static_cast<int>(text.size()) + 1, &stmt, &tail);
    if (rc != SQLITE_OK) throw SqliteError(db, rc, text.c_str());
    if (!NothingRunsIn(tail)) {
        sqlite3_finalize(stmt);
        ThrowComponent(L"SQL text holds more than one statement; one call runs one statement",
                       Utf8ToWide(text).c_str());
    }
    return stmt;
}

// A statement ready to run: compiled from the text, or a kept one with this run's values
// bound (`kept` then names it in the cache, which gets it back after the run).
struct Ready {
    sqlite3_stmt* stmt = nullptr;
    std::string kept;
};

// Compiles the one statement of `text`, through the cache when there is one. The caller
// holds the connection's mutex.
Ready PrepareToRun(sqlite3* db, shopbiz::detail::StatementCache* cache, const std::string& text) {
    shopbiz::detail::ParameterizedSql shape;
    if (cache && shopbiz::detail::Parameterize(text, shape)) {
        sqlite3_stmt* stmt = cache->Take(shape.text);
        if (!stmt) {
            const char* tail = nullptr;
            if (sqlite3_prepare_v3(db, shape.text.c_str(), static_cast<int>(shape.text.size()) + 1,
                                   SQLITE_PREPARE_PERSISTENT, &stmt, &tail) != SQLITE_OK ||
                !NothingRunsIn(tail)) {
                sqlite3_finalize(stmt);  // the text as written decides, below
                stmt = nullptr;
            }
        }
        if (stmt && shopbiz::detail::BindLiterals(stmt, shape.values) == SQLITE_OK) return {stmt, shape.text};
        sqlite3_finalize(stmt);
    }
    return {PrepareOne(db, text), {}};
}

// After the run: a kept statement goes back to the cache, any other is finalized.
void Release(shopbiz::detail::StatementCache* cache, Ready& ready) {
    if (!ready.stmt) return;
    if (cache && !ready.kept.empty())
        cache->Give(ready.kept, ready.stmt);
    else
        sqlite3_finalize(ready.stmt);
    ready.stmt = nullptr;
}

// Steps the statement to its end and releases it; throws the statement's own error, with
// the text as it was given.
void RunAndRelease(sqlite3* db, shopbiz::detail::StatementCache* cache, Ready ready, const std::string& text) {
    try {
        BeforeStatement(db, text.c_str());
    } catch (...) {
        Release(cache, ready);
        throw;
    }
    int rc;
    while ((rc = sqlite3_step(ready.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        CppSQLite3Exception e = SqliteError(db, rc, text.c_str());
        Release(cache, ready);
        throw e;
    }
    Release(cache, ready);
}

// A column's name as SQLite gives it (UTF-8) against a wide name, ASCII case aside.
bool SameColumnName(const char* column, const wchar_t* name) {
    size_t i = 0;
    for (; column[i]; ++i) {
        const unsigned char x0 = static_cast<unsigned char>(column[i]);
        if (x0 >= 0x80) return false;  // not ASCII: compared as wide text by the caller
        wchar_t x = static_cast<wchar_t>(x0), y = name[i];
        if (!y) return false;
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x + 32);
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y + 32);
        if (x != y) return false;
    }
    return name[i] == L'\0';
}

bool IsAscii(const char* text) {
    for (; *text; ++text)
        if (static_cast<unsigned char>(*text) >= 0x80) return false;
    return true;
}

bool SameNameIgnoringCase(const std::wstring& a, const wchar_t* b) {
    size_t i = 0;
    for (; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (!y) return false;
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x + 32);
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y + 32);
        if (x != y) return false;
    }
    return b[i] == L'\0';
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Exception

CppSQLite3Exception::CppSQLite3Exception(int errorCode, const wchar_t* message, const wchar_t* statement)
    : mnErrCode(errorCode),
      mpszErrMess(std::make_shared<const std::wstring>(message ? message : L"")),
      mpszStatement(statement && *statement ? std::make_shared<const std::wstring>(statement) : nullptr) {
    ++t_errorsThrown;
    t_lastError = mpszErrMess;
}

namespace shopbiz::detail {

unsigned long DatabaseErrorsThrown() { return t_errorsThrown; }

CString LastDatabaseError() { return t_lastError ? CString(t_lastError->c_str()) : CString(); }

}  // namespace shopbiz::detail

// ---------------------------------------------------------------------------------------
// Shared states

namespace shopbiz::detail {

struct StatementState {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    ~StatementState() {
        if (stmt) sqlite3_finalize(stmt);
    }
};

struct QueryState {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    bool eof = true;
    // Set when the statement belongs to a compiled statement: it is reset, not finalized,
    // and stays alive as long as this result set does.
    std::shared_ptr<StatementState> owner;
    // Set when the statement is kept on the connection: it goes back to the cache.
    std::weak_ptr<StatementCache> cache;
    std::string kept;
    std::string sql;  // the text as given, for errors
    int columns = 0;
    // The column names as wide text, made when first asked for.
    std::vector<std::wstring> names;

    ~QueryState() { Finalize(); }
    void Finalize() {
        if (stmt) {
            if (owner) {
                sqlite3_reset(stmt);
            } else if (std::shared_ptr<StatementCache> keeper = kept.empty() ? nullptr : cache.lock()) {
                ConnectionMutex hold(db);
                keeper->Give(kept, stmt);
            } else {
                sqlite3_finalize(stmt);
            }
            stmt = nullptr;
        }
        owner.reset();
        eof = true;
    }
    const std::vector<std::wstring>& Names() {
        if (names.empty() && stmt && columns > 0) {
            names.reserve(static_cast<size_t>(columns));
            for (int i = 0; i < columns; ++i) names.push_back(Utf8ToWide(sqlite3_column_name(stmt, i)));
        }
        return names;
    }
    // Steps to the next row; throws on an SQL error (the statement is released first).
    void Step() {
        ConnectionMutex hold(db);
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            eof = false;
        } else if (rc == SQLITE_DONE) {
            eof = true;
        } else {
            CppSQLite3Exception e = SqliteError(db, rc, sql.empty() ? sqlite3_sql(stmt) : sql.c_str());
            Finalize();
            throw e;
        }
    }
};

}  // namespace shopbiz::detail

using shopbiz::detail::QueryState;
using shopbiz::detail::StatementCache;
using shopbiz::detail::StatementState;

// ---------------------------------------------------------------------------------------
// Result set

CppSQLite3Query::CppSQLite3Query() = default;
CppSQLite3Query::~CppSQLite3Query() = default;
CppSQLite3Query::CppSQLite3Query(const CppSQLite3Query& other) = default;
CppSQLite3Query& CppSQLite3Query::operator=(const CppSQLite3Query& other) = default;
CppSQLite3Query::CppSQLite3Query(std::shared_ptr<QueryState> state) : state_(std::move(state)) {}

bool CppSQLite3Query::isNull() const { return !state_ || !state_->stmt; }

bool CppSQLite3Query::eof() const { return !state_ || !state_->stmt || state_->eof; }

void CppSQLite3Query::nextRow() {
    if (!state_ || !state_->stmt || state_->eof) return;
    state_->Step();
}

void CppSQLite3Query::finalize() {
    if (state_) state_->Finalize();
}

int CppSQLite3Query::numFields() const { return state_ ? state_->columns : 0; }

int CppSQLite3Query::fieldIndex(const wchar_t* name) const {
    if (state_ && name) {
        if (state_->stmt) {
            // Compared as SQLite holds them; names beyond ASCII as wide text.
            for (int i = 0; i < state_->columns; ++i) {
                const char* column = sqlite3_column_name(state_->stmt, i);
                if (!column) continue;
                if (IsAscii(column) ? SameColumnName(column, name)
                                    : SameNameIgnoringCase(state_->Names()[static_cast<size_t>(i)], name))
                    return i;
            }
        } else {
            for (size_t i = 0; i < state_->names.size(); ++i)
                if (SameNameIgnoringCase(state_->names[i], name)) return static_cast<int>(i);
        }
    }
    throw CppSQLite3Exception(kComponentError, CString(L"Invalid field name requested: ") + (name ? name : L""));
}

CString CppSQLite3Query::fieldName(int column) const {
    if (!state_ || column < 0 || column >= numFields() || column >= static_cast<int>(state_->Names().size()))
        ThrowComponent(L"Invalid field index requested");
    return CString(state_->names[static_cast<size_t>(column)]);
}

sqlite3_stmt* CppSQLite3Query::RowStatement(int column) const {
    if (eof()) ThrowComponent(L"Null Virtual Machine pointer or no current row");
    if (column < 0 || column >= numFields()) ThrowComponent(L"Invalid field index requested");
    return state_->stmt;
}

int CppSQLite3Query::fieldDataType(int column) const { return sqlite3_column_type(RowStatement(column), column); }

bool CppSQLite3Query::fieldIsNull(int column) const { return fieldDataType(column) == SQLITE_NULL; }
bool CppSQLite3Query::fieldIsNull(const wchar_t* name) const { return fieldIsNull(fieldIndex(name)); }

CString CppSQLite3Query::fieldValue(int column) const {
    sqlite3_stmt* s = RowStatement(column);
    const unsigned char* text = sqlite3_column_text(s, column);
    if (!text) return CString();
    return CString(Utf8ToWide(std::string_view(reinterpret_cast<const char*>(text),
                                               static_cast<size_t>(sqlite3_column_bytes(s, column)))));
}
CString CppSQLite3Query::fieldValue(const wchar_t* name) const { return fieldValue(fieldIndex(name)); }

int CppSQLite3Query::getIntField(int column, int nullValue) const {
    sqlite3_stmt* s = RowStatement(column);
    return sqlite3_column_type(s, column) == SQLITE_NULL ? nullValue : sqlite3_column_int(s, column);
}
int CppSQLite3Query::getIntField(const wchar_t* name, int nullValue) const {
    return getIntField(fieldIndex(name), nullValue);
}

long long CppSQLite3Query::getInt64Field(int column, long long nullValue) const {
    sqlite3_stmt* s = RowStatement(column);
    return sqlite3_column_type(s, column) == SQLITE_NULL ? nullValue : sqlite3_column_int64(s, column);
}
long long CppSQLite3Query::getInt64Field(const wchar_t* name, long long nullValue) const {
    return getInt64Field(fieldIndex(name), nullValue);
}

double CppSQLite3Query::getFloatField(int column, double nullValue) const {
    sqlite3_stmt* s = RowStatement(column);
    return sqlite3_column_type(s, column) == SQLITE_NULL ? nullValue : sqlite3_column_double(s, column);
}
double CppSQLite3Query::getFloatField(const wchar_t* name, double nullValue) const {
    return getFloatField(fieldIndex(name), nullValue);
}

CString CppSQLite3Query::getStringField(int column, const wchar_t* nullValue) const {
    if (fieldIsNull(column)) return CString(nullValue);
    return fieldValue(column);
}
CString CppSQLite3Query::getStringField(const wchar_t* name, const wchar_t* nullValue) const {
    return getStringField(fieldIndex(name), nullValue);
}

std::string CppSQLite3Query::getBlobField(int column) const {
    sqlite3_stmt* s = RowStatement(column);
    const void* data = sqlite3_column_blob(s, column);
    int n = sqlite3_column_bytes(s, column);
    return data ? std::string(static_cast<const char*>(data), static_cast<size_t>(n)) : std::string();
}
std::string CppSQLite3Query::getBlobField(const wchar_t* name) const { return getBlobField(fieldIndex(name)); }

// ---------------------------------------------------------------------------------------
// Statement

CppSQLite3Statement::CppSQLite3Statement() = default;
CppSQLite3Statement::~CppSQLite3Statement() = default;
CppSQLite3Statement::CppSQLite3Statement(const CppSQLite3Statement& other) = default;
CppSQLite3Statement& CppSQLite3Statement::operator=(const CppSQLite3Statement& other) = default;
CppSQLite3Statement::CppSQLite3Statement(std::shared_ptr<StatementState> state) : state_(std::move(state)) {}

sqlite3_stmt* CppSQLite3Statement::Checked() const {
    if (!state_ || !state_->stmt) ThrowComponent(L"Null Virtual Machine pointer");
    return state_->stmt;
}

namespace {
void CheckBind(sqlite3* db, int rc) {
    if (rc != SQLITE_OK) {
        ConnectionMutex hold(db);
        throw SqliteError(db, rc, nullptr);
    }
}
}  // namespace

void CppSQLite3Statement::bind(int param, int value) {
    CheckBind(state_ ? state_->db : nullptr, sqlite3_bind_int(Checked(), param, value));
}

void CppSQLite3Statement::bind(int param, double value) {
    CheckBind(state_ ? state_->db : nullptr, sqlite3_bind_double(Checked(), param, value));
}

void CppSQLite3Statement::bind(int param, const wchar_t* value) {
    sqlite3_stmt* s = Checked();
    if (!value) {
        CheckBind(state_->db, sqlite3_bind_null(s, param));
        return;
    }
    std::string utf8 = WideToUtf8(value);
    CheckBind(state_->db, sqlite3_bind_text(s, param, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

void CppSQLite3Statement::bind(int param, const unsigned char* blob, int length) {
    sqlite3_stmt* s = Checked();
    if (!blob || length < 0) {
        CheckBind(state_->db, sqlite3_bind_null(s, param));
        return;
    }
    CheckBind(state_->db, sqlite3_bind_blob(s, param, blob, length, SQLITE_TRANSIENT));
}

void CppSQLite3Statement::bindInt64(int param, long long value) {
    CheckBind(state_ ? state_->db : nullptr, sqlite3_bind_int64(Checked(), param, value));
}

void CppSQLite3Statement::bindNull(int param) {
    CheckBind(state_ ? state_->db : nullptr, sqlite3_bind_null(Checked(), param));
}

int CppSQLite3Statement::execDML() {
    sqlite3_stmt* s = Checked();
    BeforeStatement(state_->db, sqlite3_sql(s));
    ConnectionMutex hold(state_->db);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        CppSQLite3Exception e = SqliteError(state_->db, rc, sqlite3_sql(s));
        sqlite3_reset(s);
        throw e;
    }
    sqlite3_reset(s);
    return 0;
}

CppSQLite3Query CppSQLite3Statement::execQuery() {
    sqlite3_stmt* s = Checked();
    auto q = std::make_shared<QueryState>();
    q->db = state_->db;
    q->stmt = s;
    q->owner = state_;
    BeforeStatement(state_->db, sqlite3_sql(s));
    q->columns = sqlite3_column_count(s);
    q->Step();
    return CppSQLite3Query(std::move(q));
}

void CppSQLite3Statement::reset() {
    sqlite3_stmt* s = Checked();
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
}

void CppSQLite3Statement::finalize() {
    // The statement itself ends when no result set reads from it any more.
    state_.reset();
}

// ---------------------------------------------------------------------------------------
// Connection

CppSQLite3DB::CppSQLite3DB() = default;

CppSQLite3DB::~CppSQLite3DB() { close(); }

void CppSQLite3DB::open(const char* utf8Path) {
    close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(utf8Path ? utf8Path : "", &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        CppSQLite3Exception e = SqliteError(db, rc, nullptr);
        sqlite3_close_v2(db);
        throw e;
    }
    mpDB = db;
    mpCache = std::make_shared<StatementCache>();
    setBusyTimeout(mnBusyTimeoutMs);
    // SQLite's default page cache (2 MiB) holds too little of a grown ledger's indexes: every
    // posted line would read their pages back from the file. Up to 64 MiB, taken as used. A
    // file that is no database refuses the setting: the first real statement says so.
    sqlite3_exec(mpDB, "PRAGMA cache_size=-65536", nullptr, nullptr, nullptr);
}

void CppSQLite3DB::open(const wchar_t* path) { open(WideToUtf8(path ? path : L"").c_str()); }

void CppSQLite3DB::close() {
    if (mpDB) {
        if (mpCache) {
            ConnectionMutex hold(mpDB);
            mpCache->Clear();
        }
        mpCache.reset();
        sqlite3_close_v2(mpDB);  // open statements keep the connection alive until finalized
        mpDB = nullptr;
    }
}

sqlite3* CppSQLite3DB::Checked() const {
    if (!mpDB) ThrowComponent(L"Database not open");
    return mpDB;
}

int CppSQLite3DB::execDML(const wchar_t* sql) {
    sqlite3* db = Checked();
    const std::string text = WideToUtf8(sql ? sql : L"");
    ConnectionMutex hold(db);
    Ready ready = PrepareToRun(db, mpCache.get(), text);
    if (ready.stmt) RunAndRelease(db, mpCache.get(), std::move(ready), text);
    return 0;
}

CppSQLite3Query CppSQLite3DB::execQuery(const wchar_t* sql) {
    sqlite3* db = Checked();
    const std::string text = WideToUtf8(sql ? sql : L"");
    auto q = std::make_shared<QueryState>();
    q->db = db;
    {
        ConnectionMutex hold(db);
        Ready ready = PrepareToRun(db, mpCache.get(), text);
        q->stmt = ready.stmt;
        if (!ready.kept.empty()) {
            q->kept = std::move(ready.kept);
            q->cache = mpCache;
        }
    }
    if (!q->stmt) return CppSQLite3Query(std::move(q));  // no statement in the text: an empty result
    q->sql = text;
    BeforeStatement(db, text.c_str());
    q->columns = sqlite3_column_count(q->stmt);
    q->Step();
    return CppSQLite3Query(std::move(q));
}

int CppSQLite3DB::execScalar(const wchar_t* sql, int nullValue) {
    CppSQLite3Query q = execQuery(sql);
    if (q.eof() || q.numFields() < 1) return nullValue;
    return q.getIntField(0, nullValue);
}

CString CppSQLite3DB::execScalarStr(const wchar_t* sql, const wchar_t* nullValue) {
    CppSQLite3Query q = execQuery(sql);
    if (q.eof() || q.numFields() < 1) return CString(nullValue);
    return q.getStringField(0, nullValue);
}

CppSQLite3Statement CppSQLite3DB::compileStatement(const wchar_t* sql) {
    sqlite3* db = Checked();
    const std::string text = WideToUtf8(sql ? sql : L"");
    auto s = std::make_shared<StatementState>();
    s->db = db;
    {
        ConnectionMutex hold(db);
        s->stmt = PrepareOne(db, text);
    }
    if (!s->stmt) ThrowComponent(L"No statement to compile", sql);
    return CppSQLite3Statement(std::move(s));
}

void CppSQLite3DB::execScript(const wchar_t* sql) {
    sqlite3* db = Checked();
    const std::string text = WideToUtf8(sql ? sql : L"");
    ConnectionMutex hold(db);
    for (const char* tail = text.c_str(); tail && *tail;) {
        sqlite3_stmt* stmt = nullptr;
        const char* next = nullptr;
        const int rc = sqlite3_prepare_v2(db, tail, -1, &stmt, &next);
        if (rc != SQLITE_OK) throw SqliteError(db, rc, tail);
        if (!stmt) break;  // only blanks or comments remained
        RunAndRelease(db, nullptr, {stmt, {}}, std::string(tail, next ? static_cast<size_t>(next - tail) : 0));
        tail = next;
    }
}

bool CppSQLite3DB::tableExists(const wchar_t* table) {
    sqlite3* db = Checked();
    ConnectionMutex hold(db);
    sqlite3_stmt* stmt = nullptr;
    const char* sql = "select count(*) from sqlite_master where type='table' and name=?";
    const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK) throw SqliteError(db, rc, sql);
    std::string name = WideToUtf8(table ? table : L"");
    sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    bool exists = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) > 0;
    sqlite3_finalize(stmt);
    return exists;
}

long long CppSQLite3DB::lastRowId() const { return sqlite3_last_insert_rowid(Checked()); }

int CppSQLite3DB::lastChanges() const { return sqlite3_changes(Checked()); }

bool CppSQLite3DB::inTransaction() const { return sqlite3_get_autocommit(Checked()) == 0; }

void CppSQLite3DB::setBusyTimeout(int milliseconds) {
    mnBusyTimeoutMs = milliseconds;
    if (mpDB) sqlite3_busy_timeout(mpDB, milliseconds);
}

void CppSQLite3DB::interrupt() {
    if (mpDB) sqlite3_interrupt(mpDB);
}

const char* CppSQLite3DB::SQLiteVersion() { return "3.3.8"; }
