// shopbiz summary PATH DAY: the store manager's summary of the day before DAY.
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

int RunSummary(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    const std::string& day = invocation.args[1];
    CppSQLite3DB db;
    if (!OpenShopDatabase(db, path)) return kFailed;
    const CString summary = CSysBLL().GetStoreMgrInfo(db, CString::FromUtf8(day));
    if (summary.IsEmpty()) {
        PrintError(path + ": no summary for " + day + " (a day reads YYYY-MM-DD)");
        return kFailed;
    }
    std::cout << summary << '\n';
    return kDone;
}

}  // namespace

extern const Command kSummaryCommand{
    "summary",
    "print the store manager's summary of the day before DAY",
    "Prints the store manager's daily summary: the income and expense of the day before DAY,\n"
    "what customers owe and what is owed to suppliers, and how many products are under or over\n"
    "their stock limits. Nothing is written to the shop database.",
    {{"PATH", ArgumentKind::Path, "an existing shop database"},
     {"DAY", ArgumentKind::Text, "the day the summary is read on, YYYY-MM-DD"}},
    {},
    RunSummary,
};

}  // namespace shopbiz::app
