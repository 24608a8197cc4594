// CProductsBLL: the print data of the product list.
#include "masterdata/ProductsBLL.h"
#include "printing/ReportPrintRows.h"

using namespace shopbiz;

int CProductsBLL::InsertPrintProdData(CppSQLite3DB& db, CString label, int firstRecord, CString TypeName, CString key,
                                      bool withStockOnly, int userID, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    const bool seesPurchasePrices = CSysBLL().CheckUserResource(db, L"0100", userID) != 0;
    return FillReport(db, error, nullptr, EmptyTable::No, [&] {
        long count = 0;
        CppSQLite3Query products = GetProductsByTypeID(db, TypeName, key, withStockOnly, count, 0, 1);
        ReportPrintRows out(db, label, firstRecord);
        out.StoreFields();
        int entry = 0;
        for (; !products.eof(); products.nextRow()) {
            out.RowNo(++entry);
            out.Text(entry, L"ProdName", products.getStringField(L"ProductName"));
            out.Text(entry, L"ProdCode", products.getStringField(L"ProductCode"));
            out.Text(entry, L"ProdTypeName", products.getStringField(L"TypeName"));
            out.Text(entry, L"ProdUnit", products.getStringField(L"UnitName"));
            out.Count(entry, L"ProdStock", products.getFloatField(L"CurStock"));
            if (seesPurchasePrices)
                out.Price(entry, L"ProdInprice", products.getFloatField(L"InPrice"));
            else
                out.Value(entry, L"ProdInprice", L"0.0", L"varPricefloat");
            out.Price(entry, L"ProdOutPrice", products.getFloatField(L"Price"));
            out.Price(entry, L"ProdWholePrice", products.getFloatField(L"WholesalePrice"));
        }
        rowCount = entry;
    });
}
