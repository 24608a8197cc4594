#include "frame/StatementCache.h"

#include <cerrno>
#include <cstdlib>

namespace shopbiz::detail {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsWordChar(char c) { return IsWordStart(c) || IsDigit(c) || c == '$'; }

// The word is the upper-case keyword, ASCII case aside.
bool Is(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (c != keyword[i]) return false;
    }
    return true;
}

template <class... Keywords>
bool IsAny(std::string_view word, Keywords... keywords) {
    return (Is(word, keywords) || ...);
}

// Where a literal stands: inside a select list or an ORDER BY / GROUP BY it stays in the text.
struct Level {
    bool selectList = false;
    bool ordering = false;
};

}  // namespace

bool Parameterize(std::string_view sql, ParameterizedSql& out) {
    out.text.clear();
    out.values.clear();
    const size_t n = sql.size();

    // The statement's first word decides whether it is kept at all.
    size_t i = 0;
    while (i < n && IsBlank(sql[i])) ++i;
    size_t w = i;
    while (w < n && IsWordChar(sql[w])) ++w;
    const std::string_view first = sql.substr(i, w - i);
    if (IsAny(first, "BEGIN", "COMMIT", "END", "ROLLBACK", "SAVEPOINT", "RELEASE")) {
        out.text.assign(sql);  // no values in these: kept as they stand
        return true;
    }
    if (!IsAny(first, "SELECT", "INSERT", "UPDATE", "DELETE", "REPLACE", "WITH", "VALUES")) return false;

    out.text.reserve(n + 16);
    std::vector<Level> levels(1);
    std::string_view previous;  // the word just before; empty after anything else
    auto mayTakeOut = [&] {
        const Level& l = levels.back();
        return !l.selectList && !l.ordering && !IsAny(previous, "AS", "COLLATE") && out.values.size() < 900;
    };

    for (i = 0; i < n;) {
        const char c = sql[i];
        if (IsBlank(c)) {
            out.text += c;
            ++i;
            continue;
        }
        if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            const size_t end = sql.find('\n', i);
            const size_t stop = end == std::string_view::npos ? n : end;
            out.text.append(sql.substr(i, stop - i));
            i = stop;
            continue;
        }
        if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const size_t end = sql.find("*/", i + 2);
            const size_t stop = end == std::string_view::npos ? n : end + 2;
            out.text.append(sql.substr(i, stop - i));
            i = stop;
            continue;
        }
        if (c == '\'') {
            std::string value;
            size_t j = i + 1;
            for (;; ++j) {
                if (j >= n) return false;  // unterminated: left to the database to refuse
                if (sql[j] == '\'') {
                    if (j + 1 < n && sql[j + 1] == '\'') {
                        value += '\'';
                        ++j;
                        continue;
                    }
                    break;
                }
                value += sql[j];
            }
            if (mayTakeOut() && value.find('%') == std::string::npos) {
                out.text += '?';
                out.values.push_back({Literal::Kind::Text, 0, std::move(value)});
            } else {
                out.text.append(sql.substr(i, j + 1 - i));
            }
            i = j + 1;
            previous = {};
            continue;
        }
        if (c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : c;
            size_t j = i + 1;
            for (;; ++j) {
                if (j >= n) return false;
                if (sql[j] == close) {
                    if (close != ']' && j + 1 < n && sql[j + 1] == close) {
                        ++j;
                        continue;
                    }
                    break;
                }
            }
            out.text.append(sql.substr(i, j + 1 - i));
            i = j + 1;
            previous = {};
            continue;
        }
        if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(sql[i + 1]))) {
            size_t j = i;
            bool real = false;
            if (c == '0' && i + 1 < n && (sql[i + 1] == 'x' || sql[i + 1] == 'X')) return false;  // hex: as it stands
            while (j < n && IsDigit(sql[j])) ++j;
            if (j < n && sql[j] == '.') {
                real = true;
                ++j;
                while (j < n && IsDigit(sql[j])) ++j;
            }
            if (j < n && (sql[j] == 'e' || sql[j] == 'E')) {
                real = true;
                size_t k = j + 1;
                if (k < n && (sql[k] == '+' || sql[k] == '-')) ++k;
                if (k >= n || !IsDigit(sql[k])) return false;
                while (k < n && IsDigit(sql[k])) ++k;
                j = k;
            }
            if (j < n && (IsWordChar(sql[j]) || sql[j] == '.')) return false;  // not a number this reader knows
            const std::string digits(sql.substr(i, j - i));
            bool takeOut = mayTakeOut() && !(digits.size() == 1);
            long long integer = 0;
            if (takeOut && !real) {
                errno = 0;
                char* end = nullptr;
                integer = std::strtoll(digits.c_str(), &end, 10);
                if (errno == ERANGE) takeOut = false;  // beyond 64 bits the literal is a REAL of its own
            }
            if (!takeOut) {
                out.text += digits;
            } else if (real) {
                out.text += "CAST(? AS REAL)";
                out.values.push_back({Literal::Kind::Text, 0, digits});
            } else {
                out.text += '?';
                out.values.push_back({Literal::Kind::Integer, integer, {}});
            }
            i = j;
            previous = {};
            continue;
        }
        if (IsWordStart(c)) {
            size_t j = i;
            while (j < n && IsWordChar(sql[j])) ++j;
            const std::string_view word = sql.substr(i, j - i);
            if (Is(word, "X") && j < n && sql[j] == '\'') return false;  // a blob literal
            Level& level = levels.back();
            if (Is(word, "SELECT")) {
                level.selectList = true;
                level.ordering = false;
            } else if (IsAny(word, "FROM", "WHERE", "HAVING", "LIMIT", "UNION", "INTERSECT", "EXCEPT", "WINDOW", "SET",
                             "VALUES")) {
                level.selectList = false;
                level.ordering = false;
            } else if (Is(word, "BY") && IsAny(previous, "ORDER", "GROUP")) {
                level.selectList = false;
                level.ordering = true;
            }
            out.text.append(word);
            previous = word;
            i = j;
            continue;
        }
        if (c == '?' || c == ':' || c == '@' || c == '$' || c == '#') return false;  // parameters of its own
        if (c == '(') levels.emplace_back();
        if (c == ')' && levels.size() > 1) levels.pop_back();
        out.text += c;
        previous = {};
        ++i;
    }
    return true;
}

int BindLiterals(sqlite3_stmt* stmt, const std::vector<Literal>& values) {
    if (sqlite3_bind_parameter_count(stmt) != static_cast<int>(values.size())) return SQLITE_RANGE;
    int index = 1;
    for (const Literal& v : values) {
        const int rc = v.kind == Literal::Kind::Integer
                           ? sqlite3_bind_int64(stmt, index, v.integer)
                           : sqlite3_bind_text(stmt, index, v.text.data(), static_cast<int>(v.text.size()), SQLITE_TRANSIENT);
        if (rc != SQLITE_OK) return rc;
        ++index;
    }
    return SQLITE_OK;
}

sqlite3_stmt* StatementCache::Take(const std::string& text) {
    auto it = index_.find(text);
    if (it == index_.end()) return nullptr;
    sqlite3_stmt* stmt = it->second->second;
    entries_.erase(it->second);
    index_.erase(it);
    return stmt;
}

void StatementCache::Give(const std::string& text, sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (index_.count(text)) {  // one of the same text came back first
        sqlite3_finalize(stmt);
        return;
    }
    entries_.emplace_front(text, stmt);
    index_[text] = entries_.begin();
    if (entries_.size() > kCapacity) {
        sqlite3_finalize(entries_.back().second);
        index_.erase(entries_.back().first);
        entries_.pop_back();
    }
}

void StatementCache::Clear() {
    for (auto& entry : entries_) sqlite3_finalize(entry.second);
    entries_.clear();
    index_.clear();
}

}  // namespace shopbiz::detail
