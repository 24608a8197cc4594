// shopbiz cost PATH: the full cost calculation over a shop database, with a progress line.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

// On a terminal one line that counts up; otherwise a line at every tenth of the work, so a
// log file gets a few lines and no carriage returns.
class CostProgressLine {
public:
    CostProgressLine() : terminal_(isatty(STDERR_FILENO) != 0) {}
    void operator()(int done, int total) {
        if (terminal_) {
            if (done == total || done % 50 == 0) std::cerr << "\rcosting products: " << done << "/" << total << std::flush;
            if (done == total) std::cerr << '\n';
            return;
        }
        const int tenth = total > 0 ? done * 10 / total : 10;
        if (tenth > lastTenth_) {
            lastTenth_ = tenth;
            std::cerr << "costing products: " << done << "/" << total << '\n';
        }
    }

private:
    bool terminal_;
    int lastTenth_ = 0;
};

int RunCost(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    CppSQLite3DB db;
    if (!OpenShopDatabase(db, path)) return kFailed;
    CostProgressLine progress;
    int products = 0;
    const auto start = std::chrono::steady_clock::now();
    const int result = CStocksBLL().CaculateCost(db, [&](int done, int total) {
        products = total;
        progress(done, total);
    });
    if (result != 1) {
        PrintError(path + ": the cost calculation failed and was undone; the reason is in " + path + ".log");
        return kFailed;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char took[32];
    std::snprintf(took, sizeof took, "%.1f", seconds);
    std::cout << path << ": costs are current (" << products << " products costed in " << took << " s)\n";
    return kDone;
}

}  // namespace

extern const Command kCostCommand{
    "cost",
    "bring the stock costs up to date (the moving-average cost calculation)",
    "Runs the cost calculation over every product whose stock ledger has rows not yet costed:\n"
    "moving-average unit costs, the cost of every sale and the stock balance after every row,\n"
    "with the correction for sales made out of negative stock. It runs in one transaction: on\n"
    "any error nothing is changed. Progress goes to stderr.",
    {{"PATH", ArgumentKind::Path, "an existing shop database"}},
    {},
    RunCost,
};

}  // namespace shopbiz::app
