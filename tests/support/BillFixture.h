#pragma once
// Bills posted through the services with readable arguments, and the rows they leave read
// back as text, for the tests of the sale and purchase road.

#include <initializer_list>

#include "support/ShopDbTest.h"

// One item row by field instead of by position. Left null: the amount is price × count, the
// entered unit is the base unit, the entered count and price and the original price are the
// base ones.
struct ItemRow {
    const wchar_t *code = L"", *name = L"铅笔", *unit = L"支", *price = L"2", *count = L"1", *amount = nullptr;
    const wchar_t *remark = L"", *showUnit = nullptr, *coefficient = L"1", *showCount = nullptr;
    const wchar_t *showPrice = nullptr, *originalPrice = nullptr, *disRate = L"1";
};
BillItemRows Items(std::initializer_list<ItemRow> rows);

// The header texts of a bill. Nothing owed unless the amounts say so.
struct BillArgs {
    const wchar_t *code = L"", *settleAcct = L"现金", *date = L"2013-05-06", *company = L"";
    const wchar_t *billAmount = L"0", *discountAmount = L"0", *discountRate = L"100", *getAmount = L"0";
    const wchar_t *remark = L"", *user = L"张三", *type = L"1";
};

class BillFixture : public ShopDbTest {
protected:
    // Post with all rows (or the first `count`); the new bill ID, -1 or -2; `error` holds
    // what the service left in it.
    int Sale(const BillArgs& bill, const BillItemRows& items, int count = -1);
    int Purchase(const BillArgs& bill, const BillItemRows& items, int count = -1);

    // Every row of the query, fields joined by '|', rows by "; ".
    CString Rows(const CString& sql);
    // The same for the named columns of a result set.
    static CString Fields(CppSQLite3Query q, std::initializer_list<const wchar_t*> columns);
    // Settings the posting reads.
    void Setting(const wchar_t* key, const wchar_t* value);
    // A customer or supplier with a balance, and a member card for a customer.
    int PutCompany(const wchar_t* name, int type, double balance = 0);
    void PutMember(const wchar_t* name, const wchar_t* level = L"普通会员");

    double Stock(const wchar_t* product);
    double WarehouseStock(const wchar_t* product);
    double Balance(const wchar_t* company);
    double AccountBalance(const wchar_t* settleAcct);

    CSaleBLL sale;
    CPurBLL pur;
    CString error;
};
