#pragma once
// The reports `shopbiz report` prints. Each family of reports lives in a file of its own under
// report/ and lists its kinds; the command finds a kind by name in the families below.

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/CString.h"

class CppSQLite3DB;

namespace shopbiz::app::report {

// What the command line asks of a report.
struct ReportRequest {
    CString from, to;   // the period, "YYYY-MM-DD"; empty when not given
    std::string chart;  // --chart FILE.svg; empty when not asked for
};

// One kind of report: `print` writes it to `out` and returns the program's exit code (kDone,
// or kFailed after printing why with PrintError).
struct ReportKind {
    const char* name;     // "stock", "receivables", ...
    const char* summary;  // one line in the command's help
    bool charts;          // takes --chart
    int (*print)(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out);
};

// The stock and profit reports (stock, profit, warnings).
const std::vector<ReportKind>& StockReports();
// The money reports (accounts, receivables, payables).
const std::vector<ReportKind>& MoneyReports();

}  // namespace shopbiz::app::report
