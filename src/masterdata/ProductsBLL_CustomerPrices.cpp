// CProductsBLL: writing one customer's price, one price for every customer, deleting a price.
#include <vector>

#include "common/AmountText.h"
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerPriceRows.h"
#include "masterdata/ProductsBLL.h"

using namespace shopbiz;
using namespace shopbiz::prices;

namespace {

int InsertNewPrice(CppSQLite3DB& db, const PricedProduct& product, const PricedCustomer& customer,
                   const CString& unit, const CString& price) {
    db.execDML(InsertPriceSql(product, customer, unit, price));
    const int written = db.lastChanges();
    const int id = db.execScalar(L"SELECT MAX(CompPriceID) AS CompPriceID  FROM CompPrice  ");
    if (id > 0) JournalPrice(db, id, L"A");
    return written;
}

// The write behind UpdateCompPrice; database errors pass to the caller.
int WriteCompPrice(CppSQLite3DB& db, int compPriceID, const CString& companyName, const CString& productName,
                   const CString& unitName, const CString& price, CString& error, bool allowZero) {
    if (ParseAmount(price) < 1e-08 && !allowZero) return 0;

    if (compPriceID > 0) {
        db.execDML(Sql(L" UPDATE CompPrice SET Price=%s, LastUpdateDate='%s'  WHERE CompPriceID=%d And  "
                       L"UnitName='%s';",
                       Amount(price), Quoted(CSysBLL().GetTimeNowLong()), compPriceID, Quoted(unitName)));
        const int written = db.lastChanges();
        if (written > 0) JournalPrice(db, compPriceID, L"U");
        return written;
    }

    CppSQLite3Query existing =
        db.execQuery(Sql(L" SELECT * FROM  CompPrice WHERE CompanyName='%s' AND ProductName='%s' And UnitName='%s';",
                         Quoted(companyName), Quoted(productName), Quoted(unitName)));
    if (!existing.eof()) {
        const int id = existing.getIntField(L"CompPriceID");
        existing.finalize();
        return WriteCompPrice(db, id, companyName, productName, unitName, price, error, allowZero);
    }
    existing.finalize();

    // The customer before the product: an unknown customer must not leave a new product behind.
    CppSQLite3Query company =
        db.execQuery(Sql(L"SELECT * FROM Companies WHERE CompanyName='%s';", Quoted(companyName)));
    PricedCustomer customer;
    if (!CustomerOf(company, companyName, customer, error)) return -1;

    PricedProduct product;
    if (FindProductByName(db, productName, product)) return InsertNewPrice(db, product, customer, unitName, price);

    // A price for a product not yet in the catalogue adds the product; when the price cannot
    // be written after all, the product goes again.
    Transaction newProduct(db);
    CppSQLite3Query added = CProductsBLL().AddProducts(db, productName, L"", unitName, price);
    if (added.eof()) {
        error = Fmt(L"[%s]货品不存在！", productName);
        return -1;
    }
    product = ProductOf(added);
    added.finalize();
    // The catalogue keeps names made safe; the price row follows the name it kept.
    const int written = product.name == productName
                            ? InsertNewPrice(db, product, customer, unitName, price)
                            : WriteCompPrice(db, 0, companyName, product.name, unitName, price, error, allowZero);
    if (written >= 0) newProduct.Commit();
    return written;
}

}  // namespace

int CProductsBLL::UpdateCompPrice(CppSQLite3DB& db, int compPriceID, CString CompanyName, CString ProductName,
                                  CString UnitName, CString Price, CString& error, bool allowZero) {
    ServiceLock lock;
    const OnError form = Report(error, L"操作客户价格失败，err:%s\r\n ")
                             .LogAs({ErrorText::WithStatement(L"操作客户价格失败，err:%s\r\n sql:%s")})
                             .OtherErrors(L"操作客户价格失败，\r\n sql:");
    return Guard(form, -1, [&] {
        return WriteCompPrice(db, compPriceID, CompanyName, ProductName, UnitName, Price, error, allowZero);
    });
}

int CProductsBLL::UpdateAllCompPrice(CppSQLite3DB& db, CString ProductName, CString UnitName, CString Price,
                                     CString& error) {
    ServiceLock lock;
    return Guard(Report(error, L"更新客户全部客户价失败UpdateAllCompPric() %s"), -1, [&] {
        Transaction batch(db);
        error = L"";
        std::vector<CString> customers;
        CppSQLite3Query list = CCustomerBLL().QueryCompForSelect(db, L"", false, 1, error);
        for (; !list.eof(); list.nextRow()) customers.push_back(list.getStringField(L"CompanyName"));
        list.finalize();

        // A price that cannot be written for one customer is written for none.
        for (const CString& customer : customers)
            WriteCompPrice(db, 0, customer, ProductName, UnitName, Price, error, false);
        batch.Commit();
        return 0;
    });
}

int CProductsBLL::DeleteCompPriceByID(CppSQLite3DB& db, int compPriceID) {
    ServiceLock lock;
    db.execDML(Sql(L" DELETE FROM CompPrice WHERE CompPriceID = %d  ; ", compPriceID));
    JournalPrice(db, compPriceID, L"D");
    return 1;
}
