#include "platform/ProgramDirectory.h"

#include <unistd.h>

#include <climits>
#include <mutex>

#include "platform/TextCodec.h"

namespace shopbiz {

namespace {

std::mutex overrideMutex;
std::wstring overrideDirectory;  // empty: the running program's directory

std::wstring RunningProgramDirectory() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return L"./";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return L"./";
    return Utf8ToWide(path.substr(0, slash + 1));
}

}  // namespace

std::wstring ProgramDirectory() {
    {
        std::lock_guard<std::mutex> hold(overrideMutex);
        if (!overrideDirectory.empty()) return overrideDirectory;
    }
    return RunningProgramDirectory();
}

void SetProgramDirectory(const std::wstring& directory) {
    std::lock_guard<std::mutex> hold(overrideMutex);
    overrideDirectory = directory;
    if (!overrideDirectory.empty() && overrideDirectory.back() != L'/') overrideDirectory += L'/';
}

}  // namespace shopbiz
