// Sale bills, purchase bills and sale orders: one stored bill or its lines, and how many lines
// use a product.
#include "documents/BillQueries.h"
#include "documents/OrderSaleBLL.h"
#include "documents/PurBLL.h"
#include "documents/SaleBLL.h"

using namespace shopbiz;

// --- Sale bills ---

CppSQLite3Query CSaleBLL::QueryBillByID(CppSQLite3DB& db, int saleID, CString& error) {
    ServiceLock lock;
    return FetchByID(db, L"  SELECT * FROM SaleBills WHERE SaleID=%d ; ", saleID, error);
}

CppSQLite3Query CSaleBLL::QueryBillByCode(CppSQLite3DB& db, CString billCode, CString& error) {
    ServiceLock lock;
    return FetchByCode(db, L"  SELECT * FROM SaleBills WHERE BillCode='%s' ; ", billCode, error);
}

CppSQLite3Query CSaleBLL::QueryBillItemByID(CppSQLite3DB& db, int saleID, CString& error) {
    ServiceLock lock;
    return FetchByID(db, L" SELECT * FROM SaleBillItems WHERE SaleID=%d ;", saleID, error);
}

CppSQLite3Query CSaleBLL::QueryBillItemByCode(CppSQLite3DB& db, CString billCode, CString& error) {
    ServiceLock lock;
    return FetchByCode(db, L" SELECT * FROM SaleBillItems WHERE BillCode='%s' ;", billCode, error);
}

int CSaleBLL::QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error) {
    ServiceLock lock;
    return CountByID(db, L"  SELECT COUNT(*)  FROM SaleBillItems WHERE ProductID=%d ; ", ProductID, error);
}

// --- Purchase bills ---

CppSQLite3Query CPurBLL::QueryBillByID(CppSQLite3DB& db, int purID, CString& error) {
    ServiceLock lock;
    return FetchByID(db, L"  SELECT * FROM PurBills WHERE PurID=%d ; ", purID, error);
}

CppSQLite3Query CPurBLL::QueryBillByCode(CppSQLite3DB& db, CString billCode, CString& error) {
    ServiceLock lock;
    return FetchByCode(db, L"  SELECT * FROM PurBills WHERE BillCode='%s' ; ", billCode, error);
}

CppSQLite3Query CPurBLL::QueryBillItemByID(CppSQLite3DB& db, int purID, CString& error) {
    ServiceLock lock;
    return FetchByID(db, L" SELECT * FROM PurBillItems WHERE PurID=%d ;", purID, error);
}

CppSQLite3Query CPurBLL::QueryBillItemByCode(CppSQLite3DB& db, CString billCode, CString& error) {
    ServiceLock lock;
    return FetchByCode(db, L" SELECT * FROM PurBillItems WHERE BillCode='%s' ;", billCode, error);
}

int CPurBLL::QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error) {
    ServiceLock lock;
    return CountByID(db, L"  SELECT COUNT(*)  FROM PurBillItems WHERE ProductID=%d ; ", ProductID, error);
}

// --- Sale orders ---

CppSQLite3Query COrderSaleBLL::QueryBillByID(CppSQLite3DB& db, int saleOrderID, CString& error) {
    ServiceLock lock;
    return FetchByID(db, L"  SELECT * FROM SaleOrderBills WHERE SaleOrderID=%d ; ", saleOrderID, error);
}

CppSQLite3Query COrderSaleBLL::QueryBillByCode(CppSQLite3DB& db, CString billCode, CString& error) {
    ServiceLock lock;
    return FetchByCode(db, L"  SELECT * FROM SaleOrderBills WHERE BillCode='%s' ; ", billCode, error);
}

CppSQLite3Query COrderSaleBLL::QueryBillItemByID(CppSQLite3DB& db, int saleOrderID, CString& error) {
    ServiceLock lock;
    return FetchByID(db, L" SELECT * FROM SaleOrderBillItems WHERE SaleOrderID=%d ;", saleOrderID, error);
}

CppSQLite3Query COrderSaleBLL::QueryBillItemByCode(CppSQLite3DB& db, CString billCode, CString& error) {
    ServiceLock lock;
    return FetchByCode(db, L" SELECT * FROM SaleOrderBillItems WHERE BillCode='%s' ;", billCode, error);
}

int COrderSaleBLL::QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error) {
    ServiceLock lock;
    return CountByID(db, L"  SELECT COUNT(*)  FROM SaleOrderBillItems WHERE ProductID=%d ; ", ProductID, error);
}
