// CPrintData: the products out of their stock limits.
#include "common/AmountText.h"
#include "masterdata/ProductsBLL.h"
#include "printing/PrintData.h"
#include "printing/PrintRows.h"

using namespace shopbiz;

int CPrintData::InsertStockWarningPrintData(CppSQLite3DB& db, long& rowCount, CString label, CString& error,
                                            int selection) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertStockWarningPrintData Err:%s"), -1, [&] {
        CppSQLite3Query products = CProductsBLL().GetCustProductForWaring(db, error, selection);
        if (!error.IsEmpty()) return -1;  // reported and logged by the query
        PrintRows rows(db, label);
        int entry = 0;
        for (; !products.eof(); products.nextRow()) {
            // The limits are kept as text; equal limits mean the product has none.
            const double high = ParseAmount(products.getStringField(L"HighLimit"));
            const double low = ParseAmount(products.getStringField(L"LowLimit"));
            const double stock = products.getFloatField(L"CurStock");
            const bool limited = high != low;
            const wchar_t* status = L"负库存";
            double past = -stock;
            if (limited && stock > high) {
                status = L"超出上限";
                past = stock - high;
            } else if (limited && stock < low) {
                status = L"低于下限";
                past = low - stock;
            }
            rows.RowNo(++entry);
            rows.Text(entry, L"ProductCode", products.getStringField(L"ProductCode"));
            rows.Text(entry, L"ProductName", products.getStringField(L"ProductName"));
            rows.Text(entry, L"UnitName", products.getStringField(L"UnitName"));
            rows.Count(entry, L"HighLimit", high);
            rows.Count(entry, L"LowLimit", low);
            rows.Count(entry, L"CurCount", stock);
            rows.Text(entry, L"Status", status);
            rows.Count(entry, L"WarningCount", past);
        }
        rowCount = entry;
        return 0;
    });
}
