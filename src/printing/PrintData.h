#pragma once
// The print data table that the front end's print engine reads.
//
// SysPrintData holds one row per value of the document to print: EntryNo -1 for a field of
// the whole document, 1, 2, ... for a field of the n-th table row; KeyWordName is the field's
// code (a template prints the codes it cites in NoteCitation), BillType the document's label
// (a NoteType name, given here by the caller) and KeyWordType "varchar", "varMoneyfloat",
// "varCountfloat" or "varPricefloat". The fillers add rows and never clear the table: the
// front end empties it before it fills a new job, and prints one job at a time. A filler that
// writes table rows returns their number through `rowCount`. A database error leaves the rows
// written before it in place; it is reported as "<method> Err:<message>" in the error text
// (where the method has one) and the log, and the method returns -1. Every filler takes the
// library lock. The bills' own fillers are CSaleBLL's, CPurBLL's and COrderSaleBLL's.

#include "frame/ServiceTypes.h"

class CPrintData {
    SHOPBIZ_STATELESS_SERVICE(CPrintData)

public:
    // StoreName, StoreAddr and StoreLink (EntryNo -1). 0; -1 on a database error (logged).
    int InsertStoreInfo(CppSQLite3DB& db, CString label);
    // The enabled customer (type 1) or supplier (type 2) of that name: Contact, Tel, Fax,
    // ProviderRemark, Email, QQ, Address, PostCode, InitAmount and CurAmount (EntryNo -1);
    // nothing for an unknown name. 0; -1 on a database error (logged).
    int InsertCompanyInfo(CppSQLite3DB& db, int companyType, CString companyName, CString label);

    // Every settlement account: RowNo, SettleAcctName, BankName, BankNo, CurAmount. 0 or -1.
    int InsertClearanceAccountPrintData(CppSQLite3DB& db, long& rowCount, CString label, CString& error);

    // A customer's statement over the period ("" dates: from the system start / up to
    // 2999-12-31): CompanyName, BillSdt, BillEdt; a first row "期初" with the balance owed
    // before the period (EndAmount); then in date order a row per sale bill, deposit and receipt
    // (RowNo, BillDate, BillCode, ProductName: what it is, SaleAmount, DisAmount, AddAmount:
    // what it adds to the balance, GetAmount: what was paid, EndAmount: the balance after it,
    // Remark), each bill followed by a row per line (ProductCode, ProductName, UnitName,
    // OutCount, SalePrice, SaleAmount, Remark); SumAddAmount and SumGetAmount. 0 or -1.
    int InsertStatementAccountByCust(CppSQLite3DB& db, CString companyName, CString startDate, CString endDate,
                                     CString label, long& rowCount, CString& error);
    // The same for a supplier, over purchase bills and payments.
    int InsertStatementAccountBySupply(CppSQLite3DB& db, CString companyName, CString startDate, CString endDate,
                                       CString label, long& rowCount, CString& error);

    // The products out of their stock limits (selection as CProductsBLL::GetCustProductForWaring:
    // 1 over the upper limit, 2 under the lower one or negative, other values both): RowNo,
    // ProductCode, ProductName, UnitName, HighLimit, LowLimit, CurCount, Status ("超出上限",
    // "低于下限" or "负库存") and WarningCount (how far past the limit). 0 or -1.
    int InsertStockWarningPrintData(CppSQLite3DB& db, long& rowCount, CString label, CString& error, int selection);

    // A receipt (payment) of the cash journal by its bill code: AccountDesp, BillCode,
    // AccountDate, CompanyName (the three texts as given); per settlement account RowNo,
    // SettleAcctName, BankName, BankNo, InAmount (OutAmount); SumAmount and BillAmountRMB.
    // 0 or -1 (also when the journal holds no such receipt / payment).
    int InsertRecAccountBillPrintData(CppSQLite3DB& db, long& rowCount, CString billCode, CString date,
                                      CString companyName, CString label, CString& error);
    int InsertPayAccountBillPrintData(CppSQLite3DB& db, long& rowCount, CString billCode, CString date,
                                      CString companyName, CString label, CString& error);

    // A sale order with what is delivered of it: CompanyName, BillDate, BillCode, Remark,
    // SettleAcct, BillAmountRMB, BillAmount, GetAmount; per line ProductName, ProductCode,
    // UnitName, ItemCount, FnshItemCount, Price, Amount, ItemRemark, RowNo; Count and
    // SumFnshItemCount. `unused` is not read. 0; -1 for an unknown order or a database error.
    int InsertSaleOrderPrintData(CppSQLite3DB& db, CString orderCode, CString label, int unused, long& rowCount,
                                 CString& error);
    // The orders of COrderSaleBLL::QuryBillList: per order BillDate, BillCode, StartDate,
    // EndDate, BillStatus ("已完成" / "未完成"), CompanyName, BillAmount, GetAmount, Remark,
    // SettleAcct, RowNo; SumInAmount and SumGetAmount. 0 or -1.
    int InsertSaleOrderListPrintData(CppSQLite3DB& db, CString label, int billState, CString startDate,
                                     CString endDate, CString keyword, long& rowCount, CString& error);

    // The seller summary (CSaleBLL::QurySellerList): CompanyName (the store), BillSdt, BillEdt;
    // per operator RowNo, UserName, BillAmount, DiscountAmount (the discounts given),
    // RelBillAmount (the amounts due); SumBillAmount, SumDisAmount, SumRelBillAmount. 0 or -1.
    int InsertSellerListPrintData(CppSQLite3DB& db, CString startDate, CString endDate, CString userName,
                                  CString label, long& rowCount, CString& error);
};
