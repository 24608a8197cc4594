// shopbiz demo PATH: a new shop database with a month of realistic trading, posted through
// the library, then the stock of each product and the balance of each partner and account.
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

#include "Commands.h"
#include "TextTable.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

const wchar_t* kMonth = L"2026-11";
const wchar_t* kOperator = L"店长";

CString Day(int day) {
    CString d;
    d.Format(L"%s-%02d", kMonth, day);
    return d;
}

CString Money(double v) {
    CString s;
    s.Format(L"%.2f", v);
    return s;
}

CString Precise(double v) {
    CString s;
    s.Format(L"%.08lf", v);
    return s;
}

// What the front end sends for one bill line, by position.
struct Line {
    const wchar_t* product;
    const wchar_t* baseUnit;
    const wchar_t* enteredUnit;  // the base unit or the product's second unit
    double coefficient;          // base units per entered unit
    double enteredCount;
    double enteredPrice;         // after the line discount
    double discountRate = 1.0;   // of the line
};

BillItemRow Row(const Line& l) {
    const double count = l.enteredCount * l.coefficient;
    const double price = l.enteredPrice / l.coefficient;
    const double amount = l.enteredCount * l.enteredPrice;
    return {L"",                          // 0 product code: found by name
            l.product,                    // 1
            l.baseUnit,                   // 2
            Precise(price)        ,        // 3 price per base unit, as text
            Money(count),                 // 4
            Money(amount),                // 5
            L"",                          // 6 remark
            L"",                          // 7
            l.enteredUnit,                // 8
            Money(l.coefficient),         // 9
            Money(l.enteredCount),        // 10
            Money(l.enteredPrice),        // 11
            Money(l.enteredPrice / l.discountRate),  // 12 price before the line discount
            Money(l.discountRate)};       // 13
}

double Total(const std::vector<Line>& lines) {
    double t = 0;
    for (const auto& l : lines) t += l.enteredCount * l.enteredPrice;
    return t;
}

// Stops the demo with the library's own message.
void Check(bool ok, const CString& what, const CString& error) {
    if (!ok) throw std::runtime_error((what + L": " + error).ToUtf8());
}

class Shop {
public:
    explicit Shop(CppSQLite3DB& db) : db_(db) {}

    void OpenDay(int day, int hour = 9) { Clock::SetFixedLocal(2026, 11, day, hour, 0, 0); }

    void ProductType(const wchar_t* name) {
        CString error;
        Check(CBaseBLL().InsertADBaseData(db_, name, 1, 1, error) == 0, L"product type", error);
    }

    void Product(const wchar_t* name, const wchar_t* code, const wchar_t* type, const wchar_t* unit, double inPrice,
                 double price, double wholesale, const wchar_t* secondUnit, const wchar_t* coefficient) {
        bool exists = false;
        CppSQLite3Query q = CProductsBLL().AddProducts(db_, name, code, type, unit, L"0", Money(inPrice), Money(price),
                                                       Money(wholesale), secondUnit, coefficient, false, L"", exists);
        Check(!q.eof(), CString(L"product ") + name, L"not created");
    }

    void Partner(const wchar_t* name, int type, const wchar_t* contact, const wchar_t* phone, double opening) {
        CString error;
        int id = CCustomerBLL().InsertCompany(db_, name, name, CCustomerBLL().GetNewCustomerCode(db_, type, error),
                                              contact, phone, L"", L"", L"", L"", L"", Money(opening), L"", 0, type,
                                              error);
        Check(id > 0, CString(L"partner ") + name, error);
        if (opening != 0) {
            int r = type == 1 ? CSaleBLL().InsertVirtualBill(db_, Money(opening), id, error)
                              : CPurBLL().InsertVirtualBill(db_, Money(opening), id, error);
            Check(r == 1, CString(L"opening balance of ") + name, error);
        }
    }

    void Account(const wchar_t* name, const wchar_t* bank, const wchar_t* number, double opening) {
        CString error;
        Check(CAccInfoBLL().InsertLIstData(db_, 1, name, bank, number, Money(opening), error) == 0,
              CString(L"account ") + name, error);
    }

    void Purchase(int day, const wchar_t* supplier, const wchar_t* account, const std::vector<Line>& lines,
                  double paid, const wchar_t* type = L"1") {
        OpenDay(day, 10);
        BillItemRows rows;
        for (const auto& l : lines) rows.push_back(Row(l));
        const double total = Total(lines);
        CString error;
        int id = CPurBLL().InsertBill(db_, L"", type, account, Day(day), supplier, Money(total), Money(total), L"100",
                                      Money(paid), L"", rows, static_cast<int>(rows.size()), L"", kOperator, error);
        Check(id > 0, CString(L"purchase from ") + supplier, error);
        ++purchases_;
    }

    // discountPercent applies to the whole bill; a return passes negative counts and amounts.
    void Sale(int day, int hour, const wchar_t* customer, const wchar_t* account, const std::vector<Line>& lines,
              double discountPercent, double paid, const wchar_t* type = L"1") {
        OpenDay(day, hour);
        BillItemRows rows;
        for (const auto& l : lines) rows.push_back(Row(l));
        const double total = Total(lines);
        const double due = total * discountPercent / 100.0;
        CString error;
        int id = CSaleBLL().InsertBill(db_, L"", account, Day(day), customer, Money(total), Money(due),
                                       Money(discountPercent), Money(paid), L"", rows, static_cast<int>(rows.size()),
                                       L"", kOperator, error, type);
        Check(id > 0, CString(L"sale to ") + (*customer ? customer : L"零售客户"), error);
        ++sales_;
    }

    // A walk-in customer pays the whole amount at the counter.
    void CounterSale(int day, int hour, const std::vector<Line>& lines) {
        Sale(day, hour, L"", L"现金", lines, 100, Total(lines));
    }

    void Receipt(int day, const wchar_t* customer, const wchar_t* account, double amount) {
        OpenDay(day, 16);
        CString error;
        Check(CAccountBLL().InsertAccountByRec(db_, account, AccountID(account), customer, Day(day), L"",
                                               L"收回欠款", amount, error) >= 0,
              CString(L"receipt from ") + customer, error);
    }

    void Payment(int day, const wchar_t* supplier, const wchar_t* account, double amount) {
        OpenDay(day, 16);
        CString error;
        Check(CAccountBLL().InsertAccountByPay(db_, account, AccountID(account), supplier, Day(day), L"",
                                               L"支付货款", amount, error) >= 0,
              CString(L"payment to ") + supplier, error);
    }

    int sales() const { return sales_; }
    int purchases() const { return purchases_; }

private:
    int AccountID(const wchar_t* name) {
        CString error;
        CppSQLite3Query q = CAccInfoBLL().GetBaseDataByName(db_, name, error);
        return q.eof() ? 0 : q.getIntField(L"SettleAcctID");
    }

    CppSQLite3DB& db_;
    int sales_ = 0;
    int purchases_ = 0;
};

void PostTheMonth(CppSQLite3DB& db, Shop& shop) {
    shop.OpenDay(1, 8);
    CSysBLL().SaveIndustryInfo(db, L"文具百货", L"城东文具便利店", L"零售兼批发", L"0", L"城东路18号", L"张店长", L"");
    shop.ProductType(L"文具");
    shop.ProductType(L"日用品");
    shop.ProductType(L"饮料");
    shop.Account(L"工商银行", L"中国工商银行城东支行", L"6222 0210 0100 8888", 20000);
    shop.Partner(L"华联文具批发", 2, L"王经理", L"0571-88001234", 0);
    shop.Partner(L"光明日用品公司", 2, L"陈小姐", L"0571-88115566", 1200);
    shop.Partner(L"城东小学", 1, L"刘老师", L"13800571234", 300);
    shop.Partner(L"李记便利店", 1, L"李老板", L"13900578888", 0);

    //            name          code      type      unit   in     price  whole  2nd unit coefficient
    shop.Product(L"中性笔0.5mm", L"WJ001", L"文具", L"支", 1.20, 2.50, 2.00, L"盒", L"12");
    shop.Product(L"练习本A5", L"WJ002", L"文具", L"本", 1.50, 3.00, 2.40, L"箱", L"100");
    shop.Product(L"2B铅笔", L"WJ003", L"文具", L"支", 0.60, 1.50, 1.00, L"盒", L"10");
    shop.Product(L"洗衣粉1kg", L"RY001", L"日用品", L"袋", 9.80, 15.00, 13.00, L"箱", L"10");
    shop.Product(L"抽纸三层", L"RY002", L"日用品", L"包", 3.20, 5.50, 4.60, L"箱", L"24");
    shop.Product(L"矿泉水550ml", L"YL001", L"饮料", L"瓶", 0.85, 2.00, 1.40, L"箱", L"24");

    // Stocking up at the start of the month.
    shop.Purchase(2, L"华联文具批发", L"工商银行",
                  {{L"中性笔0.5mm", L"支", L"盒", 12, 20, 14.40},
                   {L"练习本A5", L"本", L"箱", 100, 3, 150.00},
                   {L"2B铅笔", L"支", L"盒", 10, 30, 6.00}},
                  600.00);
    shop.Purchase(3, L"光明日用品公司", L"工商银行",
                  {{L"洗衣粉1kg", L"袋", L"箱", 10, 5, 98.00}, {L"抽纸三层", L"包", L"箱", 24, 4, 76.80}}, 500.00);
    // A supplier named for the first time is created by the bill; a line bought at a 10% discount.
    shop.Purchase(4, L"清泉饮品经销部", L"现金", {{L"矿泉水550ml", L"瓶", L"箱", 24, 20, 18.36, 0.9}}, 367.20);

    // Counter sales to walk-in customers, paid in full.
    for (int day = 5; day <= 28; day += 3) {
        shop.CounterSale(day, 11,
                         {{L"中性笔0.5mm", L"支", L"支", 1, 6.0 + day % 4, 2.50},
                          {L"矿泉水550ml", L"瓶", L"瓶", 1, 10.0 + day, 2.00},
                          {L"抽纸三层", L"包", L"包", 1, 2, 5.50}});
    }
    // Customers on account: a bill discount, part paid now.
    shop.Sale(6, 15, L"城东小学", L"工商银行",
              {{L"练习本A5", L"本", L"箱", 100, 1, 240.00}, {L"2B铅笔", L"支", L"盒", 10, 10, 10.00}}, 95, 200.00);
    shop.Sale(9, 14, L"李记便利店", L"现金",
              {{L"洗衣粉1kg", L"袋", L"箱", 10, 2, 130.00}, {L"矿泉水550ml", L"瓶", L"箱", 24, 5, 33.60}}, 98,
              300.00);
    // A customer named for the first time is created by the bill; nothing paid yet.
    shop.Sale(12, 10, L"阳光幼儿园", L"", {{L"2B铅笔", L"支", L"支", 1, 60, 1.00}, {L"练习本A5", L"本", L"本", 1, 40, 2.40}},
              100, 0);
    // Part of the school's order comes back.
    shop.Sale(14, 9, L"城东小学", L"工商银行", {{L"练习本A5", L"本", L"本", 1, -20, 2.40}}, 100, -48.00, L"2");
    shop.Sale(20, 16, L"李记便利店", L"现金", {{L"抽纸三层", L"包", L"箱", 24, 2, 110.40, 0.95}}, 100, 100.00);

    // Money settled later in the month.
    shop.Receipt(18, L"城东小学", L"工商银行", 150.00);
    shop.Receipt(25, L"阳光幼儿园", L"现金", 100.00);
    shop.Payment(21, L"华联文具批发", L"工商银行", 300.00);
    shop.Payment(27, L"光明日用品公司", L"工商银行", 800.00);
    // Restocking what sold well.
    shop.Purchase(24, L"清泉饮品经销部", L"现金", {{L"矿泉水550ml", L"瓶", L"箱", 24, 10, 20.40}}, 204.00);
}

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

}  // namespace

int RunDemo(const Args& args) {
    CppSQLite3DB db;
    if (!CreateShopDatabase(db, args[0])) return 1;
    Shop shop(db);
    try {
        PostTheMonth(db, shop);
    } catch (std::exception& e) {
        Clock::UseSystemClock();
        std::cerr << "shopbiz demo: " << e.what() << '\n';
        return 1;
    } catch (CppSQLite3Exception& e) {
        Clock::UseSystemClock();
        std::cerr << "shopbiz demo: " << CString(e.errorMessage()) << '\n';
        return 1;
    }
    Clock::UseSystemClock();
    std::cout << "posted " << shop.purchases() << " purchase bills and " << shop.sales() << " sale bills of "
              << CString(kMonth) << " into " << args[0] << '\n';
    PrintStockAndBalances(db);
    return 0;
}

}  // namespace shopbiz::app
