// CNetDataBLL: storing downloaded marketplace orders, correcting their shipping data and
// clearing them.
#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"

using namespace shopbiz;

namespace {

constexpr size_t kOrderTidPosition = 11;      // tid in the order header
constexpr size_t kOrderLineTidPosition = 11;  // tid in an order line

// Why the order cannot be saved; "" when it can.
CString OrderRefusal(const NetFields& header, const NetRows& lines, int rowCount) {
    CString refusal = MissingFields(L"订单数据", header.size(), kNetOrderColumns.size());
    if (refusal.IsEmpty()) refusal = MissingRows(L"订单明细", lines, rowCount, kNetOrderLineColumns.size());
    if (!refusal.IsEmpty()) return refusal;
    const CString& tid = header[kOrderTidPosition];
    if (CString(tid).Trim().IsEmpty()) return L"订单编号(tid)为空！";
    // A line of another order would be saved under the wrong order.
    for (int i = 0; i < rowCount; ++i) {
        const CString& lineTid = lines[static_cast<size_t>(i)][kOrderLineTidPosition];
        if (lineTid != tid) return Fmt(L"第%d行订单明细属于订单[%s]，不属于订单[%s]！", i + 1, lineTid, tid);
    }
    return L"";
}

}  // namespace

int CNetDataBLL::SaveOrderBill(CppSQLite3DB& db, const NetFields& header, const NetRows& lines, int rowCount,
                               CString& error) {
    ServiceLock lock;
    error = L"";
    const CString tid = header.size() > kOrderTidPosition ? header[kOrderTidPosition] : CString();
    const CString refusal = OrderRefusal(header, lines, rowCount);
    if (!refusal.IsEmpty()) return ReportNetFailure(L"SaveOrderBill", L"tid=" + tid, refusal, &error);

    return Guard(Report(error).LogAs({ErrorText::WithStatement(L"SaveOrderBill(),%s,%s")}), -1, [&] {
        const CString savedAt = CSysBLL().GetTimeNowLong();
        Transaction tx(db);
        db.execDML(Sql(L" DELETE FROM [net_tbbillmain] WHERE tid = '%s';", Quoted(tid)));
        db.execDML(Sql(L" DELETE FROM [net_tbbillitem] WHERE tid = '%s';", Quoted(tid)));
        db.execDML(NetInsert(L"net_tbbillmain", kNetOrderColumns, header,
                             {{L"creatdatetime", savedAt}, {L"local_status", L"0"}}));
        for (int i = 0; i < rowCount; ++i)
            db.execDML(NetInsert(L"net_tbbillitem", kNetOrderLineColumns, lines[static_cast<size_t>(i)],
                                 {{L"local_prodid", L""}}));
        tx.Commit();
        return 1;
    });
}

int CNetDataBLL::UpdateTBBillData(CppSQLite3DB& db, const NetFields& header, const NetRows& lines, int rowCount,
                                  CString& error) {
    ServiceLock lock;
    error = L"";
    if (lines.empty()) {
        error = L"ERR: UpdateTBBillData()\r\n DataRows is NULL";
        LogLine(error);
        return -1;
    }
    const CString tid = header.size() > 4 ? header[4] : CString();
    CString refusal = MissingFields(L"订单数据", header.size(), kNetBulkOrderColumns.size());
    if (refusal.IsEmpty()) refusal = MissingRows(L"订单明细", lines, rowCount, kNetBulkOrderLineColumns.size());
    if (!refusal.IsEmpty()) return ReportNetFailure(L"UpdateTBBillData", L"tid=" + tid, refusal, &error);

    return Guard(
        Report(error).LogAs({ErrorText::WithStatement(L"Err: UpdateTBShopInfoData()\r\n%s\r\nsql=%s")}), -1, [&] {
            db.execDML(L"DELETE FROM net_billmain");
            db.execDML(L"DELETE FROM net_billitem");
            db.execDML(NetInsert(L"net_tbbillmain", kNetBulkOrderColumns, header));
            for (int i = 0; i < rowCount; ++i)
                db.execDML(NetInsert(L"net_tbbillitem", kNetBulkOrderLineColumns, lines[static_cast<size_t>(i)]));
            return 1;
        });
}

int CNetDataBLL::UpdateReceiverAddr(CppSQLite3DB& db, CString receiver_name, CString receiver_mobile,
                                    CString receiver_zip, CString receiver_state, CString receiver_city,
                                    CString receiver_district, CString receiver_address, CString companycode,
                                    CString companyname, CString outerid, CString tid, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(Report(error, ErrorText(L"UpdateReceiverAddr 异常：%s")), -1, [&] {
        db.execDML(
            Sql(L"UPDATE net_tbbillmain SET receiver_name='%s',receiver_mobile='%s',receiver_zip='%s',"
                L"receiver_state='%s',receiver_city='%s',receiver_district='%s',receiver_address='%s',"
                L"companycode='%s',companyname='%s',outerid='%s' WHERE tid='%s'",
                Quoted(receiver_name), Quoted(receiver_mobile), Quoted(receiver_zip), Quoted(receiver_state),
                Quoted(receiver_city), Quoted(receiver_district), Quoted(receiver_address), Quoted(companycode),
                Quoted(companyname), Quoted(outerid), Quoted(tid)));
        if (db.lastChanges() > 0) return 1;
        error = Fmt(L"网店订单[%s]不存在！", tid);
        return 0;
    });
}

int CNetDataBLL::DeleteTBBills(CppSQLite3DB& db, CString tid) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"DeleteTBBills() ERR:\r\n%s\r\nsql=%s")), -1, [&] {
        if (tid.IsEmpty()) {
            db.execDML(
                L"DELETE FROM net_tbbillitem WHERE tid IN (SELECT tid FROM net_tbbillmain WHERE "
                L"status='WAIT_SELLER_SEND_GOODS'); ");
            db.execDML(L"DELETE FROM  net_tbbillmain WHERE status='WAIT_SELLER_SEND_GOODS'; ");
        } else {
            db.execDML(Sql(L"DELETE FROM net_tbbillitem WHERE tid  = '%s' ", Quoted(tid)));
            db.execDML(Sql(L"DELETE FROM  net_tbbillmain WHERE tid  = '%s' ", Quoted(tid)));
        }
        return 1;
    });
}

int CNetDataBLL::DeleteOrderBill(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"DeleteOrderBill() ERR:\r\n%s\r\nsql=%s")), -1, [&] {
        Transaction tx(db);
        db.execDML(
            L"delete from [net_tbbillitem] where tid in (select tid from [net_tbbillmain] where local_status "
            L"<> '1');");
        db.execDML(L"delete from [net_tbbillmain] where local_status <> '1';");
        tx.Commit();
        return 1;
    });
}
