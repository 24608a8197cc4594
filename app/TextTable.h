#pragma once
// Prints rows as an aligned text table; Chinese characters count two columns wide.

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/CString.h"

class CppSQLite3Query;

namespace shopbiz::app {

class TextTable {
public:
    explicit TextTable(std::vector<CString> headers);
    void AddRow(std::vector<CString> cells);
    // Numeric columns are right-aligned, the others left-aligned.
    void SetRightAligned(size_t column, bool right = true);
    void Print(std::ostream& out) const;
    size_t RowCount() const { return rows_.size(); }

    // All rows of a result set, with its column names as headers.
    static TextTable FromQuery(CppSQLite3Query& q);

private:
    std::vector<CString> headers_;
    std::vector<std::vector<CString>> rows_;
    std::vector<bool> right_;
};

// Terminal columns taken by the text.
int DisplayWidth(const CString& text);

}  // namespace shopbiz::app
