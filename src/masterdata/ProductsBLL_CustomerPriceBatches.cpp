// CProductsBLL: customer prices from a grid, one customer with many products or one product
// with many customers. A batch writes all its rows or none.
#include <algorithm>

#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerPriceRows.h"
#include "masterdata/ProductsBLL.h"

using namespace shopbiz;
using namespace shopbiz::prices;

namespace {

// The two grids look for an existing row with slightly different statements.
struct BatchStatements {
    const wchar_t* count;
    const wchar_t* update;
};
const BatchStatements kByCustomer = {
    L"select count(*) from CompPrice where CompanyName='%s' and ProductName ='%s'  And UnitName='%s'",
    L"\t\t\t\tupdate CompPrice set Price = '%s' where CompanyName='%s' and ProductName ='%s' And UnitName='%s' "};
const BatchStatements kByProduct = {
    L"select count(*) from CompPrice where CompanyName='%s' and ProductName ='%s' and UnitName='%s'",
    L"update CompPrice set Price = '%s' where CompanyName='%s' and ProductName ='%s' and UnitName='%s' "};

// Columns each grid reads: up to the price (5 of the per-customer grid, 2 of the per-product one).
const size_t kByCustomerColumns = 6, kByProductColumns = 3;

// A grid must hold every row and column the batch reads before anything is written.
bool GridIsComplete(const CProductsBLL::PriceGridRows& rows, int rowCount, size_t columns, CString& error,
                    int& failedRow) {
    const int held = static_cast<int>(rows.size());
    if (rowCount > held) {
        failedRow = held;
        error = Fmt(L"新增客户价失败，表格只有%d行，不足%d行！", held, rowCount);
        return false;
    }
    for (int i = 0; i < rowCount; ++i) {
        if (rows[i].size() < columns) {
            failedRow = i;
            error = Fmt(L"新增客户价失败，第%d行只有%d列！", i + 1, static_cast<int>(rows[i].size()));
            return false;
        }
    }
    return true;
}

// ID of the customer's row for the product that the change journal names: the newest one
// after an insert, the first one after an update.
int PriceRowID(CppSQLite3DB& db, const wchar_t* statement, const CString& company, const CString& product,
               bool newest) {
    int id = 0;
    CppSQLite3Query rows = db.execQuery(Sql(statement, Quoted(company), Quoted(product)));
    for (; !rows.eof(); rows.nextRow()) {
        id = std::max(id, rows.getIntField(L"CompPriceID"));
        if (!newest) break;
    }
    return id;
}

// One row of a batch: updates the price of the customer's row for the product and unit, or
// adds the row; journals it. The statement status of the write.
int WriteBatchPrice(CppSQLite3DB& db, const BatchStatements& statements, const PricedCustomer& customer,
                    const PricedProduct& product, const CString& unit, const CString& price) {
    const QuotedSlot c = Quoted(customer.name), p = Quoted(product.name), u = Quoted(unit);
    if (db.execScalar(Sql(statements.count, c, p, u)) >= 1) {
        const int status = db.execDML(Sql(statements.update, Quoted(price), c, p, u));
        JournalPrice(db,
                     PriceRowID(db, L"SELECT CompPriceID FROM CompPrice where CompanyName='%s' and ProductName ='%s'",
                                customer.name, product.name, false),
                     L"U");
        return status;
    }
    const int status = db.execDML(InsertPriceSql(product, customer, unit, price));
    JournalPrice(db,
                 PriceRowID(db, L"SELECT CompPriceID FROM  CompPrice where CompanyName='%s' and ProductName ='%s'",
                            customer.name, product.name, true),
                 L"A");
    return status;
}

}  // namespace

int CProductsBLL::InsertCustPriceByCust(CppSQLite3DB& db, const PriceGridRows& rows, int rowCount,
                                        CString CompanyName, CString& error, int& failedRow) {
    ServiceLock lock;
    failedRow = -1;
    if (!GridIsComplete(rows, rowCount, kByCustomerColumns, error, failedRow)) return -1;
    // A database error rolls the batch back; the log line names the method.
    const OnError failed = Report(error, L"新增客户价失败，%s").LogAs({L"InsertCustPriceByCust新增客户价失败，%s"});
    return Guard(failed, -1, [&] {
        CppSQLite3Query company =
            db.execQuery(Sql(L"select CompanyID,CompanyCode,SearchCode from Companies where CompanyName ='%s'",
                             Quoted(CompanyName)));
        PricedCustomer customer;
        if (!CustomerOf(company, CompanyName, customer, error)) return -1;

        Transaction batch(db);
        int status = 0;
        for (int row = 0; row < rowCount; ++row) {
            failedRow = row;  // the row an error stops at
            const std::vector<CString>& cells = rows[row];
            CppSQLite3Query match = GetProductByNameOrCode(db, cells[1], cells[0]);
            if (match.eof()) {
                error = Fmt(L"[%s]货品不存在！", cells[1]);
                return -1;
            }
            const PricedProduct product = ProductOf(match);
            match.finalize();
            status = WriteBatchPrice(db, kByCustomer, customer, product, cells[2], cells[5]);
        }
        failedRow = -1;
        batch.Commit();
        return status;
    });
}

int CProductsBLL::InsertCustPriceByProd(CppSQLite3DB& db, const PriceGridRows& rows, int rowCount,
                                        CString ProductName, CString UnitName, CString& error, int& failedRow) {
    ServiceLock lock;
    failedRow = -1;
    if (!GridIsComplete(rows, rowCount, kByProductColumns, error, failedRow)) return -1;
    const OnError failed = Report(error, L"新增客户价失败，%s").LogAs({L"InsertCustPriceByProd新增客户价失败，%s"});
    return Guard(failed, -1, [&] {
        PricedProduct product;
        if (!FindProductByName(db, ProductName, product)) {
            error = Fmt(L"[%s]货品不存在！", ProductName);
            return -1;
        }

        Transaction batch(db);
        CCustomerBLL partners;
        int status = 0;
        for (int row = 0; row < rowCount; ++row) {
            failedRow = row;  // the row an error stops at
            const std::vector<CString>& cells = rows[row];
            CppSQLite3Query company = partners.QueryCompanyByName(db, cells[1], error);
            if (company.eof()) {
                error = Fmt(L"[%s]客户不存在！", cells[1]);
                return -1;
            }
            // The name as the partner row holds it, so the price row belongs to that partner.
            PricedCustomer customer;
            customer.id = company.getIntField(L"CompanyID");
            customer.code = company.getStringField(L"CompanyCode");
            customer.name = company.getStringField(L"CompanyName");
            customer.searchCode = company.getStringField(L"SearchCode");
            company.finalize();
            status = WriteBatchPrice(db, kByProduct, customer, product, UnitName, cells[2]);
        }
        failedRow = -1;
        batch.Commit();
        return status;
    });
}
