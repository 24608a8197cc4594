#include "ShopFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "shopbiz.h"

namespace shopbiz::app {

namespace {

// The tables every shop database has from the start; a file without them is some other database.
const wchar_t* const kShopTables[] = {L"SystemInfo", L"SysSetting", L"Products", L"Companies", L"SettleAcct",
                                      L"SaleBills", L"PurBills", L"Account"};

bool Exists(const std::string& path, struct stat* st = nullptr) {
    struct stat local;
    return ::stat(path.c_str(), st ? st : &local) == 0;
}

// The scratch file of the database being built and SQLite's files beside it, removed by the
// signal handler. Kept in fixed buffers: a handler may only call async-signal-safe functions.
constexpr size_t kMaxPath = 4096;
constexpr const char* kSideFiles[] = {"", "-journal", "-wal", "-shm"};
char g_scratchFiles[4][kMaxPath + 16];
volatile std::sig_atomic_t g_scratchActive = 0;
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveScratchAndDie(int signal) {
    if (g_scratchActive)
        for (const char* file : g_scratchFiles) ::unlink(file);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void GuardScratch(const std::string& scratch) {
    for (size_t i = 0; i < 4; ++i) std::snprintf(g_scratchFiles[i], sizeof g_scratchFiles[i], "%s%s", scratch.c_str(), kSideFiles[i]);
    g_scratchActive = 1;
    for (int signal : kCleanedSignals) std::signal(signal, RemoveScratchAndDie);
}

void UnguardScratch() {
    g_scratchActive = 0;
    for (int signal : kCleanedSignals) std::signal(signal, SIG_DFL);
}

bool SyncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Renames without replacing a file that appeared at the target meanwhile.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the flag: a hard link never replaces either.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

}  // namespace

std::string MessageText(const CString& message) {
    CString text = message;
    text.Replace(L"\r\n", L"\n");
    text.Replace(L"\r", L"\n");
    text.TrimRight();
    return text.ToUtf8();
}

void PrintError(const std::string& text) { std::cerr << "shopbiz: " << text << '\n'; }

bool OpenShopDatabase(CppSQLite3DB& db, const std::string& path) {
    struct stat st;
    if (!Exists(path, &st)) {
        PrintError(path + ": no such shop database");
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        PrintError(path + ": is a directory, not a shop database");
        return false;
    }
    try {
        db.open(path.c_str());
    } catch (CppSQLite3Exception& e) {
        PrintError(path + ": cannot open: " + MessageText(e.errorMessage()));
        return false;
    }
    std::string missing;
    try {
        for (const wchar_t* table : kShopTables)
            if (!db.tableExists(table)) missing += (missing.empty() ? "" : ", ") + CString(table).ToUtf8();
    } catch (CppSQLite3Exception& e) {
        PrintError(path + ": not a shop database (" + MessageText(e.errorMessage()) + ")");
        db.close();
        return false;
    }
    if (!missing.empty()) {
        PrintError(path + ": not a shop database (it lacks the shop's tables " + missing + ")");
        db.close();
        return false;
    }
    CSuperLog::SetLogFile(path + ".log");
    return true;
}

NewShopFile::NewShopFile(std::string path) : path_(std::move(path)) {}

NewShopFile::~NewShopFile() { RemoveScratch(); }

bool NewShopFile::Create(CppSQLite3DB& db) {
    if (Exists(path_)) {
        PrintError(path_ + " already exists; not overwriting it");
        return false;
    }
    if (path_.size() > kMaxPath) {
        PrintError(path_ + ": the path is too long");
        return false;
    }
    std::string pattern = path_ + ".partial-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        PrintError(path_ + ": cannot create: " + std::strerror(errno));
        return false;
    }
    const mode_t mask = ::umask(0);  // mkstemp makes the file private; give it a new file's usual mode
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    scratch_ = pattern;
    GuardScratch(scratch_);
    try {
        db.open(scratch_.c_str());  // an empty file is an empty database
        // Nothing in the scratch file counts until it is moved into place, so its statements
        // need not wait for the disk; MoveIntoPlace syncs the whole file once.
        db.execDML(L"PRAGMA synchronous=OFF");
        CSuperLog::SetLogFile(path_ + ".log");
        CreateShopSchema(db);
        return true;
    } catch (CppSQLite3Exception& e) {
        PrintError(path_ + ": cannot create the shop's tables: " + MessageText(e.errorMessage()));
        db.close();
        RemoveScratch();
        return false;
    }
}

bool NewShopFile::MoveIntoPlace(CppSQLite3DB& db) {
    db.close();
    if (scratch_.empty()) return false;
    if (!SyncFile(scratch_)) {
        PrintError(path_ + ": cannot write the new database to disk: " + std::strerror(errno));
        RemoveScratch();
        return false;
    }
    if (!RenameNoReplace(scratch_, path_)) {
        PrintError(path_ + ": cannot move the new database into place: " + std::strerror(errno) +
                   (errno == EEXIST ? " (another program created the file meanwhile)" : ""));
        RemoveScratch();
        return false;
    }
    scratch_.clear();
    UnguardScratch();
    return true;
}

void NewShopFile::RemoveScratch() {
    if (scratch_.empty()) return;
    for (const char* side : kSideFiles) ::unlink((scratch_ + side).c_str());
    scratch_.clear();
    UnguardScratch();
}

}  // namespace shopbiz::app
