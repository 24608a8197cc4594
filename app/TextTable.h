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
    // Columns whose every cell is a number (or empty) are right-aligned, the others left-aligned.
    void Print(std::ostream& out) const;
    size_t RowCount() const { return rows_.size(); }

    // All rows of a result set, with its column names as headers.
    static TextTable FromQuery(CppSQLite3Query& q);

private:
    std::vector<CString> headers_;
    std::vector<std::vector<CString>> rows_;
};

// Terminal columns taken by the text.
int DisplayWidth(const CString& text);

}  // namespace shopbiz::app
