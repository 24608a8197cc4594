#pragma once
// The demo's front end: posts a shop's trading through the library the way the shop
// program's screens do, including the balances the library leaves to its caller.

#include <functional>
#include <string>
#include <vector>

#include "shopbiz.h"

namespace shopbiz::app::demo {

// What the front end sends for one bill line.
struct Line {
    const wchar_t* product;
    const wchar_t* baseUnit;
    const wchar_t* enteredUnit;  // the base unit or the product's second unit
    double coefficient;          // base units per entered unit
    double enteredCount;
    double enteredPrice;         // after the line discount
    double discountRate = 1.0;   // of the line
};

// One line of a marketplace order: the item (and its variant) and what the buyer paid.
struct OnlineLine {
    const wchar_t* item;  // num_iid
    const wchar_t* sku;   // "" for an item sold without variants
    const wchar_t* title;
    double count;
    double price;
};

class Shop {
public:
    explicit Shop(CppSQLite3DB& db) : db_(db) {}

    // Sets the clock to that day of the demo's month: the library stamps rows with it.
    void OpenDay(int day, int hour = 9);

    void Industry();
    void ProductType(const wchar_t* name);
    void Product(const wchar_t* name, const wchar_t* code, const wchar_t* type, const wchar_t* unit, double inPrice,
                 double price, double wholesale, const wchar_t* secondUnit, const wchar_t* coefficient);
    // A customer (type 1) or supplier (type 2) with the balance it starts with.
    void Partner(const wchar_t* name, int type, const wchar_t* contact, const wchar_t* phone, double opening);
    void Account(const wchar_t* name, const wchar_t* bank, const wchar_t* number, double opening);

    void Purchase(int day, const wchar_t* supplier, const wchar_t* account, const std::vector<Line>& lines, double paid,
                  const wchar_t* type = L"1");
    // discountPercent applies to the whole bill; a return (type "2") passes negative counts and amounts.
    void Sale(int day, int hour, const wchar_t* customer, const wchar_t* account, const std::vector<Line>& lines,
              double discountPercent, double paid, const wchar_t* type = L"1");
    // A walk-in customer pays the whole amount in cash at the counter.
    void CounterSale(int day, int hour, const std::vector<Line>& lines);
    // Money a customer pays on account, and money the shop pays a supplier: a journal line,
    // the partner's balance, and the settlement account's balance.
    void Receipt(int day, const wchar_t* customer, const wchar_t* account, double amount);
    void Payment(int day, const wchar_t* supplier, const wchar_t* account, double amount);

    // The online shop: its profile and the logistics companies it ships with.
    void OnlineShop();
    // One of the shop's marketplace items (or a variant), mapped to the local product.
    void OnlineItem(const wchar_t* item, const wchar_t* sku, const wchar_t* title, const wchar_t* variant,
                    double price, const wchar_t* product);
    // An order as downloaded from the marketplace, saved to be shipped.
    void OnlineOrder(int day, int hour, const wchar_t* tid, const wchar_t* buyer, const std::vector<OnlineLine>& lines);
    // Ships a saved order with a waybill and posts it as a sale bill.
    void ShipOnlineOrder(const wchar_t* tid, const wchar_t* logistics, const wchar_t* waybill);
    // A buyer sends goods of an order line back: the refund is saved and posted.
    void OnlineRefund(int day, const wchar_t* refundID, const wchar_t* tid, const OnlineLine& returned);

    int sales() const { return sales_; }
    int onlineOrders() const { return onlineOrders_; }
    int onlineRefunds() const { return onlineRefunds_; }
    int purchases() const { return purchases_; }

    static const wchar_t* Month();  // "2026-11"

private:
    int AccountID(const wchar_t* name);

    CppSQLite3DB& db_;
    int sales_ = 0;
    int purchases_ = 0;
    int onlineOrders_ = 0;
    int onlineRefunds_ = 0;
};

// What the demo's files share: a day of the month as a date, an amount as text, and a stop
// with the library's own message when a step fails.
CString Day(int day);
CString Money(double value);
void Check(bool ok, const CString& what, const CString& error);

// Posts the demo's month of trading; calls `stage` with the name of each stage as it begins.
void PostTheMonth(Shop& shop, const std::function<void(const char* stage)>& stage);
constexpr int kMonthStages = 6;

}  // namespace shopbiz::app::demo
