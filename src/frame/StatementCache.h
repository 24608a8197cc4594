#pragma once
// Compiled statements kept on a connection for the next statement of the same shape. The
// services build their SQL as text with the values written in; compiling that text is most
// of the cost of a short statement. Statements that differ only in their literal values are
// one statement with parameters: the literals are taken out of the text (Parameterize), the
// parameterized text is compiled once and kept, and each run binds its own values. Literals
// whose value can change the plan, the result's column names or the meaning of the text stay
// in it: the select list, ORDER BY and GROUP BY terms, single digits (flags, which partial
// indexes name), texts holding '%' (formats, patterns) and names after AS or COLLATE.
// A REAL literal goes in as CAST(? AS REAL) of its text, so the database reads exactly the
// number it would have read from the literal.

#include <sqlite3.h>

#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace shopbiz::detail {

struct Literal {
    enum class Kind { Integer, Text } kind;
    long long integer = 0;
    std::string text;  // the text, or the digits of a REAL
};

struct ParameterizedSql {
    std::string text;
    std::vector<Literal> values;
};

// The statement with its literals taken out. False when the statement is not to be kept:
// anything but a query, a data change or a transaction statement, a text that has parameters
// of its own, or one this reader does not follow.
bool Parameterize(std::string_view sql, ParameterizedSql& out);

// Binds the literals in order; SQLite's result code.
int BindLiterals(sqlite3_stmt* stmt, const std::vector<Literal>& values);

// The kept statements of one connection, least recently used first out. A statement taken is
// the caller's until given back; the connection's mutex is held around every call.
class StatementCache {
public:
    StatementCache() = default;
    ~StatementCache() { Clear(); }
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A kept statement of this parameterized text, taken out of the cache; null when none.
    sqlite3_stmt* Take(const std::string& text);
    // Keeps the statement for the next run of its text (reset, bindings cleared); beyond the
    // capacity the least recently used one is finalized.
    void Give(const std::string& text, sqlite3_stmt* stmt);
    // Finalizes everything kept.
    void Clear();

private:
    static constexpr size_t kCapacity = 128;
    using Entries = std::list<std::pair<std::string, sqlite3_stmt*>>;
    Entries entries_;  // most recently used first
    std::unordered_map<std::string, Entries::iterator> index_;
};

}  // namespace shopbiz::detail
