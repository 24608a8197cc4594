#pragma once
// Customers, suppliers and contacts with their balances.
//
// Partners live in Companies: CompanyType 1 customer, 2 supplier (3 is a plain contact).
// Each carries an opening balance (InitAmount, booked through its virtual bill) and a
// current balance (CurAmount): what a customer owes the shop, or the shop owes a supplier.

#include "frame/ServiceTypes.h"

class CCustomerBLL {
    SHOPBIZ_STATELESS_SERVICE(CCustomerBLL)

public:
    // --- Creating and editing partners -----------------------------------------------------
    // The partner fields always come in this order: name, full name, code, contact, phone,
    // fax, e-mail, QQ, address, postal code, opening amount, remark.

    // New CompanyID. A name that a customer or supplier already has updates and re-enables
    // that row and gives its ID. -1 on an empty name, a failed update or a database error.
    int InsertCompany(CppSQLite3DB& db, CString name, CString fullName, CString code, CString contact, CString phone,
                      CString fax, CString email, CString qq, CString address, CString postCode, CString initAmount,
                      CString remark, int isBoth, int type, CString& error);
    // By name alone (bills naming an unknown partner): a new code, opening amount 0.
    int InsertCompany(CppSQLite3DB& db, CString name, int type, CString& error);
    // 1 done; -1 on a duplicate name, an unknown partner or a failed step. A changed opening
    // amount moves the current balance and the virtual bill; name and code are carried into
    // every bill, the stock ledger, the cash journal and the customer prices.
    int UpdateCompany(CppSQLite3DB& db, int id, CString name, CString fullName, CString code, CString contact,
                      CString phone, CString fax, CString email, CString qq, CString address, CString postCode,
                      CString initAmount, CString remark, int isBoth, CString& error);
    // disable 1 hides the partner from the pick lists, 0 brings it back. 1 done, -1 on error.
    int SetEnableByID(CppSQLite3DB& db, int id, int disable, CString& error);

    // --- Balances ------------------------------------------------------------------------------
    // Move CurAmount by the amount, rounded to cents. 1 done, -1 on error.
    int AddCurrentAmount(CppSQLite3DB& db, int id, double amount, CString& error);
    int DecCurrentAmount(CppSQLite3DB& db, int id, double amount, CString& error);

    // --- Deleting ------------------------------------------------------------------------------
    // Removes the partner with its virtual bills, journal lines and customer prices. -1 when a
    // bill or journal line names it, for the delivered partners, and on error.
    int DeleteCompany(CppSQLite3DB& db, int id, CString& error);
    // Non-system sale bills, purchase bills and sale orders plus journal lines naming the
    // partner; -1 on error.
    int IsHasBills(CppSQLite3DB& db, int id, CString& error);

    // --- Codes and existence checks ------------------------------------------------------------
    // The code after that of the newest partner of the type.
    CString GetNewCustomerCode(CppSQLite3DB& db, int type, CString& error);
    // ID of the last customer or supplier of that name; 0 when none.
    int GetCompanyIDByName(CppSQLite3DB& db, CString name);
    // Another customer or supplier (not the given ID) has the name.
    bool IsExisted(CppSQLite3DB& db, CString name, int id, CString& error);
    // Any row of Companies, contacts included, has the name.
    bool IsExisted(CppSQLite3DB& db, CString name);
    // 1 when a customer of that name exists, else 0; `error` gets the message of a database error.
    int IsExistedCustName(CppSQLite3DB& db, CString name, CString& error);
    // A usable customer / supplier exists besides the delivered ones.
    bool HaveCustData(CppSQLite3DB& db);
    bool HaveSuppData(CppSQLite3DB& db);

    // --- Queries -------------------------------------------------------------------------------
    // Types: 1 customers, 2 suppliers, 0 both. Keywords match anywhere in the column.
    CppSQLite3Query QueryCompanyByID(CppSQLite3DB& db, int id, CString& error);
    CppSQLite3Query QueryCompanyByName(CppSQLite3DB& db, CString name, CString& error);
    // Non-system partners by code, name or search code; disabled ones only with showAll.
    CppSQLite3Query QueryCompanyList(CppSQLite3DB& db, CString keyword, bool showAll, int type, CString& error);
    // Non-system partners of the type by name and phone, newest first.
    CppSQLite3Query QueryCompanyByNameTel(CppSQLite3DB& db, int type, CString namePart, CString telPart, bool showAll,
                                          CString& error);
    // Enabled non-system partners by name, phone, contact or search code; without `all` only
    // those with an outstanding balance.
    CppSQLite3Query QueryByKeyword(CppSQLite3DB& db, int type, CString keyword, bool all, CString& error);
    // SearchCode and CompanyName for a pick list; the delivered partners only withSystem.
    CppSQLite3Query QueryCompForSelect(CppSQLite3DB& db, CString keyword, bool withSystem, int type, CString& error);
    // The pick list of a bill: partners of the type first, then those of the other type.
    CppSQLite3Query QueryCompForBillSelect(CppSQLite3DB& db, CString keyword, bool withSystem, int type,
                                           CString& error);
};
