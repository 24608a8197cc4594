// The C++ blocks of README.md and docs/hosts.md are built as programs of their own (see
// cmake/DocumentExamples.cmake); here they run as a host developer would run them.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifdef SHOPBIZ_EXAMPLE_PROGRAMS

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Programs() {
    std::vector<std::string> programs;
    std::string all = SHOPBIZ_EXAMPLE_PROGRAMS;
    for (size_t start = 0; start < all.size();) {
        size_t end = all.find('|', start);
        if (end == std::string::npos) end = all.size();
        programs.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return programs;
}

struct Outcome {
    int exitCode = -1;  // -1 when the program did not exit normally (a crash, an abort)
    std::string output;
};

Outcome RunIn(const fs::path& dir, const std::string& program) {
    Outcome r;
    FILE* p = popen(("cd '" + dir.string() + "' && '" + program + "' 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.output.append(buf, n);
    const int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class DocumentExamples : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir = fs::path(::testing::TempDir()) /
                   ("shopbiz_examples_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// In the order of the documents, in one directory: a later example may use the shop database
// an earlier one made, as a reader who tries them one after the other does.
TEST_F(DocumentExamples, EachRunsInTurn) {
    const auto programs = Programs();
    EXPECT_GE(programs.size(), 2u);
    for (const auto& program : programs) {
        const Outcome r = RunIn(dir, program);
        EXPECT_EQ(r.exitCode, 0) << fs::path(program).filename() << "\n" << r.output;
    }
}

// Alone, in an empty directory, an example either works or says why it cannot; it never dies
// without a word.
TEST_F(DocumentExamples, AloneEachWorksOrSaysWhy) {
    for (const auto& program : Programs()) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        const Outcome r = RunIn(dir, program);
        EXPECT_TRUE(r.exitCode == 0 || (r.exitCode == 1 && !r.output.empty()))
            << fs::path(program).filename() << " exit " << r.exitCode << "\n" << r.output;
    }
}

}  // namespace

#endif
