#pragma once
// Running the host program and a headless browser from the tests, under a time limit so that
// no test can hang.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace shell_test {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
};

// One word for the shell, whatever it holds.
inline std::string Quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command; stderr joins stdout.
inline Outcome Shell(const std::string& command, int seconds = 90) {
    Outcome r;
    FILE* p = popen(("timeout --kill-after=5 " + std::to_string(seconds) + " " + command + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
    const int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Headless Chromium (SHOPBIZ_CHROMIUM, or chromium) with its profile in `profile`, as the
// start of a command line; empty, with the reason in `why`, when it cannot start here.
inline std::string HeadlessChromium(const fs::path& profile, std::string& why) {
    const char* configured = std::getenv("SHOPBIZ_CHROMIUM");
    const std::string browser = configured && *configured ? configured : "chromium";
    const std::string command =
        Quoted(browser) +
        " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
        "--disable-component-update --disable-sync --user-data-dir=" + Quoted(profile.string());
    const Outcome probe = Shell(command + " --dump-dom about:blank", 60);
    if (probe.exitCode == 0 && Has(probe.out, "<html")) return command;
    why = "Chromium cannot start here (" + browser + ", exit code " + std::to_string(probe.exitCode) +
          "): " + probe.out.substr(0, 300);
    return {};
}

}  // namespace shell_test
