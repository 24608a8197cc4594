// Marketplace orders and refunds (CNetDataBLL): storing them as downloaded, listing them,
// and posting them as sale bills inside one transaction.
#include <gtest/gtest.h>

#include "common/AmountText.h"
#include "support/BillFixture.h"

// The marketplace records are built from the fields a test names; the others stay empty.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace shopbiz;

namespace {

constexpr const wchar_t* kWaiting = L"WAIT_SELLER_SEND_GOODS";

class NetOrders : public BillFixture {
protected:
    static NetOrder Order(const wchar_t* tid, const wchar_t* buyer = L"小王", const wchar_t* status = kWaiting) {
        return {.tid = tid, .status = status, .seller_nick = L"文具小店", .buyer_nick = buyer, .payment = L"25.00",
                .receiver_name = L"王小二", .receiver_address = L"西湖区文三路1号"};
    }
    static NetOrderLine Line(const wchar_t* tid, const wchar_t* oid, const wchar_t* item, const wchar_t* title,
                             const wchar_t* status = kWaiting) {
        return {.tid = tid, .oid = oid, .num_iid = item, .title = title, .price = L"2.50", .num = L"10",
                .payment = L"25.00", .status = status};
    }
    int Save(const NetOrder& order, const std::vector<NetOrderLine>& lines) {
        return net.SaveOrderBill(db, OrderFields(order), OrderLineRows(lines), static_cast<int>(lines.size()), error);
    }
    // Order 1001 of ten pens, saved and waiting to be posted; the log emptied.
    void SavePens() {
        ASSERT_EQ(Save(Order(L"1001"), {Line(L"1001", L"1", L"501", L"中性笔")}), 1) << error;
        TakeLog();
    }
    // The order (or refund) posted as a bill of pens; `count` negative for a refund.
    int PostOrder(const wchar_t* tid, const wchar_t* count = L"10", const wchar_t* code = L"") {
        const CString amount = Fmt(L"%.2f", ParseAmount(count) * 2.5);
        CString billCode = code;
        const int id =
            net.InsertTBBillToSaleBill(db, billCode, L"支付宝", L"2013-05-06", amount, amount, L"100", amount, L"",
                                       Items({{.name = L"中性笔", .price = L"2.5", .count = count}}), 1, L"", tid);
        postedCode = billCode;
        return id;
    }
    int PostRefund(const wchar_t* refundID, const BillItemRows& items, const wchar_t* amount = L"-5") {
        return net.InsertRefundToSaleBill(db, L"", L"支付宝", L"2013-05-07", amount, amount, L"100", amount, L"", items,
                                          static_cast<int>(items.size()), L"", refundID);
    }
    static NetRefund Refund(const wchar_t* id, const wchar_t* status) {
        return {.refund_id = id, .tid = L"1001", .refund_fee = L"5.00", .status = status};
    }
    // What the online shop service logged (the journal traces its own statements too).
    std::string NetLog() {
        std::string lines;
        for (const CString& line : TakeLog())
            if (line.Find(L"ToSaleBill() ERR") > 0 || line.Find(L"UpdateTBRefund() ERR") == 0)
                lines += line.ToUtf8() + "\n";
        return lines;
    }
    // What the bills, the partners and the accounts hold, for "nothing changed" checks.
    CString Books() {
        return Rows(
            L"SELECT (SELECT COUNT(*) FROM SaleBills), (SELECT COUNT(*) FROM SaleBillItems), (SELECT COUNT(*) "
            L"FROM Companies), (SELECT COUNT(*) FROM SettleAcct), (SELECT total(CurAmount) FROM SettleAcct), "
            L"(SELECT COUNT(*) FROM Stocks), (SELECT COUNT(*) FROM Account)");
    }
    CNetDataBLL net;
    CString postedCode;
};

TEST_F(NetOrders, SavingAnOrderAgainReplacesItAndItsLines) {
    NetOrder order = Order(L"1001");
    order.created = L"2013-05-06 10:00:00";
    order.receiver_zip = L"310000";
    order.post_fee = L"0.00";
    ASSERT_EQ(Save(order, {Line(L"1001", L"1", L"501", L"中性笔"), Line(L"1001", L"2", L"502", L"练习本")}), 1) << error;
    // Every field lands in its own column.
    EXPECT_EQ(Rows(L"SELECT tid, status, buyer_nick, seller_nick, payment, created, receiver_zip, receiver_name, "
                   L"receiver_address, post_fee, creatdatetime, local_status FROM net_tbbillmain"),
              L"1001|WAIT_SELLER_SEND_GOODS|小王|文具小店|25.00|2013-05-06 10:00:00|310000|王小二|西湖区文三路1号|"
              L"0.00|2013-05-06 14:03:09|0");
    EXPECT_EQ(Rows(L"SELECT tid, oid, num_iid, title, price, num, payment, local_prodid FROM net_tbbillitem"),
              L"1001|1|501|中性笔|2.50|10|25.00|; 1001|2|502|练习本|2.50|10|25.00|");

    // Downloaded again: one header, only the new lines; a posted order is unposted again.
    Exec(L"UPDATE net_tbbillmain SET local_status='1'");
    Clock::SetFixedLocal(2013, 5, 7, 8, 0, 0);
    order.buyer_message = L"尽快发货";
    ASSERT_EQ(Save(order, {Line(L"1001", L"3", L"503", L"铅笔")}), 1) << error;
    EXPECT_EQ(Rows(L"SELECT buyer_message, creatdatetime, local_status FROM net_tbbillmain"),
              L"尽快发货|2013-05-07 08:00:00|0");
    EXPECT_EQ(Rows(L"SELECT oid, title FROM net_tbbillitem"), L"3|铅笔");
    EXPECT_EQ(net.GetLastDT(db), L"2013-05-07 08:00:00");
}

TEST_F(NetOrders, IncompleteOrdersAreRefusedAndTheSavedOneKept) {
    SavePens();
    NetFields shortHeader = OrderFields(Order(L"1001"));
    shortHeader.pop_back();
    const NetRows good = OrderLineRows({Line(L"1001", L"9", L"509", L"橡皮")});
    NetRows shortLine = good;
    shortLine[0].resize(12);
    const NetRows stranger = OrderLineRows({Line(L"2002", L"9", L"509", L"橡皮")});
    struct Case { NetFields header; NetRows lines; int count; const wchar_t* error; } cases[] = {
        {shortHeader, good, 1, L"订单数据不完整：应有24项，只有23项！"},
        {OrderFields(Order(L"1001")), shortLine, 1, L"第1行订单明细不完整：应有13项，只有12项！"},
        {OrderFields(Order(L"1001")), good, 2, L"订单明细不完整：应有2行，只有1行！"},
        {OrderFields(Order(L" ")), {}, 0, L"订单编号(tid)为空！"},
        {OrderFields(Order(L"1001")), stranger, 1, L"第1行订单明细属于订单[2002]，不属于订单[1001]！"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(net.SaveOrderBill(db, c.header, c.lines, c.count, error), -1) << c.error;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(Joined(TakeLog()), Fmt(L"SaveOrderBill() ERR: tid=%s\r\n%s\n", c.header[11], c.error).ToUtf8());
    }
    EXPECT_EQ(Rows(L"SELECT tid, (SELECT group_concat(oid) FROM net_tbbillitem) FROM net_tbbillmain"), L"1001|1");
}

TEST_F(NetOrders, ListsShowOnlyWhatWaitsToBeShipped) {
    Save(Order(L"1001", L"小王"), {Line(L"1001", L"1", L"501", L"中性笔"), Line(L"1001", L"2", L"502", L"练习本")});
    Save(Order(L"1002", L"老李"),
         {Line(L"1002", L"1", L"501", L"中性笔"), Line(L"1002", L"2", L"503", L"铅笔", L"TRADE_CLOSED")});
    Save(Order(L"1003", L"小王"), {Line(L"1003", L"1", L"503", L"铅笔")});
    const wchar_t* shipped = L"WAIT_BUYER_CONFIRM_GOODS";
    Save(Order(L"1004", L"小张", shipped), {Line(L"1004", L"1", L"501", L"中性笔", shipped)});
    Exec(L"UPDATE net_tbbillmain SET local_status='1' WHERE tid='1003'");

    EXPECT_EQ(ListOf(net.QueryTBBillMain(db, L""), L"tid"), L"1001,1002,1003");
    EXPECT_EQ(ListOf(net.QueryTBBillMain(db, L"练习"), L"tid"), L"1001");  // a line's title
    EXPECT_EQ(ListOf(net.QueryTBBillMain(db, L"老李"), L"tid"), L"1002");
    // Posted orders and lines no longer waiting are left out; lists and keywords narrow.
    const struct { const wchar_t *tids, *key, *lines; int count; } lists[] = {
        {L"", L"", L"1001|1|中性笔|10|小王; 1001|2|练习本|10|小王; 1002|1|中性笔|10|老李", 3},
        {L"'1002', '1003'", L"", L"1002|1|中性笔|10|老李", 1},
        {L"1001,1002", L"练习", L"1001|2|练习本|10|小王", 1},
        {L"'1001'') OR (1=1", L"", L"", 0},  // a quote in the list stays inside its literal
    };
    int count = -1;
    for (const auto& l : lists) {
        auto q = net.GetOrderBillsData(db, L"文具小店", l.tids, l.key, L"", count, L"", error);
        EXPECT_EQ(FieldsOf(q, {L"tid", L"oid", L"ProdName", L"ProdCount", L"buyer_nick"}), l.lines) << l.tids;
        EXPECT_EQ(count, l.count) << l.tids;
    }
    EXPECT_EQ(ListOf(net.GetOrderBillItemByID(db, L"1002", count, error), L"oid"), L"1");
    EXPECT_EQ(count, 1);

    // Clearing the waiting orders keeps the others; clearing the unposted keeps the posted.
    EXPECT_EQ(net.DeleteTBBills(db, L""), 1);
    EXPECT_EQ(Rows(L"SELECT tid FROM net_tbbillmain UNION ALL SELECT DISTINCT tid FROM net_tbbillitem"), L"1004; 1004");
    SavePens();
    Exec(L"UPDATE net_tbbillmain SET local_status='1' WHERE tid='1004'");
    EXPECT_EQ(net.DeleteOrderBill(db), 1);
    EXPECT_EQ(Rows(L"SELECT tid FROM net_tbbillmain UNION ALL SELECT DISTINCT tid FROM net_tbbillitem"), L"1004; 1004");
}

TEST_F(NetOrders, AnOrderPostedThenItsRefund) {
    PutCompany(L"华联", 2);
    Purchase(Bill(L"华联", L"100", L"100"), Items({{.name = L"中性笔", .price = L"1", .count = L"100"}}));
    SavePens();

    const int saleID = PostOrder(L"1001", L"10", L"TB-1001");
    ASSERT_GT(saleID, 0) << Joined(TakeLog());
    EXPECT_EQ(postedCode, L"TB-1001");
    EXPECT_EQ(Rows(Fmt(L"SELECT BillCode, BillType, CompanyName, UserName, SettleAcctName, GetAmount, OweAmount FROM "
                       L"SaleBills WHERE SaleID=%d", saleID)),
              L"TB-1001|3|淘宝网客户|taobao_order|支付宝|25.0|0.0");
    EXPECT_EQ(Rows(L"SELECT local_status, local_billcode, local_date FROM net_tbbillmain"),
              L"1|TB-1001|2013-05-06 14:03:09");
    EXPECT_EQ(Stock(L"中性笔"), 90.0);
    EXPECT_EQ(AccountBalance(L"支付宝"), 25.0);
    // Once posted, an order is never posted again.
    const CString books = Books();
    EXPECT_EQ(PostOrder(L"1001"), -1);
    EXPECT_EQ(Books(), books);
    EXPECT_EQ(NetLog(), "InsertTBBillToSaleBill() ERR: tid=1001\r\n网店订单[1001]已经生成销售单[TB-1001]，不能重复生成！\n");

    // The refund: two pens come back and the money goes out again.
    ASSERT_EQ(net.UpdateTBRefund(db, RefundFields(Refund(L"R1", L"WAIT_SELLER_AGREE")), L""), 1);
    const int refundID = PostRefund(L"R1", Items({{.name = L"中性笔", .price = L"2.5", .count = L"-2"}}));
    ASSERT_GT(refundID, saleID) << Joined(TakeLog());
    EXPECT_EQ(Rows(Fmt(L"SELECT BillType, CompanyName, UserName, GetAmount FROM SaleBills WHERE SaleID=%d", refundID)),
              L"4|淘宝网客户|taobao_order|-5.0");
    EXPECT_EQ(Rows(L"SELECT r.local_status, r.local_date, r.local_billcode = b.BillCode FROM net_tbrefund r, SaleBills "
                   L"b WHERE b.BillType = 4"),
              L"1|2013-05-06 14:03:09|1");
    EXPECT_EQ(Stock(L"中性笔"), 92.0);
    EXPECT_EQ(AccountBalance(L"支付宝"), 20.0);
    EXPECT_EQ(Balance(L"淘宝网客户"), 0.0);

    // Downloaded again after posting, the refund stays as it was posted.
    EXPECT_EQ(net.UpdateTBRefund(db, RefundFields(Refund(L"R1", L"SUCCESS")), L""), 0);
    EXPECT_EQ(Rows(L"SELECT refund_id, status, local_status FROM net_tbrefund"), L"R1|WAIT_SELLER_AGREE|1");
    EXPECT_EQ(net.GetRefundByID(db, L"R1").getStringField(L"refund_fee"), L"5.00");
}

TEST_F(NetOrders, RefundsAreStoredInColumnOrder) {
    CStringArray fields = RefundFields({.refund_id = L"R2", .tid = L"1001", .refund_fee = L"5.00", .desc = L"颜色不对",
                                        .status = L"WAIT_SELLER_AGREE", .alipay_no = L"2013050600001",
                                        .outer_id = L"WJ001"});
    EXPECT_EQ(fields.GetSize(), 28);
    EXPECT_EQ(net.UpdateTBRefund(db, fields, L""), 1);
    EXPECT_EQ(Rows(L"SELECT refund_id, tid, refund_fee, \"desc\", alipay_no, outer_id, local_status FROM net_tbrefund"),
              L"R2|1001|5.00|颜色不对|2013050600001|WJ001|0");
    // The 26 marketplace fields are enough; fewer are refused, and nothing replaced.
    fields.SetSize(26);
    EXPECT_EQ(net.UpdateTBRefund(db, fields, L""), 1);
    EXPECT_EQ(Rows(L"SELECT outer_id FROM net_tbrefund"), L"");
    fields.SetSize(25);
    EXPECT_EQ(net.UpdateTBRefund(db, fields, L""), -1);
    EXPECT_EQ(Joined(TakeLog()), "UpdateTBRefund() ERR: refund_id=R2\r\n退款数据不完整：应有26项，只有25项！\n");
    EXPECT_EQ(Count(L"net_tbrefund"), 1);
}

TEST_F(NetOrders, PostingsThatCannotMakeACorrectBillWriteNothing) {
    ASSERT_EQ(net.UpdateTBRefund(db, RefundFields(Refund(L"R1", L"SUCCESS")), L""), 1);
    SavePens();
    const CString books = Books();
    const BillItemRows pens = Items({{.name = L"中性笔", .price = L"2.5", .count = L"10"}});
    BillItemRows shortRow = pens, badCount = pens, badOriginal = pens;
    shortRow[0].resize(13);
    badCount[0][4] = L"十";
    badOriginal[0][12] = L"2,5";
    const struct { const wchar_t *tid, *amount; BillItemRows items; int count; const char* log; } cases[] = {
        {L"9999", L"25", pens, 1, "tid=9999\r\n网店订单[9999]不存在，请先下载保存该订单！"},
        {L"1001", L"25元", pens, 1, "tid=1001\r\n单据金额[25元]不是有效的数字！"},
        {L"1001", L"", pens, 1, "tid=1001\r\n单据金额[]不是有效的数字！"},
        {L"1001", L"25", pens, 2, "tid=1001\r\n单据明细不完整：应有2行，只有1行！"},
        {L"1001", L"25", shortRow, 1, "tid=1001\r\n第1行单据明细不完整：应有14项，只有13项！"},
        {L"1001", L"25", badCount, 1, "tid=1001\r\n第1行单据明细的数量[十]不是有效的数字！"},
        {L"1001", L"25", badOriginal, 1, "tid=1001\r\n第1行单据明细的原价[2,5]不是有效的数字！"},
    };
    for (const auto& c : cases) {
        CString code;
        EXPECT_EQ(net.InsertTBBillToSaleBill(db, code, L"支付宝", L"2013-05-06", c.amount, L"25", L"100", L"25", L"",
                                             c.items, c.count, L"", c.tid), -1) << c.log;
        EXPECT_EQ(NetLog(), std::string("InsertTBBillToSaleBill() ERR: ") + c.log + "\n");
        EXPECT_EQ(code, L"");
    }
    EXPECT_EQ(PostRefund(L"R9", {}), -1);
    EXPECT_EQ(NetLog(), "InsertRefundToSaleBill() ERR: refund_id=R9\r\n网店退款[R9]不存在，请先下载保存该退款！\n");
    EXPECT_EQ(Books(), books);
    EXPECT_EQ(Rows(L"SELECT local_status FROM net_tbbillmain UNION ALL SELECT local_status FROM net_tbrefund"),
              L"0; 0");
}

TEST_F(NetOrders, APostingRefusedHalfWayKeepsWhatTheSalePostingKeeps) {
    // The second line names no product: the sale posting stops there with -2.
    const BillItemRows items =
        Items({{.name = L"中性笔", .price = L"2.5", .count = L"4"}, {.name = L"", .price = L"1"}});
    SavePens();
    CString code;
    EXPECT_EQ(net.InsertTBBillToSaleBill(db, code, L"支付宝", L"2013-05-06", L"11", L"11", L"100", L"11", L"", items, 2,
                                         L"", L"1001"), -2);
    EXPECT_EQ(code, L"");
    EXPECT_EQ(Rows(L"SELECT local_status, local_billcode FROM net_tbbillmain"), L"0|");
    EXPECT_EQ(NetLog(), "InsertTBBillToSaleBill() ERR: tid=1001\r\n~\n");

    // What stays is exactly what the same posting leaves when made directly.
    CppSQLite3DB twin;
    twin.open(":memory:");
    CreateShopSchema(twin);
    CString twinError;
    EXPECT_EQ(sale.InsertBill(twin, L"", L"支付宝", L"2013-05-06", L"淘宝网客户", L"11", L"11", L"100", L"11", L"",
                              items, 2, L"", L"taobao_order", twinError, L"3"), -2);
    for (const wchar_t* table : {L"SaleBills", L"SaleBillItems", L"Companies", L"SettleAcct", L"Products", L"Stocks",
                                 L"Account", L"BillCode"}) {
        const CString all = Fmt(L"SELECT * FROM %s", table);
        EXPECT_EQ(RowsOf(db, all), RowsOf(twin, all)) << CString(table);
    }
}

TEST_F(NetOrders, ADatabaseErrorUndoesTheWholePosting) {
    SavePens();
    const CString books = Books();
    Exec(L"CREATE TRIGGER Lock BEFORE UPDATE OF local_status ON net_tbbillmain BEGIN SELECT RAISE(ABORT,'no'); END");
    EXPECT_EQ(PostOrder(L"1001", L"10", L"TB-1"), -1);
    EXPECT_EQ(postedCode, L"TB-1");
    EXPECT_EQ(Books(), books);  // no bill, no customer, no account, no money moved
    EXPECT_EQ(NetLog(),
              "InsertTBBillToSaleBill() ERR:\r\n sql=UPDATE  net_tbbillmain SET local_status='1' , "
              "local_billcode='TB-1',local_date='2013-05-06 14:03:09' WHERE tid='1001'\r\nno\n"
              "InsertTBBillToSaleBill() ERR: tid=1001\r\nno\n");
    // Inside a host's own transaction the posting undoes only its own work.
    Exec(L"DROP TRIGGER Lock; BEGIN; INSERT INTO net_tblogst(id) VALUES('host')");
    EXPECT_GT(PostOrder(L"1001"), 0);
    Exec(L"COMMIT");
    EXPECT_EQ(Rows(L"SELECT (SELECT id FROM net_tblogst), local_status FROM net_tbbillmain"), L"host|1");
}

TEST_F(NetOrders, ReceiverAndShippingDataOfAnOrder) {
    SavePens();
    EXPECT_EQ(net.UpdateReceiverAddr(db, L"王小二", L"13800000000", L"310012", L"浙江省", L"杭州市", L"西湖区",
                                     L"文二路2号", L"YTO", L"圆通速递", L"YT100200", L"1001", error), 1);
    EXPECT_EQ(Rows(L"SELECT receiver_zip, receiver_address, companycode, companyname, outerid FROM net_tbbillmain"),
              L"310012|文二路2号|YTO|圆通速递|YT100200");
    EXPECT_EQ(net.UpdateReceiverAddr(db, L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"9999", error), 0);
    EXPECT_EQ(error, L"网店订单[9999]不存在！");
    EXPECT_EQ(net.GetOrderBillByID(db, L"1001", error).getStringField(L"outerid"), L"YT100200");
}

}  // namespace
