#include "onlineshop/NetSupport.h"

namespace shopbiz {

NetFields FieldsOf(const CStringArray& array) { return NetFields(array.begin(), array.end()); }

SqlText NetInsert(const wchar_t* table, const wchar_t* const* columns, size_t count, const NetFields& fields,
                  std::initializer_list<ExtraColumn> extra) {
    SqlText names, values;
    auto add = [&](const wchar_t* column, const CString& value) {
        const wchar_t* comma = names.IsEmpty() ? L"" : L",";
        // Brackets: some marketplace field names ("desc") are SQL words.
        names += Sql(L"%s[%s]", comma, column);
        values += Sql(L"%s'%s'", comma, Quoted(value));
    };
    for (size_t i = 0; i < count; ++i) add(columns[i], i < fields.size() ? fields[i] : CString());
    for (const auto& [column, value] : extra) add(column, value);
    return Sql(L"INSERT INTO %s (%s) VALUES (%s)", table, names, values);
}

CString MissingFields(const wchar_t* what, size_t have, size_t need) {
    if (have >= need) return L"";
    return Fmt(L"%s不完整：应有%d项，只有%d项！", what, static_cast<int>(need), static_cast<int>(have));
}

CString MissingRows(const wchar_t* what, const NetRows& rows, int count, size_t width) {
    if (count < 0 || static_cast<size_t>(count) > rows.size())
        return Fmt(L"%s不完整：应有%d行，只有%d行！", what, count, static_cast<int>(rows.size()));
    for (int i = 0; i < count; ++i)
        if (rows[static_cast<size_t>(i)].size() < width)
            return Fmt(L"第%d行%s不完整：应有%d项，只有%d项！", i + 1, what, static_cast<int>(width),
                       static_cast<int>(rows[static_cast<size_t>(i)].size()));
    return L"";
}

int ReportNetFailure(const wchar_t* method, const CString& record, const CString& reason, CString* error) {
    if (error) *error = reason;
    LogLine(Fmt(L"%s() ERR: %s\r\n%s", method, record, reason));
    return -1;
}

}  // namespace shopbiz
