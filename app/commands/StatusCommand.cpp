// shopbiz status PATH: whether the shop database is still as newly created.
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

int RunStatus(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    CppSQLite3DB db;
    if (!OpenShopDatabase(db, path)) return kFailed;
    try {
        const int isNew = CSysBLL().DBIsNewCreate(db);
        std::cout << path << ": " << (isNew ? "newly created (no trading data yet)" : "in use") << '\n';
        return kDone;
    } catch (CppSQLite3Exception& e) {
        PrintError(path + ": " + MessageText(e.errorMessage()));
        return kFailed;
    }
}

}  // namespace

extern const Command kStatusCommand{
    "status",
    "tell whether the shop database is still newly created",
    "Tells whether the shop database at PATH still counts as newly created: it does until it\n"
    "has products, customers, suppliers, sale and purchase bills, and a store name and industry.",
    {{"PATH", ArgumentKind::Path, "an existing shop database"}},
    {},
    RunStatus,
};

}  // namespace shopbiz::app
