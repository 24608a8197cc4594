// Sale bills, purchase bills and sale orders: searched by date range and keyword.
#include "documents/BillQueries.h"
#include "documents/OrderSaleBLL.h"
#include "documents/PurBLL.h"
#include "documents/SaleBLL.h"

using namespace shopbiz;

CppSQLite3Query CSaleBLL::QuryBillList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                       CString& error) {
    ServiceLock lock;
    return SearchBills(db, kSaleShelf, startDate, endDate, keyword, SqlText(), error);
}

CppSQLite3Query CPurBLL::QuryBillList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                      CString& error) {
    ServiceLock lock;
    return SearchBills(db, kPurchaseShelf, startDate, endDate, keyword, SqlText(), error);
}

CppSQLite3Query COrderSaleBLL::QuryBillList(CppSQLite3DB& db, int billState, CString startDate, CString endDate,
                                            CString keyword, CString& error) {
    ServiceLock lock;
    // States 3 and above list every order.
    const SqlText stateFilter = billState < 3 ? Sql(L" And BillState=%d", billState) : SqlText();
    return SearchBills(db, kOrderShelf, startDate, endDate, keyword, stateFilter, error);
}

CppSQLite3Query CSaleBLL::QuryBillItemList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                           CString& error) {
    ServiceLock lock;
    return SearchBillLines(db, kSaleShelf, startDate, endDate, keyword, error);
}

CppSQLite3Query CPurBLL::QuryBillItemList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                          CString& error) {
    ServiceLock lock;
    return SearchBillLines(db, kPurchaseShelf, startDate, endDate, keyword, error);
}

CppSQLite3Query COrderSaleBLL::QuryBillItemList(CppSQLite3DB& db, CString startDate, CString endDate,
                                                CString keyword, CString& error) {
    ServiceLock lock;
    return SearchBillLines(db, kOrderShelf, startDate, endDate, keyword, error);
}
