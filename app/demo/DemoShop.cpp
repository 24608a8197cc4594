#include "demo/DemoShop.h"

#include <stdexcept>

namespace shopbiz::app::demo {

namespace {

const wchar_t* kMonth = L"2026-11";
const wchar_t* kOperator = L"店长";

CString Precise(double v) {
    CString s;
    s.Format(L"%.08lf", v);
    return s;
}

// A bill line as the item row the library reads by position.
BillItemRow Row(const Line& l) {
    const double count = l.enteredCount * l.coefficient;
    const double price = l.enteredPrice / l.coefficient;
    const double amount = l.enteredCount * l.enteredPrice;
    return {L"",                                     // 0 product code: found by name
            l.product,                               // 1
            l.baseUnit,                              // 2
            Precise(price),                          // 3 price per base unit
            Money(count),                            // 4
            Money(amount),                           // 5
            L"",                                     // 6 remark
            L"",                                     // 7
            l.enteredUnit,                           // 8
            Money(l.coefficient),                    // 9
            Money(l.enteredCount),                   // 10
            Money(l.enteredPrice),                   // 11
            Money(l.enteredPrice / l.discountRate),  // 12 price before the line discount
            Money(l.discountRate)};                  // 13
}

BillItemRows Rows(const std::vector<Line>& lines) {
    BillItemRows rows;
    for (const auto& l : lines) rows.push_back(Row(l));
    return rows;
}

double Total(const std::vector<Line>& lines) {
    double t = 0;
    for (const auto& l : lines) t += l.enteredCount * l.enteredPrice;
    return t;
}

}  // namespace

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

// Stops the demo with the library's own message.
void Check(bool ok, const CString& what, const CString& error) {
    if (!ok) throw std::runtime_error((what + L": " + (error.IsEmpty() ? CString(L"failed") : error)).ToUtf8());
}

const wchar_t* Shop::Month() { return kMonth; }

void Shop::OpenDay(int day, int hour) { Clock::SetFixedLocal(2026, 11, day, hour, 0, 0); }

void Shop::Industry() {
    CSysBLL().SaveIndustryInfo(db_, L"文具百货", L"城东文具便利店", L"零售兼批发", L"0", L"城东路18号", L"张店长", L"");
}

void Shop::ProductType(const wchar_t* name) {
    CString error;
    Check(CBaseBLL().InsertADBaseData(db_, name, 1, 1, error) == 0, CString(L"product type ") + name, error);
}

void Shop::Product(const wchar_t* name, const wchar_t* code, const wchar_t* type, const wchar_t* unit, double inPrice,
                   double price, double wholesale, const wchar_t* secondUnit, const wchar_t* coefficient) {
    bool exists = false;
    CppSQLite3Query q = CProductsBLL().AddProducts(db_, name, code, type, unit, L"0", Money(inPrice), Money(price),
                                                   Money(wholesale), secondUnit, coefficient, false, L"", exists);
    Check(!q.eof(), CString(L"product ") + name, L"not created");
}

void Shop::Partner(const wchar_t* name, int type, const wchar_t* contact, const wchar_t* phone, double opening) {
    CString error;
    const int id = CCustomerBLL().InsertCompany(db_, name, name, CCustomerBLL().GetNewCustomerCode(db_, type, error),
                                                contact, phone, L"", L"", L"", L"", L"", Money(opening), L"", 0, type,
                                                error);
    Check(id > 0, CString(L"partner ") + name, error);
    if (opening != 0) {
        const int r = type == 1 ? CSaleBLL().InsertVirtualBill(db_, Money(opening), id, error)
                                : CPurBLL().InsertVirtualBill(db_, Money(opening), id, error);
        Check(r == 1, CString(L"opening balance of ") + name, error);
    }
}

void Shop::Account(const wchar_t* name, const wchar_t* bank, const wchar_t* number, double opening) {
    CString error;
    Check(CAccInfoBLL().InsertLIstData(db_, 1, name, bank, number, Money(opening), error) == 0,
          CString(L"account ") + name, error);
}

void Shop::Purchase(int day, const wchar_t* supplier, const wchar_t* account, const std::vector<Line>& lines,
                    double paid, const wchar_t* type) {
    OpenDay(day, 10);
    const BillItemRows rows = Rows(lines);
    const double total = Total(lines);
    CString error;
    const int id = CPurBLL().InsertBill(db_, L"", type, account, Day(day), supplier, Money(total), Money(total), L"100",
                                        Money(paid), L"", rows, static_cast<int>(rows.size()), L"", kOperator, error);
    Check(id > 0, CString(L"purchase from ") + supplier, error);
    ++purchases_;
}

void Shop::Sale(int day, int hour, const wchar_t* customer, const wchar_t* account, const std::vector<Line>& lines,
                double discountPercent, double paid, const wchar_t* type) {
    OpenDay(day, hour);
    const BillItemRows rows = Rows(lines);
    const double total = Total(lines);
    const double due = total * discountPercent / 100.0;
    CString error;
    const int id = CSaleBLL().InsertBill(db_, L"", account, Day(day), customer, Money(total), Money(due),
                                         Money(discountPercent), Money(paid), L"", rows,
                                         static_cast<int>(rows.size()), L"", kOperator, error, type);
    Check(id > 0, CString(L"sale to ") + (*customer ? customer : L"零售客户"), error);
    ++sales_;
}

void Shop::CounterSale(int day, int hour, const std::vector<Line>& lines) {
    Sale(day, hour, L"", L"现金", lines, 100, Total(lines));
}

// The journal line and the partner's balance come from the cash journal; the settlement
// account's balance is the front end's to move, with the money that came in as a negative
// amount.
void Shop::Receipt(int day, const wchar_t* customer, const wchar_t* account, double amount) {
    OpenDay(day, 16);
    CString error;
    Check(CAccountBLL().InsertAccountByRec(db_, account, AccountID(account), customer, Day(day), L"", L"收回欠款",
                                           amount, error) >= 0,
          CString(L"receipt from ") + customer, error);
    Check(CAccInfoBLL().UpdateBaseAccount(db_, account, -amount, error, 1) == 0,
          CString(L"balance of ") + account, error);
}

void Shop::Payment(int day, const wchar_t* supplier, const wchar_t* account, double amount) {
    OpenDay(day, 16);
    CString error;
    Check(CAccountBLL().InsertAccountByPay(db_, account, AccountID(account), supplier, Day(day), L"", L"支付货款",
                                           amount, error) >= 0,
          CString(L"payment to ") + supplier, error);
    Check(CAccInfoBLL().UpdateBaseAccount(db_, account, amount, error, 1) == 0,
          CString(L"balance of ") + account, error);
}

int Shop::AccountID(const wchar_t* name) {
    CString error;
    CppSQLite3Query q = CAccInfoBLL().GetBaseDataByName(db_, name, error);
    Check(!q.eof(), CString(L"account ") + name, L"no such settlement account");
    return q.getIntField(L"SettleAcctID");
}

}  // namespace shopbiz::app::demo
