// The shopbiz host program, run as a separate process the way a user runs it: exit codes,
// what it prints, and the files it leaves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shopbiz.h"
#include "support/RowText.h"

#ifdef SHOPBIZ_APP_PATH

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
    bool Says(const std::string& text) const { return (out + err).find(text) != std::string::npos; }
};

std::string Quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each test runs the program in an empty directory of its own.
class HostProgram : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome Run(const std::vector<std::string>& words) {
        std::string command = "cd " + Quoted(dir.string()) + " && " + Quoted(SHOPBIZ_APP_PATH);
        for (const auto& word : words) command += " " + Quoted(word);
        const fs::path errFile = dir.string() + ".stderr";
        command += " 2>" + Quoted(errFile.string());
        Outcome r;
        FILE* p = popen(command.c_str(), "r");
        if (!p) return r;
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
        const int status = pclose(p);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.err = ReadFile(errFile);
        fs::remove(errFile);
        return r;
    }

    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir = fs::path(::testing::TempDir()) /
                   ("shopbiz_host_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(HostProgram, RefusesBadArgumentsAndCreatesNothing) {
    struct Case {
        std::vector<std::string> words;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {{}, 2, "usage: shopbiz COMMAND"},
        {{"--help"}, 0, "demo PATH"},
        {{"help", "sql"}, 0, "usage: shopbiz sql PATH SQL"},
        {{"frobnicate", "x.db"}, 2, "unknown command 'frobnicate'"},
        {{"init", "--help"}, 0, "usage: shopbiz init PATH"},
        {{"demo", "-h"}, 0, "usage: shopbiz demo PATH"},
        {{"status", "x.db", "--help"}, 0, "usage: shopbiz status PATH"},
        {{"sql", "-h"}, 0, "usage: shopbiz sql PATH SQL"},
        {{"init", ""}, 2, "PATH is empty"},
        {{"demo", ""}, 2, "PATH is empty"},
        {{"sql", "x.db", ""}, 2, "SQL is empty"},
        {{"init", "--force", "x.db"}, 2, "unknown option '--force'"},
        {{"demo", "-x"}, 2, "unknown option '-x'"},
        {{"init"}, 2, "missing PATH"},
        {{"sql", "x.db"}, 2, "missing SQL"},
        {{"init", "a.db", "b.db"}, 2, "unexpected argument 'b.db'"},
    };
    for (const Case& c : cases) {
        std::string words;
        for (const auto& w : c.words) words += "[" + w + "] ";
        const Outcome r = Run(c.words);
        EXPECT_EQ(r.exitCode, c.exitCode) << words << r.out << r.err;
        EXPECT_TRUE(r.Says(c.says)) << words << "should say: " << c.says << "\n" << r.out << r.err;
        EXPECT_EQ(Files(), std::vector<std::string>{}) << words;
    }
    // After "--" a word that looks like an option is a path.
    EXPECT_EQ(Run({"init", "--", "-h"}).exitCode, 0);
    EXPECT_EQ(Files(), std::vector<std::string>{"-h"});
}

TEST_F(HostProgram, InitStatusAndSql) {
    Outcome missing = Run({"status", "shop.db"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "shopbiz: shop.db: no such shop database\n");
    ASSERT_EQ(Run({"init", "shop.db"}).exitCode, 0);
    EXPECT_EQ(Run({"status", "shop.db"}).out, "shop.db: newly created (no trading data yet)\n");
    Outcome again = Run({"init", "shop.db"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "shopbiz: shop.db already exists; not overwriting it\n");

    // Every statement runs in turn and shows its rows or the rows it changed.
    Outcome several = Run({"sql", "shop.db",
                           "UPDATE SystemInfo SET CompanyName='小店'; -- a comment\n"
                           "INSERT INTO BaseData (BaseName) VALUES ('a'), ('b');"
                           "SELECT CompanyName AS Name, 12 AS N FROM SystemInfo;"});
    EXPECT_EQ(several.exitCode, 0) << several.err;
    EXPECT_EQ(several.out, "1 row changed\n\n2 rows changed\n\nName  N\n----  --\n小店  12\n(1 row)\n");

    // The failing statement is named; those before it stand, those after it never run.
    Outcome failing = Run({"sql", "shop.db",
                           "UPDATE SystemInfo SET CompanyName='大店'; SELECT * FROM Nowhere; "
                           "UPDATE SystemInfo SET CompanyName='没有'"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_EQ(failing.out, "1 row changed\n");
    EXPECT_EQ(failing.err,
              "shopbiz: shop.db: statement 2 failed: no such table: Nowhere\n  SELECT * FROM Nowhere;\n"
              "  (the statements before it ran and stand)\n");
    EXPECT_EQ(Run({"sql", "shop.db", "SELECT CompanyName FROM SystemInfo"}).out,
              "CompanyName\n-----------\n大店\n(1 row)\n");
    // Inside a transaction, a failure rolls the transaction back.
    Outcome inTransaction = Run({"sql", "shop.db", "BEGIN; UPDATE SystemInfo SET CompanyName='x'; SELEC"});
    EXPECT_EQ(inTransaction.exitCode, 1);
    EXPECT_TRUE(inTransaction.Says("statement 3 failed: near \"SELEC\": syntax error")) << inTransaction.err;
    EXPECT_TRUE(inTransaction.Says("rolled back")) << inTransaction.err;
    EXPECT_TRUE(Run({"sql", "shop.db", "SELECT CompanyName FROM SystemInfo"}).Says("大店"));
    Outcome nothing = Run({"sql", "shop.db", " -- only a comment"});
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_TRUE(nothing.Says("holds no statement")) << nothing.err;
}

TEST_F(HostProgram, ErrorsNameThePathAndTheCause) {
    std::ofstream(dir / "notes.txt") << "not a database at all, but long enough to be read as a header by SQLite\n";
    {
        CppSQLite3DB other;
        other.open((dir / "other.db").c_str());
        other.execDML(L"CREATE TABLE Things (ID INTEGER)");
    }
    fs::create_directory(dir / "folder");
    struct Case {
        std::vector<std::string> words;
        const char* err;
    };
    const Case cases[] = {
        {{"status", "notes.txt"}, "shopbiz: notes.txt: not a shop database (file is not a database)\n"},
        {{"sql", "other.db", "SELECT 1"},
         "shopbiz: other.db: not a shop database (it lacks the shop's tables SystemInfo, SysSetting, Products, "
         "Companies, SettleAcct, SaleBills, PurBills, Account)\n"},
        {{"status", "folder"}, "shopbiz: folder: is a directory, not a shop database\n"},
        {{"init", "missing/shop.db"}, "shopbiz: missing/shop.db: cannot create: No such file or directory\n"},
        {{"demo", "notes.txt"}, "shopbiz: notes.txt already exists; not overwriting it\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = Run(c.words);
        EXPECT_EQ(r.exitCode, 1) << c.words[1];
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(Files(), (std::vector<std::string>{"folder", "notes.txt", "other.db"}));
}

// Word `valueColumn` of the printed table row whose word `nameColumn` is `name`.
std::string Printed(const std::string& out, const CString& name, size_t nameColumn, size_t valueColumn) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.size() > std::max(nameColumn, valueColumn) && w[nameColumn] == name.ToUtf8()) return w[valueColumn];
    }
    return "(not printed)";
}

// The demo's printed stock and balances are what its own ledger, bills and cash journal add
// up to, worked out here from the rows it left in the database.
TEST_F(HostProgram, DemoBalancesAgreeWithItsJournal) {
    Outcome demo = Run({"demo", "shop.db"});
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
    EXPECT_TRUE(demo.Says("posted 4 purchase bills and 17 sale bills (3 online orders, 1 online refund)")) << demo.out;
    EXPECT_TRUE(demo.Says("[8/8] moving the finished shop database into place")) << demo.err;

    CppSQLite3DB db;
    db.open((dir / "shop.db").c_str());
    // Settlement accounts: the opening balance and every sum of money the bills and the
    // receipts and payments moved through the account; the month totals must say the same.
    CppSQLite3Query accounts = db.execQuery(
        L"SELECT a.SettleAcctName, printf('%.2f', a.InitAmount"
        L" + (SELECT total(GetAmount) FROM SaleBills WHERE SettleAcctName = a.SettleAcctName AND BillType > 0)"
        L" - (SELECT total(GetAmount) FROM PurBills WHERE SettleAcctName = a.SettleAcctName AND BillType > 0)"
        L" + (SELECT total(InAmount - OutAmount) FROM Account WHERE SettleAcctName = a.SettleAcctName"
        L"    AND ProjectType = 2)),"
        L" printf('%.2f', a.InitAmount + (SELECT total(Balance) FROM AccountMonth"
        L"    WHERE SettleAcctName = a.SettleAcctName))"
        L" FROM SettleAcct a");
    int accountCount = 0;
    for (; !accounts.eof(); accounts.nextRow(), ++accountCount) {
        const CString name = accounts.getStringField(0);
        EXPECT_EQ(accounts.getStringField(1), accounts.getStringField(2)) << name;
        EXPECT_EQ(Printed(demo.out, name, 0, 2), accounts.getStringField(1).ToUtf8()) << name;
    }
    EXPECT_EQ(accountCount, 3);  // the online shop's money comes in on its own account
    // Partners: what each bill left owing, less the receipts and payments on account.
    CppSQLite3Query partners = db.execQuery(
        L"SELECT c.CompanyName, printf('%.2f',"
        L" (SELECT total(OweAmount) FROM SaleBills WHERE CompanyName = c.CompanyName)"
        L" + (SELECT total(OweAmount) FROM PurBills WHERE CompanyName = c.CompanyName)"
        L" - (SELECT total(InAmount + OutAmount) FROM Account WHERE CompanyName = c.CompanyName"
        L"    AND ProjectType = 2))"
        L" FROM Companies c WHERE CompanyType IN (1, 2)");
    int partnerCount = 0;
    for (; !partners.eof(); partners.nextRow(), ++partnerCount)
        EXPECT_EQ(Printed(demo.out, partners.getStringField(0), 1, 4), partners.getStringField(1).ToUtf8())
            << partners.getStringField(0);
    EXPECT_EQ(partnerCount, 9);
    // Stock: what the ledger took in less what it gave out.
    CppSQLite3Query stock = db.execQuery(
        L"SELECT ProductName, printf('%.2f', total(InCount) - total(OutCount)) FROM Stocks GROUP BY ProductName");
    int productCount = 0;
    for (; !stock.eof(); stock.nextRow(), ++productCount)
        EXPECT_EQ(Printed(demo.out, stock.getStringField(0), 1, 4), stock.getStringField(1).ToUtf8())
            << stock.getStringField(0);
    EXPECT_EQ(productCount, 6);
    // Every online order and refund became one sale bill of its type, and knows the bill.
    EXPECT_EQ(RowsOf(db.execQuery(
                  L"SELECT count(*), total(b.BillType = 3), total(b.GetAmount) FROM net_tbbillmain o JOIN SaleBills b "
                  L"ON b.BillCode = o.local_billcode WHERE o.local_status = '1' UNION ALL SELECT count(*), "
                  L"total(b.BillType = 4), total(b.GetAmount) FROM net_tbrefund r JOIN SaleBills b ON b.BillCode = "
                  L"r.local_billcode WHERE r.local_status = '1'")),
              L"3|3.0|138.8\n1|1.0|-6.0");
    // The store manager's summary of a trading day reads what the library makes of it.
    for (const char* day : {"2026-11-06", "2026-12-01"})
        EXPECT_EQ(Run({"summary", "shop.db", day}).out, CSysBLL().GetStoreMgrInfo(db, CString::FromUtf8(day)).ToUtf8() + "\n");
    EXPECT_EQ(Run({"summary", "shop.db", "2026-13-45"}).exitCode, 1);
    // The month ends costed: every ledger row has its cost, and a cost run finds nothing to do.
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM Stocks WHERE IsCale = 0 OR IsCale2 = 0"), 0);
    EXPECT_TRUE(Run({"cost", "shop.db"}).Says("shop.db: costs are current (0 products costed in"));
    db.close();

    Outcome again = Run({"demo", "shop.db"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.Says("already exists")) << again.err;
    EXPECT_EQ(Run({"status", "shop.db"}).out, "shop.db: in use\n");
}

// Interrupted half way, the demo leaves no half-made database behind, and runs again.
TEST_F(HostProgram, InterruptedDemoLeavesNothing) {
    // The demo reports its stages on stderr. A pipe with room for little more than the first
    // line stops it in its second stage, with the first one written into its scratch file.
    int errPipe[2];
    ASSERT_EQ(pipe(errPipe), 0);
    const int capacity = fcntl(errPipe[1], F_SETPIPE_SZ, 4096);
    ASSERT_GT(capacity, 64);
    const std::string filler(static_cast<size_t>(capacity) - 64, '.');
    ASSERT_EQ(write(errPipe[1], filler.data(), filler.size()), static_cast<ssize_t>(filler.size()));

    const std::string path = (dir / "shop.db").string();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(errPipe[1], 2);
        const int devnull = ::open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        execl(SHOPBIZ_APP_PATH, SHOPBIZ_APP_PATH, "demo", path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(errPipe[1]);
    auto scratchFiles = [&] {
        int n = 0;
        for (const auto& name : Files()) n += name.rfind("shop.db.partial-", 0) == 0;
        return n;
    };
    for (int waited = 0; scratchFiles() == 0 && waited < 100; ++waited) usleep(50000);
    EXPECT_GE(scratchFiles(), 1);  // the scratch file, perhaps with its journal
    usleep(300000);  // let it post the first stage and block
    kill(child, SIGINT);
    int status = 0;
    waitpid(child, &status, 0);
    close(errPipe[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    EXPECT_EQ(Files(), std::vector<std::string>{"shop.db.log"});  // no database, no scratch file

    Outcome rerun = Run({"demo", "shop.db"});
    EXPECT_EQ(rerun.exitCode, 0) << rerun.err;
    EXPECT_EQ(Run({"status", "shop.db"}).out, "shop.db: in use\n");
}

// The README shows the program's own help.
TEST_F(HostProgram, ReadmeShowsTheHelp) {
    const std::string readme = ReadFile(fs::path(SHOPBIZ_SOURCE_DIR) / "README.md");
    const Outcome help = Run({"--help"});
    EXPECT_NE(readme.find("```\n" + help.out + "```\n"), std::string::npos) << help.out;
}

}  // namespace

#endif
