// shopbiz demo PATH: a new shop database with a month of trading posted through the library
// as a front end posts it, then the stock of each product and the balance of each partner
// and settlement account.

#include <exception>
#include <stdexcept>
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "TextTable.h"
#include "demo/DemoShop.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

void PrintReport(CppSQLite3DB& db, const char* title, const wchar_t* sql) {
    CppSQLite3Query q = db.execQuery(sql);
    std::cout << '\n' << title << '\n';
    TextTable::FromQuery(q).Print(std::cout);
}

void PrintStockAndBalances(CppSQLite3DB& db) {
    PrintReport(db, "货品库存",
                L"SELECT ProductCode AS 编码, ProductName AS 货品, TypeName AS 类别, UnitName AS 单位, "
                L"printf('%.2f', CurStock) AS 当前库存, SecUnitName AS 大单位, Coefficient AS 换算, "
                L"printf('%.2f', InPrice) AS 进价, printf('%.2f', Price) AS 零售价 "
                L"FROM Products WHERE IsDelete = 0 ORDER BY ProductCode");
    PrintReport(db, "往来单位余额 (客户: 应收, 供应商: 应付)",
                L"SELECT CompanyCode AS 编码, CompanyName AS 往来单位, "
                L"CASE CompanyType WHEN 1 THEN '客户' ELSE '供应商' END AS 类型, "
                L"printf('%.2f', InitAmount) AS 期初, printf('%.2f', CurAmount) AS 当前余额 "
                L"FROM Companies WHERE CompanyType IN (1, 2) ORDER BY CompanyType, CompanyID");
    PrintReport(db, "结算账户",
                L"SELECT SettleAcctName AS 结算账户, printf('%.2f', InitAmount) AS 期初, "
                L"printf('%.2f', CurAmount) AS 当前余额 FROM SettleAcct ORDER BY SettleAcctID");
}

// One line per stage on stderr, so that the report on stdout stays clean.
class Progress {
public:
    explicit Progress(int stages) : stages_(stages) {}
    void Stage(const char* what) {
        std::cerr << "[" << ++done_ << "/" << stages_ << "] " << what << '\n';
    }

private:
    int stages_;
    int done_ = 0;
};

int RunDemo(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    CppSQLite3DB db;
    NewShopFile file(path);
    Progress progress(demo::kMonthStages + 2);
    if (!file.Create(db)) return kFailed;
    demo::Shop shop(db);
    try {
        demo::PostTheMonth(shop, [&](const char* stage) { progress.Stage(stage); });
        Clock::UseSystemClock();
        // The month ends with its stock costs current, as the stock reports want them.
        progress.Stage("costing the stock");
        if (CStocksBLL().CaculateCost(db) != 1) throw std::runtime_error("the cost calculation failed");
    } catch (std::exception& e) {
        Clock::UseSystemClock();
        PrintError("demo: " + MessageText(CString::FromUtf8(e.what())) + "; nothing was left at " + path);
        return kFailed;
    } catch (CppSQLite3Exception& e) {
        Clock::UseSystemClock();
        PrintError("demo: " + MessageText(e.errorMessage()) + "; nothing was left at " + path);
        return kFailed;
    }
    progress.Stage("moving the finished shop database into place");
    if (!file.MoveIntoPlace(db)) return kFailed;
    if (!OpenShopDatabase(db, path)) return kFailed;
    std::cout << "posted " << shop.purchases() << " purchase bills and " << shop.sales() << " sale bills ("
              << shop.onlineOrders() << " online orders, " << shop.onlineRefunds() << " online refund) of "
              << CString(demo::Shop::Month()) << " into " << path << '\n';
    try {
        PrintStockAndBalances(db);
    } catch (CppSQLite3Exception& e) {
        PrintError(path + ": " + MessageText(e.errorMessage()));
        return kFailed;
    }
    return kDone;
}

}  // namespace

extern const Command kDemoCommand{
    "demo",
    "create a shop database with a month of trading; print stock and balances",
    "Creates a new shop database at PATH and posts a month of trading into it through the\n"
    "library, as a front end does: suppliers and customers (some created by their bills),\n"
    "products with two units, purchases, sales with discounts, a return, part payments,\n"
    "receipts and payments, a day of online shop orders and a refund, and brings the stock\n"
    "costs up to date. Then prints each product's stock and each partner's and settlement\n"
    "account's balance. The database appears at PATH only when it is complete; an existing\n"
    "file is never touched.",
    {{"PATH", ArgumentKind::Path, "where the new shop database goes"}},
    {},
    RunDemo,
};

}  // namespace shopbiz::app
