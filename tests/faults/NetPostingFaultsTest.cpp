// Every statement of an online order's and an online refund's posting made to fail in turn.
// Whatever fails, the record is marked posted exactly when the call succeeded, and then with
// the code of a bill of its type; a failure is logged naming the record, and posting again
// succeeds.
#include <sqlite3.h>

#include <functional>

#include "frame/StatementFaults.h"
#include "support/BillFixture.h"

using namespace shopbiz;
using shopbiz::testing::StatementFaults;

namespace {

class NetPostingFaults : public BillFixture {
protected:
    struct Posting {
        const wchar_t* table;  // the record's table and key
        const wchar_t* key;
        const wchar_t* id;
        int billType;
        std::function<int()> post;
    };

    void SetUp() override {
        BillFixture::SetUp();
        Setting(L"IsUseDataSync", L"1");  // every change journalled: more statements to fail
        Purchase({}, Items({{.name = L"中性笔", .price = L"1", .count = L"100"}}));
        NetOrder order;
        order.tid = L"1001";
        order.status = L"WAIT_SELLER_SEND_GOODS";
        NetOrderLine line;
        line.tid = L"1001";
        line.num_iid = L"501";
        ASSERT_EQ(net.SaveOrderBill(db, OrderFields(order), OrderLineRows({line}), 1, error), 1) << error;
        NetRefund refund;
        refund.refund_id = L"R1";
        refund.tid = L"1001";
        ASSERT_EQ(net.UpdateTBRefund(db, RefundFields(refund), L""), 1);
    }

    // The record's posting state and, when marked, whether a bill of its type has that code.
    CString Marking(const Posting& p) {
        return Rows(Fmt(L"SELECT local_status, (SELECT COUNT(*) FROM SaleBills WHERE BillType=%d AND BillCode=r.local_billcode) "
                        L"FROM %s r WHERE %s='%s'",
                        p.billType, p.table, p.key, p.id));
    }
    static void Copy(CppSQLite3DB& from, CppSQLite3DB& to) {
        sqlite3_backup* b = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
        ASSERT_NE(b, nullptr);
        sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
    }

    void Walk(const Posting& p) {
        CppSQLite3DB start;
        start.open(":memory:");
        Copy(db, start);
        StatementFaults::Arm(db, 0, SQLITE_IOERR);
        ASSERT_GE(p.post(), 1);
        const int statements = StatementFaults::Disarm();
        ASSERT_GT(statements, 10);

        const int codes[] = {SQLITE_IOERR, SQLITE_FULL, SQLITE_BUSY};
        for (int failAt = 1; failAt <= statements; ++failAt) {
            SCOPED_TRACE(Fmt(L"%s, statement %d of %d", p.id, failAt, statements).ToUtf8());
            Copy(start, db);
            TakeLog();
            StatementFaults::Arm(db, failAt, codes[failAt % 3]);
            const int result = p.post();
            StatementFaults::Disarm();
            ASSERT_TRUE(StatementFaults::Fired());
            if (result >= 1) {
                EXPECT_EQ(Marking(p), L"1|1");
            } else {
                EXPECT_EQ(Marking(p), L"0|0");
                EXPECT_NE(Joined(TakeLog()).find(Fmt(L"%s=%s", p.key, p.id).ToUtf8()), std::string::npos);
                EXPECT_GE(p.post(), 1) << "posting again";
                EXPECT_EQ(Marking(p), L"1|1");
            }
        }
    }

    CNetDataBLL net;
    const BillItemRows pens = Items({{.name = L"中性笔", .price = L"2.5", .count = L"10"}});
    const BillItemRows returned = Items({{.name = L"中性笔", .price = L"2.5", .count = L"-2"}});
};

TEST_F(NetPostingFaults, EveryStatementOfAnOrderAndARefund) {
    Walk({L"net_tbbillmain", L"tid", L"1001", 3, [&] {
              CString code;
              return net.InsertTBBillToSaleBill(db, code, L"支付宝", L"2013-05-06", L"25", L"25", L"100", L"25", L"",
                                                pens, 1, L"", L"1001");
          }});
    Walk({L"net_tbrefund", L"refund_id", L"R1", 4, [&] {
              return net.InsertRefundToSaleBill(db, L"", L"支付宝", L"2013-05-07", L"-5", L"-5", L"100", L"-5", L"",
                                                returned, 1, L"", L"R1");
          }});
}

}  // namespace
