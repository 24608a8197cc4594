#pragma once
// The desktop's file class, as far as the library uses it: reading a whole file that the
// front end names (product pictures). Opening for writing is not supported.

#include "platform/CString.h"

class CFile {
public:
    enum OpenFlags : unsigned { modeRead = 0x0000, shareDenyNone = 0x0040, typeBinary = 0x8000 };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing regular file for reading. False when it is missing, is no regular
    // file (a directory), cannot be read, or other flags than those above are asked for.
    bool Open(const wchar_t* fileName, unsigned openFlags = modeRead | typeBinary);
    bool IsOpen() const { return fd_ >= 0; }
    // Size in bytes; 0 when no file is open.
    unsigned long long GetLength() const;
    // Reads up to `count` bytes into the buffer: the number read, less only at the end of
    // the file or after a read error.
    unsigned Read(void* buffer, unsigned count);
    void Close();
    // The path given to Open.
    const CString& GetFilePath() const { return path_; }

private:
    int fd_ = -1;
    CString path_;
};
