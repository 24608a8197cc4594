#pragma once
// Sale orders: taken with a deposit, delivered by sale bills.

#include <array>

#include "frame/ServiceTypes.h"

// One order line by position: product code, product name, base unit, price per base unit,
// quantity in base units, amount, remark, (not read), entered unit, coefficient, quantity and
// price in the entered unit. An order's lines travel by value: the posting owns them.
using OrderItemRow = std::array<CString, 12>;
using OrderItemRows = std::vector<OrderItemRow>;

class COrderSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(COrderSaleBLL)

public:
    // --- Posting, changing and deleting orders ---
    // Posts an order: the customer and settlement account resolved as for a sale (the
    // deposit moves the account's balance), the order numbered ("XSDD"), header and the first
    // `rowCount` rows written, prices remembered; the deposit goes into the day's income line
    // and comes off the customer's balance (onto it for a supplier). No stock moves and no
    // transaction: a failure leaves the finished steps in place. The new SaleOrderID; -1 on
    // failure; -2 when a line's product could neither be found nor made.
    int InsertBill(CppSQLite3DB& db, CString billCode, CString settleAcctName, CString billDate, CString companyName,
                   CString billAmount, CString discountAmount, CString discountRate, CString getAmount, CString remark,
                   OrderItemRows rows, int rowCount, CString userName, CString& error, CString billType);
    // Deletes the order and posts the new content; the sale bills that delivered it are linked
    // to the new order and counted again. The new SaleOrderID, the failure of the new posting
    // (-1, -2), or -1 when the old order could not be deleted.
    int UpdateBillByID(CppSQLite3DB& db, int saleOrderID, CString billCode, CString billType, CString settleAcctName,
                       CString billDate, CString companyName, CString billAmount, CString discountAmount,
                       CString discountRate, CString getAmount, CString remark, OrderItemRows rows, int rowCount,
                       CString userName, CString& error);
    // Gives the deposit back (journal, settlement account, customer's balance) and removes the
    // order; its deliveries keep their link. 1; -1 when the journal or the balance reported an
    // error (the order stays) or on a database error.
    int DeleteBillByID(CppSQLite3DB& db, int saleOrderID, CString& error);
    // 1 when an order has the code, else 0.
    int CheckBillCode(CppSQLite3DB& db, CString billCode);
    // The order's lines with its header fields repeated, for turning it into a sale bill.
    CppSQLite3Query GetBillDataByBillID(CppSQLite3DB& db, int saleOrderID);

    // --- Print data ---
    // The order on the sale bill's document "销售单" (no discount, owed amount or line rates);
    // "SaleOrderPrintErr:..." on a database error. Otherwise as CSaleBLL::InsertPrintData.
    int InsertPrintData(CppSQLite3DB& db, CString billCode, int unused, long& rowCount, CString& error);
    // The orders of QuryBillList (with its state filter) as the document "销售单列表".
    int InsertSaleListPrintData(CppSQLite3DB& db, int billState, CString startDate, CString endDate, CString keyword,
                                long& rowCount, CString& error);

    // --- Deliveries ---
    // Links the sale bill to the order and adds its quantities (taken back when `reverse` is
    // not 0) to the order lines of the same products, in each line's entered unit; the order
    // is marked delivered once every line is covered. 1, or 0 on a database error (logged).
    int UpdateOrderSendCount(CppSQLite3DB& db, int saleOrderID, int saleID, int reverse);
    // Sets the order's BillState (1 fully delivered, 0 not). 1, or -1 on a database error.
    int UpdateOrderBillStatus(CppSQLite3DB& db, int billState, int saleOrderID, CString& error);
    // BillState of the order, or (saleOrderID 0) of the order the sale delivers; 0 when there
    // is none, when both or neither ID is given, and on a database error (logged).
    int GetOrderBillStatus(CppSQLite3DB& db, int saleOrderID, int saleID);
    // Marks one order line as selected (ItemState); `reset` clears the mark on every line of
    // every order. 1, or 0 on a database error (logged).
    int UpdateOrderBillItemStatus(CppSQLite3DB& db, int itemState, int saleOrderItemID, int saleOrderID, int reset);
    // The sale bills that delivered the order, newest first.
    CppSQLite3Query GetOrderSend(CppSQLite3DB& db, int saleOrderID, CString& error);
    // How many sale bills delivered the order (0: never); -1 on a database error.
    int SaleOrderIsPush(CppSQLite3DB& db, int saleOrderID, CString& error);

    // --- Bill queries ---
    // The order header / its lines, by ID or by code.
    CppSQLite3Query QueryBillByID(CppSQLite3DB& db, int saleOrderID, CString& error);
    CppSQLite3Query QueryBillByCode(CppSQLite3DB& db, CString billCode, CString& error);
    CppSQLite3Query QueryBillItemByID(CppSQLite3DB& db, int saleOrderID, CString& error);
    CppSQLite3Query QueryBillItemByCode(CppSQLite3DB& db, CString billCode, CString& error);
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
    // Orders in the date range ("" = from the system start / up to 2999-12-31) with the
    // keyword in the order, its customer, account or lines; `billState` 0 or 1 selects open
    // or delivered orders, 3 or more all. Newest first.
    CppSQLite3Query QuryBillList(CppSQLite3DB& db, int billState, CString startDate, CString endDate, CString keyword,
                                 CString& error);
    // Every line of the orders the keyword finds, with what is delivered of it (SendCount).
    CppSQLite3Query QuryBillItemList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                     CString& error);
    // Order lines per customer and product (kind 1; any other kind gives nothing), with
    // SendCount; customer names containing `companyName`.
    CppSQLite3Query QueryBillRpt(CppSQLite3DB& db, int kind, CString companyName, CString startDate, CString endDate);

    // --- Renames ---
    // A partner's new name and code into its stored orders; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
    // Order lines carry no partner: nothing to change; 0.
    int UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
};
