// CNetDataBLL: storing downloaded marketplace refunds. A refund once posted is never
// overwritten by a later download of it.
#include <algorithm>

#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"

using namespace shopbiz;

int CNetDataBLL::UpdateTBRefund(CppSQLite3DB& db, const CStringArray& fields, CString) {
    ServiceLock lock;
    const NetFields refund = FieldsOf(fields);
    const CString refundID = refund.empty() ? CString() : refund[0];
    const CString record = L"refund_id=" + refundID;
    const CString missing = MissingFields(L"退款数据", refund.size(), kNetRefundMarketplaceFields);
    if (!missing.IsEmpty()) return ReportNetFailure(L"UpdateTBRefund", record, missing);
    if (CString(refundID).Trim().IsEmpty())
        return ReportNetFailure(L"UpdateTBRefund", record, L"退款编号(refund_id)为空！");

    return Guard(Log(ErrorText::StatementAndMessage(L"UpdateTBProdVYR() ERR:\r\n sql=%s\r\n%s")), -1, [&] {
        if (db.execScalar(Sql(L" SELECT COUNT(*) FROM net_tbrefund WHERE refund_id='%s' AND local_status='1'",
                              Quoted(refundID))) != 0)
            return 0;
        // The array in column order; texts beyond the columns a refund has are not read.
        const size_t columns = std::min(refund.size(), kNetRefundColumns.size());
        Transaction tx(db);
        db.execDML(Sql(L" DELETE FROM  net_tbrefund WHERE refund_id='%s'", Quoted(refundID)));
        db.execDML(NetInsert(L"net_tbrefund", kNetRefundColumns.data(), columns, refund));
        tx.Commit();
        return 1;
    });
}

CppSQLite3Query CNetDataBLL::GetRefundByID(CppSQLite3DB& db, CString refund_id) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"GetRefundByID() ERR:\r\n%s\r\nsql=%s")), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L" SELECT * FROM net_tbrefund WHERE refund_id='%s';", Quoted(refund_id)));
    });
}
