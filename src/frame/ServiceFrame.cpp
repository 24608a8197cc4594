#include "frame/ServiceFrame.h"

namespace shopbiz {

void LogLine(const CString& text) { CSuperLog::WriteLog(text.GetString(), 1, true); }

CString ReportDbError(const CppSQLite3Exception& e, CString* error, const wchar_t* format) {
    CString text = format ? Sql(format, e.errorMessage()) : CString(e.errorMessage());
    if (error) *error = text;
    LogLine(text);
    return text;
}

void ShowDbError(const CppSQLite3Exception& e) { AfxMessageBox(e.errorMessage(), 0, 0); }

}  // namespace shopbiz
