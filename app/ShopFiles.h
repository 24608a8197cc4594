#pragma once
// Opening and creating shop database files for the commands, with messages that name the
// path and the cause.

#include <string>

#include "platform/CString.h"

class CppSQLite3DB;

namespace shopbiz::app {

// A message of SQLite or of the library as one line for the terminal: UTF-8, line breaks
// "\r\n" made "\n", no trailing line break.
std::string MessageText(const CString& message);
// Prints "shopbiz: <text>" on stderr.
void PrintError(const std::string& text);

// Opens an existing shop database and sends the library's log to "<path>.log". When the file
// is missing, is not an SQLite database or lacks the shop's tables, prints why and returns false.
bool OpenShopDatabase(CppSQLite3DB& db, const std::string& path);

// A new shop database that appears at its path only when it is complete. It is built in a
// scratch file beside the path ("<path>.partial-XXXXXX"), which is removed when the work
// fails, when the process is interrupted (SIGINT, SIGTERM, SIGHUP) or when the object goes
// without MoveIntoPlace. An existing file at the path is never overwritten.
class NewShopFile {
public:
    explicit NewShopFile(std::string path);
    ~NewShopFile();
    NewShopFile(const NewShopFile&) = delete;
    NewShopFile& operator=(const NewShopFile&) = delete;

    // Opens the scratch file and creates the shop's tables in it; the library's log goes to
    // "<path>.log". Prints why and returns false when the path exists or the file cannot be made.
    bool Create(CppSQLite3DB& db);
    // Closes the connection and moves the finished database to its path.
    bool MoveIntoPlace(CppSQLite3DB& db);

    const std::string& path() const { return path_; }

private:
    void RemoveScratch();

    std::string path_;
    std::string scratch_;
};

}  // namespace shopbiz::app
