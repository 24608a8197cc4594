#pragma once
// Purchase bills: goods in, money out.

#include "frame/ServiceTypes.h"

class CPurBLL {
    SHOPBIZ_STATELESS_SERVICE(CPurBLL)

public:
    // --- Posting, changing and deleting purchase bills ---
    // Posts a purchase as CSaleBLL posts a sale, with the supplier (the newest system
    // supplier for an empty name), numbering "JHD", stock coming in, the money going out and
    // the rest owed onto the supplier's balance; no member points. Note the order: the bill
    // type comes second. The new PurID; -1 on failure; -2 for a product that could neither
    // be found nor made. `unused` is not read.
    int InsertBill(CppSQLite3DB& db, CString billCode, CString billType, CString settleAcctName, CString billDate,
                   CString companyName, CString billAmount, CString discountAmount, CString discountRate,
                   CString getAmount, CString remark, const BillItemRows& items, int itemCount, CString unused,
                   CString userName, CString& error);
    // Deletes the bill and posts the new content: a new PurID, or -1 when deleting failed.
    int UpdateBillByID(CppSQLite3DB& db, int purID, CString billCode, CString billType, CString settleAcctName,
                       CString billDate, CString companyName, CString billAmount, CString discountAmount,
                       CString discountRate, CString getAmount, CString remark, const BillItemRows& items,
                       int itemCount, CString unused, CString userName, CString& error);
    // Reverses the posting and removes the bill; a journal or balance error does not stop
    // it. 1; -1 on a database error.
    int DeleteBillByID(CppSQLite3DB& db, int purID, CString& error);
    // 1 when a purchase bill has the code, else 0.
    int CheckBillCode(CppSQLite3DB& db, CString billCode);
    // The bill's lines with its header fields repeated, for reopening it.
    CppSQLite3Query GetBillDataByBillID(CppSQLite3DB& db, int purID);

    // --- Print data ---
    // The bill as the document "进货单" (as CSaleBLL's, with the supplier's fields);
    // "PurPrintErr:..." on a database error.
    int InsertPrintData(CppSQLite3DB& db, CString billCode, int unused, long& rowCount, CString& error);
    // The bills of QuryBillList as the document "进货单列表".
    int InsertPurListPrintData(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword, long& rowCount,
                               CString& error);

    // --- Virtual bill ---
    // The supplier's opening payable as a system bill, as CSaleBLL's for customers.
    int InsertVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);
    int UpdateVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);

    // --- Renames ---
    // A partner's new name and code into its stored bills; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
    // Bill lines carry no partner: nothing to change; 0.
    int UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Bill queries ---
    // The bill header / its lines, by ID or by code.
    CppSQLite3Query QueryBillByID(CppSQLite3DB& db, int purID, CString& error);
    CppSQLite3Query QueryBillByCode(CppSQLite3DB& db, CString billCode, CString& error);
    CppSQLite3Query QueryBillItemByID(CppSQLite3DB& db, int purID, CString& error);
    CppSQLite3Query QueryBillItemByCode(CppSQLite3DB& db, CString billCode, CString& error);
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
    // Real purchase bills of the date range ("" = from the system start / up to 2999-12-31)
    // with the keyword in the bill, its supplier, account or lines; the supplier must still
    // exist. Newest first. (The customer/product report of purchases is CSaleBLL's, kind 2.)
    CppSQLite3Query QuryBillList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                 CString& error);
    // Every line of the bills the keyword finds, with the bill's discount (rates in percent).
    CppSQLite3Query QuryBillItemList(CppSQLite3DB& db, CString startDate, CString endDate, CString keyword,
                                     CString& error);
};
