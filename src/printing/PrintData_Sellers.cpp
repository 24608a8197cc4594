// CPrintData: the sales of each operator over a period.
#include "documents/SaleBLL.h"
#include "printing/PrintData.h"
#include "printing/PrintRows.h"

using namespace shopbiz;

int CPrintData::InsertSellerListPrintData(CppSQLite3DB& db, CString startDate, CString endDate, CString userName,
                                          CString label, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertSellerListPrintData Err:%s"), -1, [&] {
        CppSQLite3Query sellers = CSaleBLL().QurySellerList(db, startDate, endDate, userName, error);
        if (!error.IsEmpty()) return -1;  // reported and logged by the summary
        PrintRows rows(db, label);
        rows.Text(kDocumentEntry, L"CompanyName", db.execScalarStr(L"SELECT CompanyName FROM SystemInfo"));
        rows.Text(kDocumentEntry, L"BillSdt", startDate);
        rows.Text(kDocumentEntry, L"BillEdt", endDate);
        double billSum = 0, discountSum = 0, dueSum = 0;
        int entry = 0;
        for (; !sellers.eof(); sellers.nextRow()) {
            const double bill = sellers.getFloatField(L"BillAmount"), discount = sellers.getFloatField(L"DiscountAmount"),
                         due = sellers.getFloatField(L"RelBillAmount");
            rows.RowNo(++entry);
            rows.Text(entry, L"UserName", sellers.getStringField(L"UserName"));
            rows.Money(entry, L"BillAmount", bill);
            rows.Money(entry, L"DiscountAmount", discount);
            rows.Money(entry, L"RelBillAmount", due);
            billSum += bill;
            discountSum += discount;
            dueSum += due;
        }
        rows.Money(kDocumentEntry, L"SumBillAmount", billSum);
        rows.Money(kDocumentEntry, L"SumDisAmount", discountSum);
        rows.Money(kDocumentEntry, L"SumRelBillAmount", dueSum);
        rowCount = entry;
        return 0;
    });
}
