#pragma once
// The modal message box of the desktop. Without a screen, its texts go to the log file
// (marked as message boxes) and can be captured by tests; it answers OK at once.

#include <vector>

#include "platform/CString.h"

constexpr int IDOK = 1;
constexpr unsigned MB_OK = 0;

int AfxMessageBox(const wchar_t* text, unsigned type = MB_OK, unsigned helpId = 0);

namespace shopbiz {

class MessageBoxCapture {
public:
    static void Start();
    static void Stop();
    static std::vector<CString> Take();
};

}  // namespace shopbiz
