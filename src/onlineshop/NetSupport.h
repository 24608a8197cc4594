#pragma once
// What the online shop service's files share: inserts of marketplace arrays by their
// layouts, the checks that arrays are complete, and the log line of refused input.

#include <array>
#include <initializer_list>
#include <utility>

#include "frame/ServiceFrame.h"
#include "onlineshop/NetRecords.h"

namespace shopbiz {

// The texts of a CStringArray, in order.
NetFields FieldsOf(const CStringArray& array);

// A column that is not in a layout and the value it gets.
using ExtraColumn = std::pair<const wchar_t*, CString>;

// "INSERT INTO table ([c1],...,[extra]) VALUES ('v1',...,'extra')": the first `count`
// columns of the layout with the texts at their positions, then the extra columns.
SqlText NetInsert(const wchar_t* table, const wchar_t* const* columns, size_t count, const NetFields& fields,
                  std::initializer_list<ExtraColumn> extra = {});
template <size_t N>
SqlText NetInsert(const wchar_t* table, const std::array<const wchar_t*, N>& layout, const NetFields& fields,
                  std::initializer_list<ExtraColumn> extra = {}) {
    return NetInsert(table, layout.data(), N, fields, extra);
}

// "" when the array has at least `need` texts, else why it cannot be taken.
CString MissingFields(const wchar_t* what, size_t have, size_t need);
// "" when the first `count` rows are there and each has at least `width` texts.
CString MissingRows(const wchar_t* what, const NetRows& rows, int count, size_t width);

// A call that cannot go on (refused input, a refused posting): the reason into the error
// text (when given) and the log, naming the record ("tid=...") the call was about. -1.
int ReportNetFailure(const wchar_t* method, const CString& record, const CString& reason, CString* error = nullptr);

}  // namespace shopbiz
