// Sale orders: the deposit on its way in and back out, deliveries by sale bills, changes.
#include <gtest/gtest.h>

#include "support/BillFixture.h"

namespace {

using shopbiz::Fmt;

// A box of twelve pencils at 24; notebooks by the piece; six loose pencils (half a box).
const ItemRow kPencilBox{.name = L"铅笔", .price = L"2", .count = L"12", .showUnit = L"盒", .coefficient = L"12",
                         .showCount = L"1", .showPrice = L"24"};
ItemRow Notebooks(const wchar_t* count) { return {.name = L"本子", .unit = L"本", .price = L"5", .count = count}; }
const ItemRow kSixPencils{.name = L"铅笔", .count = L"6"};

class SaleOrders : public BillFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        PutCompany(L"王五", 1, 100);
    }
    // 王五's order for a box of pencils and five notebooks (49), `deposit` paid.
    int PencilsAndNotebooks(const wchar_t* deposit) {
        return Order(Bill(L"王五", L"49", deposit), {kPencilBox, Notebooks(L"5")});
    }
    int Change(int id, const BillArgs& b, std::initializer_list<ItemRow> rows) {
        return orders.UpdateBillByID(db, id, b.code, b.type, b.settleAcct, b.date, b.company, b.billAmount,
                                     b.discountAmount, b.discountRate, b.getAmount, b.remark, OrderRows(rows),
                                     static_cast<int>(rows.size()), b.user, error);
    }
    // A sale to 王五 that delivers the order.
    int Deliver(int orderID, std::initializer_list<ItemRow> lines) {
        const int saleID = Sale({.company = L"王五"}, Items(lines));
        EXPECT_EQ(orders.UpdateOrderSendCount(db, orderID, saleID, 0), 1);
        return saleID;
    }
    // Each order's state and what is delivered of each of its lines.
    CString Delivery() {
        return Rows(L"SELECT B.BillState, GROUP_CONCAT(I.FnshItemCount, '/') FROM SaleOrderBills B JOIN "
                    L"(SELECT * FROM SaleOrderBillItems ORDER BY SaleOrderItemID) I ON I.SaleOrderID=B.SaleOrderID "
                    L"GROUP BY B.SaleOrderID");
    }
    // Where a deposit goes: the journal's day lines, the cash account and its month, the customer.
    CString Deposit() {
        return Rows(L"SELECT (SELECT GROUP_CONCAT(ProjectName || ':' || AccountDesp || ':' || InAmount) FROM Account), "
                    L"(SELECT CurAmount FROM SettleAcct WHERE SettleAcctID=1), (SELECT InAmount FROM AccountMonth), "
                    L"(SELECT CurAmount FROM Companies WHERE CompanyName='王五')");
    }
};

TEST_F(SaleOrders, AnOrderTakesItsDepositAndMovesNoStock) {
    Setting(L"IsUseDataSync", L"1");
    ASSERT_EQ(PencilsAndNotebooks(L"30"), 1) << error;
    EXPECT_EQ(Rows(L"SELECT BillCode, CompanyID, SettleAcctID, BillAmount, GetAmount, BillState, BillType FROM "
                   L"SaleOrderBills"),
              L"DD2013050001|4|1|49.0|30.0|0|1");
    EXPECT_EQ(Rows(L"SELECT ProductName, UnitName, Price, ItemCount, ShowUnitName, Coefficient, ShowItemCount, "
                   L"ShowPrice, FnshItemCount FROM SaleOrderBillItems ORDER BY SaleOrderItemID"),
              L"铅笔|支|2.0|12.0|盒|12|1.0|24.0|0.0; 本子|本|5.0|5.0|本|1|5.0|5.0|0.0");
    // Into the day's income line and the cash account, off the customer's balance.
    EXPECT_EQ(Deposit(), L"收订金/欠款:预订货品:30.0|30.0|30.0|70.0");
    // No stock or ledger moves, the operation log keeps no order, the number is consumed, and
    // the product remembers the entered unit's price (for a customer, as the wholesale price).
    EXPECT_EQ(Real(L"SELECT SUM(ABS(CurStock)) FROM Products") + Count(L"Stocks WHERE IsSystem=0"), 0.0);
    EXPECT_EQ(Count(L"OperateData WHERE TName='SaleOrderBills'"), 0);
    EXPECT_EQ(Int(L"SELECT LastNO FROM BillCode WHERE BillType='XSDD' AND YearMonth='201305'"), 1);
    EXPECT_EQ(Rows(L"SELECT WholesalePrice FROM Products ORDER BY ProductID"), L"24.0; 5.0");

    // A supplier's balance runs the other way; no deposit moves nothing.
    PutCompany(L"赵六", 2, 100);
    ASSERT_EQ(Order(Bill(L"赵六", L"5", L"30"), {Notebooks(L"1")}), 2) << error;
    EXPECT_EQ(Balance(L"赵六"), 130.0);
    ASSERT_EQ(Order(Bill(L"王五", L"5", L"0"), {Notebooks(L"1")}), 3) << error;
    EXPECT_EQ(Balance(L"王五"), 70.0);
    // Resetting the front end's selection clears it on the lines of every order.
    Exec(L"UPDATE SaleOrderBillItems SET ItemState=1");
    ASSERT_EQ(orders.UpdateOrderBillItemStatus(db, 0, 0, 0, 1), 1);
    EXPECT_EQ(Count(L"SaleOrderBillItems WHERE ItemState<>0"), 0);
}

TEST_F(SaleOrders, SalesDeliverTheOrderDeletionsGiveBack) {
    const int order = PencilsAndNotebooks(L"30");
    EXPECT_EQ(orders.SaleOrderIsPush(db, order, error), 0);
    const int first = Deliver(order, {kSixPencils});
    EXPECT_EQ(Delivery(), L"0|0.5/0.0");
    // Reopened for the next sale: what is delivered, and the line the front end selected.
    ASSERT_EQ(orders.UpdateOrderBillItemStatus(db, 1, 2, order, 0), 1);
    EXPECT_EQ(FieldsOf(orders.GetBillDataByBillID(db, order),
                       {L"ProductName", L"SendCount", L"ShowItemCount", L"IsSelect"}),
              L"铅笔|0.5|1.0|0; 本子|0.0|5.0|1");
    const int second = Deliver(order, {kSixPencils, Notebooks(L"5")});
    EXPECT_EQ(Delivery(), L"1|1.0/5.0");
    EXPECT_EQ(orders.GetOrderBillStatus(db, order, 0) + orders.GetOrderBillStatus(db, 0, second), 2);
    EXPECT_EQ(orders.SaleOrderIsPush(db, order, error), 2);
    EXPECT_EQ(ListOf(orders.GetOrderSend(db, order, error), L"BillCode"), L"XS2013050002,XS2013050001");

    // The last delivery goes: the order is open again; the deposit never moved.
    ASSERT_EQ(sale.DeleteBillByID(db, second, error), 1) << error;
    EXPECT_EQ(Delivery(), L"0|0.5/0.0");
    EXPECT_EQ(orders.SaleOrderIsPush(db, order, error), 1);
    EXPECT_EQ(Deposit(), L"收订金/欠款:预订货品:30.0|30.0|30.0|70.0");

    // The order goes: the deposit comes back; the sale keeps its link.
    ASSERT_EQ(orders.DeleteBillByID(db, order, error), 1) << error;
    EXPECT_EQ(Count(L"SaleOrderBills") + Count(L"SaleOrderBillItems"), 0);
    EXPECT_EQ(Deposit(), L"收订金/欠款:预订货品:0.0|0.0|0.0|100.0");
    EXPECT_EQ(Rows(Fmt(L"SELECT SaleOrderID, SaleOrderCode FROM SaleBills WHERE SaleID=%d", first)), L"1|DD2013050001");
}

TEST_F(SaleOrders, AChangedOrderCountsItsDeliveriesAgain) {
    const int order = PencilsAndNotebooks(L"30");
    const int delivered = Deliver(order, {kSixPencils});
    Sale({.company = L"王五"}, Items({Notebooks(L"1")}));  // delivers no order: stays unlinked

    // Two boxes, 50 paid, the code kept: a new order with the half box delivered.
    BillArgs changed = Bill(L"王五", L"48", L"50");
    changed.code = L"DD2013050001";
    ItemRow boxes = kPencilBox;
    boxes.count = L"24";
    boxes.showCount = L"2";
    ASSERT_EQ(Change(order, changed, {boxes}), 2) << error;
    EXPECT_EQ(Count(L"SaleOrderBills WHERE SaleOrderID=1") + Count(L"SaleOrderBillItems WHERE SaleOrderID=1"), 0);
    EXPECT_EQ(Delivery(), L"0|0.5");
    EXPECT_EQ(Deposit(), L"收订金/欠款:预订货品:50.0|50.0|50.0|50.0");
    // Changed again without a code: a new number, the delivery found by the stored code.
    ASSERT_EQ(Change(2, Bill(L"王五", L"48"), {boxes}), 3) << error;
    EXPECT_EQ(Rows(L"SELECT SaleID, SaleOrderID, SaleOrderCode FROM SaleBills ORDER BY SaleID"),
              Fmt(L"%d|3|DD2013050002; %d|0|", delivered, delivered + 1));
    EXPECT_EQ(Delivery(), L"0|0.5");
}

TEST_F(SaleOrders, RefusedOrdersSayWhyAndKeepWhatWasDone) {
    // Refused before anything is written.
    EXPECT_EQ(Order(Bill(L"", L"49", L"10"), {Notebooks(L"5")}), -1);
    EXPECT_EQ(error, L"该单存在欠款，必须选择一个确定的客户！");
    EXPECT_EQ(Count(L"SaleOrderBills"), 0);
    // A line without a price cannot be written: the header and the account's balance stay,
    // the deposit is neither journalled nor taken off the customer's balance.
    ItemRow noPrice = Notebooks(L"5");
    noPrice.price = L"";
    EXPECT_EQ(Order(Bill(L"王五", L"49", L"30"), {noPrice}), -1);
    EXPECT_EQ(error.Find(L"写入明细失败！\r\n "), 0);
    EXPECT_EQ(TakeLog().back(), error);
    EXPECT_EQ(Count(L"SaleOrderBills") * 10 + Count(L"SaleOrderBillItems"), 10);
    EXPECT_EQ(Deposit(), L"|30.0||100.0");
}

}  // namespace
