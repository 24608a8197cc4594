#include "platform/SuperLog.h"

#include <cstdio>
#include <ctime>
#include <mutex>

#include "platform/Clock.h"

namespace {

std::mutex g_mutex;
std::string g_path;
bool g_capturing = false;
std::vector<CString> g_captured;

void AppendToFile(const CString& line, int level) {
    if (g_path.empty()) return;
    std::FILE* f = std::fopen(g_path.c_str(), "a");
    if (!f) return;
    std::time_t now = shopbiz::Clock::Now();
    std::tm tm{};
    localtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    std::fprintf(f, "%s [%d] %s\n", stamp, level, line.ToUtf8().c_str());
    std::fclose(f);
}

}  // namespace

void CSuperLog::WriteLog(const wchar_t* text, int level, bool /*flag*/) {
    CString line(text);
    std::lock_guard<std::mutex> hold(g_mutex);
    if (g_capturing) g_captured.push_back(line);
    AppendToFile(line, level);
}

void CSuperLog::WriteLog(CString& text, int level, bool flag) { WriteLog(text.GetString(), level, flag); }

void CSuperLog::SetLogFile(const std::string& path) {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_path = path;
}

std::string CSuperLog::GetLogFile() {
    std::lock_guard<std::mutex> hold(g_mutex);
    return g_path;
}

void CSuperLog::StartCapture() {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_capturing = true;
    g_captured.clear();
}

void CSuperLog::StopCapture() {
    std::lock_guard<std::mutex> hold(g_mutex);
    g_capturing = false;
    g_captured.clear();
}

std::vector<CString> CSuperLog::TakeCaptured() {
    std::lock_guard<std::mutex> hold(g_mutex);
    std::vector<CString> out;
    out.swap(g_captured);
    return out;
}

void CSuperLog::WriteToFileOnly(const CString& line) {
    std::lock_guard<std::mutex> hold(g_mutex);
    AppendToFile(line, 1);
}
