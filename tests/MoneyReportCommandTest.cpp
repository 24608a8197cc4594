// `shopbiz report` with the money reports, run as a user runs it on the demo's shop: the
// balances it prints are those the shop's accounts and partners hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "frame/ServiceFrame.h"
#include "shopbiz.h"

#ifdef SHOPBIZ_APP_PATH

namespace {

namespace fs = std::filesystem;

class MoneyReportCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::remove_all(Dir());
        fs::create_directories(Dir());
        ASSERT_EQ(Run("demo shop.db", nullptr), 0);
    }
    static void TearDownTestSuite() { fs::remove_all(Dir()); }

    // One directory per process: ctest runs the tests side by side.
    static fs::path Dir() {
        return fs::path(::testing::TempDir()) / ("shopbiz_money_reports_" + std::to_string(getpid()));
    }
    // Runs `shopbiz WORDS` in the directory; stdout into `out`, stderr after it.
    static int Run(const std::string& words, std::string* out) {
        const std::string command = "cd '" + Dir().string() + "' && '" SHOPBIZ_APP_PATH "' " + words + " 2>&1";
        FILE* p = popen(command.c_str(), "r");
        if (!p) return -1;
        std::string text;
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
        const int status = pclose(p);
        if (out) *out = text;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The last column of each table row, by the texts of its first columns up to `keyColumn`
    // (empty cells take no column: the total row's "合计" comes first).
    static std::map<std::string, std::string> LastColumn(const std::string& text, size_t keyColumn) {
        std::map<std::string, std::string> values;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::vector<std::string> cells;
            for (std::string w; words >> w;) cells.push_back(w);
            for (size_t i = 0; i + 1 < cells.size() && i <= keyColumn; ++i) values[cells[i]] = cells.back();
        }
        return values;
    }
    static std::string Cents(double amount) { return shopbiz::Fmt(L"%.2f", amount).ToUtf8(); }
    // The first field of the query over the demo's shop (opened for each test), in cents.
    std::string Cents(const CString& sql) { return Cents(db.execQuery(sql).getFloatField(0)); }
    void SetUp() override { db.open((Dir() / "shop.db").c_str()); }
    CppSQLite3DB db;
};

TEST_F(MoneyReportCommand, DebtsEndAtThePartnersBalances) {
    for (const auto& [kind, type] : {std::pair{"receivables", 1}, std::pair{"payables", 2}}) {
        std::string out;
        ASSERT_EQ(Run(std::string("report shop.db ") + kind + " --from 2026-11-01 --to 2026-12-31", &out), 0) << out;
        const auto printed = LastColumn(out, 1);
        CppSQLite3Query partners = db.execQuery(
            shopbiz::Fmt(L"SELECT CompanyName, CurAmount FROM Companies WHERE CompanyType=%d AND CurAmount<>0", type));
        int owing = 0;
        for (; !partners.eof(); partners.nextRow(), ++owing) {
            const std::string name = partners.getStringField(0).ToUtf8();
            ASSERT_TRUE(printed.count(name)) << kind << " lacks " << name << "\n" << out;
            EXPECT_EQ(printed.at(name), Cents(partners.getFloatField(1))) << kind << " " << name;
        }
        EXPECT_GT(owing, 0) << kind;
        const CString total = shopbiz::Fmt(L"SELECT total(CurAmount) FROM Companies WHERE CompanyType=%d", type);
        EXPECT_EQ(printed.at("合计"), Cents(total)) << kind;
    }
}

TEST_F(MoneyReportCommand, AccountsEndWithWhatTheAccountsHold) {
    std::string out;
    ASSERT_EQ(Run("report shop.db accounts --from 2026-11-01 --to 2026-11-30", &out), 0) << out;
    EXPECT_NE(out.find("期初余额 " + Cents(L"SELECT total(InitAmount) FROM SettleAcct")), std::string::npos) << out;
    EXPECT_NE(out.find("期末余额 " + Cents(L"SELECT total(CurAmount) FROM SettleAcct") + "\n"), std::string::npos) << out;
    // Between them, the income and expense of the month by project.
    EXPECT_TRUE(LastColumn(out, 0).count("合计")) << out;
}

TEST_F(MoneyReportCommand, RefusesAPeriodThatIsNone) {
    const struct { const char* words; const char* says; } cases[] = {
        {"report shop.db receivables --from 2026-02-30", "--from takes a day YYYY-MM-DD, not 2026-02-30"},
        {"report shop.db payables --to 30.11.2026", "--to takes a day YYYY-MM-DD, not 30.11.2026"},
        {"report shop.db accounts --from 2026-12-01 --to 2026-11-01", "the period ends (2026-11-01) before it"},
        {"report shop.db accounts --chart a.svg", "the accounts report draws no chart"},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(Run(c.words, &out), 2) << c.words;
        EXPECT_NE(out.find(c.says), std::string::npos) << c.words << "\n" << out;
    }
}

}  // namespace

#endif
