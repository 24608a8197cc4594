// shopbiz report PATH KIND: a report of the shop printed as an aligned table.
#include <iostream>
#include <string>

#include "Command.h"
#include "ShopFiles.h"
#include "report/Reports.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

const report::ReportKind* FindReport(const std::string& name) {
    for (const auto* family : {&report::StockReports(), &report::MoneyReports()})
        for (const report::ReportKind& kind : *family)
            if (name == kind.name) return &kind;
    return nullptr;
}

std::string KindNames() {
    std::string names;
    for (const auto* family : {&report::StockReports(), &report::MoneyReports()})
        for (const report::ReportKind& kind : *family) names += (names.empty() ? "" : ", ") + std::string(kind.name);
    return names.empty() ? "none yet" : names;
}

int RunReport(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    const std::string& name = invocation.args[1];
    const report::ReportKind* kind = FindReport(name);
    if (!kind) {
        PrintError("report: no report called " + name + " (reports: " + KindNames() + ")");
        return kBadArguments;
    }
    report::ReportRequest request{CString::FromUtf8(invocation.OptionValue("--from")),
                                  CString::FromUtf8(invocation.OptionValue("--to")),
                                  invocation.OptionValue("--chart")};
    if (!request.chart.empty() && !kind->charts) {
        PrintError("report: the " + name + " report draws no chart");
        return kBadArguments;
    }
    CppSQLite3DB db;
    if (!OpenShopDatabase(db, path)) return kFailed;
    try {
        return kind->print(db, request, std::cout);
    } catch (CppSQLite3Exception& e) {
        PrintError(path + ": " + MessageText(e.errorMessage()));
        return kFailed;
    }
}

// The command's help: what it does, then every report with its line.
const std::string kDescription = [] {
    std::string text =
        "Prints one of the shop's reports as an aligned table. The stock and profit reports bring\n"
        "the stock costs up to date first; --chart draws a report's chart as an SVG file.\n\nreports:";
    for (const auto* family : {&report::StockReports(), &report::MoneyReports()})
        for (const report::ReportKind& kind : *family)
            text += "\n  " + std::string(kind.name) + std::string(13 - std::string(kind.name).size(), ' ') +
                    kind.summary + (kind.charts ? " [--chart]" : "");
    return text;
}();

}  // namespace

extern const Command kReportCommand{
    "report",
    "print a report of the shop (stock, profit, money) as a table",
    kDescription.c_str(),
    {{"PATH", ArgumentKind::Path, "an existing shop database"}, {"KIND", ArgumentKind::Text, "which report (listed above)"}},
    {{"--from", "YYYY-MM-DD", "the first day of the period"},
     {"--to", "YYYY-MM-DD", "the last day of the period"},
     {"--chart", "FILE.svg", "also draw the report's chart into FILE.svg"}},
    RunReport,
};

}  // namespace shopbiz::app
