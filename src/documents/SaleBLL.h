#pragma once
// Sale bills: goods out, money in.

#include "frame/ServiceTypes.h"

class CSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(CSaleBLL)

public:
    // --- Posting, changing and deleting sale bills ---
    // Posts a sale: the customer (the retail customer for an empty name; made when unknown)
    // and settlement account (made when unknown) resolved, the bill numbered ("XSD"), header
    // and the first `itemCount` rows written, stock lowered, prices learned, the paid amount
    // journalled, the ledger written, the rest owed onto the customer's balance and points
    // credited. No transaction: a failure leaves the finished steps in place. The new SaleID;
    // -1 on failure; -2 when a line's product could neither be found nor made. `unused` is
    // not read.
    int InsertBill(CppSQLite3DB& db, CString billCode, CString settleAcctName, CString billDate, CString companyName,
                   CString billAmount, CString discountAmount, CString discountRate, CString getAmount, CString remark,
                   const BillItemRows& items, int itemCount, CString unused, CString userName, CString& error,
                   CString billType);
    // Deletes the bill and posts the new content: the result of InsertBill (a new SaleID),
    // or -1 when the old bill could not be deleted.
    int UpdateBillByID(CppSQLite3DB& db, int saleID, CString billCode, CString billType, CString settleAcctName,
                       CString billDate, CString companyName, CString billAmount, CString discountAmount,
                       CString discountRate, CString getAmount, CString remark, const BillItemRows& items,
                       int itemCount, CString unused, CString userName, CString& error);
    // Reverses every effect of the posting and removes the bill. 1; -1 when the journal or
    // the customer's balance could not be reversed (the stock is already given back) or on a
    // database error. A bill that does not exist reverses nothing and gives 1.
    int DeleteBillByID(CppSQLite3DB& db, int saleID, CString& error);
    // 1 when a sale bill has the code, else 0.
    int CheckBillCode(CppSQLite3DB& db, CString billCode);
    // The bill's lines with its header fields repeated, for reopening it.
    CppSQLite3Query GetBillDataByBillID(CppSQLite3DB& db, int saleID);

    // --- Print data ---
    // The bill as the document "销售单" in SysPrintData: its fields, the store's, the
    // customer's, one table row per line and the quantity total. 0; -1 when there is no such
    // bill or on a database error ("SalePrintErr:..." in the error text and the log).
    // `rowCount` receives the number of lines; `unused` is not read. The table is not cleared.
    int InsertPrintData(CppSQLite3DB& db, CString billCode, int unused, long& rowCount, CString& error);
    // The bills of QuryBillList as the document "销售单列表": one table row per bill, the sums.
    int InsertSaleListPrintData(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword, long& rowCount,
                                CString& error);

    // --- Virtual bill ---
    // The customer's opening receivable as a system bill (BillType 0, IsSystem 1) dated with
    // the system start date; a non-zero amount is booked into the customer's balance.
    // 1 done, -1 on failure.
    int InsertVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);
    // New amounts for the customer's virtual bill ("" means 0.00); the balance is the caller's.
    int UpdateVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);

    // --- Renames ---
    // A partner's new name and code into its stored bills; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
    // Bill lines carry no partner: nothing to change; 0.
    int UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Bill queries ---
    // The bill header / its lines, by ID or by code.
    CppSQLite3Query QueryBillByID(CppSQLite3DB& db, int saleID, CString& error);
    CppSQLite3Query QueryBillByCode(CppSQLite3DB& db, CString billCode, CString& error);
    CppSQLite3Query QueryBillItemByID(CppSQLite3DB& db, int saleID, CString& error);
    CppSQLite3Query QueryBillItemByCode(CppSQLite3DB& db, CString billCode, CString& error);
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
    // Real sale bills (no virtual or deleted ones) of the date range ("" = from the system
    // start / up to 2999-12-31) with the keyword in the bill, its customer, account, lines or
    // order code; the customer must still exist. Newest first. The statement is logged.
    CppSQLite3Query QuryBillList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                 CString& error);
    // Every line of the bills the keyword finds, with the bill's discount (rates in percent).
    CppSQLite3Query QuryBillItemList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                     CString& error);
    // Bill lines per customer and product: kind 1 sales, 2 purchases (any other kind gives
    // nothing); customer names containing `companyName`; "" dates = 2000-01-01 / 2100-12-31.
    // Unlike the searches, it does not leave deleted or virtual bills out.
    CppSQLite3Query QueryBillRpt(CppSQLite3DB& db, int kind, CString companyName, CString startDate, CString endDate);
    // Per operator whose name contains `userName`: BillAmount (before discounts),
    // DiscountAmount (the discounts given) and RelBillAmount (the amounts due).
    CppSQLite3Query QurySellerList(CppSQLite3DB& db, CString startDate, CString endDate, CString userName,
                                   CString& error);
};
