// Reading stored bills back: fetches, searches by date and keyword, the customer/product
// report, the seller summary, and the indexes the searches and reports run on.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <string>

#include "support/BillFixture.h"

namespace {

using shopbiz::Fmt;

BillArgs Dated(const wchar_t* date, const wchar_t* company, const wchar_t* amount, const wchar_t* user = L"张三") {
    BillArgs bill = Bill(company, amount, amount);
    bill.date = date;
    bill.user = user;
    return bill;
}

// Sale bills: XS2013050001 (05-06, 王五, 10 pencils at 2 and 2 notebooks at 5, both lines
// "赠品", 10% off, by 张三); XS2013050002 (05-20, 李四, remark "送货", by 李娜, delivers order
// DD2013050001); XS1970010001 (王五), XS2999120001 and XS3000010001 (李四); XS2013050003 of
// 赵六, whose row is gone; 王五's virtual bill. JH2013050001 from 华联批发. Orders
// DD2013050001 (李四, line "加急", delivered) and DD2013050002 (王五, open).
class BillQueries : public BillFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        for (const wchar_t* customer : {L"王五", L"李四", L"赵六"}) PutCompany(customer, 1);
        BillArgs discounted = Dated(L"2013-05-06", L"王五", L"30");
        discounted.discountAmount = discounted.getAmount = L"27";
        discounted.discountRate = L"90";
        const ItemRow notebooks{.name = L"本子", .unit = L"本", .price = L"5", .count = L"2"};
        ItemRow giftNotebooks = notebooks;
        giftNotebooks.remark = L"赠品";
        Sale(discounted, Items({{.price = L"2", .count = L"10", .remark = L"赠品"}, giftNotebooks}));
        BillArgs delivery = Dated(L"2013-05-20", L"李四", L"12", L"李娜");
        delivery.remark = L"送货";
        Sale(delivery, Items({{.price = L"4", .count = L"3"}}));
        Sale(Dated(L"1970-01-01", L"王五", L"10"), Items({notebooks}));
        for (const wchar_t* date : {L"2999-12-31", L"3000-01-01"}) Sale(Dated(date, L"李四", L"2"), Items({{}}));
        Sale(Dated(L"2013-05-07", L"赵六", L"2"), Items({{}}));
        Exec(L"DELETE FROM Companies WHERE CompanyName='赵六'");
        sale.InsertVirtualBill(db, L"50", 4, error);
        Purchase(Dated(L"2013-05-08", L"华联批发", L"15"), Items({{.price = L"1.5", .count = L"10"}}));
        BillArgs rush = Dated(L"2013-05-10", L"李四", L"12");
        rush.remark = L"订单";
        Order(rush, {{.price = L"4", .count = L"3", .remark = L"加急"}});
        Order(Dated(L"2013-05-11", L"王五", L"10"), {notebooks});
        ASSERT_EQ(orders.UpdateOrderSendCount(db, 1, 2, 0), 1) << error;
        TakeLog();
    }
};

TEST_F(BillQueries, SearchesByDateAndKeyword) {
    struct Case {
        const wchar_t *from, *to, *keyword, *found;
    } cases[] = {
        // From the system start to 2999-12-31; no virtual bills, none of a customer that is gone.
        {L"", L"", L"", L"XS2999120001,XS2013050002,XS2013050001,XS1970010001"},
        {L"2013-05-06", L"2013-05-06", L"", L"XS2013050001"},
        {L"", L"", L"赠品", L"XS2013050001"},          // once, although both its lines hold it
        {L"", L"", L"李娜", L"XS2013050002"},          // operator
        {L"", L"", L"DD2013050001", L"XS2013050002"},  // the order it delivers
        {L"", L"", L"WW", L"XS2013050001,XS1970010001"},  // the customer's search code
        {L"2013-01-01", L"", L" 本子 ", L"XS2013050001"},
        {L"", L"", L"赵六", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListOf(sale.QuryBillList(db, c.from, c.to, c.keyword, error), L"BillCode"), c.found) << c.keyword;
    EXPECT_EQ(TakeLog().size(), std::size(cases));  // the sale search logs each statement
    EXPECT_EQ(ListOf(pur.QuryBillList(db, L"", L"", L"华联", error), L"BillCode"), L"JH2013050001");
    // Orders by state: 0 open, 1 delivered, 3 all.
    const std::pair<int, const wchar_t*> states[] = {
        {0, L"DD2013050002"}, {1, L"DD2013050001"}, {3, L"DD2013050002,DD2013050001"}};
    for (const auto& [state, found] : states)
        EXPECT_EQ(ListOf(orders.QuryBillList(db, state, L"", L"", L"", error), L"BillCode"), found) << state;
    EXPECT_EQ(ListOf(orders.QuryBillList(db, 3, L"", L"", L"加急", error), L"BillCode"), L"DD2013050001");

    // Line searches list every line of the bills found; rates in percent, and the discount
    // column is what the bill's rate leaves of the line.
    EXPECT_EQ(FieldsOf(sale.QuryBillItemList(db, L"2013-05-01", L"2013-05-31", L"本子", error),
                     {L"SaleID", L"ProductName", L"ShowItemCount", L"Amount", L"Remark", L"DiscountRate",
                      L"DiscountAmount", L"DisRate"}),
              L"1|铅笔|10.0|20.0|赠品|90.0|18.0|100.0; 1|本子|2.0|10.0|赠品|90.0|9.0|100.0");
    EXPECT_EQ(FieldsOf(orders.QuryBillItemList(db, L"", L"", L"", error),
                     {L"SaleOrderID", L"ProductName", L"ItemCount", L"Remark", L"BillRemark", L"SendCount"}),
              L"2|本子|2.0|||0.0; 1|铅笔|3.0|加急|订单|3.0");
}

TEST_F(BillQueries, ASearchThatFailsSaysWhatRan) {
    Exec(L"DROP TABLE SettleAcct");
    EXPECT_TRUE(sale.QuryBillList(db, L"", L"", L"x", error).eof());
    const std::vector<CString> log = TakeLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(error, L"执行查询错误。\r\nno such table: SettleAcct\r\n" + log[0]);  // the statement logged first
    EXPECT_EQ(log[1], error);
}

TEST_F(BillQueries, ReportsAddUpToTheirBills) {
    EXPECT_EQ(FieldsOf(sale.QueryBillRpt(db, 1, L"", L"2013-05-01", L"2013-05-31"),
                     {L"CompanyName", L"ProductName", L"UnitName", L"ItemCount", L"Price", L"DiscountRate"}),
              L"李四|铅笔|支|3.0|4.0|1.0; 王五|本子|本|2.0|5.0|0.9; 王五|铅笔|支|10.0|2.0|0.9; 赵六|铅笔|支|1.0|2.0|1.0");
    // Per customer over the default range (2000-01-01 to 2100-12-31): the lines add up to what
    // the bills say is due.
    for (const wchar_t* customer : {L"王五", L"李四"}) {
        double reported = 0;
        for (CppSQLite3Query q = sale.QueryBillRpt(db, 1, customer, L"", L""); !q.eof(); q.nextRow())
            reported += q.getFloatField(L"ItemCount") * q.getFloatField(L"Price") * q.getFloatField(L"DiscountRate");
        EXPECT_DOUBLE_EQ(reported, Real(Fmt(L"SELECT SUM(DiscountAmount) FROM SaleBills WHERE CompanyName='%s' AND "
                                            L"IsSystem=0 AND BillDate BETWEEN '2000-01-01' AND '2100-12-31'",
                                            customer)))
            << customer;
    }
    EXPECT_EQ(FieldsOf(sale.QueryBillRpt(db, 2, L"华", L"", L""), {L"BillCode", L"ItemCount"}), L"JH2013050001|10.0");
    EXPECT_EQ(FieldsOf(orders.QueryBillRpt(db, 1, L"", L"", L""), {L"BillCode", L"SendCount"}),
              L"DD2013050001|3.0; DD2013050002|0.0");
    EXPECT_TRUE(sale.QueryBillRpt(db, 3, L"", L"", L"").isNull());  // other kinds run nothing
    EXPECT_TRUE(orders.QueryBillRpt(db, 2, L"", L"", L"").isNull());
    // Sales per operator; virtual bills are no one's.
    EXPECT_EQ(FieldsOf(sale.QurySellerList(db, L"", L"", L"", error),
                     {L"UserName", L"BillAmount", L"DiscountAmount", L"RelBillAmount"}),
              L"张三|44.0|3.0|41.0; 李娜|12.0|0.0|12.0");
    EXPECT_EQ(FieldsOf(sale.QurySellerList(db, L"2013-05-01", L"2013-05-31", L"张", error), {L"BillAmount"}), L"32.0");
}

TEST_F(BillQueries, FetchesRenamesAndProductUse) {
    EXPECT_EQ(FieldsOf(sale.QueryBillByCode(db, L" XS2013050002 ", error), {L"SaleID"}), L"2");
    EXPECT_EQ(FieldsOf(pur.QueryBillItemByCode(db, L"JH2013050001", error), {L"PurID"}), L"1");
    EXPECT_EQ(FieldsOf(orders.QueryBillItemByCode(db, L"DD2013050001", error), {L"FnshItemCount"}), L"3.0");
    // How many lines use the notebooks: whether they may still be deleted.
    EXPECT_EQ(Fmt(L"%d %d %d", sale.QueryBillByProductID(db, 2, error), pur.QueryBillByProductID(db, 2, error),
                  orders.QueryBillByProductID(db, 2, error)),
              L"2 0 1");
    // A partner's rename has nothing to change in bill lines.
    EXPECT_EQ(orders.UpdateBillProName(db, 4, L"新", L"N1", error), 0);
    Exec(L"DROP TABLE SaleOrderBillItems");
    EXPECT_EQ(orders.QueryBillByProductID(db, 2, error), -1);
    EXPECT_EQ(error, L"no such table: SaleOrderBillItems");
}

// The plan of the one statement a call runs: a date range of bills through the date index,
// their lines through the code index, no table walked whole.
class BillQueryPlans : public BillQueries {
protected:
    std::string PlanOf(const std::function<void()>& call) {
        static std::vector<std::string> statements;
        statements.clear();
        sqlite3_trace_v2(
            db.handle(), SQLITE_TRACE_STMT,
            [](unsigned, void*, void* st, void*) {
                statements.emplace_back(sqlite3_sql(static_cast<sqlite3_stmt*>(st)));
                return 0;
            },
            nullptr);
        call();
        sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);
        EXPECT_EQ(statements.size(), 1u);
        std::string plan;
        for (CppSQLite3Query q = db.execQuery(L"EXPLAIN QUERY PLAN " + CString::FromUtf8(statements.at(0))); !q.eof();
             q.nextRow())
            plan += q.getStringField(L"detail").ToUtf8() + "\n";
        return plan;
    }
};

TEST_F(BillQueryPlans, SearchesAndReportsReadThroughTheIndexes) {
    const std::tuple<std::function<void()>, const char*, const char*> cases[] = {
        {[&] { sale.QuryBillList(db, L"2013-05-01", L"2013-05-31", L"x", error); }, "SaleBills", "SaleBillItems"},
        {[&] { sale.QueryBillRpt(db, 2, L"王", L"2013-05-01", L"2013-05-31"); }, "PurBills", "PurBillItems"},
        {[&] { orders.QuryBillItemList(db, L"2013-05-01", L"2013-05-31", L"x", error); }, "SaleOrderBills",
         "SaleOrderBillItems"},
    };
    for (const auto& [call, bills, lines] : cases) {
        const std::string plan = PlanOf(call);
        EXPECT_NE(plan.find(std::string("INDEX IX_") + bills + "_Date (BillDate>? AND BillDate<?)"), plan.npos) << plan;
        EXPECT_NE(plan.find(std::string("INDEX IX_") + lines + "_Code (BillCode=?)"), plan.npos) << plan;
        EXPECT_EQ(plan.find("SCAN"), plan.npos) << plan;
    }
    // The sale bills that delivered an order.
    EXPECT_NE(PlanOf([&] { orders.GetOrderSend(db, 1, error); }).find("INDEX IX_SaleBills_Order (SaleOrderID=?)"),
              std::string::npos);
}

}  // namespace
