// shopbiz report on the demo's shop: the stock, profit and warning reports as tables, their
// refusals, and a chart drawn as SVG and rendered in a real browser (headless Chromium).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shopbiz.h"
#include "support/Shell.h"

#ifdef SHOPBIZ_APP_PATH

namespace {

namespace fs = std::filesystem;

using namespace shell_test;

class ReportCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::remove_all(dir);
        fs::create_directories(dir);
        demo = Shell(Quoted(SHOPBIZ_APP_PATH) + " demo " + Quoted(shop.string()));
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }
    void SetUp() override { ASSERT_EQ(demo.exitCode, 0) << demo.out; }

    Outcome Report(const std::string& words) {
        return Shell(Quoted(SHOPBIZ_APP_PATH) + " report " + Quoted(shop.string()) + " " + words);
    }

    static inline fs::path dir = fs::path(::testing::TempDir()) / ("shopbiz-report-" + std::to_string(::getpid()));
    static inline fs::path shop = dir / "shop.db";
    static inline Outcome demo;
};

TEST_F(ReportCommand, StockProfitAndWarningsOfTheDemo) {
    const Outcome stock = Report("stock --from 2026-11-01 --to 2026-11-30");
    ASSERT_EQ(stock.exitCode, 0) << stock.out;
    for (const char* text : {"库存汇总 2026-11-01 至 2026-11-30 (6 个货品)", "期初数量", "结存金额",
                             "YL001  矿泉水550ml  瓶", "合计"})
        EXPECT_TRUE(Has(stock.out, text)) << text << "\n" << stock.out;
    const Outcome profit = Report("profit");
    ASSERT_EQ(profit.exitCode, 0) << profit.out;
    for (const char* text : {"客户利润 全部日期 (5 个客户)", "李记便利店", "货品利润 全部日期 (6 个货品)", "利润率",
                             "合计: 销售金额 "})
        EXPECT_TRUE(Has(profit.out, text)) << text << "\n" << profit.out;
    // A period without sales.
    const Outcome empty = Report("profit --from 2026-12-01 --to 2026-12-31");
    ASSERT_EQ(empty.exitCode, 0) << empty.out;
    EXPECT_TRUE(Has(empty.out, "(0 个客户)")) << empty.out;
    const Outcome warnings = Report("warnings");
    ASSERT_EQ(warnings.exitCode, 0) << warnings.out;
    EXPECT_TRUE(Has(warnings.out, "库存预警 (0 个货品")) << warnings.out;
}

TEST_F(ReportCommand, Refusals) {
    struct Case {
        std::string words;
        int exitCode;
        std::string says;
    } cases[] = {
        {"stock --from 2026-02-30", 2, "2026-02-30 is no day"},
        {"profit --from 2026-11-30 --to 2026-11-01", 2, "ends (2026-11-01) before it begins"},
        {"warnings --chart " + Quoted((dir / "w.svg").string()), 2, "the warnings report draws no chart"},
        {"profit --chart " + Quoted((dir / "no-such-dir" / "p.svg").string()), 1, "cannot write"},
        {"sales", 2, "no report called sales"},
    };
    for (const Case& c : cases) {
        const Outcome r = Report(c.words);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.words << "\n" << r.out;
        EXPECT_TRUE(Has(r.out, c.says)) << c.words << "\n" << r.out;
    }
    EXPECT_FALSE(fs::exists(dir / "w.svg"));
}

// The profit chart of the demo in a browser: one bar per customer and per product, each with
// its label left of it, the labels those of the library's chart series.
TEST_F(ReportCommand, ChartInARealBrowser) {
    const fs::path svg = dir / "profit.svg";
    const Outcome profit = Report("profit --chart " + Quoted(svg.string()));
    ASSERT_EQ(profit.exitCode, 0) << profit.out;
    std::string expected;
    {
        CppSQLite3DB db;
        db.open(shop.string().c_str());
        CStocksBLL::ChartSeries customers, products;
        CString error;
        ASSERT_EQ(CStocksBLL().GetCustProfitChartData(db, 10, L"", L"", L"", customers, error, L""), 0);
        ASSERT_EQ(CStocksBLL().GetProdProfitChartData(db, 10, L"", L"", L"", products, error, L""), 0);
        for (const auto* series : {&customers, &products})
            for (const auto& bar : *series) expected += bar[0].ToUtf8() + "|drawn|left\n";
        EXPECT_TRUE(Has(expected, "[矿泉水550...]|")) << expected;  // cut to six characters
        const std::string bars = std::to_string(customers.size() + products.size());
        EXPECT_TRUE(Has(profit.out, "chart: " + svg.string() + " (" + bars + " bars)")) << profit.out;
    }

    std::string why;
    const std::string browser = HeadlessChromium(dir / "profile", why);
    if (browser.empty()) GTEST_SKIP() << why;

    // The chart inline in a page whose script measures what the browser laid out.
    std::string chart = ReadFile(svg);
    chart = chart.substr(chart.find("<svg"));
    const fs::path page = dir / "chart.html";
    std::ofstream(page) << "<!doctype html><meta charset=\"utf-8\"><body>" << chart
                        << "<script>const rows = [...document.querySelectorAll('g.bar')].map(g => {"
                           "const bar = g.querySelector('rect').getBBox(), label = g.querySelector('text.label');"
                           "const box = label.getBBox();"
                           "return label.textContent + '|' + (bar.width > 0 && bar.height > 0 ? 'drawn' : 'empty') + '|' +"
                           "(box.width > 0 && box.x + box.width <= bar.x ? 'left' : 'overlaps');});"
                           "const pre = document.createElement('pre'); pre.id = 'measured';"
                           "pre.textContent = '\\n' + rows.join('\\n') + '\\n'; document.body.appendChild(pre);"
                           "</script></body>";
    const Outcome dom = Shell(browser + " --dump-dom " + Quoted("file://" + page.string()), 60);
    ASSERT_EQ(dom.exitCode, 0) << dom.out;
    const size_t at = dom.out.find("<pre id=\"measured\">");
    ASSERT_NE(at, std::string::npos) << dom.out;
    const std::string measured = dom.out.substr(at + 20, dom.out.find("</pre>", at) - at - 20);
    EXPECT_EQ(measured, expected);
}

}  // namespace

#endif
