#include "Commands.h"

#include <sys/stat.h>

#include <cstdio>
#include <iostream>

#include "TextTable.h"
#include "shopbiz.h"

namespace shopbiz::app {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"init", "PATH", "create a new shop database (never overwrites a file)", 1, RunInit},
        {"sql", "PATH STATEMENT", "run one SQL statement and print its rows", 2, RunSql},
        {"status", "PATH", "tell whether the shop database is still newly created", 1, RunStatus},
        {"demo", "PATH", "create a shop database with a month of trading and print stock and balances", 1, RunDemo},
    };
    return commands;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool OpenShopDatabase(CppSQLite3DB& db, const std::string& path) {
    if (!FileExists(path)) {
        std::cerr << "shopbiz: " << path << ": no such shop database\n";
        return false;
    }
    try {
        db.open(path.c_str());
        CSuperLog::SetLogFile(path + ".log");
        return true;
    } catch (CppSQLite3Exception& e) {
        std::cerr << "shopbiz: " << path << ": " << CString(e.errorMessage()) << '\n';
        return false;
    }
}

bool CreateShopDatabase(CppSQLite3DB& db, const std::string& path) {
    if (FileExists(path)) {
        std::cerr << "shopbiz: " << path << " already exists; not overwriting it\n";
        return false;
    }
    try {
        db.open(path.c_str());
        CSuperLog::SetLogFile(path + ".log");
        CreateShopSchema(db);
        return true;
    } catch (CppSQLite3Exception& e) {
        std::cerr << "shopbiz: " << path << ": " << CString(e.errorMessage()) << '\n';
        db.close();
        std::remove(path.c_str());  // leave no half-made database behind
        return false;
    }
}

int RunInit(const Args& args) {
    CppSQLite3DB db;
    if (!CreateShopDatabase(db, args[0])) return 1;
    std::cout << "created shop database " << args[0] << '\n';
    return 0;
}

int RunSql(const Args& args) {
    CppSQLite3DB db;
    if (!OpenShopDatabase(db, args[0])) return 1;
    try {
        CSysBLL sys;
        CppSQLite3Query q = sys.ExecSQLForQuery(db, CString::FromUtf8(args[1]));
        if (q.numFields() == 0) {
            std::cout << "statement status: 0\n";
            return 0;
        }
        TextTable table = TextTable::FromQuery(q);
        table.Print(std::cout);
        std::cout << "(" << table.RowCount() << (table.RowCount() == 1 ? " row)\n" : " rows)\n");
        return 0;
    } catch (CppSQLite3Exception& e) {
        std::cerr << "shopbiz: " << CString(e.errorMessage()) << '\n';
        return 1;
    }
}

int RunStatus(const Args& args) {
    CppSQLite3DB db;
    if (!OpenShopDatabase(db, args[0])) return 1;
    try {
        CSysBLL sys;
        int isNew = sys.DBIsNewCreate(db);
        std::cout << args[0] << ": " << (isNew ? "newly created (no trading data yet)" : "in use") << '\n';
        return 0;
    } catch (CppSQLite3Exception& e) {
        std::cerr << "shopbiz: " << CString(e.errorMessage()) << '\n';
        return 1;
    }
}

}  // namespace shopbiz::app
