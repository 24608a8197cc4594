// shopbiz sql PATH SQL: the host's own SQL shell over a shop database. It runs every
// statement of the text in turn, straight through SQLite, and prints what each one gave.
#include <sqlite3.h>

#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "TextTable.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

CString Utf8Column(sqlite3_stmt* stmt, int column, const unsigned char* text) {
    return CString::FromUtf8(std::string_view(reinterpret_cast<const char*>(text),
                                              static_cast<size_t>(sqlite3_column_bytes(stmt, column))));
}

// Steps the statement to its end. Prints its rows as a table, or the rows it changed.
// Returns SQLITE_DONE or the error code.
int RunStatement(sqlite3* db, sqlite3_stmt* stmt) {
    const int columns = sqlite3_column_count(stmt);
    std::vector<CString> headers;
    for (int c = 0; c < columns; ++c) headers.push_back(CString::FromUtf8(sqlite3_column_name(stmt, c)));
    TextTable table(headers);
    const long long changesBefore = sqlite3_total_changes64(db);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<CString> cells;
        for (int c = 0; c < columns; ++c) {
            const unsigned char* text = sqlite3_column_text(stmt, c);
            cells.push_back(text ? Utf8Column(stmt, c, text) : CString(L"NULL"));
        }
        table.AddRow(std::move(cells));
    }
    if (rc != SQLITE_DONE) return rc;
    if (columns > 0) {
        table.Print(std::cout);
        std::cout << "(" << table.RowCount() << (table.RowCount() == 1 ? " row)\n" : " rows)\n");
    } else {
        const long long changed = sqlite3_total_changes64(db) - changesBefore;
        std::cout << changed << (changed == 1 ? " row changed\n" : " rows changed\n");
    }
    return SQLITE_DONE;
}

// The statement's text on one line, shortened for a message.
// The statement's text on one line without the blanks and comments before it, shortened
// for a message.
std::string Excerpt(const char* begin, const char* end) {
    std::string text = end > begin ? std::string(begin, end) : std::string(begin);
    size_t start = 0;
    for (;;) {
        start = text.find_first_not_of(" \t\r\n", start);
        if (start == std::string::npos) return "";
        if (text.compare(start, 2, "--") == 0) {
            start = text.find('\n', start);
        } else if (text.compare(start, 2, "/*") == 0) {
            start = text.find("*/", start);
            if (start != std::string::npos) start += 2;
        } else {
            break;
        }
        if (start == std::string::npos) return "";
    }
    text = text.substr(start);
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return text.size() > 72 ? text.substr(0, 69) + "..." : text;
}

int RunSql(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    const std::string& sql = invocation.args[1];
    CppSQLite3DB shop;
    if (!OpenShopDatabase(shop, path)) return kFailed;
    sqlite3* db = shop.handle();
    const char* next = sql.c_str();
    int ran = 0;
    while (*next) {
        const char* start = next;
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(db, start, -1, &stmt, &next);
        if (rc == SQLITE_OK && !stmt) continue;  // only blanks or comments were left
        if (rc == SQLITE_OK) {
            if (ran > 0) std::cout << '\n';
            rc = RunStatement(db, stmt);
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) {
            std::string message = path + ": statement " + std::to_string(ran + 1) + " failed: " + sqlite3_errmsg(db) +
                                  "\n  " + Excerpt(start, next);
            if (!sqlite3_get_autocommit(db)) {
                sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
                message += "\n  (the transaction it was in is rolled back)";
            } else if (ran > 0) {
                message += "\n  (the statements before it ran and stand)";
            }
            PrintError(message);
            return kFailed;
        }
        ++ran;
    }
    if (ran == 0) {
        std::cerr << "shopbiz sql: the text holds no statement\n";
        return kBadArguments;
    }
    return kDone;
}

}  // namespace

extern const Command kSqlCommand{
    "sql",
    "run SQL statements and print their rows or the rows they changed",
    "Runs each statement of SQL in turn on the shop database at PATH, straight through SQLite\n"
    "(not through the library), and prints the rows of each query as a table or the number of\n"
    "rows each other statement changed. It stops at the first statement that fails; the\n"
    "statements before it stand (wrap them in BEGIN; ... COMMIT; for all or nothing).",
    {{"PATH", ArgumentKind::Path, "an existing shop database"},
     {"SQL", ArgumentKind::Text, "one or more statements separated by semicolons"}},
    {},
    RunSql,
};

}  // namespace shopbiz::app
