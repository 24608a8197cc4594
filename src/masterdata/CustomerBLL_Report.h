#pragma once
// The error texts of the partner service: its own message, the database's message and the
// statement that failed, in the error text and the log.

#include "frame/ServiceFrame.h"

namespace shopbiz::partners {

// Layout of reads, balances, enabling and deleting.
inline constexpr const wchar_t* kReportLayout = L"1:%s\r\n2:%s\r\n3:sql=%s";
// Layout of creating and editing.
inline constexpr const wchar_t* kEditLayout = L"%s\r\n%s\r\nsql:%s";
inline constexpr const wchar_t* kSqlFailed = L"SQL执行失败!";

// A text made safe before it goes between quotes.
inline CString Safe(CString text) {
    CSysBLL::GetSafeString(text);
    return text;
}

}  // namespace shopbiz::partners
