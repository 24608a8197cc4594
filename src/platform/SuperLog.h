#pragma once
// The logging component. The library writes through WriteLog only; the host chooses the
// file, and tests capture what was written.

#include <string>
#include <vector>

#include "platform/CString.h"

class CSuperLog {
public:
    static void WriteLog(const wchar_t* text, int level, bool flag);
    static void WriteLog(CString& text, int level, bool flag);

    // Host side: append lines to this file ("" stops writing to a file).
    static void SetLogFile(const std::string& path);
    static std::string GetLogFile();

    // Test side: while capturing, every text passed to WriteLog is also kept in memory.
    static void StartCapture();
    static void StopCapture();
    static std::vector<CString> TakeCaptured();

    // For platform pieces that report through the log file without being a library log call.
    static void WriteToFileOnly(const CString& line);
};
