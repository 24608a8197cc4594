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

    int sales() const { return sales_; }
    int purchases() const { return purchases_; }

    static const wchar_t* Month();  // "2026-11"

private:
    int AccountID(const wchar_t* name);

    CppSQLite3DB& db_;
    int sales_ = 0;
    int purchases_ = 0;
};

// Posts the demo's month of trading; calls `stage` with the name of each stage as it begins.
void PostTheMonth(Shop& shop, const std::function<void(const char* stage)>& stage);
constexpr int kMonthStages = 5;

}  // namespace shopbiz::app::demo
