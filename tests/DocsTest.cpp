// The documents for hosts name classes, methods and functions as `Class::Method`; each must
// exist in the library's headers, so that a rename cannot leave the documents behind.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
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

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool ContainsWord(const std::string& text, const std::string& word) {
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !IsWordChar(text[at - 1]);
        const bool endsWord = at + word.size() == text.size() || !IsWordChar(text[at + word.size()]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

// Every Scope::Name inside the document's code spans (`...`).
std::vector<std::pair<std::string, std::string>> QualifiedNames(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> names;
    for (size_t open = text.find('`'); open != std::string::npos; open = text.find('`', open + 1)) {
        const size_t close = text.find_first_of("`\n", open + 1);
        if (close == std::string::npos) break;
        if (text[close] == '\n') {
            open = close;
            continue;
        }
        const std::string code = text.substr(open + 1, close - open - 1);
        for (size_t at = code.find("::"); at != std::string::npos; at = code.find("::", at + 2)) {
            size_t begin = at, end = at + 2;
            while (begin > 0 && IsWordChar(code[begin - 1])) --begin;
            while (end < code.size() && IsWordChar(code[end])) ++end;
            if (begin < at && end > at + 2) names.emplace_back(code.substr(begin, at - begin), code.substr(at + 2, end - at - 2));
        }
        open = close;
    }
    return names;
}

TEST(Docs, NamedMethodsExist) {
    std::vector<std::string> headers;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(SHOPBIZ_SOURCE_DIR) / "src"))
        if (entry.path().extension() == ".h") headers.push_back(ReadFile(entry.path()));

    int checked = 0;
    for (const char* document : {"README.md", "docs/hosts.md"}) {
        const std::string text = ReadFile(fs::path(SHOPBIZ_SOURCE_DIR) / document);
        ASSERT_FALSE(text.empty()) << document;
        for (const auto& [scope, member] : QualifiedNames(text)) {
            if (scope == "std") continue;
            bool found = false;
            for (const auto& header : headers)
                if ((ContainsWord(header, "class " + scope) || ContainsWord(header, "namespace " + scope)) &&
                    ContainsWord(header, member))
                    found = true;
            EXPECT_TRUE(found) << document << " names " << scope << "::" << member << ", which no header declares";
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

}  // namespace

#endif
