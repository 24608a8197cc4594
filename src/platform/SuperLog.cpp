#include "platform/SuperLog.h"

#include <cstdio>
#include <ctime>
#include <mutex>

#include "platform/Clock.h"

namespace {

std::mutex g_mutex;
std::string g_path;
// The log file stays open from the first line on; each line is flushed as it is written, so
// a crash loses nothing that was logged. Another path closes it.
std::FILE* g_file = nullptr;
bool g_capturing = false;
std::vector<CString> g_captured;

void CloseFile() {
    if (g_file) std::fclose(g_file);
    g_file = nullptr;
}

void AppendToFile(const CString& line, int level) {
    if (g_path.empty()) return;
    if (!g_file) g_file = std::fopen(g_path.c_str(), "a");
    if (!g_file) return;
    std::time_t now = shopbiz::Clock::Now();
    std::tm tm{};
    localtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    std::fprintf(g_file, "%s [%d] %s\n", stamp, level, line.ToUtf8().c_str());
    if (std::fflush(g_file) != 0) CloseFile();  // opened again for the next line
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
    CloseFile();
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
