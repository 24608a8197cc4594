// Sale bills, purchase bills and sale orders: their print data.
#include "documents/BillPrint.h"
#include "documents/OrderSaleBLL.h"
#include "documents/PurBLL.h"
#include "documents/SaleBLL.h"

using namespace shopbiz;

int CSaleBLL::InsertPrintData(CppSQLite3DB& db, CString billCode, int, long& rowCount, CString& error) {
    ServiceLock lock;
    return PrintBill(db, kSalePrint, billCode, rowCount, error);
}

int CPurBLL::InsertPrintData(CppSQLite3DB& db, CString billCode, int, long& rowCount, CString& error) {
    ServiceLock lock;
    return PrintBill(db, kPurchasePrint, billCode, rowCount, error);
}

int COrderSaleBLL::InsertPrintData(CppSQLite3DB& db, CString billCode, int, long& rowCount, CString& error) {
    ServiceLock lock;
    return PrintBill(db, kOrderPrint, billCode, rowCount, error);
}

int CSaleBLL::InsertSaleListPrintData(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                      long& rowCount, CString& error) {
    ServiceLock lock;
    return PrintBillList(db, kSalePrint, startDate, endDate,
                         [&] { return QuryBillList(db, startDate, endDate, keyword, error); }, rowCount, error);
}

int CPurBLL::InsertPurListPrintData(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                    long& rowCount, CString& error) {
    ServiceLock lock;
    return PrintBillList(db, kPurchasePrint, startDate, endDate,
                         [&] { return QuryBillList(db, startDate, endDate, keyword, error); }, rowCount, error);
}

int COrderSaleBLL::InsertSaleListPrintData(CppSQLite3DB& db, int billState, CString startDate, CString endDate,
                                           CString keyword, long& rowCount, CString& error) {
    ServiceLock lock;
    return PrintBillList(db, kOrderPrint, startDate, endDate,
                         [&] { return QuryBillList(db, billState, startDate, endDate, keyword, error); }, rowCount,
                         error);
}
