// The stock and profit reports of `shopbiz report`.
#include "report/Reports.h"

namespace shopbiz::app::report {

const std::vector<ReportKind>& StockReports() {
    static const std::vector<ReportKind> kinds = {};
    return kinds;
}

}  // namespace shopbiz::app::report
