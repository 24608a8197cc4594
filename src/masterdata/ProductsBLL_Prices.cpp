// CProductsBLL: the product's own prices learned from bills.
#include "common/AmountText.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

namespace {

const int kSaleBill = 1, kPurchaseBill = 2;
// Companies 1 and 2 are the retail customer and the occasional supplier: a sale to anyone
// else is a wholesale.
const int kLastSystemPartner = 2;
const double kNoPrice = 1e-10;

}  // namespace

int CProductsBLL::UpdateProductPrice(CppSQLite3DB& db, int ProductID, int CompanyID, int billKind, CString price) {
    ServiceLock lock;
    const double value = ParseAmount(price);
    if (price.IsEmpty() || value < 1e-08) return 0;

    double retail = 0, wholesale = 0;
    CppSQLite3Query row =
        db.execQuery(Sql(L" SELECT Price,InPrice,WholesalePrice FROM Products WHERE  ProductID = %d", ProductID));
    if (!row.eof()) {
        retail = row.getFloatField(L"Price", 0.0);
        wholesale = row.getFloatField(L"WholesalePrice", 0.0);
    }
    row.finalize();

    if (billKind == kSaleBill && value > kNoPrice) {
        // A sale only fills a price that is still missing.
        if (CompanyID > kLastSystemPartner && wholesale < kNoPrice)
            db.execDML(Sql(L"Update Products set WholesalePrice = %.08lf where ProductID = %d", value, ProductID));
        else if (CompanyID <= kLastSystemPartner && retail < kNoPrice)
            db.execDML(Sql(L"Update Products set Price = %.08lf where ProductID = %d", value, ProductID));
    } else if (billKind == kPurchaseBill && value > kNoPrice) {
        // The last purchase price always wins.
        db.execDML(Sql(L"Update Products set InPrice = %.08lf where ProductID = %d", value, ProductID));
    }
    return 1;
}
