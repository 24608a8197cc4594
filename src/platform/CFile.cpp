#include "platform/CFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

CFile::~CFile() { Close(); }

bool CFile::Open(const wchar_t* fileName, unsigned openFlags) {
    Close();
    if (!fileName || (openFlags & ~static_cast<unsigned>(modeRead | shareDenyNone | typeBinary)) != 0) return false;
    path_ = fileName;
    const int fd = ::open(path_.ToUtf8().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

unsigned long long CFile::GetLength() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
    return static_cast<unsigned long long>(info.st_size);
}

unsigned CFile::Read(void* buffer, unsigned count) {
    if (fd_ < 0 || !buffer) return 0;
    unsigned done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<unsigned>(n);
    }
    return done;
}

void CFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}
