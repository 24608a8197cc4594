#include "print/Chromium.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

extern char** environ;

namespace shopbiz::app {

namespace {

namespace fs = std::filesystem;

// A file: URL of an absolute path, with every byte outside the unreserved set escaped.
std::string FileUrl(const fs::path& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : fs::absolute(path).lexically_normal().string()) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

// The last non-empty line of what the browser said, for the message.
std::string LastLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line, last;
    while (std::getline(in, line))
        if (!line.empty()) last = line;
    return last;
}

}  // namespace

std::string PrintPageToPdf(const std::string& htmlPath, const std::string& pdfPath, int timeoutSeconds) {
    const char* configured = std::getenv("SHOPBIZ_CHROMIUM");
    const std::string browser = configured && *configured ? configured : "chromium";
    std::string profileTemplate = (fs::temp_directory_path() / "shopbiz-chromium-XXXXXX").string();
    if (!::mkdtemp(profileTemplate.data())) return std::string("cannot make a browser profile: ") + std::strerror(errno);
    const fs::path profile = profileTemplate;
    const fs::path log = profile / "browser.log";
    std::error_code ignored;
    fs::remove(pdfPath, ignored);

    const std::vector<std::string> words = {
        "timeout", "--kill-after=5", std::to_string(timeoutSeconds), browser, "--headless", "--no-sandbox",
        "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile.string(),
        "--no-pdf-header-footer", "--print-to-pdf-no-header", "--print-to-pdf=" + fs::absolute(pdfPath).string(),
        FileUrl(htmlPath)};
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    std::string problem;
    if (spawned != 0) {
        problem = std::string("cannot run timeout: ") + std::strerror(spawned);
    } else {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (code == 124 || code == 137) {
            problem = browser + " did not finish within " + std::to_string(timeoutSeconds) + " s";
        } else if (code == 126 || code == 127) {
            problem = "cannot run " + browser + " (is Chromium installed? SHOPBIZ_CHROMIUM names another browser)";
        } else if (code != 0) {
            problem = browser + " failed (exit code " + std::to_string(code) + "): " + LastLine(log);
        } else if (!fs::exists(pdfPath) || fs::file_size(pdfPath, ignored) == 0) {
            problem = browser + " wrote no PDF: " + LastLine(log);
        }
    }
    fs::remove_all(profile, ignored);
    return problem;
}

}  // namespace shopbiz::app
