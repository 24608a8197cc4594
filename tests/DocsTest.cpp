// The documents for hosts name classes, methods and functions as `Class::Method`; each must
// exist in the library's headers, so that a rename cannot leave the documents behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#ifdef SHOPBIZ_SOURCE_DIR

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Docs, NamedMethodsExist) {
    std::vector<std::string> headers;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(SHOPBIZ_SOURCE_DIR) / "src"))
        if (entry.path().extension() == ".h") headers.push_back(ReadFile(entry.path()));

    int checked = 0;
    for (const char* document : {"README.md", "docs/hosts.md"}) {
        const std::string text = ReadFile(fs::path(SHOPBIZ_SOURCE_DIR) / document);
        ASSERT_FALSE(text.empty()) << document;
        // Only names in code spans: `CSaleBLL::InsertBill`, `CAccInfoBLL::UpdateBaseAccount(db, ...)`.
        const std::regex span("`([^`\n]+)`");
        const std::regex name(R"(\b([A-Za-z_]\w*)::([A-Za-z_]\w*))");
        for (std::sregex_iterator s(text.begin(), text.end(), span), end; s != end; ++s) {
            const std::string code = (*s)[1];
            for (std::sregex_iterator n(code.begin(), code.end(), name); n != end; ++n) {
                const std::string scope = (*n)[1], member = (*n)[2];
                if (scope == "std") continue;
                const std::regex declaresScope("\\b(class|namespace) " + scope + "\\b");
                const std::regex declaresMember("\\b" + member + "\\b");
                bool found = false;
                for (const auto& header : headers)
                    if (std::regex_search(header, declaresScope) && std::regex_search(header, declaresMember)) found = true;
                EXPECT_TRUE(found) << document << " names " << scope << "::" << member
                                   << ", which no header declares";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20);
}

}  // namespace

#endif
