// CNetDataBLL: marketplace orders and refunds posted as sale bills. The posting runs inside
// one transaction with the marking of the order: a database error undoes both, while a
// posting that the sale bill service refuses keeps what that service kept and leaves the
// order unposted. Input that cannot make a correct bill is refused before anything is written.
#include <initializer_list>

#include "documents/SaleBLL.h"
#include "frame/DatabaseErrors.h"
#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"
#include "platform/Numbers.h"

using namespace shopbiz;

namespace {

// What tells an order's posting from a refund's.
struct PostingKind {
    const wchar_t* method;
    const wchar_t* keyName;
    const wchar_t* billType;
    const wchar_t* findSql;   // the record's posting state: local_status, local_billcode
    const wchar_t* markSql;   // marks it posted: bill code, time, key
    const wchar_t* errorLog;  // a database error: the statement, the message
    const wchar_t* unknown;   // "%s": the key
    const wchar_t* posted;    // "%s", "%s": the key, the bill's code
};

const PostingKind kOrderPosting = {
    L"InsertTBBillToSaleBill",
    L"tid",
    L"3",
    L"SELECT local_status, local_billcode FROM net_tbbillmain WHERE tid='%s' ORDER BY local_status DESC LIMIT 1",
    L"UPDATE  net_tbbillmain SET local_status='1' , local_billcode='%s',local_date='%s' WHERE tid='%s'",
    L"InsertTBBillToSaleBill() ERR:\r\n sql=%s\r\n%s",
    L"网店订单[%s]不存在，请先下载保存该订单！",
    L"网店订单[%s]已经生成销售单[%s]，不能重复生成！",
};

const PostingKind kRefundPosting = {
    L"InsertRefundToSaleBill",
    L"refund_id",
    L"4",
    L"SELECT local_status, local_billcode FROM net_tbrefund WHERE refund_id='%s' ORDER BY local_status DESC LIMIT 1",
    L"UPDATE  net_tbrefund SET local_status='1' , local_billcode='%s',local_date='%s' WHERE refund_id='%s'",
    L"InsertRefundToSaleBill() ERR:\r\n sql=%s\r\n%s",
    L"网店退款[%s]不存在，请先下载保存该退款！",
    L"网店退款[%s]已经生成销售单[%s]，不能重复生成！",
};

// The header and lines of the sale bill, as the caller gave them.
struct SaleBillTexts {
    CString settleAcctName, billDate, billAmount, discountAmount, discountRate, getAmount, remark;
    const BillItemRows& items;
    int itemCount;
    CString unused;
};

// A sale item row's texts: code, name, unit, price, quantity, amount, remark, (unread),
// entered unit, coefficient, entered quantity and price, original price, discount rate.
constexpr size_t kSaleItemRowWidth = 14;

// The positions of an item row that are read as numbers, with what they hold; the first
// three must be given, the others may be left empty.
struct NumberPosition {
    int position;
    const wchar_t* name;
    bool required;
};
constexpr NumberPosition kItemNumbers[] = {{3, L"单价", true},       {4, L"数量", true},       {5, L"金额", true},
                                           {10, L"录入数量", false}, {11, L"录入单价", false}, {12, L"原价", false},
                                           {13, L"折扣率", false}};

// Why the texts cannot make a correct sale bill; "" when they can.
CString BillTextsRefusal(const SaleBillTexts& bill) {
    const std::initializer_list<std::pair<const wchar_t*, const CString*>> amounts = {
        {L"单据金额", &bill.billAmount},
        {L"折后金额", &bill.discountAmount},
        {L"折扣率", &bill.discountRate},
        {L"实收金额", &bill.getAmount}};
    for (const auto& [name, text] : amounts)
        if (!IsPlainNumber(*text)) return Fmt(L"%s[%s]不是有效的数字！", name, *text);
    const CString rows = MissingRows(L"单据明细", bill.items, bill.itemCount, kSaleItemRowWidth);
    if (!rows.IsEmpty()) return rows;
    for (int i = 0; i < bill.itemCount; ++i) {
        const BillItemRow& row = bill.items[static_cast<size_t>(i)];
        for (const NumberPosition& n : kItemNumbers) {
            const CString& text = row[static_cast<size_t>(n.position)];
            if (!n.required && CString(text).Trim().IsEmpty()) continue;
            if (!IsPlainNumber(text)) return Fmt(L"第%d行单据明细的%s[%s]不是有效的数字！", i + 1, n.name, text);
        }
    }
    return L"";
}

// Posts the record `key` of the kind as a sale bill; `billCode` receives the bill's code.
int PostAsSaleBill(CppSQLite3DB& db, const PostingKind& kind, CString& billCode, const SaleBillTexts& bill,
                   const CString& key) {
    const CString record = Fmt(L"%s=%s", kind.keyName, key);
    const CString refusal = BillTextsRefusal(bill);
    if (!refusal.IsEmpty()) return ReportNetFailure(kind.method, record, refusal);

    CString error;
    const OnError form = Report(error).LogAs({ErrorText::StatementAndMessage(kind.errorLog),
                                              ErrorText(L"%s\r\n%s", Fmt(L"%s() ERR: %s", kind.method, record))});
    return Guard(form, -1, [&] {
        // The write lock first: another connection cannot post the same record between the
        // check below and the marking.
        Transaction tx = Transaction::ForWriting(db);
        CppSQLite3Query state = db.execQuery(Sql(kind.findSql, Quoted(key)));
        if (state.eof()) return ReportNetFailure(kind.method, record, Fmt(kind.unknown, key));
        if (state.getStringField(L"local_status") == L"1")
            return ReportNetFailure(kind.method, record,
                                    Fmt(kind.posted, key, state.getStringField(L"local_billcode")));
        state.finalize();

        const CString postedAt = CSysBLL().GetTimeNowLong();
        CSaleBLL sale;
        CString code = billCode;
        const int saleID =
            sale.InsertBill(db, code, bill.settleAcctName, bill.billDate, L"淘宝网客户", bill.billAmount,
                            bill.discountAmount, bill.discountRate, bill.getAmount, bill.remark, bill.items,
                            bill.itemCount, bill.unused, L"taobao_order", error, kind.billType);
        // The database itself rolled everything back (after an I/O error, say): nothing stays.
        if (!tx.IsOpen()) {
            const CString reason = error.IsEmpty() ? detail::LastDatabaseError() : error;
            ReportNetFailure(kind.method, record, reason);
            return saleID < 1 ? saleID : -1;
        }
        if (saleID > 0) {
            CppSQLite3Query posted = sale.QueryBillByID(db, saleID, error);
            // The bill just posted cannot be read back: nothing of the call is kept.
            if (posted.eof())
                return ReportNetFailure(kind.method, record,
                                        error.IsEmpty() ? Fmt(L"读取销售单[%d]失败！", saleID) : error);
            code = posted.getStringField(L"BillCode");
            posted.finalize();
            db.execDML(Sql(kind.markSql, Quoted(code), Quoted(postedAt), Quoted(key)));
        }
        // A refused sale posting keeps what it kept; the record stays unposted.
        tx.Commit();
        if (saleID < 1) {
            ReportNetFailure(kind.method, record, error);
            return saleID;
        }
        billCode = code;
        return saleID;
    });
}

}  // namespace

int CNetDataBLL::InsertTBBillToSaleBill(CppSQLite3DB& db, CString& BillCode, CString SettleAcctName, CString BillDate,
                                        CString BillAmount, CString DiscountAmount, CString DiscountRate,
                                        CString GetAmount, CString Remark, const BillItemRows& items, int itemCount,
                                        CString unused, CString tid) {
    ServiceLock lock;
    return PostAsSaleBill(db, kOrderPosting, BillCode,
                          {SettleAcctName, BillDate, BillAmount, DiscountAmount, DiscountRate, GetAmount, Remark, items,
                           itemCount, unused},
                          tid);
}

int CNetDataBLL::InsertRefundToSaleBill(CppSQLite3DB& db, CString BillCode, CString SettleAcctName, CString BillDate,
                                        CString BillAmount, CString DiscountAmount, CString DiscountRate,
                                        CString GetAmount, CString Remark, const BillItemRows& items, int itemCount,
                                        CString unused, CString refund_id) {
    ServiceLock lock;
    // The refund's bill code is not handed back.
    return PostAsSaleBill(db, kRefundPosting, BillCode,
                          {SettleAcctName, BillDate, BillAmount, DiscountAmount, DiscountRate, GetAmount, Remark, items,
                           itemCount, unused},
                          refund_id);
}
