#pragma once
// The host program's commands. Each returns the process exit code:
// 0 done, 1 failed (the reason is printed on stderr), 2 bad arguments.

#include <string>
#include <vector>

class CppSQLite3DB;

namespace shopbiz::app {

using Args = std::vector<std::string>;  // the arguments after the command name

struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    size_t argumentCount;
    int (*run)(const Args& args);
};

const std::vector<Command>& AllCommands();

bool FileExists(const std::string& path);
// Opens an existing shop database and sends the library's log to "<path>.log".
// Prints the reason and returns false when the file is missing or cannot be opened.
bool OpenShopDatabase(CppSQLite3DB& db, const std::string& path);
// Creates a new shop database; refuses an existing file. Prints the reason on failure.
bool CreateShopDatabase(CppSQLite3DB& db, const std::string& path);

int RunInit(const Args& args);
int RunSql(const Args& args);
int RunStatus(const Args& args);
int RunDemo(const Args& args);

}  // namespace shopbiz::app
