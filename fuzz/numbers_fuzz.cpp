// The amount and integer readers over any text. They agree on what a number is, blanks
// included: a whole number is a plain number and every reader gives it the same value; a
// plain number written into SQL unquoted is read by the database as the same number; the
// number slots of the SQL builder take exactly the plain and the whole numbers.
#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "frame/SqlText.h"

namespace {

sqlite3* Database() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        if (sqlite3_open(":memory:", &d) != SQLITE_OK) std::abort();
        return d;
    }();
    return db;
}

// What SQLite reads from the text put unquoted into a statement.
bool ReadBySqlite(const CString& text, double& value) {
    const std::string sql = "SELECT " + text.ToUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(Database(), sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return false;
    const bool row = sqlite3_step(st) == SQLITE_ROW && sqlite3_column_count(st) == 1;
    if (row) value = sqlite3_column_double(st, 0);
    sqlite3_finalize(st);
    return row;
}

bool Near(double a, double b) { return a == b || std::fabs(a - b) <= 1e-15 * std::fmax(std::fabs(a), std::fabs(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CString text = fuzzing::WideText(data, size);
    CString trimmed = text;
    trimmed.Trim();

    const wchar_t* end = nullptr;
    bool inRange = true;
    const double read = shopbiz::ReadNumber(text, &end, &inRange);
    if (end < text.GetString() || end > text.GetString() + text.GetLength()) std::abort();
    const double amount = shopbiz::ParseAmount(text);
    if (!(amount == read || (std::isnan(amount) && std::isnan(read)))) std::abort();
    if (!std::isfinite(amount)) std::abort();

    const bool plain = shopbiz::IsPlainNumber(text);
    int whole = 0;
    const bool isWhole = shopbiz::IsWholeNumber(text, true, &whole);
    const int toInt = shopbiz::WToI(text);

    if (isWhole) {
        if (!plain || amount != whole || toInt != whole) std::abort();
    }
    if (plain) {
        double bySqlite = 0;
        if (!ReadBySqlite(trimmed, bySqlite) || !Near(bySqlite, amount)) std::abort();
    }
    // Text stored as a number stays a number.
    if (!shopbiz::IsPlainNumber(shopbiz::NumberText(text))) std::abort();

    // The SQL builder's number slots take the plain and the whole numbers, and nothing else.
    bool amountTaken = true, wholeTaken = true;
    try {
        shopbiz::Sql(L"SELECT %s", shopbiz::Amount(text));
    } catch (const CppSQLite3Exception&) {
        amountTaken = false;
    }
    try {
        shopbiz::Sql(L"SELECT %s", shopbiz::WholeNumber(text));
    } catch (const CppSQLite3Exception&) {
        wholeTaken = false;
    }
    if (amountTaken != plain || wholeTaken != isWhole) std::abort();
    return 0;
}
