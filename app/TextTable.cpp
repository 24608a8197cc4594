#include "TextTable.h"

#include <algorithm>
#include <ostream>

#include "frame/CppSQLite3.h"

namespace shopbiz::app {

namespace {

int CharWidth(wchar_t c) {
    auto in = [c](unsigned lo, unsigned hi) { return static_cast<unsigned>(c) >= lo && static_cast<unsigned>(c) <= hi; };
    if (in(0x1100, 0x115F) || in(0x2E80, 0x303E) || in(0x3040, 0xA4CF) || in(0xAC00, 0xD7A3) ||
        in(0xF900, 0xFAFF) || in(0xFE30, 0xFE4F) || in(0xFF00, 0xFF60) || in(0xFFE0, 0xFFE6) ||
        in(0x20000, 0x3FFFD))
        return 2;
    return 1;
}

bool LooksNumeric(const CString& s) {
    if (s.IsEmpty()) return true;
    int i = (s[0] == L'-' || s[0] == L'+') ? 1 : 0;
    bool digit = false;
    for (; i < s.GetLength(); ++i) {
        wchar_t c = s[i];
        if (c >= L'0' && c <= L'9') digit = true;
        else if (c != L'.') return false;
    }
    return digit;
}

}  // namespace

int DisplayWidth(const CString& text) {
    int w = 0;
    for (int i = 0; i < text.GetLength(); ++i) w += CharWidth(text[i]);
    return w;
}

TextTable::TextTable(std::vector<CString> headers) : headers_(std::move(headers)) {}

void TextTable::AddRow(std::vector<CString> cells) {
    cells.resize(headers_.size());
    rows_.push_back(std::move(cells));
}

void TextTable::Print(std::ostream& out) const {
    std::vector<int> width(headers_.size(), 0);
    std::vector<bool> right(headers_.size(), !rows_.empty());
    for (size_t c = 0; c < headers_.size(); ++c) width[c] = DisplayWidth(headers_[c]);
    for (const auto& row : rows_)
        for (size_t c = 0; c < row.size(); ++c) {
            width[c] = std::max(width[c], DisplayWidth(row[c]));
            if (!LooksNumeric(row[c])) right[c] = false;
        }

    auto line = [&](const std::vector<CString>& cells, bool header) {
        std::string text;
        for (size_t c = 0; c < cells.size(); ++c) {
            int pad = width[c] - DisplayWidth(cells[c]);
            const bool toRight = right[c] && !header;
            if (c) text += "  ";
            if (toRight) text.append(static_cast<size_t>(pad), ' ');
            text += cells[c].ToUtf8();
            if (!toRight && c + 1 < cells.size()) text.append(static_cast<size_t>(pad), ' ');
        }
        out << text << '\n';
    };
    line(headers_, true);
    std::vector<CString> rule;
    for (int w : width) rule.push_back(CString(L'-', w));
    line(rule, true);
    for (const auto& row : rows_) line(row, false);
}

TextTable TextTable::FromQuery(CppSQLite3Query& q) {
    std::vector<CString> headers;
    for (int i = 0; i < q.numFields(); ++i) headers.push_back(q.fieldName(i));
    TextTable table(headers);
    for (; !q.eof(); q.nextRow()) {
        std::vector<CString> cells;
        for (int i = 0; i < q.numFields(); ++i) cells.push_back(q.fieldIsNull(i) ? CString(L"NULL") : q.fieldValue(i));
        table.AddRow(std::move(cells));
    }
    return table;
}

}  // namespace shopbiz::app
