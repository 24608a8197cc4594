#pragma once
// Bills posted through the services with readable arguments, and the rows they leave as text.

#include <initializer_list>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

// One item row by field. Left null: the amount is price × count; the entered unit, count and
// price and the original price are the base ones.
struct ItemRow {
    const wchar_t *code = L"", *name = L"铅笔", *unit = L"支", *price = L"2", *count = L"1", *amount = nullptr;
    const wchar_t *remark = L"", *showUnit = nullptr, *coefficient = L"1", *showCount = nullptr;
    const wchar_t *showPrice = nullptr, *originalPrice = nullptr, *disRate = L"1";
};
BillItemRows Items(std::initializer_list<ItemRow> rows);
// The same as order rows (the first twelve texts).
OrderItemRows OrderRows(std::initializer_list<ItemRow> rows);

// The header texts of a bill. Nothing owed unless the amounts say so.
struct BillArgs {
    const wchar_t *code = L"", *settleAcct = L"现金", *date = L"2013-05-06", *company = L"";
    const wchar_t *billAmount = L"0", *discountAmount = L"0", *discountRate = L"100", *getAmount = L"0";
    const wchar_t *remark = L"", *user = L"张三", *type = L"1";
};
// A bill of `amount` without discount, `paid` of it paid.
inline BillArgs Bill(const wchar_t* company, const wchar_t* amount, const wchar_t* paid = L"0") {
    return {.company = company, .billAmount = amount, .discountAmount = amount, .getAmount = paid};
}

class BillFixture : public ShopDbTest {
protected:
    // Post all rows (or the first `count`): the new bill ID, -1 or -2; `error` as the service left it.
    int Sale(const BillArgs& bill, const BillItemRows& items, int count = -1);
    int Purchase(const BillArgs& bill, const BillItemRows& items, int count = -1);
    // A sale order of the rows (their first twelve texts), or of the first `count`.
    int Order(const BillArgs& bill, std::initializer_list<ItemRow> rows, int count = -1);
    // Every row of the query: fields joined by '|', rows by "; ".
    CString Rows(const CString& sql) { CString rows = RowsOf(db, sql); rows.Replace(L"\n", L"; "); return rows; }
    int Count(const wchar_t* table) { return Int(shopbiz::Fmt(L"SELECT COUNT(*) FROM %s", table)); }
    void Setting(const wchar_t* key, const wchar_t* value) { CSysBLL().UpdateSysSetting(db, key, value); }
    // A customer or supplier with a balance, and a member card for a customer.
    int PutCompany(const wchar_t* name, int type, double balance = 0);
    void PutMember(const wchar_t* name);
    // CurStock of a product (in the warehouse), CurAmount of a partner or an account.
    double Stock(const wchar_t* product) { return Named(L"CurStock FROM Products WHERE ProductName", product); }
    double WarehouseStock(const wchar_t* p) { return Named(L"CurStock FROM ProductStock WHERE ProductName", p); }
    double Balance(const wchar_t* company) { return Named(L"CurAmount FROM Companies WHERE CompanyName", company); }
    double AccountBalance(const wchar_t* a) { return Named(L"CurAmount FROM SettleAcct WHERE SettleAcctName", a); }
    CSaleBLL sale;
    CPurBLL pur;
    COrderSaleBLL orders;
    CString error;

private:
    double Named(const wchar_t* what, const wchar_t* name) { return Real(shopbiz::Fmt(L"SELECT %s='%s'", what, name)); }
};
