#include "platform/ProgramDirectory.h"

#include <unistd.h>

#include <climits>

#include "platform/TextCodec.h"

namespace shopbiz {

std::wstring ProgramDirectory() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return L"./";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return L"./";
    return Utf8ToWide(path.substr(0, slash + 1));
}

}  // namespace shopbiz
