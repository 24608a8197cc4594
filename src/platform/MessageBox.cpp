#include "platform/MessageBox.h"

#include <mutex>

#include "platform/SuperLog.h"

namespace {
std::mutex g_mutex;
bool g_capturing = false;
std::vector<CString> g_shown;
}  // namespace

int AfxMessageBox(const wchar_t* text, unsigned /*type*/, unsigned /*helpId*/) {
    CString shown(text);
    {
        std::lock_guard<std::mutex> hold(g_mutex);
        if (g_capturing) g_shown.push_back(shown);
    }
    CSuperLog::WriteToFileOnly(L"[message box] " + shown);
    return IDOK;
}

namespace shopbiz {

void MessageBoxCapture::Start() {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_capturing = true;
    g_shown.clear();
}

void MessageBoxCapture::Stop() {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_capturing = false;
    g_shown.clear();
}

std::vector<CString> MessageBoxCapture::Take() {
    std::lock_guard<std::mutex> hold(g_mutex);
    std::vector<CString> out;
    out.swap(g_shown);
    return out;
}

}  // namespace shopbiz
