// shopbiz print: documents filled through the library, read back through their templates and
// laid out as a page; then the page in a real browser (headless Chromium): what it shows and
// that a 10-line bill fits one A4 sheet.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frame/SqlText.h"
#include "shopbiz.h"
#include "support/Shell.h"

#ifdef SHOPBIZ_APP_PATH

namespace {

namespace fs = std::filesystem;

using namespace shell_test;

class PrintPage : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome Print(const std::string& words) {
        return Shell(Quoted(SHOPBIZ_APP_PATH) + " print " + Quoted(shop.string()) + " " + words);
    }

    // A shop with a 10-line sale XS2013050001 to 城东小学, 10% off, 100 paid.
    void MakeShop() {
        CppSQLite3DB db;
        db.open(shop.string().c_str());
        shopbiz::CreateShopSchema(db);
        db.execDML(L"UPDATE SystemInfo SET CompanyName='城东文具店', StoreAddress='解放路1号', Contact='周店长'");
        BillItemRows items;
        double total = 0;
        for (int i = 1; i <= 10; ++i) {
            const CString count = shopbiz::Fmt(L"%d", i), price = shopbiz::Fmt(L"%d.50", i);
            const CString amount = shopbiz::Fmt(L"%.2f", i * (i + 0.5));
            total += i * (i + 0.5);
            items.push_back({shopbiz::Fmt(L"WJ%03d", i), shopbiz::Fmt(L"练习本%d号", i), L"本", price, count, amount, L"",
                             L"", L"本", L"1", count, price, price, L"1"});
        }
        CString error;
        const CString billAmount = shopbiz::Fmt(L"%.2f", total), due = shopbiz::Fmt(L"%.2f", total * 0.9);
        ASSERT_GT(CSaleBLL().InsertBill(db, L"", L"现金", L"2013-05-06", L"城东小学", billAmount, due, L"90", L"100",
                                        L"开学用品", items, 10, L"", L"张三", error, L"1"),
                  0)
            << error;
        db.close();
    }

    fs::path dir = fs::path(::testing::TempDir()) / ("shopbiz-print-" + std::to_string(::getpid()));
    fs::path shop = dir / "shop.db";
};

TEST_F(PrintPage, SaleBillPage) {
    MakeShop();
    const Outcome page = Print("sale XS2013050001 --out " + Quoted((dir / "sale.html").string()));
    ASSERT_EQ(page.exitCode, 0) << page.out;
    const std::string html = ReadFile(dir / "sale.html");
    for (const char* text : {"<h1>城东文具店</h1>", "<h2 class=\"title\">销售单</h2>", "<dt>客户名称</dt><dd>城东小学</dd>",
                             "<dt>单据编号</dt><dd>XS2013050001</dd>", "<dt>整单折扣</dt><dd>90.00%</dd>",
                             "<td>练习本10号</td>", "<td class=\"number\">105.00</td>",  // 10 × 10.50
                             "<dt>合计数量</dt><dd>55.00</dd>", "<dt>合计金额</dt><dd>412.50</dd>",
                             "<dt>本单欠款</dt><dd>271.25</dd>", "大写金额：肆佰壹拾贰元伍角"})
        EXPECT_TRUE(Has(html, text)) << text;
    // Nothing is left in the shop's print data table, and the receipt roll has fewer columns.
    CppSQLite3DB db;
    db.open(shop.string().c_str());
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM SysPrintData"), 0);
    db.close();
    const Outcome receipt = Print("sale XS2013050001 --paper receipt");
    ASSERT_EQ(receipt.exitCode, 0) << receipt.out;
    EXPECT_TRUE(Has(receipt.out, "size: 80mm")) << receipt.out;
    EXPECT_FALSE(Has(receipt.out, "<th data-code=\"ProductCode\">"));
    EXPECT_TRUE(Has(receipt.out, "<th data-code=\"ProductName\">货品名称</th>"));
}

TEST_F(PrintPage, RefusalsAndUnknownBills) {
    MakeShop();
    struct Case {
        std::string words;
        int exitCode;
        std::string says;
    } cases[] = {
        {"sale XS9", 1, "shopbiz: " + shop.string() + ": 没有编号为 XS9 的销售单"},
        {"invoice XS9", 2, "unknown KIND 'invoice'"},
        {"sales 2013-13-01..", 2, "KEY of a list is a period"},
        {"sale XS2013050001 --keyword x", 2, "--keyword is for the lists"},
        {"sale XS2013050001 --paper a5", 2, "--paper is a4 or receipt"},
        {"sale XS2013050001 --out " + Quoted(shop.string()), 2, "is the shop database itself"},
    };
    for (const Case& c : cases) {
        const Outcome r = Print(c.words);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.words;
        EXPECT_TRUE(Has(r.out, c.says)) << c.words << "\n" << r.out;
    }
    EXPECT_FALSE(fs::exists(dir / "page.html"));
}

// The demo's month printed: one of its sales, its purchases and the list of its sales.
TEST_F(PrintPage, DemoBills) {
    const Outcome demo = Shell(Quoted(SHOPBIZ_APP_PATH) + " demo " + Quoted(shop.string()));
    ASSERT_EQ(demo.exitCode, 0) << demo.out;
    const Outcome sale = Print("sale XS2026110009");
    ASSERT_EQ(sale.exitCode, 0) << sale.out;
    EXPECT_TRUE(Has(sale.out, "<dd>城东小学</dd>")) << sale.out;
    EXPECT_TRUE(Has(sale.out, "<td>练习本A5</td>")) << sale.out;
    const Outcome purchase = Print("purchase JH2026110001");
    ASSERT_EQ(purchase.exitCode, 0) << purchase.out;
    EXPECT_TRUE(Has(purchase.out, "<dd>华联文具批发</dd>")) << purchase.out;
    const Outcome list = Print("sales 2026-11-01..2026-11-30 --keyword 李记");
    ASSERT_EQ(list.exitCode, 0) << list.out;
    EXPECT_TRUE(Has(list.out, "<h2 class=\"title\">销售单列表</h2>")) << list.out;
    size_t rows = 0;
    for (size_t at = list.out.find("<td>李记便利店</td>"); at != std::string::npos;
         at = list.out.find("<td>李记便利店</td>", at + 1))
        ++rows;
    EXPECT_EQ(rows, 2u) << list.out;
}

// Headless Chromium renders the page: the bill's values in its text, one A4 sheet as PDF.
TEST_F(PrintPage, InARealBrowser) {
    std::string why;
    const std::string browser = HeadlessChromium(dir / "profile", why);
    if (browser.empty()) GTEST_SKIP() << why;
    MakeShop();
    const std::string html = (dir / "sale.html").string(), pdf = (dir / "sale.pdf").string();
    const Outcome page = Print("sale XS2013050001 --out " + Quoted(html) + " --pdf " + Quoted(pdf));
    ASSERT_EQ(page.exitCode, 0) << page.out;

    const Outcome dom = Shell(browser + " --dump-dom " + Quoted("file://" + html), 60);
    ASSERT_EQ(dom.exitCode, 0) << dom.out;
    for (const char* text : {"城东文具店", "XS2013050001", "城东小学", "练习本1号", "练习本10号", "412.50", "271.25",
                             "肆佰壹拾贰元伍角"})
        EXPECT_TRUE(Has(dom.out, text)) << text;
    const Outcome shot = Shell(browser + " --window-size=794,1123 --screenshot=" +
                                   Quoted((dir / "sale.png").string()) + " " + Quoted("file://" + html),
                               60);
    EXPECT_EQ(shot.exitCode, 0) << shot.out;
    EXPECT_GT(fs::file_size(dir / "sale.png"), 10000u);

    // One page, and A4 (595 x 842 points).
    const std::string document = ReadFile(pdf);
    int pages = 0;
    for (size_t at = document.find("/Type /Page"); at != std::string::npos; at = document.find("/Type /Page", at + 1))
        if (document[at + 11] != 's') ++pages;
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(Has(document, "/MediaBox [0 0 594.95996 841.91998]") || Has(document, "/MediaBox [0 0 595 842]"))
        << document.substr(0, 2000);
}

}  // namespace

#endif
