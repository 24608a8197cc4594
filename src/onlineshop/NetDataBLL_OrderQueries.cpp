// CNetDataBLL: reading saved marketplace orders, and whether an order can be shipped.
#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"

using namespace shopbiz;

namespace {

// The caller's list of order numbers ("'1','2'" or "1,2") as quoted literals; empty when
// it names none.
SqlText TidList(const CString& tids) {
    SqlText list;
    CStringArray pieces;
    CSysBLL().splitString(tids, ',', pieces);
    for (CString tid : pieces) {
        tid.Trim();
        if (tid.GetLength() >= 2 && tid.Left(1) == L"'" && tid.Right(1) == L"'") {
            tid = tid.Mid(1, tid.GetLength() - 2);
            tid.Replace(L"''", L"'");
        }
        if (tid.IsEmpty()) continue;
        list += Sql(L"%s'%s'", list.IsEmpty() ? L"" : L",", Quoted(tid));
    }
    return list;
}

CppSQLite3Query Rows(CppSQLite3DB& db, const SqlText& sql, int& count) {
    count = db.execScalar(L"SELECT COUNT(*) FROM (" + sql + SqlText(L")"));
    return db.execQuery(sql);
}

OnError QueryFailure(const wchar_t* logFormat, CString* error = nullptr) {
    return error ? Report(*error, ErrorText::WithStatement(logFormat)) : Log(ErrorText::WithStatement(logFormat));
}

}  // namespace

CppSQLite3Query CNetDataBLL::QueryTBBillMain(CppSQLite3DB& db, CString keyword) {
    ServiceLock lock;
    keyword.Trim();
    return Guard(QueryFailure(L"QueryTBBillMain() ERR:\r\n%s\r\nsql=%s"), CppSQLite3Query(), [&] {
        if (keyword.IsEmpty())
            return db.execQuery(L"SELECT * FROM net_tbbillmain WHERE status='WAIT_SELLER_SEND_GOODS'");
        const QuotedSlot key = Quoted(keyword);
        return db.execQuery(
            Sql(L"SELECT * FROM net_tbbillmain WHERE status='WAIT_SELLER_SEND_GOODS' AND (tid LIKE "
                L"'%%%s%%' OR buyer_nick LIKE '%%%s%%' OR tid IN (SELECT tid FROM net_tbbillitem WHERE "
                L"title LIKE '%%%s%%'))",
                key, key, key));
    });
}

CppSQLite3Query CNetDataBLL::QueryTBBillItem(CppSQLite3DB& db, CString tid) {
    ServiceLock lock;
    return Guard(QueryFailure(L"QueryTBBillItem() ERR:\r\n%s\r\nsql=%s"), CppSQLite3Query(),
                 [&] { return db.execQuery(Sql(L"SELECT * FROM net_tbbillitem WHERE tid='%s'", Quoted(tid))); });
}

CppSQLite3Query CNetDataBLL::GetOrderBillsData(CppSQLite3DB& db, CString seller_nick, CString tids, CString keyword,
                                               CString, int& count, CString, CString& error) {
    ServiceLock lock;
    error = L"";
    count = 0;
    keyword.Trim();
    return Guard(QueryFailure(L"GetOrderBillsData() ERR:\r\n%s\r\nsql=%s", &error), CppSQLite3Query(), [&] {
        SqlText sql = Sql(
            L"SELECT B.oid, B.num_iid, B.title AS ProdName, B.price AS ProdPrice, B.num AS ProdCount, B.total_fee AS "
            L"ProdAmount, B.payment AS ProdPayment, B.sku_id, B.sku_properties_name, A.* FROM net_tbbillmain A, "
            L"net_tbbillitem B WHERE A.tid = B.tid AND A.local_status <> '1' AND B.status = 'WAIT_SELLER_SEND_GOODS' "
            L"AND A.seller_nick = '%s'",
            Quoted(seller_nick));
        const SqlText list = TidList(tids);
        if (!list.IsEmpty()) sql += Sql(L" AND A.tid IN (%s)", list);
        if (!keyword.IsEmpty())
            sql += Sql(L" AND (A.buyer_nick LIKE '%%%s%%' OR B.title LIKE '%%%s%%')", Quoted(keyword), Quoted(keyword));
        sql += SqlText(L" ORDER BY A.tid, B.oid");
        return Rows(db, sql, count);
    });
}

CppSQLite3Query CNetDataBLL::GetOrderBillByID(CppSQLite3DB& db, CString tid, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(QueryFailure(L"GetOrderBillByID() ERR:\r\n%s\r\nsql=%s", &error), CppSQLite3Query(),
                 [&] { return db.execQuery(Sql(L"Select *from net_tbbillmain where tid = '%s'", Quoted(tid))); });
}

CppSQLite3Query CNetDataBLL::GetOrderBillItemByID(CppSQLite3DB& db, CString tid, int& count, CString& error) {
    ServiceLock lock;
    error = L"";
    count = 0;
    return Guard(QueryFailure(L"GetOrderBillItemByID() ERR:\r\n%s\r\nsql=%s", &error), CppSQLite3Query(), [&] {
        return Rows(
            db, Sql(L"SELECT * FROM net_tbbillitem WHERE tid='%s' AND status='WAIT_SELLER_SEND_GOODS'", Quoted(tid)),
            count);
    });
}

CString CNetDataBLL::GetLastDT(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(QueryFailure(L"GetLastDT() ERR:\r\n%s\r\nsql=%s"), CString(), [&] {
        return db.execScalarStr(L"select creatdatetime from net_tbbillmain order by creatdatetime desc limit 1");
    });
}

bool CNetDataBLL::IsCanDeliver(CppSQLite3DB& db, CString tid) {
    ServiceLock lock;
    return Guard(QueryFailure(L"IsCanDeliver() ERR:\r\n%s\r\nsql=%s"), false, [&] {
        bool hasLines = false;
        for (CppSQLite3Query line = db.execQuery(Sql(L" SELECT * FROM net_tbbillitem WHERE tid='%s';", Quoted(tid)));
             !line.eof(); line.nextRow()) {
            hasLines = true;
            const CString item = line.getStringField(L"num_iid");
            if (db.execScalar(Sql(L" SELECT COUNT(*) FROM net_tbprodvyr WHERE num_iid='%s' ", Quoted(item))) == 0)
                return false;
        }
        // An order without lines has nothing to ship.
        return hasLines;
    });
}
