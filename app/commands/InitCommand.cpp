// shopbiz init PATH: a new, empty shop database.
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

int RunInit(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    CppSQLite3DB db;
    NewShopFile file(path);
    if (!file.Create(db) || !file.MoveIntoPlace(db)) return kFailed;
    std::cout << "created shop database " << path << '\n';
    return kDone;
}

}  // namespace

extern const Command kInitCommand{
    "init",
    "create a new shop database (never overwrites a file)",
    "Creates a new shop database at PATH with every table and the rows a new shop holds.\n"
    "An existing file is never touched; the database appears at PATH only when it is complete.",
    {{"PATH", ArgumentKind::Path, "where the new shop database goes"}},
    {},
    RunInit,
};

}  // namespace shopbiz::app
