#include "support/BillFixture.h"

#include <algorithm>

#include "common/AmountText.h"

using shopbiz::Fmt;

namespace {

CString Or(const wchar_t* text, const CString& otherwise) { return text ? CString(text) : otherwise; }
int All(const BillItemRows& items, int count) { return count < 0 ? static_cast<int>(items.size()) : count; }

}  // namespace

BillItemRows Items(std::initializer_list<ItemRow> rows) {
    BillItemRows items;
    for (const ItemRow& r : rows) {
        const CString amount =
            Or(r.amount, shopbiz::Fmt(L"%.08lf", shopbiz::ParseAmount(r.price) * shopbiz::ParseAmount(r.count)));
        items.push_back({r.code, r.name, r.unit, r.price, r.count, amount, r.remark, L"", Or(r.showUnit, r.unit),
                         r.coefficient, Or(r.showCount, r.count), Or(r.showPrice, r.price),
                         Or(r.originalPrice, r.price), r.disRate});
    }
    return items;
}

OrderItemRows OrderRows(std::initializer_list<ItemRow> rows) {
    const BillItemRows items = Items(rows);
    OrderItemRows lines(items.size());
    for (size_t i = 0; i < items.size(); ++i) std::copy_n(items[i].begin(), lines[i].size(), lines[i].begin());
    return lines;
}

int BillFixture::Sale(const BillArgs& b, const BillItemRows& items, int count) {
    return sale.InsertBill(db, b.code, b.settleAcct, b.date, b.company, b.billAmount, b.discountAmount, b.discountRate,
                           b.getAmount, b.remark, items, All(items, count), L"", b.user, error, b.type);
}

int BillFixture::Purchase(const BillArgs& b, const BillItemRows& items, int count) {
    return pur.InsertBill(db, b.code, b.type, b.settleAcct, b.date, b.company, b.billAmount, b.discountAmount,
                          b.discountRate, b.getAmount, b.remark, items, All(items, count), L"", b.user, error);
}

int BillFixture::Order(const BillArgs& b, std::initializer_list<ItemRow> rows, int count) {
    const int n = count < 0 ? static_cast<int>(rows.size()) : count;
    return orders.InsertBill(db, b.code, b.settleAcct, b.date, b.company, b.billAmount, b.discountAmount,
                             b.discountRate, b.getAmount, b.remark, OrderRows(rows), n, b.user, error, b.type);
}

int BillFixture::PutCompany(const wchar_t* name, int type, double balance) {
    const int id = CCustomerBLL().InsertCompany(db, name, type, error);
    if (balance != 0) CCustomerBLL().AddCurrentAmount(db, id, balance, error);
    return id;
}

void BillFixture::PutMember(const wchar_t* name) {
    Exec(Fmt(L"INSERT INTO VipMember(CompanyID, MemberName, MemberCode, LevelName) SELECT CompanyID, CompanyName, "
             L"'VIP' || CompanyID, '普通会员' FROM Companies WHERE CompanyName='%s'",
             name));
}
